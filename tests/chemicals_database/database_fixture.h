#pragma once

#include <map>
#include <string>
#include <vector>

#include "chemicals_database/model/database_engine.h"
#include "tests/engine/test_support.h"

// Database files written by a test into its own working folder, and the database window's use of
// the engine, step by step as its buttons run it.

// A record as the system writes it: a backslash line, lines 2 to lastLine (the given ones, the
// rest empty), each with a line feed.
std::string RecordText(const std::map<int, std::string>& lines, int lastLine = ChemDbLastRecordLine);

// A record with only its name (line 3).
std::string NamedRecord(const std::string& name);

// Records followed by the closing backslash line.
std::string DatabaseText(const std::vector<std::string>& records);

// The lines of a text, split at line feeds.
std::vector<std::string> TextLines(const std::string& text);

class DatabaseTest : public WorkFolderTest {
 protected:
  void SetUp() override;

  // dats/opendats.dat with these lines.
  static void WriteList(const std::vector<std::string>& lines);
  // A database file with these records (names only).
  static void WriteNamedFile(const std::string& path, const std::vector<std::string>& names);

  // The window's command step: runs the command from the cursor and, when the walk passed the end
  // of the list, starts over at the first record. Returns the first run's result.
  static int CommandStep(const std::string& command);
  // The window's buttons.
  static void First();
  static void Next();
  static void Previous();
  static void Last();
  static void NextFile();
  static void PreviousFile();
  // The name (line 3) of the record shown.
  static std::string Shown() { return ChemDbRecord.slots[3]; }
  static int RunningNumber() { return ChemDbState.RecordBase + ChemDbState.RecordIndex; }

 private:
  SettingsSnapshot settings_;
};
