#pragma once
// Sessions of the real program in a working folder with the element data files (history texts and
// isotope data) and a settings file with chosen lines.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"

inline constexpr int PropertiesViewModeLine = 40;
inline constexpr int PeriodicTablePropertyLine = 41;

class PeriodicSessionTest : public ::testing::Test {
 protected:
  PeriodicSessionTest();
  // Runs the script with the language code and the settings lines given (line number: value).
  SessionResult Run(const std::string& script, const std::string& languageCode = "47",
                    const std::map<int, std::string>& lines = {});
  // The value printed by the reading step, without "STEP ID: "; fails the test when it is missing.
  static std::vector<std::string> Values(const SessionResult& result, const std::string& step);
  std::string SettingsLine(int line) const;

  WorkingFolder folder;
};
