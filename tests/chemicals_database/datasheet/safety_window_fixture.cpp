#include "tests/chemicals_database/datasheet/safety_window_fixture.h"

#include <fstream>
#include <sstream>

#include "chemicals_database/database_group.h"
#include "chemicals_database/safety_sheet_window.h"
#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/quick_edit_window.h"
#include "engine/settings/settings.h"
#include "platform/win/window_api.h"
#include "resources/safety_sheet_ids.h"

namespace fs = std::filesystem;

SafetyWindowTest::SafetyWindowTest() {
  fs::create_directories(folder.Path() / "dats" / "datfiles");
  fs::copy(fs::path(TAVRIN_SOURCE_DIR) / "dats" / "datfiles" / "fastedit", folder.Path() / "dats" / "datfiles" / "fastedit");
  SafetyDataText.clear();
  HealthHazardCode.clear();
  FireHazardCode.clear();
  EnvironmentHazardCode.clear();
  QuickEditCategory = 0;
  QuickEditText.clear();
  QuickEditTransferPending = 0;
  SafetyTextWarning = 0;
  EXPECT_TRUE(Start());
}

SafetyWindowTest::~SafetyWindowTest() { Stop(); }

fs::path SafetyWindowTest::FastEditPath(const std::string& name) const {
  return folder.Path() / "dats" / "datfiles" / "fastedit" / name;
}

std::string SafetyWindowTest::ReadFastEdit(const std::string& name) const {
  std::ifstream file(FastEditPath(name), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void SafetyWindowTest::WriteFastEdit(const std::string& name, const std::string& text) const {
  std::ofstream(FastEditPath(name), std::ios::binary) << text;
}

HWND SafetyWindowTest::OpenSheet() {
  ShowSafetyDataSheetWindow(Frame());
  driver.Pump();
  return SafetyDataSheetWindow.Get() != nullptr ? SafetyDataSheetWindow.Get()->m_hWnd : nullptr;
}

HWND SafetyWindowTest::OpenQuickEditor() {
  EXPECT_TRUE(driver.Click(QuickEditButtonId)) << driver.LastError();
  return QuickEditWindow.Get() != nullptr ? QuickEditWindow.Get()->m_hWnd : nullptr;
}

void SafetyWindowTest::ActivateFrame() {
  ::SetActiveWindow(Frame()->m_hWnd);
  driver.Pump();
}

std::string SafetyWindowTest::FieldText(HWND window, int id) const {
  return GetWindowTextString(::GetDlgItem(window, id));
}

void SafetyWindowTest::SetFieldText(HWND window, int id, const std::string& text) const {
  ::SetDlgItemText(window, id, text.c_str());
}

std::vector<std::string> SafetyWindowTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const MessageBoxRecord& box : driver.MessageBoxes()) texts.push_back(box.text);
  return texts;
}
