#pragma once
// The program in the test's own process: its resources, a fresh application object, a working
// folder with a settings file, and the test driver on the headless backend.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/main_frame.h"
#include "tests/app/settings_fixture.h"
#include "app/tavrin_app.h"
#include "platform/testing/test_driver.h"

class AppTest : public ::testing::Test {
 protected:
  AppTest();
  ~AppTest() override;

  // Writes the settings file and starts the program as its entry does, up to the running loop.
  bool Start(const std::string& languageCode = "47", const std::string& startupTool = "0");
  // Destroys every window and drops what the queue still holds, the end of the program included.
  void Stop();
  Cwm_MainBaseWnd* Frame() const;
  int BoxesSaying(const std::string& text) const;

  TestDriver driver;
  WorkingFolder folder;
  Cwm_Application app;

 private:
  std::filesystem::path previousFolder_;
};
