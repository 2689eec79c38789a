#pragma once
// Sessions of the real program in a working folder with the element data files (history texts and
// isotope data) and a settings file with chosen lines.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "resources/periodic_table_ids.h"
#include "tests/support/script_steps.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"

inline constexpr int PropertiesViewModeLine = 40;
inline constexpr int PeriodicTablePropertyLine = 41;

// The periodic table's button and value box of the element with atomic number z.
constexpr int ElementButton(int z) { return ElementButtonBaseId + z; }
constexpr int ValueBox(int z) { return ValueBoxBaseId + z; }

class PeriodicSessionTest : public ::testing::Test {
 protected:
  PeriodicSessionTest();
  // Runs the script with the language code and the settings lines given (line number: value).
  SessionResult Run(const std::string& script, const std::string& languageCode = "47",
                    const std::map<int, std::string>& lines = {});
  // The values printed by the reading steps "text ID" and "checked ID", without "STEP ID: ", in order.
  static std::vector<std::string> TextValues(const SessionResult& result, int id);
  static std::vector<std::string> CheckedValues(const SessionResult& result, int id);
  std::string SettingsLine(int line) const;

  WorkingFolder folder;
};
