// One edit of each editor kind, run in the real program again and again with the n-th call that
// changes a file in the table's folder failing (write_fault_shim), n = 1, 2, ... until the edit runs
// without reaching its fault. After every run the table is byte for byte the old one or the new one,
// the window said which (the write error when the old one stands, nothing when the new one does),
// it shows that table (its list; the database window every record), the table keeps its mode, and
// the folder holds the files it held before: no temporary is left. Each edit is swept twice: with
// the fault alone, and with every later call failing too.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "resources/balancing_ids.h"
#include "resources/chemicals_database_ids.h"
#include "resources/menu_commands.h"
#include "resources/quick_edit_ids.h"
#include "resources/safety_sheet_ids.h"
#include "resources/thermochemical_data_editor_ids.h"
#include "resources/thermochemistry_ids.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/script_steps.h"
#include "tests/support/write_fault_shim.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

// Far above the calls any of these edits makes; a sweep that reaches it without a run free of
// faults fails.
constexpr int MostFaultPoints = 60;

constexpr fs::perms TableMode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;

std::string ReadText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::set<std::string> NamesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

fs::path AtomData() { return fs::path("dats") / "datfiles" / "atomdata"; }
fs::path Chemicals() { return fs::path("dats") / "datfiles" / "kjemikal"; }

// A record of the chemicals database: lines 2 to 200, the name on line 3 and the formula on line 8.
std::string Compound(const std::string& name, const std::string& formula) {
  std::string text = "\\\n";
  for (int line = 2; line <= 200; ++line) text += (line == 3 ? name : line == 8 ? formula : "") + "\n";
  return text;
}

void PrepareDatabase(const fs::path& working) {
  WriteText(working / "dats" / "opendats.dat", "dats\\datfiles\\kjemikal\\first???.dat\n*\n");
  WriteText(working / Chemicals() / "first047.dat",
            Compound("VANN", "H2O") + Compound("NATRIUMKLORID", "NaCl") + Compound("ETANOL", "C2H5OH") + "\\\n");
}

// The same database with CR LF line ends, which a store rewrites whole rather than spliced.
void PrepareCrLfDatabase(const fs::path& working) {
  PrepareDatabase(working);
  const fs::path file = working / Chemicals() / "first047.dat";
  std::string crlf;
  for (char c : ReadText(file)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  WriteText(file, crlf);
}

const std::string DatabaseWriteFailed = "messagebox: TAVRIN: SKRIVEFEIL\\n";

// Every record from the first, as the window shows it, and the list of names.
std::string ShownDatabase() {
  std::string steps = Items(NameSearchComboId) + Click(FirstRecordId);
  for (int record = 1; record <= 4; ++record)
    steps += Text(NameFieldId3) + Text(RecordPositionFieldId) + Click(NextRecordId);
  return steps;
}

struct EditorEdit {
  std::string name;
  std::string languageCode;
  std::string startupTool;
  std::function<void(const fs::path& working)> prepare;
  fs::path table;  // in the working folder
  // The script is open, show, edit, show, close; show only reads what the window shows of the table.
  std::string open;
  std::string show;
  std::string edit;
  std::string close;
  std::string writeFailedMessage;  // the start of the message box line that says the table is unchanged
};

std::vector<EditorEdit> Edits() {
  const std::string escape = "key Escape\n";
  return {
      {"ListFileOfTheBalancingWindow", "44", "0",
       [](const fs::path& working) {
         WriteText(working / AtomData() / "balequ.dat", "H2+O2>H2O\nC+O2>CO2\nN2+H2>NH3\n");
       },
       AtomData() / "balequ.dat", Menu(BalanceCommand), Items(EquationListId),
       Select(EquationListId, 0) + Type(EquationFieldId, "Fe+O2>Fe2O3") + Click(AddAfterId), escape,
       "messagebox: TAVRIN: FILE ERROR\\n\\nThe table could not be written\\nand is unchanged!"},
      {"RecordTableOfThermochemicalData", "47", "0",
       [](const fs::path& working) {
         // Two records of the shipped table (its README names the sources).
         WriteText(working / AtomData() / "thermody.dat",
                   "\\\n\nH2(g)\nHydrogen\nHydrogen\n1\n0\n0\n130.680\n28.824\n"
                   "\\\n\nO2(g)\nOxygen\nOksygen\n1\n0\n0\n205.152\n29.355\n\\\n");
       },
       AtomData() / "thermody.dat", Menu(ThermochemistryCommand) + Click(ThermoDataButtonId), Items(ThermoDataListId),
       Select(ThermoDataListId, 0) + Type(ThermoDataFormulaId, "N2(g)") + Type(ThermoDataEnglishNameId, "Nitrogen") +
           Type(ThermoDataNorwegianNameId, "Nitrogen") + Type(EnthalpyFieldId, "0") + Type(GibbsFieldId, "0") +
           Type(EntropyFieldId, "191.609") + Type(HeatCapacityFieldId, "29.124") + Click(ThermoDataAfterId),
       escape + escape, "messagebox: TAVRIN: FILFEIL\\n\\nTabellen kunne ikke skrives\\nog er uendret!"},
      {"DatabaseStore", "47", "2", PrepareDatabase, Chemicals() / "first047.dat", "", ShownDatabase(),
       Click(FirstRecordId) + "answer yes\n" + Click(NewRecordId) + Type(NameFieldId3, "kaliumnitrat") +
           Type(FormulaFieldId, "KNO3") + Click(StoreRecordId),
       "", DatabaseWriteFailed},
      {"DatabaseStoreInACrLfFile", "47", "2", PrepareCrLfDatabase, Chemicals() / "first047.dat", "", ShownDatabase(),
       Click(FirstRecordId) + "answer yes\n" + Click(NewRecordId) + Type(NameFieldId3, "kaliumnitrat") +
           Type(FormulaFieldId, "KNO3") + Click(StoreRecordId),
       "", DatabaseWriteFailed},
      {"DatabaseOverwrite", "47", "2", PrepareDatabase, Chemicals() / "first047.dat", "", ShownDatabase(),
       Click(FirstRecordId) + Click(NextRecordId) + Type(NameFieldId3, "koksalt") + Click(OverwriteRecordId), "",
       DatabaseWriteFailed},
      {"DatabaseDelete", "47", "2", PrepareDatabase, Chemicals() / "first047.dat", "", ShownDatabase(),
       Click(FirstRecordId) + Click(NextRecordId) + "answer yes\n" + Click(DeleteRecordId), "", DatabaseWriteFailed},
      {"PhraseFileOfTheQuickEditor", "47", "2",
       [](const fs::path& working) {
         PrepareDatabase(working);
         WriteText(working / "dats" / "datfiles" / "fastedit" / "lagring.dat", "Kj\xF8lig.\nT\xF8rt.\nM\xF8rkt.\n");
       },
       fs::path("dats") / "datfiles" / "fastedit" / "lagring.dat",
       Click(ShowSafetySheetButtonId) + Click(QuickEditButtonId) + Click(StorageCategoryId), Items(PhraseListId),
       Select(PhraseListId, 0) + Type(NewPhraseFieldId, "Luftig.") + Click(InsertAfterId),
       escape + Click(SheetCloseId) + Click(DatabaseCloseId), "messagebox: TAVRIN: FILSKRIVINGSFEIL\\n"},
  };
}

// What one run of an edit left.
struct EditRun {
  std::string oldTable;
  std::set<std::string> oldNames;  // of the files in the table's folder
  std::string table;
  fs::perms tableMode = fs::perms::none;
  std::set<std::string> folderNames;
  std::vector<std::string> shownBefore;  // the lines the show steps printed before the edit
  std::vector<std::string> shownAfter;   // and after it
  std::vector<std::string> messages;
  std::string faults;  // the shim's report: the calls it failed
  std::vector<std::string> stepErrors;
  int exitCode = -1;

  int Count(const std::string& messageStart) const {
    return static_cast<int>(
        std::ranges::count_if(messages, [&](const std::string& m) { return m.starts_with(messageStart); }));
  }
};

// Runs the edit in a fresh working folder; faultAt 0 runs it without the shim.
EditRun RunEdit(const EditorEdit& edit, int faultAt, bool persists) {
  EditRun run;
  WorkingFolder folder;
  folder.WriteSettings(SettingsText(edit.languageCode, edit.startupTool));
  edit.prepare(folder.Path());
  const fs::path table = folder.Path() / edit.table;
  // Other than a new file's, so that a rewrite that lost the table's mode shows.
  fs::permissions(table, TableMode);
  run.oldTable = ReadText(table);
  run.oldNames = NamesIn(table.parent_path());
  const fs::path report = folder.Path().string() + "-faults";
  std::vector<std::string> environment;
  if (faultAt > 0) {
    environment = {std::string("LD_PRELOAD=") + WRITE_FAULT_SHIM,
                   std::string(FaultFolderVariable) + "=" + fs::canonical(table.parent_path()).string(),
                   std::string(FaultAtVariable) + "=" + std::to_string(faultAt),
                   std::string(FaultPersistsVariable) + "=" + (persists ? "1" : "0"),
                   std::string(FaultReportVariable) + "=" + report.string()};
  }
  const std::string script = edit.open + edit.show + edit.edit + edit.show + edit.close;
  const SessionResult session = RunSession(folder.Path(), script, "session", environment);
  run.exitCode = session.exitCode;
  run.stepErrors = session.LinesStartingWith("error:");
  run.table = ReadText(table);
  run.tableMode = fs::status(table).permissions();
  run.folderNames = NamesIn(table.parent_path());
  std::vector<std::string> shown;
  std::ranges::copy_if(session.lines, std::back_inserter(shown),
                       [](const std::string& line) { return line.starts_with("items ") || line.starts_with("text "); });
  run.shownBefore.assign(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(shown.size() / 2));
  run.shownAfter.assign(shown.begin() + static_cast<std::ptrdiff_t>(shown.size() / 2), shown.end());
  run.messages = session.LinesStartingWith("messagebox:");
  run.faults = ReadText(report);
  fs::remove(report);
  return run;
}

// The name of the first call the shim's report names (lines "NUMBER CALL").
std::string FirstFailedCall(const std::string& faults) {
  std::istringstream lines(faults);
  std::string number;
  std::string call;
  lines >> number >> call;
  return call;
}

struct Sweep {
  std::string editName;
  bool persists;
};

std::string Described(const Sweep& sweep) {
  return sweep.editName + (sweep.persists ? ", faults that persist" : ", single faults");
}

class WriteFaultSweep : public ::testing::TestWithParam<Sweep> {};

TEST_P(WriteFaultSweep, TheTableIsTheOldOrTheNewOneAndTheWindowSaysWhich) {
  const auto edits = Edits();
  const auto found = std::ranges::find(edits, GetParam().editName, &EditorEdit::name);
  ASSERT_NE(found, edits.end());
  const EditorEdit& edit = *found;

  const EditRun clean = RunEdit(edit, 0, false);
  ASSERT_EQ(clean.exitCode, 0);
  ASSERT_TRUE(clean.stepErrors.empty()) << clean.stepErrors.front();
  ASSERT_NE(clean.table, clean.oldTable) << "the edit changes the table";
  ASSERT_EQ(clean.Count(edit.writeFailedMessage), 0);
  ASSERT_FALSE(clean.shownBefore.empty());
  ASSERT_NE(clean.shownBefore, clean.shownAfter) << "the window shows the edit";
  const std::string& newTable = clean.table;

  int faultPoints = -1;
  std::string failedCalls;  // the name of each call that failed first, in turn
  for (int at = 1; at <= MostFaultPoints && faultPoints < 0; ++at) {
    SCOPED_TRACE("call " + std::to_string(at) + " failing");
    const EditRun run = RunEdit(edit, at, GetParam().persists);
    SCOPED_TRACE("failed calls: " + run.faults);
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_TRUE(run.stepErrors.empty()) << run.stepErrors.front();
    EXPECT_EQ(run.folderNames, run.oldNames) << "the folder holds other files than before";
    EXPECT_EQ(run.tableMode, TableMode);
    const bool reached = !run.faults.empty();
    if (reached)
      failedCalls += " " + FirstFailedCall(run.faults);
    else
      faultPoints = at - 1;
    if (run.table == newTable) {
      EXPECT_EQ(run.Count(edit.writeFailedMessage), 0) << "a failure reported after the new table was written";
      EXPECT_EQ(run.shownAfter, clean.shownAfter) << "the window does not show the new table";
    } else if (run.table == run.oldTable) {
      EXPECT_TRUE(reached) << "the edit ran free of faults and left the old table";
      EXPECT_EQ(run.Count(edit.writeFailedMessage), 1) << "the old table stands with no message";
      EXPECT_EQ(run.shownAfter, run.shownBefore) << "the window shows what the table does not hold";
    } else {
      ADD_FAILURE() << "the table is neither the old nor the new one:\n" << run.table;
    }
    std::vector<std::string> otherMessages;
    std::ranges::copy_if(run.messages, std::back_inserter(otherMessages),
                         [&](const std::string& m) { return !m.starts_with(edit.writeFailedMessage); });
    EXPECT_EQ(otherMessages, clean.messages);
  }
  ASSERT_GT(faultPoints, 0) << "no run within " << MostFaultPoints << " failing calls ran free of faults";
  // A table written where the shim cannot see it (through stdio's buffers) would leave the sweep
  // only its rename to fail.
  for (const char* call : {" write", " fsync", " rename"})
    EXPECT_NE(failedCalls.find(call), std::string::npos) << "no" << call << " of the table was failed";
  RecordProperty("fault_points", faultPoints);
  std::cout << Described(GetParam()) << ": " << faultPoints << " fault points," << failedCalls << "\n";
}

std::vector<Sweep> Sweeps() {
  std::vector<Sweep> sweeps;
  for (const EditorEdit& edit : Edits()) {
    sweeps.push_back({edit.name, false});
    sweeps.push_back({edit.name, true});
  }
  return sweeps;
}

void PrintTo(const Sweep& sweep, std::ostream* out) { *out << Described(sweep); }

INSTANTIATE_TEST_SUITE_P(EveryEditorKind, WriteFaultSweep, ::testing::ValuesIn(Sweeps()),
                         [](const ::testing::TestParamInfo<Sweep>& info) {
                           return info.param.editName + (info.param.persists ? "_FaultsPersist" : "_SingleFault");
                         });

}  // namespace
