#include "chemicals_database/model/record_number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view WithoutBlanksAround(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Where the digits from `at` end.
std::size_t DigitsEnd(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

bool IsDecimalNumber(std::string_view text) {
  std::size_t at = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
  const std::size_t integerEnd = DigitsEnd(text, at);
  std::size_t mantissaEnd = integerEnd;
  if (mantissaEnd < text.size() && text[mantissaEnd] == '.') mantissaEnd = DigitsEnd(text, mantissaEnd + 1);
  if (integerEnd == at && mantissaEnd <= integerEnd + 1) return false;
  at = mantissaEnd;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t exponentEnd = DigitsEnd(text, at);
    if (exponentEnd == at) return false;
    at = exponentEnd;
  }
  return at == text.size();
}

}  // namespace

std::optional<double> DatabaseNumber(std::string_view text) {
  text = WithoutBlanksAround(text);
  if (!IsDecimalNumber(text)) return std::nullopt;
  if (text.starts_with('+')) text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
  return value;
}
