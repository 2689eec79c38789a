#pragma once

#include <string>
#include <string_view>
#include <vector>

// The two shapes of the program's reference tables. A record file: a line
// beginning with '\' opens every record, and one closes the last, so n records
// have n + 1 separator lines; line k of a record is the k-th line after its
// separator. A list file: one entry per line.

inline constexpr char RecordSeparatorMark = '\\';
inline constexpr const char* RecordSeparatorLine = "\\";

bool IsSeparatorLine(std::string_view line);

// The records of a record file's lines, in file order; lines before the first
// separator belong to no record. A last record without its closing separator
// (a file cut short) counts.
std::vector<std::vector<std::string>> RecordsOf(const std::vector<std::string>& lines);

// Line lineNumber (from 1) of a record, empty when the record is shorter.
std::string RecordLine(const std::vector<std::string>& record, int lineNumber);

// The records of a table on disk, also of one marked read-only; none when it
// is missing or cannot be read.
std::vector<std::vector<std::string>> ReadRecordFile(std::string_view programPath);

// The entries of a list file on disk, with the same rule.
std::vector<std::string> ReadListFile(std::string_view programPath);

// Set to 1 whenever the balancing list, the thermochemistry list, the
// names-and-formulas table or the redox table is rewritten; the windows that
// show those lists reload them when they find it set, and clear it.
extern int ListFileChanged;
