#include "platform/gdi/charset.h"

#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F; zero marks the unassigned ones.
constexpr std::array<char32_t, 32> HighControls = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

char32_t UnicodeFromCp1252(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && HighControls[byte - 0x80] != 0) return HighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> Cp1252FromUnicode(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<unsigned char>(codePoint);
  for (size_t index = 0; index < HighControls.size(); ++index) {
    if (HighControls[index] == codePoint) return static_cast<unsigned char>(0x80 + index);
  }
  return std::nullopt;
}

std::string Utf8FromCp1252(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char byte : text) AppendUtf8(UnicodeFromCp1252(byte), out);
  return out;
}

namespace {

// The code point of the UTF-8 sequence at index, moving index past it; false for a malformed one,
// with index past its lead byte.
bool DecodeNext(const std::string& text, size_t& index, char32_t& code) {
  const unsigned char lead = static_cast<unsigned char>(text[index++]);
  int extra = 0;
  if (lead < 0x80) {
    code = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    code = lead & 0x07;
  } else {
    return false;
  }
  for (int follow = 0; follow < extra; ++follow) {
    if (index >= text.size()) return false;
    const unsigned char next = static_cast<unsigned char>(text[index]);
    if ((next & 0xC0) != 0x80) return false;
    code = (code << 6) | (next & 0x3F);
    ++index;
  }
  // The shortest form only: "\xC0\x80" is two Windows-1252 letters, not a hidden NUL.
  constexpr std::array<char32_t, 4> ShortestFrom = {0, 0x80, 0x800, 0x10000};
  return code >= ShortestFrom[static_cast<size_t>(extra)];
}

// The bytes of a UTF-8 text, each code point through toByte; empty when a sequence is malformed or
// a code point has no byte.
template <typename ToByte>
std::optional<std::string> BytesFromUtf8(const std::string& text, ToByte toByte) {
  std::string out;
  for (size_t index = 0; index < text.size();) {
    char32_t code = 0;
    if (!DecodeNext(text, index, code)) return std::nullopt;
    const std::optional<unsigned char> byte = toByte(code);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

}  // namespace

std::optional<std::string> Cp1252FromUtf8(const std::string& text) { return BytesFromUtf8(text, Cp1252FromUnicode); }

std::optional<std::string> Cp1252BytesFromUtf8(const std::string& text) {
  return BytesFromUtf8(text, [](char32_t code) -> std::optional<unsigned char> {
    if (code >= 0x80 && code < 0xA0 && HighControls[code - 0x80] == 0) return static_cast<unsigned char>(code);
    return Cp1252FromUnicode(code);
  });
}

std::string Cp1252ForDisplay(const std::string& text) {
  std::string out;
  for (size_t index = 0; index < text.size();) {
    char32_t code = 0;
    const std::optional<unsigned char> byte =
        DecodeNext(text, index, code) ? Cp1252FromUnicode(code) : std::optional<unsigned char>();
    out += byte ? static_cast<char>(*byte) : '?';
  }
  return out;
}
