#pragma once
// Bitmaps kept as text, so that pictures can live in source:
//
//   size 55 32
//   palette . #C0C0C0
//   palette r #FF0000
//   pixels
//   ....rrrr....   (32 rows of 55 characters)
//
// `size W H` comes first; then at most 16 `palette` lines, each naming one character (not a
// blank) and its colour; then the line `pixels` and H rows of exactly W palette characters.
// Blank lines before `pixels` are ignored.
#include <string>

#include "surface.h"

struct BitmapTextResult {
  bool ok = false;
  Surface pixels;
  std::string error;  // "line N: what is wrong" when not ok
};

BitmapTextResult ParseBitmapText(const std::string& text);
