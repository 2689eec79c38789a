#pragma once
// Pens, brushes, fonts, bitmaps and regions: the drawing objects behind the GDI handles.
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/wintypes.h"

constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr int RGN_ERROR = 0;

constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;
constexpr int LF_FACESIZE = 32;

struct LOGFONT {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = 0;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 0;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  char lfFaceName[LF_FACESIZE] = {};
};

struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 32;
  void* bmBits = nullptr;
};

struct PenObject {
  int style = PS_SOLID;
  int width = 1;
  COLORREF colour = 0;
};
struct BrushObject {
  bool hollow = false;
  COLORREF colour = 0;
  std::optional<Surface> pattern;
};
struct FontObject {
  LOGFONT logFont;
};
struct BitmapObject {
  Surface pixels;
};
struct RegionObject {
  Region region;
};
using GdiObject = std::variant<PenObject, BrushObject, FontObject, BitmapObject, RegionObject>;

HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                 DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                 DWORD pitchAndFamily, LPCSTR faceName);
// The name of CreateFont for single-byte text, which the program also calls it by.
inline HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                         DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                         DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
  return CreateFont(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet, outPrecision,
                    clipPrecision, quality, pitchAndFamily, faceName);
}
HFONT CreateFontIndirect(const LOGFONT* logFont);
HBITMAP CreateBitmapFromSurface(Surface pixels);
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
int CombineRgn(HRGN destination, HRGN first, HRGN second, int mode);
BOOL PtInRegion(HRGN region, int x, int y);
int GetRgnBox(HRGN region, RECT* box);
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
// The watcher is told of every object that DeleteObject removes.
void WatchGdiObjectDeletion(void (*watcher)(HGDIOBJ));
BOOL UnrealizeObject(HGDIOBJ object);
// For a bitmap, fills a BITMAP; for a font, a LOGFONT. Returns the bytes written, 0 on failure.
int GetObject(HGDIOBJ object, int size, void* out);

// The layer's own access to the objects; null for a stale or foreign handle.
GdiObject* LookupGdiObject(HGDIOBJ object);
template <typename Kind>
Kind* LookupGdiObjectAs(HGDIOBJ object) {
  GdiObject* found = LookupGdiObject(object);
  return found == nullptr ? nullptr : std::get_if<Kind>(found);
}
bool IsStockObject(HGDIOBJ object);
// The 1 x 1 bitmap a memory device context holds before the program selects its own.
HBITMAP DefaultBitmap();
// Selection counts keep a selected object from being deleted under a device context.
void RetainSelection(HGDIOBJ object);
void ReleaseSelection(HGDIOBJ object);
bool IsSelected(HGDIOBJ object);
