#pragma once
// The data sheet of the current record as two linked web pages in "dats\htmfiles": page 1 (the
// stem + ".htm") with the name, formula, hazard symbols and the ten sections of the safety text,
// page 2 (the stem + "1.htm") with the technical data. The pages are UTF-8; the hazard symbols are
// the pictures "htmutil/<code>.png" beside them.
#include <string>
#include <string_view>

#include "chemicals_database/model/record_layout.h"

inline constexpr const char* DatasheetFolder = "dats\\htmfiles";
inline constexpr std::size_t DatasheetStemLimit = 7;

// A stem of one to seven ASCII letters and digits: nothing else can reach a file name.
bool IsSafeDatasheetStem(std::string_view stem);

// The picture name of a hazard class code, as the page names it: a '+' in the second place becomes
// 'x' (T+ is stored as Tx); empty for a code that does not begin with a capital letter.
std::string HazardSymbolName(std::string_view code);

struct DatasheetPages {
  std::string sheet;          // page 1
  std::string technicalData;  // page 2
};

// The file names of the two pages, which each page's link names.
struct DatasheetFileNames {
  std::string sheet;          // the stem + ".htm"
  std::string technicalData;  // the stem + "1.htm"
};
DatasheetFileNames DatasheetFileNamesOf(std::string_view stem);

// Both pages, in UTF-8, for the record's slots and its safety text (in the program's character set).
DatasheetPages ComposeDatasheetPages(const ChemDbRecordBuffer& record, std::string_view safetyText,
                                     const DatasheetFileNames& names);

enum class DatasheetResult {
  Written,
  BadStem,     // nothing written
  NotWritten,  // a page could not be written; both pages already there are as they were
};

// Writes both pages as one safe rewrite, making the folder when it is missing. A page already
// there under another letter case keeps its name, and the links name the files as written.
DatasheetResult WriteDatasheetPages(const ChemDbRecordBuffer& record, std::string_view safetyText,
                                   std::string_view stem);
