#include <algorithm>

#include "engine/elements/element_symbols.h"
#include "engine/formula/formula_steps.h"
#include "engine/numbers/number_scan.h"
#include "engine/reaction.h"

namespace formula {
namespace {

char At(std::string_view text, std::size_t index) { return index < text.size() ? text[index] : '\0'; }
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsNumberStart(std::string_view text, std::size_t index) {
  return IsDigit(At(text, index)) || (At(text, index) == '.' && IsDigit(At(text, index + 1)));
}

NumberScan ScanFormulaNumber(std::string_view text, std::size_t position) {
  return ScanNumber(text, SinglePrecisionLimits, false, position);
}

long ReadMassNumber(std::string_view digits) {
  constexpr long Ceiling = 1000000;  // far above any mass number; keeps the value in range
  long value = 0;
  for (char c : digits) value = std::min(Ceiling, value * 10 + (c - '0'));
  return value;
}

// X of the comma form, from position up to the first ','; returns the index after that ','.
std::size_t ReadCommaTarget(std::string_view text, std::size_t position, Amount& amount, CommaTarget& target,
                            ErrorSlots& errors) {
  std::size_t i = position;
  bool deuterium = false;
  if (IsUpper(At(text, i))) {
    const std::size_t length = IsLower(At(text, i + 1)) ? 2 : 1;
    const std::string_view symbol = text.substr(i, length);
    i += length;
    if (symbol == DeuteriumSymbol) {
      deuterium = true;
      target.cell = {0, DeuteriumIsotopeIndex};
      if (amount.grams != 0.0f) {
        amount.moles = amount.grams / DeuteriumMass;
        amount.grams = 0.0f;
      }
    } else if (const int Z = FindElementBySymbol(symbol); Z > 0) {
      target.cell = {Z - 1, PlainElementRow};
    }
  }
  while (i < text.size() && text[i] != ',') {
    const char c = text[i];
    if (c == '(' || c == '[') {
      std::size_t end = i + 1;
      while (IsDigit(At(text, end))) ++end;
      if (end == i + 1 || (At(text, end) != ')' && At(text, end) != ']')) {
        errors.Set(IllegalSymbolError);
        break;
      }
      const long massNumber = ReadMassNumber(text.substr(i + 1, end - i - 1));
      const int isotope = target.valid() && !deuterium && target.cell.row == PlainElementRow
                              ? FindIsotopeByMassNumber(target.cell.index + 1, massNumber)
                              : -1;
      if (isotope < 0) {
        errors.Set(UnknownIsotopeError);
      } else {
        target.cell.row = isotope;
        if (amount.grams != 0.0f) {
          amount.moles = amount.grams / IsotopesByNumber(target.cell.index + 1).mass[isotope];
          amount.grams = 0.0f;
        }
      }
      i = end + 1;
    } else if (IsDigit(c) || c == '.') {
      const NumberScan count = ScanFormulaNumber(text, i);
      if (count.code != ValidNumber) errors.Set(IllegalCombinationError);
      if (amount.grams == 0.0f) amount.moles *= static_cast<float>(count.value);
      i += std::max<std::size_t>(1, NumberTextLength(text, i));
    } else {
      errors.Set(IllegalSymbolError);
      break;
    }
  }
  const std::size_t comma = text.find(',', i);
  if (comma == std::string_view::npos) return text.size();
  if (amount.grams != 0.0f && target.valid() && target.cell.row == PlainElementRow) {
    amount.moles = amount.grams / ElementByNumber(target.cell.index + 1).atomicMass;
    amount.grams = 0.0f;
  }
  return comma + 1;
}

}  // namespace

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

std::size_t NumberTextLength(std::string_view text, std::size_t position) {
  if (!IsDigit(At(text, position)) && At(text, position) != '.') return 0;
  const NumberScan number = ScanFormulaNumber(text, position);
  if (number.code == ValidNumber) return number.length;
  std::size_t end = position;
  while (IsDigit(At(text, end)) || At(text, end) == '.') ++end;
  return std::max(number.length, end - position);
}

void ScanMisplacedMarks(std::string_view formula, ErrorSlots& errors, bool& hasQuestionMark) {
  for (std::size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    const char next = At(formula, i + 1);
    if (c == '?') hasQuestionMark = true;
    if (i == 0 && c == '*') errors.Set(LeadingStarError);
    if ((IsDigit(c) || c == '.') && (next == 'm' || next == 'g') && At(formula, i + 2) == '*')
      errors.Set(LeadingStarError);
    if ((c == ')' || c == ']') && IsLower(next)) errors.Set(IllegalSymbolError);
    if ((c == '(' || c == '[') && (next == '(' || next == '[') &&
        (IsDigit(At(formula, i + 2)) || At(formula, i + 2) == '.'))
      errors.Set(IllegalSymbolError);
    if (c == '*') {
      std::size_t end = i + 1;
      while (IsDigit(At(formula, end)) || At(formula, end) == '.') ++end;
      if (end == formula.size()) errors.Set(MisusedStarError);
    }
  }
}

void MarkExponents(std::string& text) {
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] != 'e' || !(IsDigit(text[i - 1]) || text[i - 1] == '.')) continue;
    const char next = text[i + 1];
    const char afterSign = At(text, i + 2);
    if (IsDigit(next) || (IsSign(next) && (IsDigit(afterSign) || afterSign == '.'))) text[i] = 'E';
  }
}

void ReadAmountPrefix(std::string& text, bool commaForm, Amount& amount, CommaTarget& target, ErrorSlots& errors) {
  if (!IsNumberStart(text, 0)) return;
  const NumberScan number = ScanFormulaNumber(text, 0);
  if (number.length == 0) return;
  if (number.code != ValidNumber) errors.Set(IllegalCombinationError);
  const float value = static_cast<float>(number.value);
  const char unit = At(text, number.length);
  std::size_t prefixEnd = number.length;
  if (unit == 'm') {
    amount.moles = value;
    ++prefixEnd;
  } else if (commaForm && IsUpper(unit)) {
    amount.moles = value;
  } else if (unit == 'g') {
    amount.grams = value;
    if (value == 0.0f) amount.moles = 0.0f;
    ++prefixEnd;
  } else {
    return;
  }
  amount.given = true;
  if (commaForm) prefixEnd = ReadCommaTarget(text, prefixEnd, amount, target, errors);
  text.erase(0, prefixEnd);
}

void ReadCharge(std::string& text, float& charge, ErrorSlots& errors) {
  std::size_t first = std::string::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsSign(text[i]) && !(i > 0 && text[i - 1] == 'E')) {
      first = i;
      break;
    }
  }
  if (first == std::string::npos) return;
  const char sign = text[first];
  const float unit = sign == '+' ? 1.0f : -1.0f;
  float signs = unit;
  std::size_t end = first + 1;
  while (end < text.size() && text[end] == sign) {
    signs += unit;
    ++end;
  }
  if (end == text.size()) {
    charge = signs;
    text.erase(first);
    return;
  }
  if (end == first + 1 && (IsDigit(text[end]) || text[end] == '.')) {
    const NumberScan number = ScanFormulaNumber(text, end);
    if (number.code != ValidNumber || end + number.length != text.size()) errors.Set(IllegalCombinationError);
    charge = unit * static_cast<float>(number.value);
    text.erase(first);
  }
  // Otherwise ("+-", "++3", a sign inside the formula) the signs stay and fail as unknown symbols.
}

std::string CleanUp(std::string_view wrapped, ErrorSlots& errors) {
  std::string cleaned;
  cleaned.reserve(wrapped.size());
  int dotsInNumber = 0;
  for (std::size_t i = 0; i < wrapped.size(); ++i) {
    const char c = wrapped[i];
    if (c == '.') {
      if (++dotsInNumber == 2) errors.Set(IllegalCombinationError);
      if (!(i > 0 && IsDigit(wrapped[i - 1])) && !IsDigit(At(wrapped, i + 1))) errors.Set(IllegalSymbolError);
    } else if (!IsDigit(c)) {
      dotsInNumber = 0;
    }
    if (c == '*' && At(wrapped, i + 1) == '*') errors.Set(MisusedStarError);
    if (c == '?') continue;
    cleaned += c == ']' ? ')' : c == '[' ? '(' : c;
  }
  return cleaned;
}

void MarkCoefficient(std::string& wrapped, ErrorSlots& errors) {
  if (wrapped.size() > 2 && wrapped[1] == ')') errors.Set(BracketError);
  if (!IsNumberStart(wrapped, 1)) return;
  if (At(wrapped, 1 + NumberTextLength(wrapped, 1)) == '*') errors.Set(LeadingStarError);
  wrapped.insert(1, 1, '*');
}

std::string RewriteAdducts(std::string_view wrapped, ErrorSlots& errors) {
  std::string rewritten;
  rewritten.reserve(wrapped.size() + 16);
  int depth = 0;
  bool inAdduct = false;
  std::string_view multiplier;
  for (std::size_t i = 0; i < wrapped.size(); ++i) {
    const char c = wrapped[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 1 && inAdduct) {
        rewritten += ')';
        rewritten += multiplier;
        inAdduct = false;
      }
      --depth;
    } else if (c == '*') {
      if (depth != 1) {
        errors.Set(StarInBracketsError);
      } else {
        if (inAdduct) {
          rewritten += ')';
          rewritten += multiplier;
        }
        const std::size_t length = NumberTextLength(wrapped, i + 1);
        multiplier = wrapped.substr(i + 1, length);
        i += length;
        rewritten += '(';
        inAdduct = true;
        continue;
      }
    }
    rewritten += c;
  }
  if (inAdduct) {
    rewritten += ')';
    rewritten += multiplier;
  }
  return rewritten;
}

std::string ExtractMassNumbers(std::string_view wrapped, std::vector<MassNumberMark>& marks, ErrorSlots& errors) {
  std::string text;
  text.reserve(wrapped.size());
  for (std::size_t i = 0; i < wrapped.size(); ++i) {
    const char c = wrapped[i];
    if (c != '(' || !IsDigit(At(wrapped, i + 1))) {
      text += c;
      continue;
    }
    std::size_t end = i + 1;
    while (IsDigit(At(wrapped, end))) ++end;
    if (At(wrapped, end) != ')') {
      errors.Set(IllegalSymbolError);
      text += c;
      continue;
    }
    const bool afterSymbol =
        !text.empty() &&
        (IsUpper(text.back()) || (IsLower(text.back()) && text.size() > 1 && IsUpper(text[text.size() - 2])));
    if (afterSymbol) marks.push_back({text.size(), ReadMassNumber(wrapped.substr(i + 1, end - i - 1))});
    i = end;
  }
  return text;
}

void CheckBrackets(std::string_view wrapped, ErrorSlots& errors) {
  int depth = 0;
  bool misplaced = false;
  for (std::size_t i = 0; i < wrapped.size(); ++i) {
    if (wrapped[i] == '(') ++depth;
    if (wrapped[i] == ')') --depth;
    // Only the last bracket may close the whole formula: "H)2(O" is misplaced.
    if (depth <= 0 && i + 1 < wrapped.size()) misplaced = true;
  }
  if ((depth != 0 || misplaced) && !errors.Has(StarInBracketsError)) errors.Set(BracketError);
}

}  // namespace formula
