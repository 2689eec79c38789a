#pragma once
// The safety data sheet and the quick editor in the test's own process, owned by the main frame,
// with the shipped hazard class lists and phrase files in the working folder.
#include <string>
#include <vector>

#include "tests/app/app_fixture.h"

class SafetyWindowTest : public AppTest {
 protected:
  SafetyWindowTest();
  ~SafetyWindowTest() override;

  // The path of a file of dats/datfiles/fastedit in the working folder.
  std::filesystem::path FastEditPath(const std::string& name) const;
  std::string ReadFastEdit(const std::string& name) const;
  void WriteFastEdit(const std::string& name, const std::string& text) const;

  // Opens the safety data sheet owned by the frame; it is the active window afterwards.
  HWND OpenSheet();
  // Opens the quick editor from the open sheet's button.
  HWND OpenQuickEditor();
  // Activates the frame, so that the sheet is deactivated and writes its fields back.
  void ActivateFrame();
  std::string FieldText(HWND window, int id) const;
  void SetFieldText(HWND window, int id, const std::string& text) const;
  std::vector<std::string> MessageTexts() const;
};
