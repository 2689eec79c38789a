#pragma once
// The face that stands in for the dialog font "Helv": the outlines of the installed sans face with
// the advance widths of a table fitted to the program's dialog layouts, which are laid out for a
// face whose average letter is one horizontal dialog base unit (7 pixels at 8 points) wide.
#include <string>
#include <string_view>

// The dialog font's em in pixels at 8 points, the size the table's widths are given for.
inline constexpr int DialogFaceDesignEm = 11;

// The name under which a dialog's own font, made from its template's point size and "Helv" (or
// "MS Sans Serif"), asks for the fitted face. Only that font takes the table's widths: the layouts
// of texts in a font the program makes by name and pixel height (the launcher's captions) fit the
// sans face's own advances.
inline constexpr char DialogFontFaceName[] = "Helv Dialog";

// The face name a dialog's font is made with for its template's face name.
std::string DialogFontFace(std::string_view templateFace);
bool IsDialogFaceName(std::string_view faceName);
// A character's advance at an em `emWidth` pixels wide, the table's width scaled and rounded.
int DialogFaceAdvance(unsigned char character, int emWidth);
// The average width of the 52 letters a-z and A-Z, rounded, at an em `emWidth` pixels wide.
int DialogFaceAverageWidth(int emWidth);
int DialogFaceMaxWidth(int emWidth);
