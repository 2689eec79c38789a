#pragma once
// Registers the program's resources (dialog templates, the menu, the string table, the bitmaps and
// the icon) with the window layer. Called once at start, before any window is made.
#include <string>
#include <vector>

// Returns the faults of pictures that could not be read; those pictures are left out.
std::vector<std::string> RegisterProgramResources();

// The name of the window icon; every other picture is a bitmap.
inline constexpr const char* ProgramIconName = "TVRN";
