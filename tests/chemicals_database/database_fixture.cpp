#include "tests/chemicals_database/database_fixture.h"

#include "engine/formtext.h"

std::string RecordText(const std::map<int, std::string>& lines, int lastLine) {
  std::string text = "\\\n";
  for (int line = 2; line <= lastLine; ++line) {
    const auto given = lines.find(line);
    if (given != lines.end()) text += given->second;
    text += '\n';
  }
  return text;
}

std::string NamedRecord(const std::string& name) { return RecordText({{3, name}}); }

std::string DatabaseText(const std::vector<std::string>& records) {
  std::string text;
  for (const auto& record : records) text += record;
  return text + "\\\n";
}

std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void DatabaseTest::SetUp() {
  WorkFolderTest::SetUp();
  LanguageCode = NorwegianLanguage;
  SkDef = 2;
  SkDev = 1.1f;
  AutoFormulaMass = 1;
  ChemDbState = ChemDbCursor{};
  ChemDbRecord.Clear();
  SafetyDataText.clear();
  ChemDbFileName.clear();
  ErrorText.clear();
  ChemDbResetCursor();
}

void DatabaseTest::WriteList(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + '\n';
  WriteFile("dats/opendats.dat", text);
}

void DatabaseTest::WriteNamedFile(const std::string& path, const std::vector<std::string>& names) {
  std::vector<std::string> records;
  for (const auto& name : names) records.push_back(NamedRecord(name));
  WriteFile(path, DatabaseText(records));
}

int DatabaseTest::CommandStep(const std::string& command) {
  ChemDbRecord.Clear();
  if (ChemDbState.FileIndex == 0) ChemDbResetCursor();
  const int result = ChemDbRun(command);
  if (ChemDbState.FileIndex == 0) {
    ChemDbResetCursor();
    ChemDbRun("s ");
  }
  return result;
}

void DatabaseTest::First() {
  ChemDbState.FileIndex = 0;
  CommandStep("s ");
}

void DatabaseTest::Next() { CommandStep("s "); }

void DatabaseTest::Previous() {
  auto& state = ChemDbState;
  const bool restart = state.FileIndex > 1 && state.RecordBase != 1 && state.RecordIndex <= 1;
  ChemDbStep('<');
  if (restart) First();
  CommandStep("s ");
  state.GlobalTarget = NoGlobalTarget;
}

void DatabaseTest::Last() {
  ChemDbState.GlobalTarget = CountingRun;
  ChemDbStep('l');
  ChemDbState.FileIndex = 0;
  ChemDbState.GlobalTarget += 1;
  CommandStep("s ");
  ChemDbState.GlobalTarget = NoGlobalTarget;
}

void DatabaseTest::NextFile() {
  ChemDbState.FileStepMode = FileStepLeaving;
  ChemDbState.GlobalTarget = CountingRun;
  CommandStep("s ");
  ChemDbState.FileStepMode = FileStepNone;
  ChemDbState.GlobalTarget = NoGlobalTarget;
}

void DatabaseTest::PreviousFile() {
  ChemDbState.RecordIndex = 1;
  ChemDbState.FileStepMode = FileStepPrevious;
  Previous();
  ChemDbState.FileStepMode = FileStepNone;
}
