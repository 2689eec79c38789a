#include "calculators/model/curve_data_sets.h"

#include <array>
#include <cmath>
#include <limits>

#include "engine/numbers/number_text.h"
#include "engine/numbers/typed_number.h"
#include "engine/records/record_file.h"
#include "engine/records/record_rewrite.h"
#include "engine/settings/settings.h"
#include "platform/services/text_file.h"

namespace {

using Kind = RecordLineSource::Kind;

constexpr std::size_t TextFieldLimit = 251;
constexpr std::size_t RangeFieldLimit = 37;
constexpr std::size_t DataLineLimit = 7677;
constexpr char LineBreakMark = '\a';
constexpr int FirstRangeLine = 6;
constexpr int ModelLine = 12;

std::vector<RecordLineSource> CurveDataSetFrame() {
  std::vector<RecordLineSource> frame = {
      {Kind::Empty},
      {Kind::Empty},
      {Kind::Field, TitleField, TextFieldLimit},
      {Kind::Field, XAxisTextField, TextFieldLimit},
      {Kind::Field, YAxisTextField, TextFieldLimit},
      {Kind::Field, XMinField, RangeFieldLimit},
      {Kind::Field, XMaxField, RangeFieldLimit},
      {Kind::Field, YMinField, RangeFieldLimit},
      {Kind::Field, YMaxField, RangeFieldLimit},
      {Kind::Field, OptionFlagsField, TextFieldLimit},
      {Kind::Empty},
      {Kind::Field, ModelField, TextFieldLimit},
      {Kind::Field, DataField, DataLineLimit},
  };
  frame.resize(19);
  return frame;
}

TableEditorConfig DataSetEditor(const char* fileName) {
  return {fileName, TableShape::RecordFile, 1, CurveDataSetFrame(), TextFieldLimit, false, false, "element", "et navn"};
}

const TableEditorConfig NorwegianDataSets = DataSetEditor("dats\\datfiles\\atomdata\\noplot.dat");
const TableEditorConfig EnglishDataSets = DataSetEditor("dats\\datfiles\\atomdata\\enplot.dat");

}  // namespace

const TableEditorConfig& CurveDataSetEditor() {
  return LanguageCode == NorwegianLanguage ? NorwegianDataSets : EnglishDataSets;
}

void EnsureOpeningSeparator(const TableEditorConfig& config) {
  platform::FileLines file = platform::ReadFileLines(config.fileName);
  if (file.status != platform::FileReadStatus::Read || file.lines.empty() || file.lines.front() == RecordSeparatorLine)
    return;
  file.lines.insert(file.lines.begin(), RecordSeparatorLine);
  WriteTableLines(config.fileName, file.lines);
}

std::string StoredCurveData(std::string_view shown) {
  std::string stored;
  for (char c : shown) {
    if (c == '\\' || c == LineBreakMark)
      stored += ' ';
    else if (c == '\n')
      stored += LineBreakMark;
    else if (static_cast<unsigned char>(c) >= ' ' || c == '\t')
      stored += c;
  }
  return stored;
}

std::string CurveOptionFlags(int hidePoints, int grid, int frame) {
  auto flag = [](int value) { return value == 1 ? '1' : '0'; };
  return {flag(hidePoints), flag(grid), flag(frame), '0', '0'};
}

std::optional<double> TypedRangeValue(std::string_view text) {
  return TypedNumberOrZero(std::string(text));
}

StoredCurveNumbers ReadStoredCurveNumbers(const std::vector<std::string>& record) {
  StoredCurveNumbers stored;
  std::array<double, 4> ranges{};
  bool rangesWhole = true;
  for (int i = 0; i < 4; ++i) {
    const std::optional<double> value = ReadStoredNumber(RecordLine(record, FirstRangeLine + i));
    rangesWhole = rangesWhole && value.has_value();
    if (value) ranges[static_cast<std::size_t>(i)] = *value;
  }
  if (rangesWhole) stored.ranges = CurveRanges{ranges[0], ranges[1], ranges[2], ranges[3]};
  const std::optional<double> model = ReadStoredNumber(RecordLine(record, ModelLine));
  if (model && *model == std::trunc(*model) && std::fabs(*model) <= std::numeric_limits<int>::max())
    stored.model = static_cast<int>(*model);
  stored.damaged = !stored.ranges || !stored.model;
  return stored;
}
