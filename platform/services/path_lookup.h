#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// The path on disk of a file named as the program names it ("dats\tavrpar.dat"):
// '\' and '/' separate the components, and each component matches an entry of
// its folder without regard to case (an exact match is preferred).
// Relative names start at the working folder. Empty when a component is missing.
std::optional<std::filesystem::path> FindExistingPath(std::string_view programPath);

// Where a file of that name is to be written: its folders must exist (matched as
// above); the last component is the existing entry it matches, or else is taken
// as written. Empty when a folder is missing.
std::optional<std::filesystem::path> PathForWriting(std::string_view programPath);

// True when two names are equal without regard to Windows-1252 case (LowerCase1252). When either
// name is UTF-8 beyond ASCII, the bytes 0x80 to 0xBF, which continue its characters, keep their
// case, so no two UTF-8 characters are taken for each other.
bool NamesMatchIgnoringCase(std::string_view first, std::string_view second);

}  // namespace platform
