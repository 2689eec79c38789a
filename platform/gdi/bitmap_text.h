#pragma once
// Bitmaps kept as text, so that pictures can live in source:
//
//   # what the picture shows (comment lines, only before `size`)
//   size 55 32
//   palette
//   . #C0C0C0
//   r #FF0000
//   transparent .
//   pixels
//   ....rrrr....   (32 rows of 55 characters)
//
// `size W H`; the line `palette` and at most 16 entries, each a printable character (not a
// blank) and its colour; optionally `transparent KEY` naming an entry whose pixels an icon leaves
// out; the line `pixels` and H rows of exactly W palette characters.
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/surface.h"

struct BitmapTextResult {
  bool ok = false;
  Surface pixels;
  std::vector<bool> transparent;  // per pixel, row by row; empty when no key is transparent
  std::string error;              // "line N: what is wrong" when not ok
};

BitmapTextResult ParseBitmapText(std::string_view text);
