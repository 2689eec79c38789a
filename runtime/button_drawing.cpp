#include "runtime/button_drawing.h"

#include <array>
#include <functional>

#include "runtime/bitmap_drawing.h"
#include "runtime/icon_drawing.h"
#include "platform/gdi/look3d_colours.h"
#include "platform/win/resources.h"

namespace {

enum class FramePen { Black, Shadow, White, Face };

// One line of the frame, from its first point up to its end point, offsets from the corners:
// x is L + dx (or R + dx when fromRight), y is T + dy (or B + dy when fromBottom).
struct FramePoint {
  bool fromRight;
  int dx;
  bool fromBottom;
  int dy;
};
struct FrameLine {
  FramePen pen;
  FramePoint from;
  FramePoint to;
};

constexpr FramePoint L(int dx, bool bottom, int dy) { return {false, dx, bottom, dy}; }
constexpr FramePoint R(int dx, bool bottom, int dy) { return {true, dx, bottom, dy}; }
constexpr bool T = false;
constexpr bool B = true;

constexpr std::array<FrameLine, 12> RaisedLines = {{
    {FramePen::Black, L(1, T, 0), R(0, T, 0)},
    {FramePen::Black, L(1, B, 0), R(0, B, 0)},
    {FramePen::Black, L(0, T, 1), L(0, B, 0)},
    {FramePen::Black, R(0, T, 1), R(0, B, 0)},
    {FramePen::White, L(1, T, 1), R(-1, T, 1)},
    {FramePen::White, L(1, T, 2), L(1, B, -1)},
    {FramePen::White, L(2, T, 2), R(-2, T, 2)},
    {FramePen::White, L(2, T, 3), L(2, B, -2)},
    {FramePen::Shadow, R(-1, B, -1), L(0, B, -1)},
    {FramePen::Shadow, R(-1, B, -2), R(-1, T, 0)},
    {FramePen::Shadow, R(-2, B, -2), L(1, B, -2)},
    {FramePen::Shadow, R(-2, B, -3), R(-2, T, 1)},
}};

constexpr std::array<FrameLine, 12> PressedLines = {{
    {FramePen::Black, L(1, T, 0), R(0, T, 0)},
    {FramePen::Black, L(1, B, 0), R(0, B, 0)},
    {FramePen::Black, L(0, T, 1), L(0, B, 0)},
    {FramePen::Black, R(0, T, 1), R(0, B, 0)},
    {FramePen::Black, L(1, T, 1), R(0, T, 1)},
    {FramePen::Black, L(1, T, 2), L(1, B, 0)},
    {FramePen::Black, R(-1, B, -1), L(0, B, -1)},
    {FramePen::Black, R(-1, B, -2), R(-1, T, 0)},
    {FramePen::Shadow, L(2, T, 2), R(-1, T, 2)},
    {FramePen::Shadow, L(2, T, 3), L(2, B, -1)},
    {FramePen::Face, L(3, T, 3), R(-1, T, 3)},
    {FramePen::Face, L(3, T, 4), L(3, B, -1)},
}};

void FillFaceLightGray(HDC dc, const RECT& face) {
  const HGDIOBJ previous = ::SelectObject(dc, ::GetStockObject(LTGRAY_BRUSH));
  ::PatBlt(dc, face.left, face.top, face.right - face.left, face.bottom - face.top, PATCOPY);
  if (previous != nullptr) ::SelectObject(dc, previous);
}

// Every face pixel whose row plus its distance from the face's left edge is odd turns light gray.
void OverlayCheckerboard(HDC dc, const RECT& face) {
  for (int y = face.top; y < face.bottom; ++y) {
    for (int x = face.left; x < face.right; ++x) {
      if (((y + (x - face.left)) & 1) != 0) ::SetPixel(dc, x, y, look3d::Face);
    }
  }
}

using PictureDrawer = std::function<int(const DRAWITEMSTRUCT&, const std::string&)>;

int DrawStatePicture(const DRAWITEMSTRUCT& item, const std::string& normal, const std::string& focus,
                     const std::string& pressed, const std::string& disabled, bool isBitmap, int mode,
                     const PictureDrawer& drawWhole) {
  if (focus.empty() && pressed.empty() && disabled.empty()) return Draw3DButton(item, normal, isBitmap, mode);
  const std::string* chosen = nullptr;
  if ((item.itemState & ODS_DISABLED) != 0 && !disabled.empty()) {
    chosen = &disabled;
  } else if ((item.itemState & ODS_SELECTED) != 0 && !pressed.empty()) {
    chosen = &pressed;
  } else if ((item.itemState & ODS_FOCUS) != 0 && !focus.empty()) {
    chosen = &focus;
  } else if (!normal.empty()) {
    chosen = &normal;
  }
  return chosen == nullptr ? 1 : drawWhole(item, *chosen);
}

}  // namespace

int Draw3DFrame(HDC dc, int left, int top, int faceWidth, int faceHeight, bool pressed) {
  const bool fewColours = ::GetDeviceCaps(dc, NUMCOLORS) < 3;
  CPen black(PS_SOLID, 1, look3d::Dark);
  CPen shadow(PS_SOLID, 1, fewColours ? look3d::Highlight : look3d::Shadow);
  CPen white(PS_SOLID, 1, look3d::Highlight);
  CPen face(PS_SOLID, 1, fewColours ? look3d::Highlight : look3d::Face);
  auto penFor = [&](FramePen pen) -> CPen& {
    switch (pen) {
      case FramePen::Black: return black;
      case FramePen::Shadow: return shadow;
      case FramePen::White: return white;
      default: return face;
    }
  };
  const int right = left + faceWidth + 5;
  const int bottom = top + faceHeight + 5;
  auto place = [&](const FramePoint& point) {
    return POINT{(point.fromRight ? right : left) + point.dx, (point.fromBottom ? bottom : top) + point.dy};
  };
  const HGDIOBJ previous = ::SelectObject(dc, black.m_hObject);
  for (const FrameLine& line : pressed ? PressedLines : RaisedLines) {
    ::SelectObject(dc, penFor(line.pen).m_hObject);
    const POINT from = place(line.from);
    const POINT to = place(line.to);
    ::MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, to.x, to.y);
  }
  if (previous != nullptr) ::SelectObject(dc, previous);
  return 1;
}

int Draw3DButton(const DRAWITEMSTRUCT& item, const std::string& name, bool isBitmap, int mode) {
  if (item.CtlType != ODT_BUTTON || (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0) return 0;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const int inset = pressed ? 4 : 3;
  const int itemWidth = item.rcItem.right - item.rcItem.left;
  const int itemHeight = item.rcItem.bottom - item.rcItem.top;
  const int faceWidth = itemWidth - 6;
  const int faceHeight = itemHeight - 6;
  const RECT face{item.rcItem.left + inset, item.rcItem.top + inset, item.rcItem.left + inset + faceWidth,
                  item.rcItem.top + inset + faceHeight};
  int result = 1;
  if (name.empty()) {
    FillFaceLightGray(item.hDC, face);
  } else if (isBitmap) {
    result = DrawResourceBitmap(item.hDC, name, face.left, face.top, faceWidth, faceHeight, SRCCOPY, mode);
  } else {
    const HICON icon = ::LoadIcon(AfxGetResourceHandle(), name.c_str());
    if (icon == nullptr) return 0;
    ::DrawIcon(item.hDC, face.left, face.top, icon);
  }
  if ((item.itemState & ODS_DISABLED) != 0) OverlayCheckerboard(item.hDC, face);
  const int framed = Draw3DFrame(item.hDC, item.rcItem.left, item.rcItem.top, faceWidth, faceHeight, pressed);
  return result == 0 ? 0 : framed;
}

int DrawStateBitmapButton(const DRAWITEMSTRUCT& item, const std::string& normal, const std::string& focus,
                          const std::string& pressed, const std::string& disabled, int mode) {
  return DrawStatePicture(
      item, normal, focus, pressed, disabled, true, mode,
      [mode](const DRAWITEMSTRUCT& each, const std::string& name) { return DrawItemBitmap(each, name, mode); });
}

int DrawStateIconButton(const DRAWITEMSTRUCT& item, const std::string& normal, const std::string& focus,
                        const std::string& pressed, const std::string& disabled) {
  return DrawStatePicture(item, normal, focus, pressed, disabled, false, NaturalSizeDrawMode, DrawItemIcon);
}
