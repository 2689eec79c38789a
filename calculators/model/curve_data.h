#pragma once
// The curve-fit window's data field turned into X/Y points. Every character but the digits, '.',
// 'e', 'E' and '-' separates numbers, so blanks, commas, semicolons, line breaks, '+' and other
// letters may stand between them; numbers alternate X, Y.
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

struct CurveData {
  bool valid = true;  // false: a number text is no valid number, and nothing is fitted or plotted
  std::vector<CurvePoint> points;
  bool tooManyPairs = false;       // more than 200 pairs: the message TOO MANY NUMBERS
  bool tooManyCharacters = false;  // the field held 7675 characters or more
};

// Reads the data field's text; each number goes through the number check with the limits of
// double precision. A last X without its Y is left out.
CurveData ReadCurveData(std::string_view fieldText);
