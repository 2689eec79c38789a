#include "platform/gdi/dialog_face.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace {

// Advances in pixels at the 11-pixel em of the Windows-1252 characters 0x20 to 0xFF, fitted to the
// dialog layouts from the sans face's own hinted advances at that size (measured with the layout
// test of every dialog template): the lower-case letters, accented ones included, a pixel wider, so
// that the letters average the 7-pixel base unit and the raised and lowered statics of the periodic
// table and the property graph fall into the runs of blanks their captions leave; the blank 4
// pixels, so that column headings spaced with blanks stand over their columns; 'p' and the hyphen
// a pixel narrower and 'K' two wider, so that the exponents of "Kovalent radius *10 m" fit in both
// windows; figures and the other capitals as the face has them, so that the group headings of the
// periodic table keep to their statics.
constexpr std::array<unsigned char, 224> Advances = {
    /* 20 */ 4, 3, 4, 6, 6, 10, 7, 2, 4, 4, 4, 6, 3, 3, 3, 3,
    /* 30 */ 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3, 6, 6, 6, 6,
    /* 40 */ 11, 7, 7, 8, 8, 7, 7, 9, 8, 3, 6, 9, 6, 9, 8, 9,
    /* 50 */ 7, 9, 8, 7, 7, 8, 7, 10, 7, 7, 7, 3, 3, 3, 5, 6,
    /* 60 */ 4, 7, 7, 7, 7, 7, 4, 7, 7, 3, 3, 7, 3, 10, 7, 7,
    /* 70 */ 6, 7, 5, 7, 4, 7, 7, 9, 7, 7, 7, 4, 3, 4, 6, 8,
    /* 80 */ 6, 8, 2, 7, 4, 11, 6, 6, 4, 11, 7, 4, 11, 8, 7, 8,
    /* 90 */ 8, 2, 2, 4, 4, 4, 6, 11, 4, 11, 7, 4, 11, 8, 7, 7,
    /* A0 */ 4, 4, 6, 6, 6, 6, 3, 6, 4, 8, 4, 6, 6, 4, 8, 6,
    /* B0 */ 4, 6, 4, 4, 4, 6, 6, 4, 4, 4, 4, 6, 9, 9, 9, 7,
    /* C0 */ 7, 7, 7, 7, 7, 7, 11, 8, 7, 7, 7, 7, 3, 3, 3, 3,
    /* D0 */ 8, 8, 9, 9, 9, 9, 9, 6, 9, 8, 8, 8, 8, 7, 7, 8,
    /* E0 */ 7, 7, 7, 7, 7, 7, 11, 7, 7, 7, 7, 7, 4, 4, 4, 4,
    /* F0 */ 7, 7, 7, 7, 7, 7, 7, 6, 7, 7, 7, 7, 7, 7, 7, 7,
};

int TableWidth(unsigned char character) { return character < 0x20 ? Advances[0] : Advances[character - 0x20]; }

int Scaled(int width, int emWidth) { return (width * emWidth + DialogFaceDesignEm / 2) / DialogFaceDesignEm; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

}  // namespace

std::string DialogFontFace(std::string_view templateFace) {
  const std::string lower = Lower(templateFace);
  return lower == "helv" || lower == "ms sans serif" ? DialogFontFaceName : std::string(templateFace);
}

bool IsDialogFaceName(std::string_view faceName) { return Lower(faceName) == Lower(DialogFontFaceName); }

int DialogFaceAdvance(unsigned char character, int emWidth) { return Scaled(TableWidth(character), emWidth); }

int DialogFaceAverageWidth(int emWidth) {
  int sum = 0;
  for (unsigned char letter = 'a'; letter <= 'z'; ++letter) {
    sum += DialogFaceAdvance(letter, emWidth) + DialogFaceAdvance(static_cast<unsigned char>(std::toupper(letter)), emWidth);
  }
  return (sum + 26) / 52;
}

int DialogFaceMaxWidth(int emWidth) { return Scaled(*std::ranges::max_element(Advances), emWidth); }
