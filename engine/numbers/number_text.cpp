#include "engine/numbers/number_text.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <climits>
#include <cstdlib>

namespace {

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string Uppercased(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  }
  return text;
}

}  // namespace

std::string FormatNumberG(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return Uppercased(std::string(buffer, result.ptr));
}

std::string FormatNumberFixed(double value) {
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

int ReadLeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (text[i] - '0');
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double ReadLeadingReal(std::string_view text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  std::string terminated(text);
  return strtod_l(terminated.c_str(), nullptr, cLocale);
}

std::optional<double> ReadTableNumber(std::string_view text) {
  while (!text.empty() && IsCSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsCSpace(text.back())) text.remove_suffix(1);
  if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string_view::npos) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size()) return std::nullopt;
  // A value beyond the range of a double is out of range for every column; one too small to
  // hold is the zero it rounds to.
  if (error == std::errc::result_out_of_range) {
    if (std::fabs(ReadLeadingReal(text)) >= 1.0) return std::nullopt;
    return 0.0;
  }
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> ReadStoredNumber(std::string_view text) {
  if (std::ranges::all_of(text, IsCSpace)) return 0.0;
  return ReadTableNumber(text);
}

bool IsDamagedTableNumber(std::string_view text) { return !ReadStoredNumber(text); }
