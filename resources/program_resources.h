#pragma once
// Registers the program's resources (dialog templates, the menu, the string table, the bitmaps and
// the icon) with the window layer. Called once at start, before any window is made. The bitmaps
// are read as they are first used; a picture that cannot be read is missing.
void RegisterProgramResources();

// The name of the window icon; every other picture is a bitmap.
inline constexpr const char* ProgramIconName = "TVRN";
