#include "spectroscopy/spectral_field_numbers.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/numbers/typed_number.h"
#include "engine/textutil.h"
#include "runtime/dialog_item_text.h"

std::string BlankFreeFieldText(const CWnd& dialog, int id) {
  std::string text = DialogItemText(dialog, id, std::string::npos);
  RemoveBlanks(text);
  return text;
}

std::optional<double> TableNumberValue(const std::string& blankFree) {
  const std::optional<double> value = TypedNumber(blankFree);
  if (!value) return std::nullopt;
  if (*value != 0 && std::atof(blankFree.c_str()) == 0) return std::nullopt;
  return value;
}
