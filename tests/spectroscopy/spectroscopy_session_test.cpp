#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "resources/launcher_form_ids.h"
#include "resources/spectroscopy_ids.h"
#include "resources/menu_commands.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/script_steps.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

const char* const ShippedTables[] = {"noirdata.dat", "enirdata.dat", "nohnmr.dat",   "enhnmr.dat",  "nocnmr.dat",
                                     "encnmr.dat",   "nomsfrag.dat", "enmsfrag.dat", "spectral.dat"};

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A settings file with the spectroscopy values (lines 55 to 62) given.
std::string SpectroscopySettings(const std::string& language, const std::vector<std::string>& values) {
  std::istringstream text(SettingsText(language, "0"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  for (std::size_t i = 0; i < values.size(); ++i) lines[54 + i] = values[i];
  std::string joined;
  for (const std::string& line : lines) joined += line + "\n";
  return joined;
}

std::string Snapshot(const std::string& name) {
  const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / name;
  fs::remove(picture);
  return "snapshot " + picture.string() + "\n";
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class SpectroscopySession : public ::testing::Test {
 protected:
  SpectroscopySession() { fs::create_directories(Table("")); }
  fs::path Table(const std::string& name) const { return folder.Path() / "dats" / "datfiles" / "atomdata" / name; }
  void CopyShippedTables() const {
    for (const char* name : ShippedTables)
      fs::copy_file(fs::path(TAVRIN_SOURCE_DIR) / "dats/datfiles/atomdata" / name, Table(name),
                    fs::copy_options::overwrite_existing);
  }
  SessionResult Run(const std::string& language, const std::vector<std::string>& values, const std::string& script) {
    folder.WriteSettings(SpectroscopySettings(language, values));
    return RunSession(folder.Path(), script);
  }
  // The value a reading step printed, after "verb id: ".
  static std::string Value(const SessionResult& result, const std::string& verb, int id) {
    const std::vector<std::string> lines = result.LinesStartingWith(verb + " " + std::to_string(id) + ": ");
    return lines.empty() ? "(none)" : lines.front().substr(verb.size() + std::to_string(id).size() + 3);
  }
  WorkingFolder folder;
};

// The six shipped experiments through Analyse, Spectroscopy (English) and the launcher button
// (Norwegian): a double click shows one and interprets it with the table lookup.
TEST_F(SpectroscopySession, ShippedExperimentsAreShownAndInterpreted) {
  CopyShippedTables();
  const std::map<std::string, std::string> fragmentOf = {
      {"Etanol", "CH3O\\t"},        {"Aceton", "C3H6O\\t"},
      {"Etylacetat", "C4H8O2\\t"}, {"Toluen", "C7H7\\t"},
      {"Benzosyre", "C7H5O\\t"}, {"1-Brompropan", "C3H7Br[81]\\t"}};
  struct Case {
    const char* language;
    std::string open;
    const char* window;
    const char* irHeader;
    const char* picture;
  };
  const Case cases[] = {
      {"44", Menu(SpectroscopyCommand), "window: SPECTROSCOPY: MASSSP", "CM-1******IR-ASSIGNMENT", "masssp-en.png"},
      {"47", Click(SpectroscopyButtonId), "window: SPEKTROSKOPI: MASSSP", "CM-1******IR-TILORDNING", "masssp-no.png"},
  };
  for (const Case& c : cases) {
    const SessionResult result =
        Run(c.language, {"1", "1", "50", "1", "1", "1", "600", ""},
            c.open + "window\n" + Items(ExperimentListId) + DoubleClick(ExperimentListId) + Text(ExperimentNameId) +
                Text(ParentFormulaId) + Text(MsToleranceId) + Text(ReportFieldId) + Snapshot(c.picture) +
                "key Escape\nwindow\n" + Menu(SpectroscopyCommand) + Text(ParentFormulaId) + "key Escape\n");
    EXPECT_EQ(result.exitCode, 0) << c.language;
    ASSERT_GE(result.lines.size(), 7u) << c.language;
    EXPECT_EQ(result.lines.front(), c.window);
    EXPECT_EQ(Value(result, "items", ExperimentListId),
              "Etanol\\tAceton\\tEtylacetat\\tToluen\\tBenzosyre\\t1-Brompropan");
    const std::string name = Value(result, "text", ExperimentNameId);
    ASSERT_TRUE(fragmentOf.contains(name)) << name;
    EXPECT_EQ(Value(result, "text", MsToleranceId), "600");
    const std::string report = Value(result, "text", ReportFieldId);
    EXPECT_TRUE(report.starts_with("MASS")) << report;
    EXPECT_TRUE(Contains(report, fragmentOf.at(name))) << name << ": " << report;
    EXPECT_TRUE(Contains(report, c.irHeader)) << report;
    // The shown experiment's formula became the parent formula the next opening starts from.
    const std::vector<std::string> formulas = result.LinesStartingWith(TextLine(ParentFormulaId, ""));
    ASSERT_EQ(formulas.size(), 2u);
    EXPECT_EQ(formulas[0], formulas[1]);
    EXPECT_NE(formulas[0], TextLine(ParentFormulaId, ""));
    EXPECT_EQ(result.lines[result.lines.size() - 2], "window: TAVRIN: CLIENT");
    EXPECT_TRUE(fs::exists(fs::path(TAVRIN_OUTPUT_DIR) / c.picture));
  }
}

// A stored experiment whose tolerance is no number shows it as missing, and a table whose range is no
// number never takes a peak with it: a message names each damaged record, and the rest is interpreted.
TEST_F(SpectroscopySession, StoredValuesThatAreNoNumbersAreNamedAndLeftOut) {
  // The double click lands on the list's middle: every entry there is the damaged experiment.
  std::string experiments = "\\\n";
  for (int i = 0; i < 12; ++i) experiments += "Broken\nCO\n1e999\n\n28\n1715 3300\n" + std::string(13, '\n') + "\\\n";
  std::ofstream(Table("spectral.dat"), std::ios::binary) << experiments;
  std::ofstream(Table("enmsfrag.dat"), std::ios::binary) << "\\\nCO\n28\n\nCO+\n\n\n\n\n\n\\\n";
  const std::string irRecords = "C=O stretch\n\n\n1700\n1750\n" + std::string(14, '\n') + "\\\n" +
                                "O-H\n\n\n3200\nNaN\n" + std::string(14, '\n') + "\\\n";
  std::ofstream(Table("enirdata.dat"), std::ios::binary) << "\\\n" + irRecords;
  const SessionResult result = Run("44", {"1", "1", "50", "1", "1", "1", "600", ""},
                                   Menu(SpectroscopyCommand) + DoubleClick(ExperimentListId) + Text(MsToleranceId) +
                                       Text(ReportFieldId) + "key Escape\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(Value(result, "text", MsToleranceId), "");
  const std::string report = Value(result, "text", ReportFieldId);
  EXPECT_TRUE(Contains(report, "28        CO\\t\\t\\tCO+")) << report;
  EXPECT_TRUE(Contains(report, "1715 (1/1)C=O stretch")) << report;
  EXPECT_FALSE(Contains(report, "O-H")) << report;
  EXPECT_EQ(result.LinesStartingWith("messagebox"),
            (std::vector<std::string>{
                "messagebox: TAVRIN: DAMAGED TABLE\\n\\nA value in spectral.dat is no number\\nand counts as "
                "missing for:\\nBroken",
                "messagebox: TAVRIN: DAMAGED TABLE\\n\\nA value in enirdata.dat is no number\\nand counts as "
                "missing for:\\nO-H"}));
}

// A stored tolerance is kept as the whole number of its value, exponent and all; one beyond what the
// setting holds leaves the setting and gets the illegal-number message from the interpretation.
TEST_F(SpectroscopySession, AShownExperimentsToleranceIsReadWhole) {
  const struct {
    const char* stored;
    const char* kept;
    std::size_t boxes;
  } cases[] = {{"1E3", "1000", 0}, {"2.5", "2", 0}, {"1e30", "600", 1}};
  for (const auto& c : cases) {
    std::string experiments = "\\\n";
    for (int i = 0; i < 12; ++i)
      experiments += std::string("Stored\nCO\n") + c.stored + "\n\n28\n\n" + std::string(13, '\n') + "\\\n";
    std::ofstream(Table("spectral.dat"), std::ios::binary) << experiments;
    const SessionResult result =
        Run("44", {"1", "1", "50", "1", "1", "1", "600", ""},
            Menu(SpectroscopyCommand) + DoubleClick(ExperimentListId) + Text(MsToleranceId) + "key Escape\n" +
                Menu(SpectroscopyCommand) + Text(MsToleranceId));
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> tolerances = result.LinesStartingWith(TextLine(MsToleranceId, ""));
    EXPECT_EQ(tolerances, (std::vector<std::string>{TextLine(MsToleranceId, c.stored), TextLine(MsToleranceId, c.kept)}))
        << c.stored;
    EXPECT_EQ(result.LinesStartingWith("messagebox").size(), c.boxes) << c.stored;
  }
}

// Typed peaks and formula, calculated: the iteration finds CH3 in methane; the "Iterere" box
// switches to the table lookup (no table here: the header alone) and back.
TEST_F(SpectroscopySession, TypedPeaksAreCalculatedAndTheIterationToggles) {
  const std::string iterationReport =
      "MASS******FORMULA***********************************************************\\n"
      "15.0348   CH3\\t\\t\\t\\n";
  const std::string lookupHeader = "MASS******MS-ASSIGNMENT*****************************************************\\n";
  const SessionResult result =
      Run("44", {"0", "0", "0", "0", "0", "0", "0", ""},
          Menu(SpectroscopyCommand) + Checked(IterateId) + Type(ParentFormulaId, "CH4") + Type(MsToleranceId, "20") +
              Type(MsPeaksId, "15.0348") + Click(CalculateId) + Text(ReportFieldId) + Click(IterateId) +
              Checked(IterateId) + Text(ReportFieldId) + Click(IterateId) + Checked(IterateId) +
              Text(ReportFieldId) + Click(ClearPeaksId) + Text(MsPeaksId) + Text(ParentFormulaId) +
              Snapshot("masssp-calculated-en.png"));
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, (std::vector<std::string>{
                              CheckedLine(IterateId, "1"),
                              TextLine(ReportFieldId, iterationReport),
                              CheckedLine(IterateId, "0"),
                              TextLine(ReportFieldId, lookupHeader),
                              CheckedLine(IterateId, "1"),
                              TextLine(ReportFieldId, iterationReport),
                              TextLine(MsPeaksId, ""),
                              TextLine(ParentFormulaId, "CH4"),
                          }));
}

// Minimum counts below 1 show 1, a tolerance is a whole number not below 0, the parent formula
// is stored as typed (the field, which does not scroll, takes no more than it shows); the values
// hold for the next opening in the same run.
TEST_F(SpectroscopySession, FieldsAreCheckedWhenTheyLoseTheFocus) {
  const SessionResult result = Run(
      "47", {"0", "0", "0", "-4", "0", "3", "5", "CH4"},
      Menu(SpectroscopyCommand) + Text(MinimumCountIrId) + Text(MinimumCountH1Id) + Text(MsToleranceId) +
          Text(ParentFormulaId) + Checked(HitAnyId) + Type(MinimumCountIrId, "-3") + Type(MinimumCountH1Id, "abc") +
          Type(MinimumCountC13Id, "0") + Type(MsToleranceId, "2.5") + Type(ParentFormulaId, std::string(75, 'C')) +
          Click(ExperimentNameId) + Text(MinimumCountIrId) + Text(MinimumCountH1Id) + Text(MinimumCountC13Id) +
          Text(MsToleranceId) + Text(ParentFormulaId) + Type(MsToleranceId, "-2") + Click(ExperimentNameId) +
          Text(MsToleranceId) + Click(Hit75Id) + "key Escape\n" + Menu(SpectroscopyCommand) +
          Text(MinimumCountC13Id) + Text(MsToleranceId) + Text(ParentFormulaId) + Checked(Hit75Id));
  EXPECT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.lines.size(), 15u);
  const std::string typedFormula = result.lines[9];
  EXPECT_TRUE(typedFormula.starts_with(TextLine(ParentFormulaId, "CCCCCCCCCC")));
  EXPECT_LE(typedFormula.size(), TextLine(ParentFormulaId, std::string(69, 'C')).size());
  EXPECT_EQ(result.lines, (std::vector<std::string>{
                              TextLine(MinimumCountIrId, "1"),
                              TextLine(MinimumCountH1Id, "1"),
                              TextLine(MsToleranceId, "5"),
                              TextLine(ParentFormulaId, "CH4"),
                              CheckedLine(HitAnyId, "1"),
                              TextLine(MinimumCountIrId, "1"),
                              TextLine(MinimumCountH1Id, "1"),
                              TextLine(MinimumCountC13Id, "1"),
                              TextLine(MsToleranceId, "2"),
                              typedFormula,
                              TextLine(MsToleranceId, "0"),
                              TextLine(MinimumCountC13Id, "1"),
                              TextLine(MsToleranceId, "0"),
                              typedFormula,
                              CheckedLine(Hit75Id, "1"),
                          }));
}

// A typed tolerance that is no number the setting can hold stays in its field when the field loses
// the focus and is not stored; the interpretation that reads it gets the illegal-number message and
// leaves the report as it was. An ordinary tolerance is still taken, blanks dropped.
TEST_F(SpectroscopySession, ATypedToleranceThatIsNoNumberIsRefusedAndKept) {
  const std::string english = "ILLEGAL NUMBER\\n\\nIllegal number or erroneous\\nuse of number field!";
  const std::string norwegian = "TALLFEIL\\n\\nTAVRIN har registrert ugyldige tall\\neller feilaktig bruk av tallfelt!";
  const struct {
    const char* language;
    const char* typed;
    const char* shown;    // after the field lost the focus
    std::string message;  // empty: the tolerance is taken
  } cases[] = {
      {"44", "abc", "abc", english},   {"44", "1e999", "1e999", english}, {"44", "-1e999", "-1e999", english},
      {"44", "nan", "nan", english},   {"44", "inf", "inf", english},     {"44", "12,5", "12,5", english},
      {"44", "1e30", "1e30", english}, {"47", "abc", "abc", norwegian},   {"44", " 2 5", "25", ""},
  };
  const std::string reportLine = "text " + std::to_string(ReportFieldId) + ": ";
  const std::string toleranceLine = "text " + std::to_string(MsToleranceId) + ": ";
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " \"" + c.typed + "\"");
    const SessionResult result =
        Run(c.language, {"0", "0", "0", "0", "0", "0", "0", ""},
            Menu(SpectroscopyCommand) + Type(ParentFormulaId, "CH4") + Type(MsToleranceId, "20") +
                Type(MsPeaksId, "15.0348") + Click(CalculateId) + Text(ReportFieldId) + Type(MsToleranceId, c.typed) +
                Click(ExperimentNameId) + Text(MsToleranceId) + Click(CalculateId) + Text(ReportFieldId) +
                Text(MsToleranceId) + "key Escape\n" + Menu(SpectroscopyCommand) + Text(MsToleranceId));
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> boxes = result.LinesStartingWith("messagebox");
    const std::vector<std::string> reports = result.LinesStartingWith(reportLine);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("CH3"), std::string::npos) << reports[0];
    if (c.message.empty()) {
      EXPECT_TRUE(boxes.empty());
      EXPECT_EQ(result.LinesStartingWith(toleranceLine), std::vector<std::string>(3, toleranceLine + c.shown));
      continue;
    }
    EXPECT_EQ(boxes, std::vector<std::string>{"messagebox: TAVRIN: " + c.message});
    EXPECT_EQ(reports[1], reports[0]);
    EXPECT_EQ(result.LinesStartingWith(toleranceLine),
              (std::vector<std::string>{toleranceLine + c.shown, toleranceLine + c.shown, toleranceLine + "20"}));
  }
}

// Experiments stored Before, After and in place of the selected one, a duplicate refused, one
// deleted: the list and spectral.dat, which was missing, keep in step.
TEST_F(SpectroscopySession, ExperimentsAreStoredReplacedAndDeleted) {
  struct Case {
    const char* language;
    const char* duplicate;
  };
  const Case cases[] = {
      {"44", "messagebox: TAVRIN: DUPLICATION WARNING\\n\\nIllegal attempt to duplicate existing\\nlist box "
             "equation!\\n\\n"},
      {"47", "messagebox: TAVRIN: DUPLIKASJONSADVARSEL\\n\\nFors\xC3\xB8k p\xC3\xA5 \xC3\xA5 tilf\xC3\xB8re listen en "
             "ligning\\nsom fra f\xC3\xB8r befinner seg i listen!\\n\\n"},
  };
  for (const Case& c : cases) {
    // Missing in the first run, empty in the second: either way the first record gets its opening
    // separator line.
    fs::remove(Table("spectral.dat"));
    if (std::string(c.language) == "47") std::ofstream(Table("spectral.dat"), std::ios::binary);
    const SessionResult result = Run(
        c.language, {"1", "0", "0", "1", "1", "1", "0", ""},
        Menu(SpectroscopyCommand) + Type(ExperimentNameId, "Etanol") + Type(ParentFormulaId, "C2H5OH") +
            Type(MsToleranceId, "600") + Type(MsPeaksId, "31 45 46") + Type(IrPeaksId, "3340 1050") +
            Type(H1PeaksId, "3.72 1.25") + Type(C13PeaksId, "58.28 18.41") + Click(ExperimentAfterId) +
            Type(ExperimentNameId, "Aceton") + Type(ParentFormulaId, "C3H6O") + Type(MsPeaksId, "43 58") +
            Click(ExperimentBeforeId) + Items(ExperimentListId) + Type(ExperimentNameId, "ETANOL") +
            Click(ExperimentAfterId) + Type(ExperimentNameId, "Propanon") + Click(ReplaceExperimentId) +
            Items(ExperimentListId) + Select(ExperimentListId, 1) + Click(DeleteExperimentId) +
            Items(ExperimentListId) + DoubleClick(ExperimentListId) + Text(ExperimentNameId) +
            Text(ParentFormulaId) + Text(MsPeaksId));
    EXPECT_EQ(result.exitCode, 0) << c.language;
    EXPECT_EQ(result.lines, (std::vector<std::string>{
                                ItemsLine(ExperimentListId, "Aceton\\tEtanol"),
                                c.duplicate,
                                ItemsLine(ExperimentListId, "Propanon\\tEtanol"),
                                ItemsLine(ExperimentListId, "Propanon"),
                                TextLine(ExperimentNameId, "Propanon"),
                                TextLine(ParentFormulaId, "C3H6O"),
                                TextLine(MsPeaksId, "43 58"),
                            }))
        << c.language;
    const std::string tenEmpty(10, '\n');
    EXPECT_EQ(ReadAll(Table("spectral.dat")),
              "\\\nPropanon\nC3H6O\n600\n\n43 58\n3340 1050\n\n3.72 1.25\n58.28 18.41\n" + tenEmpty + "\\\n")
        << c.language;
  }
}

// A store into a table the program may not change is refused with a message; the file stays.
TEST_F(SpectroscopySession, AReadOnlyStoreIsNeverHarmed) {
  CopyShippedTables();
  const std::string before = ReadAll(Table("spectral.dat"));
  fs::permissions(Table("spectral.dat"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const SessionResult result =
      Run("44", {"1", "0", "0", "1", "1", "1", "0", ""},
          Menu(SpectroscopyCommand) + Type(ExperimentNameId, "New") + Click(ExperimentAfterId) +
              Click(DeleteExperimentId) + Items(ExperimentListId));
  fs::permissions(Table("spectral.dat"), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.LinesStartingWith("messagebox: TAVRIN: FILE ERROR").size(), 2u);
  EXPECT_EQ(Value(result, "items", ExperimentListId),
            "Etanol\\tAceton\\tEtylacetat\\tToluen\\tBenzosyre\\t1-Brompropan");
  EXPECT_EQ(ReadAll(Table("spectral.dat")), before);
}

// The table buttons open their editors on their tables, whatever was opened before.
TEST_F(SpectroscopySession, TableButtonsOpenTheirEditors) {
  CopyShippedTables();
  const SessionResult result =
      Run("44", {"1", "0", "0", "1", "1", "1", "0", ""},
          Menu(SpectroscopyCommand) + Click(IrTableButtonId) + "window\nkey Escape\n" + Click(H1TableButtonId) +
              "window\nkey Escape\n" + Click(C13TableButtonId) + "window\nkey Escape\n" + Click(IrTableButtonId) +
              "window\nkey Escape\n" + Click(MsTableButtonId) + "window\nkey Escape\nwindow\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, (std::vector<std::string>{
                              "window: SPECTROSCOPY - IR DATA: MASSIRDAT",
                              "window: SPECTROSCOPY - H[1] DATA: MASSNMR",
                              "window: SPECTROSCOPY - C[13] DATA: MASSNMR",
                              "window: SPECTROSCOPY - IR DATA: MASSIRDAT",
                              "window: SPECTROSCOPY - MS DATA: MASSMSDAT",
                              "window: SPECTROSCOPY: MASSSP",
                          }));
}

}  // namespace
