#include "chemicals_database/model/search_request.h"

#include <algorithm>

#include "chemicals_database/model/database_protocol.h"
#include "chemicals_database/model/record_layout.h"

const std::array<NumericQuantity, NumericQuantityCount> NumericQuantities = {{
    {"Formelmasse", "fm", "", "g/mol", ""},
    {"Smeltepunkt", "mp", "o", "C", ""},
    {"Kokepunkt", "bp", "o", "C", ""},
    {"Tetthet", "de", "", "kg/dm", "3"},
    {"Tetthet(Luft=1)", "45", "", "", ""},
    {"Flammepunkt", "ip", "o", "C", ""},
    {"Damptrykk", "86", "", "kPa", ""},
    {"Permittivitet", "191", "", "", ""},
}};

const NumericQuantity& NumericQuantityOf(int number, int fallback) {
  if (number < 1 || number > NumericQuantityCount) number = fallback;
  return NumericQuantities[static_cast<std::size_t>(number) - 1];
}

int NumericQuantityNumber(std::string_view text) {
  for (int number = 1; number <= NumericQuantityCount; ++number) {
    if (text == NumericQuantities[static_cast<std::size_t>(number) - 1].text) return number;
  }
  return 0;
}

const char* FormulaSearchKey(int formulaSearchMode) {
  switch (formulaSearchMode) {
    case FormulaSearchQualitative: return "qu";
    case FormulaSearchEmpirical: return "sf";
    default: return "mf";
  }
}

namespace {

bool HoldsMoreThanBlanks(std::string_view text) {
  return std::ranges::any_of(text, [](char c) { return c != ' '; });
}

std::string_view WithoutBlanksAround(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

SearchRequest BuildSearchRequest(const std::array<SearchField, SearchFieldCount>& fields, bool wholeWord) {
  SearchRequest request;
  std::string criteria;
  for (const SearchField& field : fields) {
    if (!HoldsMoreThanBlanks(field.text)) continue;
    if (field.text.find_first_of("|\\") != std::string::npos) return {{}, SearchRequestFault::ReservedCharacter};
    if (field.text.size() > ChemDbFieldLimit) return {{}, SearchRequestFault::FieldTooLong};
    if (!criteria.empty()) criteria += '|';
    // Blanks around a value would be sought too: "etanol " finds no ETANOL before a further criterion.
    criteria += field.key + '\\' + std::string(WithoutBlanksAround(field.text));
  }
  if (criteria.empty()) return {{}, SearchRequestFault::NothingSought};
  request.command = (wholeWord ? "sk " : "s ") + criteria;
  return request;
}
