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
  int code = 2;
  if (numeric) {
    const double value = ReadLeadingReal(text);
    code = std::floor(value) == value ? 0 : 1;
    if (low != high && (value < low || value > high)) code = 3;
  }
  if (dots >= 2) return 7;
  if (text.empty()) return 6;
  const char first = text.front();
  if ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')) return 5;
  if (text == "?") return 4;
  return code;
}
