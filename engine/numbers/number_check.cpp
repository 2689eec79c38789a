#include <cmath>

#include "engine/numbers/number_text.h"
#include "engine/reaction.h"

int CheckNumberText(std::string_view text, float low, float high) {
  std::string_view digits = text;
  if (digits.size() > 1 && digits.front() == '-') digits.remove_prefix(1);
  bool numeric = true;
  int dots = 0;
  for (char c : digits) {
    if (!(c >= '0' && c <= '9') && c != '.') {
      numeric = false;
      break;
    }
    if (c == '.') ++dots;
  }
  int code = NotNumeric;
  if (numeric) {
    const double value = ReadLeadingReal(text);
    code = std::floor(value) == value ? WholeNumberInRange : NotWholeNumber;
    if (low != high && (value < low || value > high)) code = NumberOutOfRange;
  }
  if (dots >= 2) return TwoOrMorePoints;
  if (text.empty()) return EmptyNumberText;
  const char first = text.front();
  if ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')) return BeginsWithLetter;
  if (text == "?") return QuestionMarkText;
  return code;
}
