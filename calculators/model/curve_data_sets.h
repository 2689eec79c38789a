#pragma once
// The named data sets of the curve-fit window: one record file a language, 19 lines a record, and
// what goes into and comes out of a record's lines.
#include <string>
#include <string_view>
#include <vector>

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

// The number at the start of a text, leading blanks skipped; 0 when it does not start with one.
double LeadingNumber(std::string_view text);
