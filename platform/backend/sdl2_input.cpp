#include "platform/backend/sdl2_input.h"

#include <algorithm>

#include "platform/gdi/charset.h"
#include "platform/win/win_constants.h"

namespace {

struct KeyPair {
  SDL_Keycode key;
  UINT virtualKey;
};

constexpr KeyPair Keys[] = {
    {SDLK_BACKSPACE, VK_BACK}, {SDLK_TAB, VK_TAB},       {SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_LSHIFT, VK_SHIFT},   {SDLK_RSHIFT, VK_SHIFT},  {SDLK_LCTRL, VK_CONTROL}, {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU},      {SDLK_RALT, VK_MENU},     {SDLK_ESCAPE, VK_ESCAPE}, {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},   {SDLK_PAGEDOWN, VK_NEXT}, {SDLK_END, VK_END},       {SDLK_HOME, VK_HOME},
    {SDLK_LEFT, VK_LEFT},      {SDLK_UP, VK_UP},         {SDLK_RIGHT, VK_RIGHT},   {SDLK_DOWN, VK_DOWN},
    {SDLK_INSERT, VK_INSERT},  {SDLK_DELETE, VK_DELETE}, {SDLK_F4, VK_F4},
};

// The length of the UTF-8 sequence a lead byte starts; a stray byte stands alone.
size_t SequenceLength(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

UINT VirtualKeyFor(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
  for (const KeyPair& pair : Keys) {
    if (pair.key == key) return pair.virtualKey;
  }
  return 0;
}

TypedText TypedCharacters(const char* utf8) {
  TypedText typed;
  if (utf8 == nullptr) return typed;
  const std::string text(utf8);
  for (size_t index = 0; index < text.size();) {
    const size_t length = std::min(SequenceLength(static_cast<unsigned char>(text[index])), text.size() - index);
    const std::optional<std::string> character = Cp1252FromUtf8(text.substr(index, length));
    const unsigned char byte = character && character->size() == 1 ? static_cast<unsigned char>((*character)[0]) : 0;
    if (byte >= 0x20 && byte != 0x7F) {
      typed.characters += static_cast<char>(byte);
    } else {
      ++typed.refused;
    }
    index += length;
  }
  return typed;
}
