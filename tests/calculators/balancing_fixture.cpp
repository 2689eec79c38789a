#include "tests/calculators/balancing_fixture.h"

#include <fstream>
#include <sstream>

#include "calculators/balancing_window.h"
#include "resources/balancing_ids.h"
#include "engine/settings/settings.h"

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::filesystem::path BalanceWindowTest::ListPath() const {
  return folder.Path() / "dats" / "datfiles" / "atomdata" / "balequ.dat";
}

void BalanceWindowTest::WriteList(const std::vector<std::string>& lines) const {
  std::filesystem::create_directories(ListPath().parent_path());
  std::ofstream(ListPath(), std::ios::binary) << Lines(lines);
}

std::optional<std::string> BalanceWindowTest::ReadList() const {
  std::ifstream file(ListPath(), std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void BalanceWindowTest::SelectAndType(int index, const std::string& text) {
  Step([this, index] { EXPECT_TRUE(driver.Select(EquationListId, index)) << driver.LastError(); });
  Step([this, text] { EXPECT_TRUE(driver.Type(EquationFieldId, text)) << driver.LastError(); });
}

ListState BalanceWindowTest::Current() {
  ListState state;
  state.items = driver.Items(EquationListId).value_or(std::vector<std::string>{});
  state.selected = static_cast<int>(::SendMessage(driver.FindControl(EquationListId), LB_GETCURSEL, 0, 0));
  state.field = driver.Text(EquationFieldId).value_or("");
  return state;
}

void BalanceWindowTest::Record(std::vector<ListState>& states) {
  Step([this, &states] { states.push_back(Current()); });
}

void BalanceWindowTest::RunWindow(int languageCode) {
  LanguageCode = languageCode;
  Step([this] { driver.Key("Escape"); });
  EXPECT_EQ(OpenBalanceDialog(nullptr), IDCANCEL);
}
