#include "chemicals_database/model/safety_sections.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "chemicals_database/phrase_text.h"

namespace {

SafetySections Sections(std::initializer_list<const char*> texts) {
  SafetySections sections;
  std::ranges::copy(texts, sections.begin());
  return sections;
}

long Bars(const std::string& text) { return std::ranges::count(text, '|'); }

TEST(SafetySections, AJoinedTextAlwaysHasTenBars) {
  for (const SafetySections& sections :
       {SafetySections{}, Sections({"a", "b"}), Sections({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}),
        Sections({"x|y", "||"})}) {
    const JoinedSafetyText joined = JoinSafetySections(sections);
    EXPECT_EQ(Bars(joined.text), SafetySectionCount) << joined.text;
  }
}

TEST(SafetySections, TypedBarsBecomeHashesWithWarningOne) {
  const JoinedSafetyText joined = JoinSafetySections(Sections({"a|b", "", "c"}));
  EXPECT_EQ(joined.text, "a#b||c||||||||");
  EXPECT_EQ(joined.warning, 1);
}

// Each section counts its length, its line feeds and one for its separator against 3989.
TEST(SafetySections, SectionsThatDoNotFitAreLeftOutEachOnItsOwn) {
  // 3979 characters and one for the separator, and one for each of the nine empty sections: 3989.
  const std::string fits(3979, 'a');
  EXPECT_EQ(JoinSafetySections(Sections({fits.c_str()})).warning, 0);
  const std::string overflows(3980, 'a');
  const JoinedSafetyText over = JoinSafetySections(Sections({overflows.c_str()}));
  EXPECT_EQ(over.warning, 2);
  EXPECT_TRUE(over.left[9]);
  EXPECT_FALSE(over.left[8]);
  const std::string big(3000, 'b');
  const std::string middle(1000, 'm');
  const JoinedSafetyText joined = JoinSafetySections(Sections({big.c_str(), middle.c_str(), "kort", "\r\n"}));
  EXPECT_EQ(joined.text, big + "||kort|\r\n|||||||");
  EXPECT_EQ(joined.warning, 2);
  EXPECT_TRUE(joined.left[1]);
  EXPECT_FALSE(joined.left[2]);
  EXPECT_EQ(JoinSafetySections(Sections({big.c_str(), (middle + "|").c_str()})).warning, 3);
}

TEST(SafetySections, SplittingGivesEmptySectionsWhereTheTextHasNone) {
  EXPECT_EQ(SplitSafetySections("one|two|three"), Sections({"one", "two", "three"}));
  EXPECT_EQ(SplitSafetySections("1|2|3|4|5|6|7|8|9|10|"), Sections({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(SplitSafetySections("   "), SafetySections{});
  EXPECT_EQ(SplitSafetySections(""), SafetySections{});
  EXPECT_EQ(SplitSafetySections("|x"), Sections({"", "x"}));
  EXPECT_EQ(SplitSafetySections("a\r\nb|c"), Sections({"a\r\nb", "c"}));
}

TEST(SafetySections, QuickEditTextIsAppendedUpToTheLimit) {
  EXPECT_EQ(WithQuickEditText("Kj\xF8lig. ", "T\xF8rt."), "Kj\xF8lig. T\xF8rt.");
  const std::string section(3990, 's');
  EXPECT_EQ(WithQuickEditText(section, "12345"), section + "12345");
  EXPECT_EQ(WithQuickEditText(section, "123456"), section);
}

TEST(HazardClassLines, CodesAreTakenBeforeADashInTheSecondOrThirdPlace) {
  struct Case {
    const char* line;
    const char* code;
    const char* comparable;
  };
  const Case cases[] = {
      {"T+-Meget giftig", "T+", "Tx"}, {"T-Giftig", "T", "T"},     {"Xn-Helseskadelig", "Xn", "Xn"},
      {"Ingen", "", ""},               {"-Ingen", "", ""},         {"ABC-lang kode", "", ""},
      {"F+-Ekstremt brannfarlig", "F+", "Fx"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HazardClassCode(c.line), c.code) << c.line;
    EXPECT_EQ(ComparableHazardCode(c.line), c.comparable) << c.line;
  }
  EXPECT_EQ(StoredHazardCode(HazardClass::Health, "T+"), "Tx");
  EXPECT_EQ(StoredHazardCode(HazardClass::Fire, "F+"), "Fx");
  EXPECT_EQ(StoredHazardCode(HazardClass::Health, "Xi"), "Xi");
  EXPECT_EQ(StoredHazardCode(HazardClass::Environment, "N"), "N");
}

TEST(PhraseText, PhrasesAreJoinedWithoutSeparatorAndTooMuchIsLeftOut) {
  EXPECT_EQ(ComposePhraseText({"A.", "B."}).text, "A.B.");
  const std::string long1(3000, 'a');
  const std::string long2(1000, 'b');
  const ComposedPhrases composed = ComposePhraseText({long1, long2, "kort"});
  EXPECT_EQ(composed.text, long1 + "kort");
  EXPECT_TRUE(composed.overflow);
}

TEST(PhraseText, ANewPhraseGoesBesideTheOneSelectedOrIntoAnEmptyList) {
  EXPECT_EQ(NewPhrasePlace(3, {1}, true), 1);
  EXPECT_EQ(NewPhrasePlace(3, {1}, false), 2);
  EXPECT_EQ(NewPhrasePlace(3, {2}, false), 3);
  EXPECT_EQ(NewPhrasePlace(0, {}, true), 0);
  EXPECT_EQ(NewPhrasePlace(3, {}, true), std::nullopt);
  EXPECT_EQ(NewPhrasePlace(3, {0, 2}, false), std::nullopt);
}

TEST(PhraseText, CategoriesOutsideOneToEightAreTheRiskPhrases) {
  EXPECT_EQ(PhraseCategoryOf(7).number, 7);
  for (int number : {0, -1, 9, 100}) EXPECT_EQ(PhraseCategoryOf(number).number, 1) << number;
}

}  // namespace
