#include "tests/app/control_ink.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "platform/gdi/gdi_api.h"
#include "platform/win/control_constants.h"

namespace {

// How far past its rectangle a control's text may reach and still be seen.
constexpr int ProbeMargin = 40;
// The smallest difference in one colour channel that makes a pixel part of the text.
constexpr int InkDifference = 96;

struct Widening {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

std::string ClassOf(HWND window) {
  char name[32] = {};
  GetClassName(window, name, sizeof name);
  return name;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)); }

POINT PictureOrigin(HWND topLevel) {
  RECT window{};
  GetWindowRect(topLevel, &window);
  return POINT{window.left, window.top};
}

RECT InPicture(HWND window, bool client, POINT origin) {
  RECT rect{};
  if (client) {
    GetClientRect(window, &rect);
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    OffsetRect(&rect, corner.x, corner.y);
  } else {
    GetWindowRect(window, &rect);
  }
  OffsetRect(&rect, -origin.x, -origin.y);
  return rect;
}

int LineHeight(HWND control) {
  const HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(control, WM_GETFONT, 0, 0)));
  TEXTMETRIC metrics{};
  GetTextMetrics(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return metrics.tmHeight;
}

bool IsPushButton(HWND control) {
  const DWORD kind = StyleOf(control) & BS_TYPEMASK;
  return ClassOf(control) == "BUTTON" && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
}

// A push button centres a line taller than its face (inside a frame of up to four pixels a side)
// with the half of a negative difference rounded toward zero, so growing the button would move
// the text by a pixel.
bool LineTallerThanFace(HWND control, const RECT& inDialog) {
  return IsPushButton(control) && LineHeight(control) > inDialog.bottom - inDialog.top - 8;
}

// Text that stays where it is when the control grows on these sides; nothing for a control whose
// text is not measured here.
std::optional<Widening> WideningFor(HWND control, const RECT& inDialog, const std::string& text) {
  const std::string kind = ClassOf(control);
  const DWORD style = StyleOf(control);
  // A centred text keeps its place when the control grows by the same on both sides.
  const int sideways = std::min(ProbeMargin, static_cast<int>(inDialog.left));
  const int upwards = std::min(ProbeMargin, static_cast<int>(inDialog.top));
  if (kind == "BUTTON") {
    switch (style & BS_TYPEMASK) {
      case BS_OWNERDRAW: return std::nullopt;
      case BS_GROUPBOX: return Widening{0, 0, ProbeMargin, 0};
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: {
        const int vertical = LineTallerThanFace(control, inDialog) ? 0 : upwards;
        return Widening{sideways, vertical, sideways, vertical};
      }
      default: return Widening{0, upwards, ProbeMargin, upwards};
    }
  }
  if (kind == "STATIC") {
    const DWORD type = style & SS_TYPEMASK;
    if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) return Widening{0, 0, ProbeMargin, ProbeMargin};
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) return std::nullopt;
    // A text of several words wraps at the control's width, which must then stay.
    if (text.find(' ') != std::string::npos) return Widening{0, 0, 0, ProbeMargin};
    if (type == SS_CENTER) return Widening{sideways, 0, sideways, ProbeMargin};
    if (type == SS_RIGHT) return Widening{sideways, 0, 0, ProbeMargin};
    return Widening{0, 0, ProbeMargin, ProbeMargin};
  }
  if (kind == "EDIT") {
    if ((style & ES_MULTILINE) != 0) return Widening{0, 0, 0, ProbeMargin};
    return Widening{0, 0, ProbeMargin, 0};
  }
  return std::nullopt;
}

int Difference(COLORREF a, COLORREF b) {
  return std::max({std::abs(static_cast<int>(GetRValue(a)) - GetRValue(b)),
                   std::abs(static_cast<int>(GetGValue(a)) - GetGValue(b)),
                   std::abs(static_cast<int>(GetBValue(a)) - GetBValue(b))});
}

RECT Scaled(RECT rect, int scale) {
  return RECT{rect.left * scale, rect.top * scale, rect.right * scale, rect.bottom * scale};
}

int PictureScale(HWND topLevel) {
  const Surface* pixels = WindowSurface(topLevel);
  return pixels != nullptr ? pixels->Scale() : 1;
}

// The device pixels of an area of the window's pixels, the window painted first.
std::vector<COLORREF> DevicePixels(HWND topLevel, const RECT& area) {
  UpdateAllWindows();
  const Surface* picture = WindowSurface(topLevel);
  std::vector<COLORREF> pixels;
  if (picture == nullptr) return pixels;
  const RECT device = Scaled(area, picture->Scale());
  for (int y = device.top; y < device.bottom; ++y) {
    for (int x = device.left; x < device.right; ++x) {
      const bool inside = x >= 0 && y >= 0 && x < picture->DeviceWidth() && y < picture->DeviceHeight();
      pixels.push_back(inside ? picture->DevicePixel(x, y) : 0);
    }
  }
  return pixels;
}

int BlankWidth(HWND control) {
  const HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(control, WM_GETFONT, 0, 0)));
  SIZE blank{};
  GetTextExtentPoint32(dc, " ", 1, &blank);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return blank.cx * PictureScale(GetTopLevel(control));
}

std::vector<HWND> ChildrenOf(HWND dialog) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

void Grow(HWND window, int by) {
  RECT rect{};
  GetWindowRect(window, &rect);
  SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left + by, rect.bottom - rect.top + by,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The control painted alone, widened, with and without its text.
std::vector<InkPoint> InkOf(HWND dialog, HWND control, const Widening& widening, const std::string& text) {
  const HWND top = GetTopLevel(dialog);
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  MoveWindow(control, place.left - widening.left, place.top - widening.top, width + widening.left + widening.right,
             height + widening.top + widening.bottom, TRUE);
  ShowWindow(control, SW_SHOWNA);
  const RECT area = InPicture(control, false, PictureOrigin(top));
  const std::vector<COLORREF> withText = DevicePixels(top, area);
  SetWindowText(control, "");
  const std::vector<COLORREF> without = DevicePixels(top, area);
  SetWindowText(control, text.c_str());
  ShowWindow(control, SW_HIDE);
  MoveWindow(control, place.left, place.top, width, height, TRUE);

  const RECT device = Scaled(area, PictureScale(top));
  std::vector<InkPoint> ink;
  size_t index = 0;
  for (int y = device.top; y < device.bottom; ++y) {
    for (int x = device.left; x < device.right; ++x, ++index) {
      if (Difference(withText[index], without[index]) >= InkDifference) ink.push_back(InkPoint{x, y, withText[index]});
    }
  }
  return ink;
}

// The lines DrawGroupFrame etches, whose top runs through the middle of the caption's line.
std::vector<RECT> FrameLines(HWND group, const RECT& whole, int scale) {
  const int top = whole.top + LineHeight(group) / 2;
  const RECT lines[] = {
      {whole.left, top, whole.right, top + 2},
      {whole.left, top, whole.left + 2, whole.bottom},
      {whole.right - 2, top, whole.right, whole.bottom},
      {whole.left, whole.bottom - 2, whole.right, whole.bottom},
  };
  std::vector<RECT> scaled;
  for (const RECT& line : lines) scaled.push_back(Scaled(line, scale));
  return scaled;
}

bool HasText(const ControlInk& control) { return control.text.find_first_not_of(' ') != std::string::npos; }

}  // namespace

Surface PaintedPicture(HWND topLevel) {
  UpdateAllWindows();
  const Surface* pixels = WindowSurface(topLevel);
  return pixels != nullptr ? *pixels : Surface();
}

std::vector<ControlInk> MeasureControlInk(HWND dialog) {
  const HWND top = GetTopLevel(dialog);
  const int scale = PictureScale(top);
  const POINT origin = PictureOrigin(top);
  const RECT dialogClient = InPicture(dialog, true, origin);
  std::vector<ControlInk> measured;
  std::vector<HWND> shown;
  for (HWND child : ChildrenOf(dialog)) {
    if (!IsWindowVisible(child)) continue;
    shown.push_back(child);
    ControlInk control;
    control.control = child;
    control.id = GetDlgCtrlID(child);
    control.className = ClassOf(child);
    control.text = GetWindowTextString(child);
    control.isGroupBox = control.className == "BUTTON" && (StyleOf(child) & BS_TYPEMASK) == BS_GROUPBOX;
    control.blankWidth = BlankWidth(child);
    const RECT whole = InPicture(child, false, origin);
    RECT visible{};
    IntersectRect(&visible, &dialogClient, &whole);
    control.shown = Scaled(visible, scale);
    if (control.isGroupBox) control.frameLines = FrameLines(child, whole, scale);
    if (HasText(control)) measured.push_back(std::move(control));
  }

  // Room on the right and below for text that reaches past the dialog's edge.
  Grow(top, ProbeMargin);
  if (dialog != top) Grow(dialog, ProbeMargin);
  for (HWND child : shown) ShowWindow(child, SW_HIDE);
  for (ControlInk& control : measured) {
    const RECT whole = InPicture(control.control, false, origin);
    RECT inDialog{};
    IntersectRect(&inDialog, &dialogClient, &whole);
    OffsetRect(&inDialog, -dialogClient.left, -dialogClient.top);
    const std::optional<Widening> widening = WideningFor(control.control, inDialog, control.text);
    if (!widening) continue;
    control.ink = InkOf(dialog, control.control, *widening, control.text);
    control.inkAtItsSize = InkOf(dialog, control.control, Widening{}, control.text).size();
    control.inkWhole = control.ink.size();
    if (LineTallerThanFace(control.control, inDialog)) {
      const Widening taller{widening->left, std::min(ProbeMargin, static_cast<int>(inDialog.top)), widening->right,
                            ProbeMargin};
      control.inkWhole = InkOf(dialog, control.control, taller, control.text).size();
    }
  }
  for (HWND child : shown) ShowWindow(child, SW_SHOWNA);
  if (dialog != top) Grow(dialog, -ProbeMargin);
  Grow(top, -ProbeMargin);
  UpdateAllWindows();
  std::erase_if(measured, [](const ControlInk& control) { return control.ink.empty(); });
  return measured;
}
