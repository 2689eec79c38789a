#pragma once
// The basic scalar, handle and geometry types every layer of the program speaks.
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using DWORD_PTR = std::uintptr_t;
using COLORREF = std::uint32_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPCTSTR = const char*;
using LPTSTR = char*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Handles are opaque tokens; the layer maps them to its objects and can tell a stale one.
#define TAVRIN_DECLARE_HANDLE(name) \
  struct name##__;                  \
  using name = name##__*
TAVRIN_DECLARE_HANDLE(HWND);
TAVRIN_DECLARE_HANDLE(HDC);
TAVRIN_DECLARE_HANDLE(HGDIOBJ);
TAVRIN_DECLARE_HANDLE(HMENU);
TAVRIN_DECLARE_HANDLE(HICON);
TAVRIN_DECLARE_HANDLE(HINSTANCE);
#undef TAVRIN_DECLARE_HANDLE
using HCURSOR = HICON;
using HMODULE = HINSTANCE;
// GDI objects share one handle space, as the drawing calls accept any of them.
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HFONT = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HRGN = HGDIOBJ;

template <typename Handle>
Handle HandleFromNumber(std::uintptr_t number) {
  return reinterpret_cast<Handle>(number);
}
template <typename Handle>
std::uintptr_t NumberFromHandle(Handle handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

constexpr WORD LOWORD(std::uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(std::uintptr_t value) { return static_cast<BYTE>(value & 0xFF); }
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
  return static_cast<LPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr LRESULT MAKELRESULT(unsigned low, unsigned high) { return MAKELPARAM(low, high); }
constexpr DWORD MAKELONG(unsigned low, unsigned high) { return (low & 0xFFFF) | ((high & 0xFFFF) << 16); }
constexpr int GET_X_LPARAM(LPARAM value) { return static_cast<std::int16_t>(LOWORD(value)); }
constexpr int GET_Y_LPARAM(LPARAM value) { return static_cast<std::int16_t>(HIWORD(value)); }

// Colours are 0x00BBGGRR.
constexpr COLORREF RGB(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr BYTE GetRValue(COLORREF colour) { return colour & 0xFF; }
constexpr BYTE GetGValue(COLORREF colour) { return (colour >> 8) & 0xFF; }
constexpr BYTE GetBValue(COLORREF colour) { return (colour >> 16) & 0xFF; }

// Resource names: a string, or a small number passed in the pointer.
inline LPCSTR MAKEINTRESOURCE(unsigned id) {
  return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id & 0xFFFF));
}
inline bool IS_INTRESOURCE(LPCSTR name) { return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0; }

struct POINT {
  LONG x = 0;
  LONG y = 0;
};
struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
};
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL InflateRect(RECT* rect, int dx, int dy);
BOOL IntersectRect(RECT* result, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* result, const RECT* a, const RECT* b);
BOOL CopyRect(RECT* to, const RECT* from);
int MulDiv(int number, int numerator, int denominator);
