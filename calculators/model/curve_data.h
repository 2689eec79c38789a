#pragma once
// The curve-fit window's data field turned into X/Y points. Every character but the digits, '.',
// 'e', 'E' and '-' separates numbers, so blanks, commas, semicolons, line breaks, '+' and other
// letters may stand between them; numbers alternate X, Y.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/model/curve_fit_models.h"

// The field is read up to this many characters; a field that holds as many gets a message.
inline constexpr std::size_t CurveDataTextLimit = 7675;
// Reading stops after this many pairs; all of them are fitted.
inline constexpr std::size_t CurveDataPairLimit = 202;
// More pairs than this get a message.
inline constexpr std::size_t CurveDataPairsWithoutMessage = 200;
// A number text of this many characters ends the reading; the pairs before it count.
inline constexpr std::size_t CurveDataNumberEnd = 36;

// Why the data is refused.
enum class CurveDataFault {
  NotANumber,
  PlusInExponent,  // "2E+1": the '+' separates, and "2E" is no number
  DecimalComma,    // "1,5" between two digits: a decimal written with a comma
};

struct CurveDataRefusal {
  CurveDataFault fault = CurveDataFault::NotANumber;
  std::size_t pair = 0;  // from 1
  bool y = false;        // the pair's Y, else its X
  std::string text;      // as typed: "2E+1", "1,5", "x4e"
};

struct CurveData {
  bool valid = true;  // false: a number text is no valid number, and nothing is fitted or plotted
  std::optional<CurveDataRefusal> refusal;  // why, when not valid
  std::vector<CurvePoint> points;
  bool tooManyPairs = false;       // more than 200 pairs: the message TOO MANY NUMBERS
  bool tooManyCharacters = false;  // the field held 7675 characters or more
};

// Reads the data field's text; each number goes through the number check with the limits of
// double precision. A last X without its Y is left out.
CurveData ReadCurveData(std::string_view fieldText);
