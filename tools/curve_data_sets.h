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

// The data as a record keeps it on one line: backslashes and BELs become blanks, other control
// characters but line feed and tab are dropped, and each line feed becomes BEL.
std::string StoredCurveData(std::string_view shown);

// Five characters, '1' or '0': hide points, grid, frame, then two zeros.
std::string CurveOptionFlags(int hidePoints, int grid, int frame);

// The number at the start of a text, leading blanks skipped; 0 when it does not start with one.
double LeadingNumber(std::string_view text);
