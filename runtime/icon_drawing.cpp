#include "runtime/icon_drawing.h"

#include "runtime/bitmap_drawing.h"
#include "runtime/missing_picture.h"
#include "resources/resource_strings.h"
#include "platform/win/resources.h"

namespace {

HICON LoadResourceIcon(const std::string& name) { return ::LoadIcon(AfxGetResourceHandle(), name.c_str()); }

}  // namespace

int DrawItemIcon(const DRAWITEMSTRUCT& item, const std::string& name) {
  const HICON icon = LoadResourceIcon(name);
  if (icon == nullptr) {
    ReportMissingPicture(CannotLoadIconStringId, name);
    return 0;
  }
  ::SetMapMode(item.hDC, MM_TEXT);
  ::DrawIcon(item.hDC, 0, 0, icon);
  return 1;
}

int DrawIconAtItem(HWND window, int id, const PAINTSTRUCT& paint, const std::string& name) {
  RECT control{};
  if (!ControlRectInParent(window, id, control)) return 0;
  const HICON icon = LoadResourceIcon(name);
  if (icon == nullptr) {
    ReportMissingPicture(CannotLoadIconStringId, name);
    return 0;
  }
  RECT meet;
  if (!::IntersectRect(&meet, &control, &paint.rcPaint)) return 1;
  ::SetMapMode(paint.hdc, MM_TEXT);
  ::DrawIcon(paint.hdc, control.left, control.top, icon);
  return 1;
}
