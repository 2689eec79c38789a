#include "platform/backend/sdl2_input.h"

#include <gtest/gtest.h>

#include "platform/win/win_constants.h"

namespace {

TEST(Sdl2Input, KeysMapToTheirVirtualKeys) {
  const struct {
    SDL_Keycode key;
    UINT virtualKey;
  } cases[] = {
      {SDLK_a, 'A'},
      {SDLK_z, 'Z'},
      {SDLK_0, '0'},
      {SDLK_9, '9'},
      {SDLK_RETURN, VK_RETURN},
      {SDLK_KP_ENTER, VK_RETURN},
      {SDLK_ESCAPE, VK_ESCAPE},
      {SDLK_TAB, VK_TAB},
      {SDLK_BACKSPACE, VK_BACK},
      {SDLK_DELETE, VK_DELETE},
      {SDLK_LEFT, VK_LEFT},
      {SDLK_DOWN, VK_DOWN},
      {SDLK_HOME, VK_HOME},
      {SDLK_PAGEDOWN, VK_NEXT},
      {SDLK_RSHIFT, VK_SHIFT},
      {SDLK_LCTRL, VK_CONTROL},
      {SDLK_F4, VK_F4},
      {SDLK_F13, 0},
      {SDLK_CAPSLOCK, 0},
  };
  for (const auto& each : cases) EXPECT_EQ(VirtualKeyFor(each.key), each.virtualKey) << SDL_GetKeyName(each.key);
}

TEST(Sdl2Input, TypedTextBecomesWindows1252AndWhatItLacksIsRefused) {
  const struct {
    const char* utf8;
    const char* characters;
    int refused;
  } cases[] = {
      {"abc", "abc", 0},
      {"\xC3\xA6\xC3\x86", "\xE6\xC6", 0},          // æ Æ
      {"\xE2\x82\xAC", "\x80", 0},                  // € lives at 0x80
      {"\xE2\x80\x9C\xE2\x80\x9D", "\x93\x94", 0},  // curly quotes
      {"a\xCE\xA9"
       "b",
       "ab", 1},                    // Ω is not in the set
      {"\xF0\x9F\x98\x80", "", 1},  // an emoji
      {"\xC2\x81", "", 1},          // U+0081 has no byte
      {"x\xC3", "x", 1},            // a sequence cut short
      {"\xFF"
       "y",
       "y", 1},         // a byte that starts nothing
      {"\x7F", "", 1},  // a control character types nothing
  };
  for (const auto& each : cases) {
    const TypedText typed = TypedCharacters(each.utf8);
    EXPECT_EQ(typed.characters, each.characters) << each.utf8;
    EXPECT_EQ(typed.refused, each.refused) << each.utf8;
  }
}

}  // namespace
