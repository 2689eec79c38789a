#include "spectroscopy/spectral_field_numbers.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/reaction.h"
#include "engine/textutil.h"
#include "runtime/dialog_item_text.h"

std::string BlankFreeFieldText(const CWnd& dialog, int id) {
  std::string text = DialogItemText(dialog, id, std::string::npos);
  RemoveBlanks(text);
  return text;
}

std::optional<double> TableNumberValue(const std::string& blankFree) {
  std::string text = blankFree;
  std::string numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = 0;
  double value = 0;
  if (ParseNumberText(text, DoublePrecisionLimits, numberText, WholeNumberMode, nextChar, intClass, position, value) !=
      ValidNumber)
    return std::nullopt;
  if (value != 0 && std::atof(blankFree.c_str()) == 0) return std::nullopt;
  return value;
}
