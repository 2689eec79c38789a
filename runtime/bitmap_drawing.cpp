#include "runtime/bitmap_drawing.h"

#include "platform/gdi/cdc.h"
#include "runtime/missing_picture.h"
#include "resources/resource_strings.h"
#include "platform/win/resources.h"

namespace {

bool CanBlockTransfer(HDC dc) { return (::GetDeviceCaps(dc, RASTERCAPS) & RC_BITBLT) != 0; }

void FillEmptyFace(HDC dc, int x, int y, int width, int height) {
  const RECT face{x, y, x + width, y + height};
  ::FillRect(dc, &face, ::GetStockObject(LTGRAY_BRUSH));
}

// The part of the target around the centred picture, in light gray.
void FillAroundPicture(CDC& target, const RECT& outer, const RECT& picture) {
  CRgn around;
  CRgn inner;
  if (!around.CreateRectRgnIndirect(&outer) || !inner.CreateRectRgnIndirect(&picture)) return;
  around.CombineRgn(&around, &inner, RGN_DIFF);
  target.FillRgn(&around, CBrush::FromHandle(::GetStockObject(LTGRAY_BRUSH)));
}

}  // namespace

HBITMAP LoadResourceBitmap(const std::string& name) {
  static const HINSTANCE resourceModule = AfxGetResourceHandle();
  return ::LoadBitmap(resourceModule, name.c_str());
}

int DrawResourceBitmap(HDC dc, const std::string& name, int x, int y, int width, int height, DWORD rop, int mode) {
  CBitmap bitmap;
  if (!bitmap.Attach(LoadResourceBitmap(name))) {
    ReportMissingPicture(CannotLoadBitmapStringId, name);
    FillEmptyFace(dc, x, y, width, height);
    return 0;
  }
  CDC* target = CDC::FromHandle(dc);
  CDC memory;
  if (target == nullptr || !memory.CreateCompatibleDC(target)) return 0;
  CBitmap* previous = memory.SelectObject(&bitmap);
  BITMAP size;
  if (previous == nullptr || bitmap.GetBitmap(&size) == 0) {
    if (previous != nullptr) memory.SelectObject(previous);
    return 0;
  }
  if (mode == CentredDrawMode && width >= size.bmWidth && height >= size.bmHeight) {
    const int left = x + (width - size.bmWidth) / 2;
    const int top = y + (height - size.bmHeight) / 2;
    FillAroundPicture(*target, RECT{x, y, x + width, y + height},
                      RECT{left, top, left + size.bmWidth, top + size.bmHeight});
    target->BitBlt(left, top, size.bmWidth, size.bmHeight, &memory, 0, 0, rop);
  } else if (mode == CentredDrawMode || mode == StretchDrawMode) {
    target->StretchBlt(x, y, width, height, &memory, 0, 0, size.bmWidth, size.bmHeight, rop);
  } else {
    target->BitBlt(x, y, width, height, &memory, 0, 0, rop);
  }
  memory.SelectObject(previous);
  return 1;
}

int DrawItemBitmap(const DRAWITEMSTRUCT& item, const std::string& name, int mode) {
  if (!CanBlockTransfer(item.hDC)) return 0;
  const RECT& rect = item.rcItem;
  return DrawResourceBitmap(item.hDC, name, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                            SRCCOPY, mode);
}

bool ControlRectInParent(HWND window, int id, RECT& rect) {
  const HWND control = ::GetDlgItem(window, id);
  if (control == nullptr) return false;
  ::GetWindowRect(control, &rect);
  POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
  ::MapWindowPoints(nullptr, window, corners, 2);
  rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  return true;
}

int DrawBitmapAtItem(HWND window, const PAINTSTRUCT& paint, const std::string& name, int id, int mode, bool atItem,
                     int dx, int dy) {
  if (!CanBlockTransfer(paint.hdc)) return 0;
  RECT target{};
  if (atItem) {
    if (!ControlRectInParent(window, id, target)) return 0;
  } else {
    ::GetClientRect(window, &target);
    if (mode == NaturalSizeDrawMode) {
      target.left -= dx;
      target.top -= dy;
    }
  }
  RECT meet;
  if (!::IntersectRect(&meet, &target, &paint.rcPaint)) return 1;
  return DrawResourceBitmap(paint.hdc, name, target.left, target.top, target.right - target.left,
                            target.bottom - target.top, SRCCOPY, mode);
}
