#pragma once
// Keyboard input from SDL in the program's terms: virtual keys, and typed text as Windows-1252
// characters. A typed character that Windows-1252 does not have is refused, never garbled.
#include <SDL.h>

#include <string>

#include "platform/gdi/wintypes.h"

// The virtual key of an SDL key; 0 for a key the program has no virtual key for.
UINT VirtualKeyFor(SDL_Keycode key);

struct TypedText {
  std::string characters;  // Windows-1252, in the order typed
  int refused = 0;         // characters left out: not valid UTF-8, or outside Windows-1252
};
TypedText TypedCharacters(const char* utf8);
