#include "tests/periodic_table/periodic_session_fixture.h"

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

PeriodicSessionTest::PeriodicSessionTest() {
  const fs::path atomdata = fs::path("dats") / "datfiles" / "atomdata";
  fs::create_directories(folder.Path() / atomdata);
  for (const char* file : {"isotope.dat", "ngrstoff.dat", "egrstoff.dat"}) {
    fs::copy_file(fs::path(TAVRIN_SOURCE_DIR) / atomdata / file, folder.Path() / atomdata / file);
  }
}

SessionResult PeriodicSessionTest::Run(const std::string& script, const std::string& languageCode,
                                       const std::map<int, std::string>& lines) {
  std::istringstream settings(SettingsText(languageCode, "0"));
  std::string text;
  int number = 0;
  for (std::string line; std::getline(settings, line);) {
    const auto replaced = lines.find(++number);
    text += (replaced != lines.end() ? replaced->second : line) + "\n";
  }
  folder.WriteSettings(text);
  SessionResult result = RunSession(folder.Path(), script);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.LinesStartingWith("error:").empty());
  return result;
}

namespace {

std::vector<std::string> Values(const SessionResult& result, const std::string& prefix) {
  std::vector<std::string> values;
  for (const std::string& line : result.LinesStartingWith(prefix)) values.push_back(line.substr(prefix.size()));
  return values;
}

}  // namespace

std::vector<std::string> PeriodicSessionTest::TextValues(const SessionResult& result, int id) {
  return Values(result, steps::TextLine(id, ""));
}

std::vector<std::string> PeriodicSessionTest::CheckedValues(const SessionResult& result, int id) {
  return Values(result, steps::CheckedLine(id, ""));
}

std::string PeriodicSessionTest::SettingsLine(int line) const {
  std::istringstream settings(folder.ReadSettings());
  std::string text;
  for (int number = 0; number < line && std::getline(settings, text);) ++number;
  return text;
}
