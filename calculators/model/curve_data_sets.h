#pragma once
// The named data sets of the curve-fit window: one record file a language, 19 lines a record, and
// what goes into and comes out of a record's lines.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/model/curve_scale.h"
#include "engine/records/table_editor.h"

// The record's fields as the editor's field indexes name them; the key is the data set's name.
enum CurveDataSetField {
  TitleField,
  XAxisTextField,
  YAxisTextField,
  XMinField,
  XMaxField,
  YMinField,
  YMaxField,
  OptionFlagsField,
  ModelField,
  DataField,
  CurveDataSetFieldCount
};

// The data-set file of the language: noplot.dat when LanguageCode is 47, enplot.dat otherwise.
const TableEditorConfig& CurveDataSetEditor();

// A data-set file that holds lines but not its opening separator gets one in front of them
// (through the safe rewrite), so that it takes its first data set; what it held stays behind. A
// file that cannot be rewritten is left as it is, and the add that follows reports it.
void EnsureOpeningSeparator(const TableEditorConfig& config);

// The data as a record keeps it on one line: backslashes and BELs become blanks, other control
// characters but line feed and tab are dropped, and each line feed becomes BEL.
std::string StoredCurveData(std::string_view shown);

// Five characters, '1' or '0': hide points, grid, frame, then two zeros.
std::string CurveOptionFlags(int hidePoints, int grid, int frame);

// A range as typed into its field: the whole text, blanks dropped, read as one finite number; an
// empty or blank field is 0, as an empty stored range is. None for anything else ("abc", "12,5",
// "1e999", "nan").
std::optional<double> TypedRangeValue(std::string_view text);

// The numbers a data set's record stores: the four axis ranges (lines 6 to 9, an empty line
// being 0) and the model code (line 12, an empty line being 0). A line that holds no number the
// table can hold counts as missing and marks the record damaged: a damaged range leaves all four
// to the data, a damaged model code leaves the model in force.
struct StoredCurveNumbers {
  std::optional<CurveRanges> ranges;
  std::optional<int> model;
  bool damaged = false;
};
StoredCurveNumbers ReadStoredCurveNumbers(const std::vector<std::string>& record);
