#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/elements/element_tables.h"
#include "engine/elements/element_text.h"
#include "engine/settings/settings.h"
#include "fuzz/work_folder.h"
#include "platform/services/text_file.h"

namespace {

// The history text of element Z as the file holds it: line 4Z, read with every line end alike.
std::string HistoryLine(const std::string& bytes, int Z) {
  const auto lines = platform::SplitLines(platform::ProgramText(bytes));
  const std::size_t index = static_cast<std::size_t>(4 * Z - 1);
  return index < lines.size() ? lines[index].substr(0, ElementTextLineLimit) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MakeFuzzWorkFolder();
  return 0;
}

// Byte 0: the element (and bit 7 the language); byte 1: the row width (bit 7: a read-only file);
// the rest: the history file. The rows hold the text of line 4Z in order, each at most width-1
// characters; only blanks fall between two rows, and after the last unless all rows are used.
bool InputHolds(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return true;
  LanguageCode = (data[0] & 0x80) != 0 ? EnglishLanguage : NorwegianLanguage;
  const int Z = (data[0] & 0x7F) % (ElementCount + 2);
  const int width = data[1] % (ElementTextRowSize + 4);
  const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  WriteBytes(
      LanguageCode == EnglishLanguage ? "dats/datfiles/atomdata/egrstoff.dat" : "dats/datfiles/atomdata/ngrstoff.dat",
      bytes, (data[1] & 0x80) != 0 ? 0444 : 0644);

  ElementTextRows rows;
  const int count = ReadElementText(rows, Z, width);
  if (count < 1 || count > ElementTextRowCount) return false;
  for (int row = count; row < ElementTextRowCount; ++row)
    if (!rows[static_cast<std::size_t>(row)].empty()) return false;
  if (Z < 1 || Z > ElementCount) {
    if (count != 1 || !rows[0].empty()) return false;
    return true;
  }
  const std::string text = HistoryLine(bytes, Z);
  const std::size_t mostInRow = static_cast<std::size_t>(std::clamp(width, 2, ElementTextRowSize) - 1);
  std::size_t position = 0;
  auto skipBlanksBefore = [&](const std::string& piece) {
    while (text.compare(position, piece.size(), piece) != 0 && position < text.size() && text[position] == ' ')
      ++position;
  };
  for (int row = 0; row < count; ++row) {
    const std::string& piece = rows[static_cast<std::size_t>(row)];
    if (piece.size() > mostInRow) return false;
    skipBlanksBefore(piece);
    if (text.compare(position, piece.size(), piece) != 0) return false;
    position += piece.size();
  }
  while (position < text.size() && text[position] == ' ') ++position;
  if (count < ElementTextRowCount && position != text.size()) return false;
  return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckInFuzzWorkFolder([&] { return InputHolds(data, size); });
  return 0;
}
