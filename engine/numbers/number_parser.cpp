#include <algorithm>

#include "engine/numbers/number_scan.h"
#include "engine/reaction.h"
#include "engine/textutil.h"

int ParseNumberText(std::string& text, int limits, std::string& numberText, int mode, char& nextChar,
                    std::int8_t& intClass, int& position, double& value) {
  const bool wholeMode = mode == WholeNumberMode;
  std::size_t start = 0;
  if (wholeMode) {
    RemoveBlanks(text);
  } else {
    start = static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(text.size())));
  }
  const NumberScan scan = ScanNumber(text, limits, wholeMode, start);
  numberText.assign(text, start, scan.length);
  const std::size_t after = start + scan.length;
  nextChar = after < text.size() ? text[after] : '\0';
  position = static_cast<int>(std::min(scan.end, text.size()));
  value = scan.value;
  if (scan.code == 0) ClassifyInteger(value, intClass);
  return scan.code;
}
