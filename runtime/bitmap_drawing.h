#pragma once
// Drawing bitmap resources into owner-draw buttons and dialog backgrounds.
#include <string>

#include "platform/win/window_api.h"

enum BitmapDrawMode : int {
  NaturalSizeDrawMode = 0,  // the bitmap's top-left block at its own size, clipped to the target
  StretchDrawMode = 1,      // the whole bitmap stretched to the target
  CentredDrawMode = 2,      // centred in the target with a light-gray frame; stretched when it does not fit
};

// A new bitmap of the program's resources, which the caller deletes; null when there is none.
HBITMAP LoadResourceBitmap(const std::string& name);

// Draws the bitmap into the target rectangle with the raster operation. A missing bitmap is
// reported once and leaves a light-gray face. Returns 1 drawn, 0 failed.
int DrawResourceBitmap(HDC dc, const std::string& name, int x, int y, int width, int height, DWORD rop, int mode);

// The bitmap over the whole item rectangle; 0 when the device cannot block-transfer.
int DrawItemBitmap(const DRAWITEMSTRUCT& item, const std::string& name, int mode);

// The bitmap over control `id` of the window (atItem) or over its client area, moved by the scroll
// offset (dx, dy) in natural-size mode; nothing outside the paint rectangle is drawn.
int DrawBitmapAtItem(HWND window, const PAINTSTRUCT& paint, const std::string& name, int id, int mode, bool atItem,
                     int dx, int dy);

// The rectangle of control `id` in the window's client coordinates; false without such a control.
bool ControlRectInParent(HWND window, int id, RECT& rect);
