#pragma once
// The face that stands in for the dialog font "Helv": the outlines of the installed sans face with
// the advance widths of a table fitted to the program's dialog layouts, which are laid out for a
// face whose average letter is one horizontal dialog base unit (7 pixels at 8 points) wide.
#include <string_view>

// The dialog font's em in pixels at 8 points, the size the table's widths are given for.
inline constexpr int DialogFaceDesignEm = 11;

bool IsDialogFaceName(std::string_view faceName);
// A character's advance at an em `emWidth` pixels wide, the table's width scaled and rounded.
int DialogFaceAdvance(unsigned char character, int emWidth);
// The average width of the 52 letters a-z and A-Z, rounded, at an em `emWidth` pixels wide.
int DialogFaceAverageWidth(int emWidth);
int DialogFaceMaxWidth(int emWidth);
