#include "engine/formcalc.h"
#include "engine/formtext.h"
#include "tests/engine/test_support.h"

namespace {

struct Report {
  std::string resultLine;
  std::string table;
  std::string empirical;
};

Report ReportOf(const std::string& formula, int mode = 2) {
  FormulaCounts counts{};
  IsotopeUsedFlags flags{};
  std::string text = formula;
  int kind = 0;
  float electrons = 0;
  float amount = 0;
  const float result = dcalk(counts, flags, mode, text, 0, 3, kind, electrons, amount);
  EXPECT_NE(result, -1.0f) << formula;
  Report report;
  FormatFormulaResult(kind, report.resultLine, amount, result);
  FormatCompositionReport(counts, 0, report.table, flags);
  FormatCompositionReport(counts, 1, report.empirical, flags);
  return report;
}

TEST(FormatFormulaResult, LineOfEveryKindInBothLanguages) {
  struct Case {
    int kind;
    std::string english;
    std::string norwegian;
  };
  const Case cases[] = {
      {0, "Formula mass = 18.0153g/mol", "Formelmasse = 18.0153g/mol"},
      {3, "Mass = 18.0153g", "Masse = 18.0153g"},
      {1, "Amount(n) = 18.0153mol", "Mengde(n) = 18.0153mol"},
      {4, "Amount(n) = 18.0153mol", "Mengde(n) = 18.0153mol"},
      {2, "Formula mass = 2.5g/mol  Amount(n) = 18.0153mol", "Formelmasse = 2.5g/mol  Mengde(n) = 18.0153mol"},
      {5, "Mass = 2.5g  Amount(n) = 18.0153mol", "Masse = 2.5g  Mengde(n) = 18.0153mol"},
      {6, "", ""},
  };
  for (const auto& c : cases) {
    std::string text = "old";
    {
      LanguageScope english(44);
      FormatFormulaResult(c.kind, text, 2.5f, 18.01528f);
      EXPECT_EQ(text, c.english);
    }
    for (int other : {47, 0}) {
      LanguageScope norwegian(other);
      FormatFormulaResult(c.kind, text, 2.5f, 18.01528f);
      EXPECT_EQ(text, c.norwegian);
    }
  }
}

TEST(FormatFormulaResult, ResultsOfTheFormulaParser) {
  LanguageScope english(44);
  EXPECT_EQ(ReportOf("H2O").resultLine, "Formula mass = 18.0153g/mol");
  EXPECT_EQ(ReportOf("2mS,H2SO4").resultLine, "Mass = 196.159g  Amount(n) = 2mol");
  EXPECT_EQ(ReportOf("36gH2O").resultLine, "Amount(n) = 1.9983mol");
  EXPECT_EQ(ReportOf("1E-5mH2O").resultLine, "Mass = 0.000180153g");
  EXPECT_EQ(ReportOf("1E5mH2O").resultLine, "Mass = 1.80153E+06g");
}

// A report line split at its tabs: label, count, "", mass, "", percentage.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields{""};
  for (char c : line) {
    if (c == '\t')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

std::vector<std::string> Lines(const std::string& table) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = table.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(table.substr(start, end + 1 - start));
  EXPECT_EQ(start, table.size()) << "the report ends with a line break";
  return lines;
}

void ExpectPercentage(const std::string& field, double expected) {
  ASSERT_GE(field.size(), 9u);
  EXPECT_EQ(field.substr(field.size() - 2), " \n");
  EXPECT_EQ(field[field.size() - 9], '.') << "six decimals: " << field;
  EXPECT_NEAR(std::stod(field), expected, 2e-5);
}

TEST(FormatCompositionReport, OneLinePerElementWithMassAndPercentage) {
  // Water: 2 x 1.00794 = 2.01588 of 18.01528 g/mol, 11.18984 %; oxygen 88.81016 %.
  const auto water = Lines(ReportOf("H2O").table);
  ASSERT_EQ(water.size(), 2u);
  auto hydrogen = Fields(water[0]);
  ASSERT_EQ(hydrogen.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(hydrogen.begin(), hydrogen.end() - 1),
            (std::vector<std::string>{"H", "2", "", "2.01588", ""}));
  ExpectPercentage(hydrogen[5], 11.18984);
  auto oxygen = Fields(water[1]);
  ASSERT_EQ(oxygen.size(), 6u);
  EXPECT_EQ(oxygen[0] + oxygen[1] + oxygen[3], "O115.9994");
  ExpectPercentage(oxygen[5], 88.81016);

  // Carbon dioxide with carbon-13: 13.0034 of 45.0022 g/mol.
  const auto dioxide = Lines(ReportOf("C(13)O2").table);
  ASSERT_EQ(dioxide.size(), 2u);
  auto carbon = Fields(dioxide[0]);
  ASSERT_EQ(carbon.size(), 6u);
  EXPECT_EQ(carbon[0] + "|" + carbon[1] + "|" + carbon[3], "C[13]|1|13.0034");
  ExpectPercentage(carbon[5], 100 * 13.0034 / 45.0022);
}

TEST(FormatCompositionReport, CountsScaledByTheAmountGiveMolesOfAtoms) {
  const auto lines = Lines(ReportOf("2mH2O", 0).table);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Fields(lines[0])[1], "4");
  EXPECT_EQ(Fields(lines[1])[1], "2");
  EXPECT_EQ(ReportOf("2mH2O", 0).empirical, "H4O2");
}

TEST(FormatCompositionReport, NumbersOfEightCharactersOrMoreTakeOneTab) {
  const auto lines = Lines(ReportOf("C1234567H").table);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].substr(0, 26), "C\t1.23457E+06\t1.48284E+07\t");
  EXPECT_EQ(lines[0].substr(0, 14), "H\t1\t\t1.00794\t\t");
}

TEST(FormatCompositionReport, EmpiricalFormulaInAtomicNumberOrder) {
  const std::pair<std::string, std::string> cases[] = {
      {"H2SO4", "H2O4S"},
      {"H2O", "H2O"},
      {"C(13)O2", "C[13]O2"},
      {"CH3C(13)H3", "H6CC[13]"},
      {"D2O", "H[2]2O"},
      {"CuSO4*5H2O", "H10O9SCu"},
      {"H0.5", "H0.5"},
      {"C1000000", "C1E+06"},
      {"C123456789", "C123456792"},  // the count as single precision holds it
      {"C1E20", "C1E+20"},
      {"Fe0.95O", "OFe0.95"},
  };
  for (const auto& [formula, empirical] : cases) EXPECT_EQ(ReportOf(formula).empirical, empirical) << formula;
}

TEST(FormatCompositionReport, NoCountsGiveAnEmptyReport) {
  const FormulaCounts counts{};
  const IsotopeUsedFlags flags{};
  std::string report = "old";
  FormatCompositionReport(counts, 0, report, flags);
  EXPECT_EQ(report, "");
}

TEST(GetEnglishElementName, OnlyInEnglishAndOnlyWhereTheNameDiffers) {
  std::string name = "old";
  {
    LanguageScope english(44);
    const std::pair<int, std::string> cases[] = {
        {3, "Lithium"}, {5, "Boron"},    {11, "Sodium"}, {26, "Iron"}, {33, "Arsenic"}, {47, "Silver"}, {80, "Mercury"},
        {82, "Lead"},   {92, "Uranium"}, {1, ""},        {55, ""},     {2, ""},         {0, ""},        {104, ""},
    };
    for (const auto& [Z, english] : cases) {
      EXPECT_EQ(GetEnglishElementName(name, Z), english.empty() ? 0 : 1) << Z;
      EXPECT_EQ(name, english) << Z;
    }
  }
  for (int other : {47, 0}) {
    LanguageScope norwegian(other);
    EXPECT_EQ(GetEnglishElementName(name, 26), 0);
    EXPECT_EQ(name, "");
  }
}

}  // namespace
