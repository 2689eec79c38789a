#pragma once
// The program's pictures in their text form, compiled in from resources/bitmaps.
#include <vector>

struct EmbeddedPicture {
  const char* name;
  const char* text;
};

const std::vector<EmbeddedPicture>& EmbeddedPictures();
