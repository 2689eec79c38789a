#pragma once

#include <string>
#include <string_view>
#include <vector>

// The list file of the chemicals database: one database file a line, each '?' standing for one
// digit of the three-digit language code.

inline constexpr const char* ChemDbListFileName = "DATS\\OPENDATS.DAT";

// LanguageCode as three digits: 47 gives "047", 44 gives "044".
std::string ThreeDigitLanguageCode(int languageCode);

// An entry as read, without its line end. Returns 1 (skip) for a line that is empty or begins with
// '*'; otherwise replaces the first three '?' by the code's digits in turn and returns 0.
int FillPlaceholders(std::string& entry, std::string_view threeDigitCode);

// The part of an entry after its last backslash or slash, up to its first '.', at most 79
// characters: the name the window shows for the file.
std::string NameStem(std::string_view entry);

// An end file: the engine walks it, the window's name list leaves it out.
bool IsEndFile(std::string_view entry);

// The database files of a list, in list order: the entries before the first skip line that
// follows a file (skip lines before the first file are comments), placeholders filled.
std::vector<std::string> DatabaseFileEntries(const std::vector<std::string>& listLines,
                                             std::string_view threeDigitCode);

// The same, read from the list file; false when it cannot be opened.
bool ReadDatabaseList(std::vector<std::string>& entries, int languageCode);
