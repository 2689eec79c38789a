#include "calculators/model/curve_data.h"

#include <cstdint>
#include <string>

#include "engine/numbers/typed_number.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumberCharacter(char c) { return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '-'; }

std::size_t RunEnd(std::string_view text, std::size_t at) {
  while (at < text.size() && IsNumberCharacter(text[at])) ++at;
  return at;
}

// A number text that the character after it turns into a fault of its own: a comma between two
// digits is a decimal comma, and a '+' after an exponent's letter was meant as its sign.
std::optional<CurveDataFault> FaultAfter(std::string_view text, std::size_t at, std::size_t end) {
  if (end + 1 >= text.size() || !IsDigit(text[end + 1])) return std::nullopt;
  const char last = text[end - 1];
  if (text[end] == ',' && IsDigit(last)) return CurveDataFault::DecimalComma;
  if (text[end] == '+' && (last == 'e' || last == 'E') && end - at > 1) return CurveDataFault::PlusInExponent;
  return std::nullopt;
}

}  // namespace

CurveData ReadCurveData(std::string_view fieldText) {
  CurveData data;
  data.tooManyCharacters = fieldText.size() >= CurveDataTextLimit;
  const std::string_view text = fieldText.substr(0, CurveDataTextLimit);
  std::vector<double> pending;
  for (std::size_t at = 0; at < text.size() && data.points.size() < CurveDataPairLimit;) {
    if (!IsNumberCharacter(text[at])) {
      ++at;
      continue;
    }
    const std::size_t end = RunEnd(text, at);
    if (end - at >= CurveDataNumberEnd) break;
    const auto fault = FaultAfter(text, at, end);
    const std::optional<double> value = TypedNumber(std::string(text.substr(at, end - at)));
    if (fault || !value) {
      const std::size_t shownEnd = fault ? RunEnd(text, end + 1) : end;
      data.valid = false;
      data.refusal = CurveDataRefusal{fault.value_or(CurveDataFault::NotANumber), data.points.size() + 1,
                                      !pending.empty(), std::string(text.substr(at, shownEnd - at))};
      data.points.clear();
      return data;
    }
    pending.push_back(*value);
    if (pending.size() == 2) {
      data.points.push_back({pending[0], pending[1]});
      pending.clear();
    }
    at = end;
  }
  data.tooManyPairs = data.points.size() > CurveDataPairsWithoutMessage;
  return data;
}
