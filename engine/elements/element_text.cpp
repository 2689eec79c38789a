#include "engine/elements/element_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "engine/elements/element_tables.h"
#include "platform/services/files.h"
#include "engine/settings/settings.h"

namespace {

constexpr int LinesPerElement = 4;

std::string ReadHistoryLine(int Z) {
  const char* fileName = LanguageCode == NorwegianLanguage ? "DATS\\datfiles\\atomdata\\ngrstoff.dat"
                                                           : "DATS\\datfiles\\atomdata\\egrstoff.dat";
  auto file = platform::ReadFileLines(fileName);
  const std::size_t index = static_cast<std::size_t>(LinesPerElement * Z - 1);
  if (index >= file.lines.size()) return {};
  return file.lines[index].substr(0, ElementTextLineLimit);
}

// Start index of every row, and one more start where the text goes on past the
// last row. A word ends before a blank or the end of the text; a row takes words
// while its character count stays below width, and a word too long for any row
// is cut at width-1 characters.
std::vector<std::size_t> RowStarts(std::string_view text, int width) {
  std::vector<std::size_t> starts{0};
  std::size_t rowStart = 0;
  std::size_t nextRowStart = 0;
  int count = 0;
  std::size_t i = 0;
  while (i < text.size() && starts.size() <= ElementTextRowCount) {
    ++count;
    if (count < width) {
      if (i + 1 == text.size() || text[i + 1] == ' ') nextRowStart = std::min(i + 2, text.size());
      ++i;
      continue;
    }
    if (nextRowStart <= rowStart) nextRowStart = rowStart + static_cast<std::size_t>(width - 1);
    if (nextRowStart >= text.size()) break;
    rowStart = nextRowStart;
    starts.push_back(rowStart);
    count = 0;
    i = rowStart;
  }
  return starts;
}

}  // namespace

int ReadElementText(ElementTextRows& rows, int Z, int width) {
  for (auto& row : rows) row.clear();
  if (Z < 1 || Z > ElementCount) return 1;
  width = std::clamp(width, 2, ElementTextRowSize);
  const std::string text = ReadHistoryLine(Z);
  const auto starts = RowStarts(text, width);
  const std::size_t rowCount = std::min<std::size_t>(starts.size(), ElementTextRowCount);
  for (std::size_t row = 0; row < rowCount; ++row) {
    const std::size_t end = row + 1 < starts.size() ? starts[row + 1] : text.size();
    std::string_view piece = std::string_view(text).substr(starts[row], end - starts[row]);
    if (!piece.empty() && piece.back() == ' ') piece.remove_suffix(1);
    rows[row] = piece;
  }
  return static_cast<int>(rowCount);
}
