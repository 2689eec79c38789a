#include "platform/gdi/gdi_api.h"

#include <cstring>

namespace {

int LengthOf(LPCSTR text, int length) {
  if (text == nullptr) return 0;
  return length < 0 ? static_cast<int>(std::strlen(text)) : length;
}

}  // namespace

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return nullptr;
  if (LookupGdiObjectAs<RegionObject>(object) != nullptr) {
    return HandleFromNumber<HGDIOBJ>(static_cast<std::uintptr_t>(context->SelectClip(object)));
  }
  return context->Select(object);
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return static_cast<COLORREF>(CLR_INVALID);
  const COLORREF previous = context->textColour;
  context->textColour = colour & 0xFFFFFF;
  return previous;
}

COLORREF GetTextColor(HDC dc) {
  const DeviceContext* context = LookupDC(dc);
  return context == nullptr ? static_cast<COLORREF>(CLR_INVALID) : context->textColour;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return static_cast<COLORREF>(CLR_INVALID);
  const COLORREF previous = context->backgroundColour;
  context->backgroundColour = colour & 0xFFFFFF;
  return previous;
}

COLORREF GetBkColor(HDC dc) {
  const DeviceContext* context = LookupDC(dc);
  return context == nullptr ? static_cast<COLORREF>(CLR_INVALID) : context->backgroundColour;
}

int SetBkMode(HDC dc, int mode) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = context->backgroundMode;
  context->backgroundMode = mode;
  return previous;
}

int GetBkMode(HDC dc) {
  const DeviceContext* context = LookupDC(dc);
  return context == nullptr ? 0 : context->backgroundMode;
}

int SetMapMode(HDC dc, int mode) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr || mode != MM_TEXT) return 0;
  const int previous = context->mapMode;
  context->mapMode = mode;
  return previous;
}

BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return FALSE;
  if (previous != nullptr) *previous = context->brushOrigin;
  context->brushOrigin = POINT{x, y};
  return TRUE;
}

BOOL GetBrushOrgEx(HDC dc, POINT* origin) {
  const DeviceContext* context = LookupDC(dc);
  if (context == nullptr || origin == nullptr) return FALSE;
  *origin = context->brushOrigin;
  return TRUE;
}

int GetDeviceCaps(HDC dc, int index) {
  const DeviceContext* context = LookupDC(dc);
  return context == nullptr ? 0 : context->Caps(index);
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return FALSE;
  if (previous != nullptr) *previous = context->position;
  context->position = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return FALSE;
  context->Line(context->position, POINT{x, y});
  context->position = POINT{x, y};
  return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return FALSE;
  context->Rectangle(RECT{left, top, right, bottom});
  return TRUE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return FALSE;
  context->Ellipse(RECT{left, top, right, bottom});
  return TRUE;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr || rect == nullptr || LookupGdiObjectAs<BrushObject>(brush) == nullptr) return 0;
  context->FillWithBrush(*rect, brush);
  return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr || rect == nullptr || LookupGdiObjectAs<BrushObject>(brush) == nullptr) return 0;
  const RECT& r = *rect;
  context->FillWithBrush(RECT{r.left, r.top, r.right, r.top + 1}, brush);
  context->FillWithBrush(RECT{r.left, r.bottom - 1, r.right, r.bottom}, brush);
  context->FillWithBrush(RECT{r.left, r.top, r.left + 1, r.bottom}, brush);
  context->FillWithBrush(RECT{r.right - 1, r.top, r.right, r.bottom}, brush);
  return 1;
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush) {
  DeviceContext* context = LookupDC(dc);
  const RegionObject* found = LookupGdiObjectAs<RegionObject>(region);
  if (context == nullptr || found == nullptr || LookupGdiObjectAs<BrushObject>(brush) == nullptr) return FALSE;
  for (const RECT& rect : found->region.Rects()) context->FillWithBrush(rect, brush);
  return TRUE;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr || rect == nullptr) return FALSE;
  // A dotted frame drawn by inverting every other pixel, so drawing it twice removes it.
  auto invert = [&](int x, int y) {
    const COLORREF under = context->GetPixel(x, y);
    if (under != static_cast<COLORREF>(-1)) context->SetPixel(x, y, ~under & 0xFFFFFF);
  };
  for (int x = rect->left; x < rect->right; x += 2) {
    invert(x, rect->top);
    if (rect->bottom - 1 > rect->top) invert(x, rect->bottom - 1);
  }
  for (int y = rect->top + 2; y < rect->bottom - 1; y += 2) {
    invert(rect->left, y);
    if (rect->right - 1 > rect->left) invert(rect->right - 1, y);
  }
  return TRUE;
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  DeviceContext* context = LookupDC(dc);
  return context == nullptr ? FALSE : context->PatBlt(RECT{x, y, x + width, y + height}, rop);
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
  DeviceContext* context = LookupDC(dc);
  return context == nullptr ? static_cast<COLORREF>(-1) : context->SetPixel(x, y, colour);
}

COLORREF GetPixel(HDC dc, int x, int y) {
  const DeviceContext* context = LookupDC(dc);
  return context == nullptr ? static_cast<COLORREF>(-1) : context->GetPixel(x, y);
}

BOOL BitBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
  return StretchBlt(dc, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL StretchBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, DWORD rop) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return FALSE;
  return context->Transfer(RECT{x, y, x + width, y + height}, LookupDC(source),
                           RECT{sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight}, rop);
}

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr) return FALSE;
  context->TextRun(x, y, text, static_cast<size_t>(LengthOf(text, length)));
  return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size) {
  const DeviceContext* context = LookupDC(dc);
  if (context == nullptr || size == nullptr) return FALSE;
  *size = context->TextExtent(text, static_cast<size_t>(LengthOf(text, length)));
  return TRUE;
}

BOOL GetCharWidth32(HDC dc, UINT first, UINT last, int* widths) {
  const DeviceContext* context = LookupDC(dc);
  if (context == nullptr || widths == nullptr || first > last || last > 255) return FALSE;
  const std::shared_ptr<SizedFont> font = context->CurrentFont();
  for (UINT code = first; code <= last; ++code) {
    widths[code - first] = font ? font->GlyphOf(static_cast<unsigned char>(code)).advance : 0;
  }
  return TRUE;
}

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
  const DeviceContext* context = LookupDC(dc);
  if (context == nullptr || metrics == nullptr) return FALSE;
  *metrics = context->TextMetrics();
  return TRUE;
}

int GetTextFace(HDC dc, int size, LPSTR face) {
  const DeviceContext* context = LookupDC(dc);
  if (context == nullptr || size <= 0 || face == nullptr) return 0;
  const std::string family = InstalledFamilyFor(context->CurrentLogFont());
  const size_t copied = std::min(family.size(), static_cast<size_t>(size - 1));
  std::memcpy(face, family.data(), copied);
  face[copied] = '\0';
  return static_cast<int>(copied);
}

int SelectClipRgn(HDC dc, HRGN region) {
  DeviceContext* context = LookupDC(dc);
  return context == nullptr ? RGN_ERROR : context->SelectClip(region);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* context = LookupDC(dc);
  return context == nullptr ? RGN_ERROR : context->IntersectClip(RECT{left, top, right, bottom});
}

int Escape(HDC dc, int escape, int inputSize, const void* input, void* output) {
  DeviceContext* context = LookupDC(dc);
  return context == nullptr ? 0 : context->Escape(escape, inputSize, input, output);
}
