#pragma once
// Letter case in Windows-1252, the program's character set, for every comparison that ignores it.
#include <array>
#include <cstddef>

namespace platform {

// The small letter of a capital: A to Z, À to Þ (not the multiplication sign ×), Š, Œ, Ž and Ÿ;
// every other byte as it is.
constexpr unsigned char LowerCase1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

// LowerCase1252 of every byte, for comparisons in a loop.
inline constexpr std::array<unsigned char, 256> LowerCase1252Table = [] {
  std::array<unsigned char, 256> table{};
  for (std::size_t c = 0; c < table.size(); ++c) table[c] = LowerCase1252(static_cast<unsigned char>(c));
  return table;
}();

}  // namespace platform
