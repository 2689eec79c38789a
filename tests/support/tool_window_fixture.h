#pragma once
// Windows of the program in the test's own process: the program's resources, a working folder with the
// data folder of the tables, a language, and the test driver on the headless backend.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/settings_fixture.h"
#include "platform/testing/test_driver.h"

// A names-and-formulas table: an opening separator line, then per record its nine lines (name on
// line 2, formula on line 6) and a separator line.
std::string NamesTable(const std::vector<std::pair<std::string, std::string>>& records);

// Steps of a window under test; within a step, input (a click, typing) is only delivered, and the
// window takes it before the next step.
using Steps = std::vector<std::function<void()>>;

class ToolWindowTest : public ::testing::Test {
 protected:
  ToolWindowTest();
  ~ToolWindowTest() override;

  // The working folder's path of a table in the data folder.
  std::filesystem::path TablePath(const std::string& name) const;
  void WriteTable(const std::string& name, const std::string& text) const;
  std::string ReadTable(const std::string& name) const;

  // Runs the steps one by one in the window that open opens, then closes it with Escape.
  void InWindow(const std::function<int(CWnd*)>& open, const Steps& steps);

  int SelectedIndex(int listId);
  std::string Text(int id);
  std::vector<std::string> Items(int id);

  TestDriver driver;
  WorkingFolder folder;

 private:
  std::filesystem::path previousFolder_;
  int previousLanguage_;
};

// Sets LanguageCode for the life of the object.
class Language {
 public:
  explicit Language(int code);
  ~Language();
  Language(const Language&) = delete;
  Language& operator=(const Language&) = delete;

 private:
  int previous_;
};
