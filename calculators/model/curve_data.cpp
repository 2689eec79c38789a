#include "calculators/model/curve_data.h"

#include <cstdint>
#include <string>

#include "engine/reaction.h"

namespace {

bool IsNumberCharacter(char c) { return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-'; }

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
    std::size_t end = at;
    while (end < text.size() && IsNumberCharacter(text[end])) ++end;
    if (end - at >= CurveDataNumberEnd) break;
    std::string number(text.substr(at, end - at));
    std::string numberText;
    char nextChar = 0;
    std::int8_t intClass = 0;
    int position = 0;
    double value = 0;
    if (ParseNumberText(number, DoublePrecisionLimits, numberText, WholeNumberMode, nextChar, intClass, position,
                        value) != 0) {
      data.valid = false;
      data.points.clear();
      return data;
    }
    pending.push_back(value);
    if (pending.size() == 2) {
      data.points.push_back({pending[0], pending[1]});
      pending.clear();
    }
    at = end;
  }
  data.tooManyPairs = data.points.size() > CurveDataPairsWithoutMessage;
  return data;
}
