#pragma once
// Windows-1252, the program's character set, and its conversions at the edges.
#include <cstdint>
#include <optional>
#include <string>

// The Unicode code point of a Windows-1252 byte; the five unassigned bytes map to themselves.
char32_t UnicodeFromCp1252(unsigned char byte);
// The Windows-1252 byte of a code point, if the set has one.
std::optional<unsigned char> Cp1252FromUnicode(char32_t codePoint);

std::string Utf8FromCp1252(const std::string& text);
// Empty when the text is not valid UTF-8 or holds a character outside Windows-1252.
std::optional<std::string> Cp1252FromUtf8(const std::string& text);
// The exact inverse of Utf8FromCp1252, for text kept in files: as Cp1252FromUtf8, and the code
// points of the five unassigned bytes give those bytes back.
std::optional<std::string> Cp1252BytesFromUtf8(const std::string& text);
// For showing text from outside (a file name): what Windows-1252 lacks, or is not UTF-8, becomes '?'.
std::string Cp1252ForDisplay(const std::string& text);
