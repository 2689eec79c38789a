#pragma once
// The device context behind an HDC: drawing state shared by every device, and the primitives a
// device implements. The raster device draws into a Surface; other devices (a printer page) can
// implement the same primitives.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/gdi/font_engine.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int MM_TEXT = 1;

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

constexpr int TECHNOLOGY = 2;
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int DT_RASDISPLAY = 1;
constexpr int DT_RASPRINTER = 2;
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_BITMAP64 = 0x0008;
constexpr int RC_STRETCHBLT = 0x0800;

struct TEXTMETRIC {
  LONG tmHeight = 0;
  LONG tmAscent = 0;
  LONG tmDescent = 0;
  LONG tmInternalLeading = 0;
  LONG tmExternalLeading = 0;
  LONG tmAveCharWidth = 0;
  LONG tmMaxCharWidth = 0;
  LONG tmWeight = 0;
  BYTE tmItalic = 0;
  BYTE tmUnderlined = 0;
  BYTE tmStruckOut = 0;
  BYTE tmPitchAndFamily = 0;
  BYTE tmCharSet = 0;
};

class DeviceContext {
 public:
  virtual ~DeviceContext();

  // Drawing primitives in logical coordinates.
  virtual void Line(POINT from, POINT to) = 0;
  virtual void Rectangle(const RECT& rect) = 0;
  virtual void Ellipse(const RECT& rect) = 0;
  virtual void FillWithBrush(const RECT& rect, HBRUSH brush) = 0;
  virtual BOOL PatBlt(const RECT& rect, DWORD rop) = 0;
  virtual COLORREF SetPixel(int x, int y, COLORREF colour) = 0;
  virtual COLORREF GetPixel(int x, int y) const = 0;
  virtual void TextRun(std::int64_t x, int y, const char* text, size_t length) = 0;
  virtual BOOL Transfer(const RECT& destination, DeviceContext* source, const RECT& sourceRect, DWORD rop) = 0;
  virtual int Caps(int index) const = 0;
  virtual int Escape(int escape, int inputSize, const void* input, void* output);
  // The pixels of a raster device, for block transfers out of it; null for other devices.
  virtual const Surface* Pixels() const { return nullptr; }

  // Objects. Selecting returns the previous object of that kind, or null when the handle is unusable.
  HGDIOBJ Select(HGDIOBJ object);
  int SelectClip(HRGN region);
  int IntersectClip(const RECT& rect);
  void RestoreClip(std::optional<Region> clip);
  // The clip region in logical coordinates; empty optional means no clip of the program's own.
  const std::optional<Region>& ClipRegion() const { return clip_; }

  COLORREF textColour = RGB(0, 0, 0);
  COLORREF backgroundColour = RGB(255, 255, 255);
  int backgroundMode = OPAQUE;
  POINT position{};
  POINT brushOrigin{};
  int mapMode = MM_TEXT;

  HPEN Pen() const { return pen_; }
  HBRUSH Brush() const { return brush_; }
  HFONT Font() const { return font_; }
  HBITMAP Bitmap() const { return bitmap_; }

  // Text measured in the selected font.
  std::shared_ptr<SizedFont> CurrentFont() const;
  LOGFONT CurrentLogFont() const;
  // The extent's width stops at the largest a LONG holds; TextWidth gives it whole.
  SIZE TextExtent(const char* text, size_t length) const;
  std::int64_t TextWidth(const char* text, size_t length) const;
  TEXTMETRIC TextMetrics() const;

 protected:
  DeviceContext();
  virtual bool AcceptsBitmaps() const { return false; }
  virtual void OnBitmapSelected() {}
  virtual void OnClipChanged() {}

 private:
  HPEN pen_;
  HBRUSH brush_;
  HFONT font_;
  HBITMAP bitmap_ = nullptr;
  std::optional<Region> clip_;
};

// The DC handle table.
DeviceContext* LookupDC(HDC dc);
HDC AddDC(std::unique_ptr<DeviceContext> context);
BOOL DeleteDC(HDC dc);
// The watcher is told of every DC that DeleteDC removes.
void WatchDCDeletion(void (*watcher)(HDC));
