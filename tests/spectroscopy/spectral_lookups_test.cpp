#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "spectroscopy/model/ms_iteration.h"
#include "spectroscopy/model/spectral_interpretation.h"
#include "spectroscopy/model/spectral_lookups.h"
#include "tests/engine/test_support.h"

namespace {

using Record = std::vector<std::string>;

// An IR record: name, empty, comment, then the eight ranges as low/high pairs ("" where undefined).
Record IrRecord(const std::string& name, const std::vector<std::pair<std::string, std::string>>& ranges) {
  Record record = {name, "", "comment"};
  for (std::size_t k = 0; k < 8; ++k) {
    record.push_back(k < ranges.size() ? ranges[k].first : "");
    record.push_back(k < ranges.size() ? ranges[k].second : "");
  }
  return record;
}

Record NmrRecord(const std::string& assignment, const std::string& tolerance, const std::vector<std::string>& shifts) {
  Record record = {assignment, "comment", tolerance};
  for (std::size_t i = 0; i < 45; ++i) record.push_back(i < shifts.size() ? shifts[i] : "");
  record.push_back("");
  return record;
}

Record MsRecord(const std::string& formula, const std::string& mass, const std::string& assignment) {
  return {formula, mass, "", assignment, "", "", "", "", ""};
}

TEST(LookupMsFragments, BothEndsOfTheWindowCountAndARecordIsReportedOnce) {
  const SpectralTableRecords table = {MsRecord("CO", "28.000000", "carbon monoxide"),
                                      MsRecord("N2", "28.013400", "nitrogen")};
  ReportedRecords reported;
  EXPECT_EQ(LookupMsFragments(table, reported, 28, 0, false), "28        carbon monoxide \n");
  EXPECT_EQ(LookupMsFragments(table, reported, 28, 0, false), "");  // the second 28 of "28 28"
  ReportedRecords fresh;
  EXPECT_EQ(LookupMsFragments(table, fresh, 28.0134f, 0.0134f, true),
            "28        CO\t\t\tcarbon monoxide \n28.0134   N2\t\t\tnitrogen \n");
}

// Every record of a table is reported once a section, however far down the table it stands.
TEST(LookupMsFragments, ARecordFarDownTheTableIsReportedOnce) {
  SpectralTableRecords table(1200, MsRecord("X", "100", "other"));
  table[1100] = MsRecord("CO", "28", "carbon monoxide");
  ReportedRecords reported;
  EXPECT_EQ(LookupMsFragments(table, reported, 28, 0, false), "28        carbon monoxide \n");
  EXPECT_EQ(LookupMsFragments(table, reported, 28, 0, false), "");
}

TEST(LookupMsFragments, AFullResultEndsWithItsMark) {
  SpectralTableRecords table;
  for (int i = 0; i < 40; ++i) table.push_back(MsRecord("CO", "28", std::string(40, 'a' + i % 26)));
  ReportedRecords reported;
  const std::string result = LookupMsFragments(table, reported, 28, 1, false);
  EXPECT_EQ(result.substr(result.size() - 6), ".... \n");
  EXPECT_LT(result.size(), 1023u);
}

TEST(LookupIrRanges, HitPercentageAndMinimumCount) {
  // Three defined ranges, two of which take a peak: 66 percent.
  const SpectralTableRecords table = {IrRecord("ester", {{"1735", "1750"}, {"1000", "1300"}, {"2800", "2850"}})};
  const std::vector<float> peaks = {1740, 1240, 3000};
  struct Case {
    int hitPercent;
    int minimumCount;
    const char* expected;
  };
  const Case cases[] = {
      {50, 1, "1740 (2/3)ester \n"},
      {66, 3, "1740 (2/3)ester \n"},
      {75, 1, ""},
      {50, 4, ""},
  };
  for (const Case& c : cases) {
    ReportedRecords reported;
    EXPECT_EQ(LookupIrRanges(table, reported, c.minimumCount, c.hitPercent, 1740, peaks), c.expected)
        << c.hitPercent << " " << c.minimumCount;
  }
  // Reported under the first peak it took, not again under the second.
  ReportedRecords reported;
  EXPECT_EQ(LookupIrRanges(table, reported, 1, 50, 3000, peaks), "");
  EXPECT_EQ(LookupIrRanges(table, reported, 1, 50, 1240, peaks), "1240 (2/3)ester \n");
  EXPECT_EQ(LookupIrRanges(table, reported, 1, 50, 1740, peaks), "");
}

TEST(LookupIrRanges, TwoPeaksInOneRangeAreOneTake) {
  const SpectralTableRecords table = {IrRecord("carbonyl", {{"1650", "1800"}, {"2700", "2900"}})};
  ReportedRecords reported;
  EXPECT_EQ(LookupIrRanges(table, reported, 1, 50, 1700, {1700, 1720}), "1700 (1/2)carbonyl \n");
}

TEST(LookupIrRanges, ARecordWithoutDefinedRangesIsNeverReported) {
  // A range with its high end only takes the peak but is not a defined range: nothing to divide by.
  const SpectralTableRecords table = {IrRecord("high only", {{"", "2000"}}), IrRecord("none", {})};
  ReportedRecords reported;
  EXPECT_EQ(LookupIrRanges(table, reported, 0, 1, 1500, {1500}), "");
}

TEST(LookupNmrShifts, TakesEachPeakNearAShiftOnce) {
  const SpectralTableRecords table = {NmrRecord("ethyl", "0.1", {"1.2", "2.5"})};
  const std::vector<float> peaks = {1.25f, 2.45f, 7.3f};
  ReportedRecords reported;
  EXPECT_EQ(LookupNmrShifts(table, reported, 1, 100, 1.25f, peaks), "1.25 (2/2)ethyl \n");
  EXPECT_EQ(LookupNmrShifts(table, reported, 1, 100, 2.45f, peaks), "");
  ReportedRecords other;
  EXPECT_EQ(LookupNmrShifts(table, other, 1, 100, 7.3f, peaks), "");
  EXPECT_EQ(LookupNmrShifts(table, other, 3, 1, 1.25f, peaks), "");  // fewer shifts than the minimum
  // Peaks closer than the tolerance to a taken one count once.
  ReportedRecords close;
  EXPECT_EQ(LookupNmrShifts(table, close, 1, 1, 1.2f, {1.2f, 1.22f}), "1.2  (1/2)ethyl \n");
}

class InterpretSpectraTest : public WorkFolderTest {
 protected:
  void SetUp() override {
    WorkFolderTest::SetUp();
    LanguageCode = EnglishLanguage;
    SpecIterate = 1;
    SpecShowIsoFormula = 0;
    SpecHitPercent = 1;
  }
  static void WriteTable(const std::string& name, const std::vector<Record>& records) {
    std::string text = "\\\n";
    for (const Record& record : records) {
      for (const std::string& line : record) text += line + "\n";
      text += "\\\n";
    }
    WriteFile("dats/datfiles/atomdata/" + name, text);
  }
  SettingsSnapshot settings_;
};

TEST_F(InterpretSpectraTest, EmptyPeakLinesGiveAnEmptyReport) {
  EXPECT_EQ(InterpretSpectra("20", "CH4", {"", "", "", ""}, {}), "");
}

TEST_F(InterpretSpectraTest, SectionsUnderTheirHeadersWithCarriageReturns) {
  WriteTable("enmsfrag.dat", {MsRecord("CO", "28", "CO+")});
  WriteTable("enirdata.dat", {IrRecord("C=O stretch", {{"1700", "1750"}})});
  const std::string report = InterpretSpectra("0", "", {"28 28", "1715", "abc", ""}, {});
  EXPECT_EQ(report,
            "MASS******MS-ASSIGNMENT*****************************************************\r\n"
            "28        CO+\r\n"
            "CM-1******IR-ASSIGNMENT*****************************************************\r\n"
            "1715 (1/1)C=O stretch\r\n"
            "PPM*******H[1]-ASSIGNMENT***************************************************\r\n");
}

// A typed tolerance is one finite number, blanks dropped, within the whole number the settings keep;
// an empty text is 0.
TEST(MsTolerance, IsOneFiniteNumberOrNone) {
  const struct {
    const char* typed;
    std::optional<double> value;
  } cases[] = {
      {"abc", std::nullopt}, {"1e999", std::nullopt}, {"-1e999", std::nullopt}, {"nan", std::nullopt},
      {"inf", std::nullopt}, {"12,5", std::nullopt},  {"1e30", std::nullopt},   {"20 u", std::nullopt},
      {" 12 5", 125.0},      {"", 0.0},               {"  ", 0.0},              {"2.5", 2.5},
      {"-2", -2.0},          {"1E3", 1000.0},         {"2147483647", 2147483647.0},
  };
  for (const auto& c : cases) EXPECT_EQ(MsToleranceValue(c.typed), c.value) << '"' << c.typed << '"';
}

// A tolerance that is no number finds no MS line, neither as 0 nor as an infinity; the other
// sections are read as ever.
TEST_F(InterpretSpectraTest, AToleranceThatIsNoNumberLeavesTheMsSectionItsHeader) {
  WriteTable("enmsfrag.dat", {MsRecord("CO", "28", "CO+")});
  WriteTable("enirdata.dat", {IrRecord("C=O stretch", {{"1700", "1750"}})});
  for (const char* tolerance : {"abc", "1e999", "inf", "nan", "12,5"}) {
    EXPECT_EQ(InterpretSpectra(tolerance, "", {"28", "1715", "", ""}, {}),
              "MASS******MS-ASSIGNMENT*****************************************************\r\n"
              "CM-1******IR-ASSIGNMENT*****************************************************\r\n"
              "1715 (1/1)C=O stretch\r\n")
        << tolerance;
  }
}

TEST_F(InterpretSpectraTest, IterationHeaderAndNorwegianHeaders) {
  LanguageCode = NorwegianLanguage;
  SpecIterate = 0;
  const std::string report = InterpretSpectra("20", "CH4", {"15.0348", "", "", "1"}, {});
  EXPECT_EQ(report.substr(0, 12), "MASSE*****FO");
  EXPECT_NE(report.find("CH3\t\t\t\r\n"), std::string::npos);
  EXPECT_NE(report.find("PPM*******C[13]-TILORDNING"), std::string::npos);
  // A value of 2, only from the settings file: the iteration's header over the table's lines.
  SpecIterate = 2;
  WriteTable("nomsfrag.dat", {MsRecord("CH3", "15.0348", "metyl")});
  const std::string table = InterpretSpectra("20", "CH4", {"15.0348", "", "", ""}, {});
  EXPECT_EQ(table.substr(0, 16), "MASSE*****FORMEL");
  EXPECT_NE(table.find("metyl"), std::string::npos);
}

TEST_F(InterpretSpectraTest, ASectionThatDoesNotFitStandsAsFourPoints) {
  // Each peak fills its result with about 1000 characters; three peaks fill a section.
  std::vector<Record> ms;
  std::vector<Record> ir;
  std::vector<Record> h1;
  for (int group = 1; group <= 4; ++group) {
    for (int i = 0; i < 30; ++i) {
      const std::string name = std::string(50, 'a' + group) + std::to_string(i);
      ms.push_back(MsRecord("X", std::to_string(10 + group), name));
      ir.push_back(IrRecord(name, {{std::to_string(1000 * group - 1), std::to_string(1000 * group + 1)}}));
      h1.push_back(NmrRecord(name, "0.1", {std::to_string(group)}));
    }
  }
  WriteTable("enmsfrag.dat", ms);
  WriteTable("enirdata.dat", ir);
  WriteTable("enhnmr.dat", h1);
  WriteTable("encnmr.dat", {NmrRecord("TMS", "0.1", {"0"})});
  const std::string report =
      InterpretSpectra("1", "", {"11 12 13 14", "1000 2000 3000 4000", "1 2 3 4", "0"}, {});
  EXPECT_NE(report.find("CM-1******IR"), std::string::npos);
  EXPECT_EQ(report.find("H[1]-ASSIGNMENT"), std::string::npos);
  EXPECT_NE(report.find("....PPM*******C[13]-ASSIGNMENT"), std::string::npos);
  EXPECT_EQ(report.substr(report.size() - 15), "0    (1/1)TMS\r\n");
  EXPECT_LT(report.size(), 7990u);
}

// A stored value that is no number is missing: it never takes a peak as 0, the number its text
// begins with, a NaN or an infinity, and the record that holds it is named.
const char* const DamagedValues[] = {"NaN", "1e999", "abc", "12,5"};

TEST(DamagedSpectralValues, AreMissingInEveryLookup) {
  for (const char* damaged : DamagedValues) {
    ReportedRecords reported;
    // The mass "12,5" read from its start, "abc" as 0 and "1e999" as infinity each fell in a window.
    const std::vector<Record> ms = {MsRecord("X", damaged, "broken"), MsRecord("CO", "28", "CO+")};
    for (const float peak : {0.5f, 12.0f, 28.0f})
      EXPECT_EQ(LookupMsFragments(ms, reported, peak, 1.0f, false), peak == 28.0f ? "28        CO+ \n" : "")
          << damaged << " " << peak;
    EXPECT_EQ(DamagedSpectralRecords(ms, SpectralTableKind::MsFragments), std::vector<std::string>{"X"}) << damaged;

    // A range with an end that is no number takes no peak and is not counted as defined.
    const std::vector<Record> ir = {IrRecord("ketone", {{"1700", "1750"}, {damaged, "3000"}}),
                                    IrRecord("wide", {{"1000", damaged}})};
    ReportedRecords irReported;
    EXPECT_EQ(LookupIrRanges(ir, irReported, 1, 100, 1720, {1720, 12.5f, 2900}), "1720 (1/1)ketone \n") << damaged;
    ReportedRecords again;
    for (const float peak : {12.5f, 2900.0f, 5000.0f})
      EXPECT_EQ(LookupIrRanges(ir, again, 1, 1, peak, {1720, 12.5f, 2900, 5000}), "") << damaged << " " << peak;
    EXPECT_EQ(DamagedSpectralRecords(ir, SpectralTableKind::IrRanges), (std::vector<std::string>{"ketone", "wide"}))
        << damaged;

    // A tolerance that is no number leaves the record out; a shift that is no number is no shift.
    const std::vector<Record> nmr = {NmrRecord("any", damaged, {"1.2"}), NmrRecord("ethyl", "0.1", {"1.2", damaged})};
    ReportedRecords nmrReported;
    EXPECT_EQ(LookupNmrShifts(nmr, nmrReported, 1, 100, 1.25f, {1.25f, 12.0f, 0.0f}), "1.25 (1/1)ethyl \n") << damaged;
    EXPECT_EQ(DamagedSpectralRecords(nmr, SpectralTableKind::NmrShifts), (std::vector<std::string>{"any", "ethyl"}))
        << damaged;
  }
  EXPECT_TRUE(
      DamagedSpectralRecords({MsRecord("CO", " 28 ", "CO+"), MsRecord("empty", "", "")}, SpectralTableKind::MsFragments)
          .empty());
}

// The interpretation names each damaged table it read with the records that hold the damage; a
// table it did not read is not named.
TEST_F(InterpretSpectraTest, NamesTheDamagedTablesItRead) {
  WriteTable("enmsfrag.dat", {MsRecord("CO", "28", "CO+"), MsRecord("N2", "2 8", "N2+")});
  WriteTable("enirdata.dat", {IrRecord("C=O stretch", {{"1700", "1750"}}), IrRecord("O-H", {{"3200", "NaN"}})});
  WriteTable("enhnmr.dat", {NmrRecord("methyl", "1e999", {"0.9"})});
  std::vector<DamagedSpectralTable> damaged;
  const std::string report = InterpretSpectra("0", "", {"28", "1715 3300", "", ""}, {}, &damaged);
  EXPECT_NE(report.find("28        CO+\r\n"), std::string::npos);
  EXPECT_EQ(report.find("N2+"), std::string::npos);
  EXPECT_EQ(report.find("O-H"), std::string::npos);
  ASSERT_EQ(damaged.size(), 2u);
  EXPECT_EQ(damaged[0].fileName, "dats\\datfiles\\atomdata\\enmsfrag.dat");
  EXPECT_EQ(damaged[0].records, std::vector<std::string>{"N2"});
  EXPECT_EQ(damaged[1].fileName, "dats\\datfiles\\atomdata\\enirdata.dat");
  EXPECT_EQ(damaged[1].records, std::vector<std::string>{"O-H"});
}

}  // namespace
