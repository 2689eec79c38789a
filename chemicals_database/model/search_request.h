#pragma once
// The database window's search fields turned into one command of the search language: each field
// that holds more than blanks gives its key and its text, joined by '|'.
#include <array>
#include <string>
#include <string_view>

// The numeric quantities the window's two drop-down lists offer, numbered from 1 in list order.
struct NumericQuantity {
  const char* text;
  const char* key;
  // The unit as the window shows it: a raised degree sign before it, the unit, a raised 3 after it.
  const char* degree;
  const char* unit;
  const char* cube;
};
inline constexpr int NumericQuantityCount = 8;
extern const std::array<NumericQuantity, NumericQuantityCount> NumericQuantities;
// The quantity of a number; a number outside 1 to 8 is taken as `fallback`.
const NumericQuantity& NumericQuantityOf(int number, int fallback);
// The number (from 1) of a quantity's text, or 0.
int NumericQuantityNumber(std::string_view text);

// The key of the formula field: "mf" as typed (mode 0), "sf" as empirical formula (1), "qu" as
// qualitative formula (2).
const char* FormulaSearchKey(int formulaSearchMode);

// The search fields in the order name, CAS number, label, formula, first number, second number,
// with the key each gives.
inline constexpr int SearchFieldCount = 6;
struct SearchField {
  std::string text;
  std::string key;
};

enum class SearchRequestFault { None, NothingSought, ReservedCharacter, FieldTooLong };

struct SearchRequest {
  std::string command;  // "s " or "sk " and the criteria
  SearchRequestFault fault = SearchRequestFault::None;
};

// The command of the fields: "sk " with wholeWord, else "s ". A field may hold neither '|' nor a
// backslash, the separators of the language, nor more than 48 characters.
SearchRequest BuildSearchRequest(const std::array<SearchField, SearchFieldCount>& fields, bool wholeWord);
