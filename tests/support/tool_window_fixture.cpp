#include "tests/support/tool_window_fixture.h"

#include <fstream>
#include <sstream>

#include "platform/win/control_constants.h"
#include "resources/program_resources.h"
#include "platform/win/resources.h"
#include "engine/settings/settings.h"

std::string NamesTable(const std::vector<std::pair<std::string, std::string>>& records) {
  std::string text = "\\\n";
  for (const auto& [name, formula] : records) text += "\n" + name + "\n\n\n\n" + formula + "\n\n\n\n\\\n";
  return text;
}

ToolWindowTest::ToolWindowTest() : previousFolder_(std::filesystem::current_path()), previousLanguage_(LanguageCode) {
  RegisterProgramResources();
  std::filesystem::create_directories(folder.Path() / "dats" / "datfiles" / "atomdata");
  std::filesystem::current_path(folder.Path());
  LanguageCode = EnglishLanguage;
}

ToolWindowTest::~ToolWindowTest() {
  Resources().Clear();
  std::filesystem::current_path(previousFolder_);
  LanguageCode = previousLanguage_;
}

std::filesystem::path ToolWindowTest::TablePath(const std::string& name) const {
  return folder.Path() / "dats" / "datfiles" / "atomdata" / name;
}

void ToolWindowTest::WriteTable(const std::string& name, const std::string& text) const {
  std::ofstream(TablePath(name), std::ios::binary) << text;
}

std::string ToolWindowTest::ReadTable(const std::string& name) const {
  std::ifstream file(TablePath(name), std::ios::binary);
  if (!file) return "<missing>";
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void ToolWindowTest::InWindow(const std::function<int(CWnd*)>& open, const Steps& steps) {
  for (const auto& step : steps) driver.Then(step);
  driver.Then([this] { driver.Key("Escape"); });
  EXPECT_EQ(open(nullptr), IDCANCEL);
}

int ToolWindowTest::SelectedIndex(int listId) {
  return static_cast<int>(SendMessage(driver.FindControl(listId), LB_GETCURSEL, 0, 0));
}

std::string ToolWindowTest::Text(int id) { return driver.Text(id).value_or("<no control>"); }

std::vector<std::string> ToolWindowTest::Items(int id) { return driver.Items(id).value_or(std::vector<std::string>{}); }

Language::Language(int code) : previous_(LanguageCode) { LanguageCode = code; }

Language::~Language() { LanguageCode = previous_; }
