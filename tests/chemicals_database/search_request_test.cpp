#include "chemicals_database/model/search_request.h"

#include <gtest/gtest.h>

namespace {

std::array<SearchField, SearchFieldCount> Fields(const std::string& name, const std::string& formula = "",
                                                 const std::string& number = "") {
  return {{{name, "na"}, {"", "cas"}, {"", "181"}, {formula, "sf"}, {number, "fm"}, {"", "mp"}}};
}

TEST(SearchRequest, FieldsWithTextBecomeCriteriaJoinedByBars) {
  struct Case {
    std::array<SearchField, SearchFieldCount> fields;
    bool wholeWord;
    std::string command;
    SearchRequestFault fault;
  };
  const Case cases[] = {
      {Fields("VANN"), false, "s na\\VANN", SearchRequestFault::None},
      {Fields("SALPETERSYRE FORTYNNET", "H2O", "18"), true, "sk na\\SALPETERSYRE FORTYNNET|sf\\H2O|fm\\18",
       SearchRequestFault::None},
      {Fields("   ", "", " "), false, "", SearchRequestFault::NothingSought},
      {Fields("A|B"), false, "", SearchRequestFault::ReservedCharacter},
      {Fields("", "C\\H"), false, "", SearchRequestFault::ReservedCharacter},
      {Fields(std::string(48, 'A')), false, "s na\\" + std::string(48, 'A'), SearchRequestFault::None},
      {Fields(std::string(49, 'A')), false, "", SearchRequestFault::FieldTooLong},
      // Blanks around a value are no part of it, so a further criterion still finds the record.
      {Fields("etanol ", " C2H6O", " 46 "), false, "s na\\etanol|sf\\C2H6O|fm\\46", SearchRequestFault::None},
  };
  for (const Case& c : cases) {
    const SearchRequest request = BuildSearchRequest(c.fields, c.wholeWord);
    EXPECT_EQ(request.command, c.command) << c.fields[0].text;
    EXPECT_EQ(request.fault, c.fault) << c.fields[0].text;
  }
}

TEST(SearchRequest, QuantitiesAndFormulaKeys) {
  EXPECT_STREQ(NumericQuantityOf(4, 1).key, "de");
  EXPECT_STREQ(NumericQuantityOf(8, 1).key, "191");
  // A stored number outside the lists takes the default quantity.
  EXPECT_STREQ(NumericQuantityOf(9, 2).key, "mp");
  EXPECT_STREQ(NumericQuantityOf(0, 1).key, "fm");
  EXPECT_EQ(NumericQuantityNumber("Tetthet(Luft=1)"), 5);
  EXPECT_EQ(NumericQuantityNumber("Tetthet (Luft=1)"), 0);
  EXPECT_STREQ(FormulaSearchKey(0), "mf");
  EXPECT_STREQ(FormulaSearchKey(1), "sf");
  EXPECT_STREQ(FormulaSearchKey(2), "qu");
  EXPECT_STREQ(FormulaSearchKey(5), "mf");
}

}  // namespace
