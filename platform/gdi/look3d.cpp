#include "platform/gdi/look3d.h"

#include <algorithm>
#include <cmath>

namespace look3d {

namespace {

void HLine(CDC& dc, int x0, int x1, int y, COLORREF colour) {
  if (x1 > x0) dc.FillSolidRect(x0, y, x1 - x0, 1, colour);
}

void VLine(CDC& dc, int x, int y0, int y1, COLORREF colour) {
  if (y1 > y0) dc.FillSolidRect(x, y0, 1, y1 - y0, colour);
}

void DrawCaptionGlyph(CDC& dc, const RECT& box, bool close) {
  DrawButtonFrame(dc, box, false, false);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  if (close) {
    // A small cross in the middle of the box.
    const int size = std::max(3, std::min(width, height) / 2 - 1);
    const int left = box.left + (width - size) / 2;
    const int top = box.top + (height - size) / 2;
    for (int step = 0; step < size; ++step) {
      dc.FillSolidRect(left + step, top + step, 2, 1, Dark);
      dc.FillSolidRect(left + size - 1 - step, top + step, 2, 1, Dark);
    }
  } else {
    dc.FillSolidRect(box.left + width / 2 - 3, box.bottom - 5, 6, 2, Dark);
  }
}

// Rows of a triangle pointing along `arrow`, the widest row at the base, centred in `rect`.
void DrawTriangle(CDC& dc, const RECT& rect, Arrow arrow, COLORREF colour) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int rows = std::max(1, (std::min(width, height) - 4) / 3);
  const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
  const int centreX = rect.left + (width - 1) / 2;
  const int centreY = rect.top + (height - 1) / 2;
  for (int row = 0; row < rows; ++row) {
    // Row 0 is the tip; each row further from it is two pixels wider.
    const int half = row;
    const bool tipFirst = arrow == Arrow::Up || arrow == Arrow::Left;
    const int along = (tipFirst ? row : rows - 1 - row) - rows / 2;
    if (vertical) {
      dc.FillSolidRect(centreX - half, centreY + along, 2 * half + 1, 1, colour);
    } else {
      dc.FillSolidRect(centreX + along, centreY - half, 1, 2 * half + 1, colour);
    }
  }
}

void DrawCheckMark(CDC& dc, POINT topLeft, bool checked, bool disabled) {
  const RECT box{topLeft.x, topLeft.y, topLeft.x + 13, topLeft.y + 13};
  DrawSunkenEdge(dc, box);
  dc.FillSolidRect(box.left + 2, box.top + 2, 9, 9, disabled ? Face : Window);
  if (!checked) return;
  const COLORREF ink = disabled ? GrayText : Dark;
  // A tick: down three pixels to the right, then up four, each stroke three pixels tall.
  const int x0 = box.left + 3;
  const int y0 = box.top + 5;
  for (int step = 0; step < 7; ++step) {
    const int y = step < 3 ? y0 + step : y0 + 4 - step;
    dc.FillSolidRect(x0 + step, y, 1, 3, ink);
  }
}

void DrawRadioMark(CDC& dc, POINT topLeft, bool checked, bool disabled) {
  // Rings by distance from the centre: the outer one shadow and white, the inner one dark and
  // face, lit from the upper left.
  for (int row = 0; row < 12; ++row) {
    for (int column = 0; column < 12; ++column) {
      const double dx = column - 5.5;
      const double dy = row - 5.5;
      const double distance = std::sqrt(dx * dx + dy * dy);
      const bool upperLeft = column + row < 11;
      COLORREF colour = 0;
      if (distance >= 6.0) {
        continue;
      } else if (distance >= 5.0) {
        colour = upperLeft ? Shadow : Highlight;
      } else if (distance >= 4.0) {
        colour = upperLeft ? Dark : Face;
      } else if (checked && distance < 2.0) {
        colour = disabled ? GrayText : Dark;
      } else {
        colour = disabled ? Face : Window;
      }
      dc.SetPixel(topLeft.x + column, topLeft.y + row, colour);
    }
  }
}

// One line of a two-pixel edge: its colour above and left, and below and right.
struct EdgeLine {
  COLORREF topLeft;
  COLORREF bottomRight;
};

// The outer line on the rectangle's border, the inner one a pixel inside it; the bottom and right
// lines run over the corners the top and left ones leave.
void DrawTwoLineEdge(CDC& dc, const RECT& rect, EdgeLine outer, EdgeLine inner) {
  const int l = rect.left;
  const int t = rect.top;
  const int r = rect.right;
  const int b = rect.bottom;
  HLine(dc, l, r - 1, t, outer.topLeft);
  VLine(dc, l, t, b - 1, outer.topLeft);
  HLine(dc, l, r, b - 1, outer.bottomRight);
  VLine(dc, r - 1, t, b, outer.bottomRight);
  HLine(dc, l + 1, r - 2, t + 1, inner.topLeft);
  VLine(dc, l + 1, t + 1, b - 2, inner.topLeft);
  HLine(dc, l + 1, r - 1, b - 2, inner.bottomRight);
  VLine(dc, r - 2, t + 1, b - 1, inner.bottomRight);
}

}  // namespace

RECT DrawButtonFrame(CDC& dc, const RECT& rect, bool pressed, bool isDefault) {
  RECT outline = rect;
  const int depth = isDefault ? 2 : 1;
  for (int ring = 0; ring < depth; ++ring) {
    const int l = outline.left;
    const int t = outline.top;
    const int r = outline.right - 1;
    const int b = outline.bottom - 1;
    HLine(dc, l + 1, r, t, Dark);
    HLine(dc, l + 1, r, b, Dark);
    VLine(dc, l, t + 1, b, Dark);
    VLine(dc, r, t + 1, b, Dark);
    InflateRect(&outline, -1, -1);
    if (ring == 0 && isDefault) {
      // The second ring of the default button is complete, corners included.
      dc.FillSolidRect(outline.left, outline.top, 1, 1, Dark);
      dc.FillSolidRect(outline.right - 1, outline.top, 1, 1, Dark);
      dc.FillSolidRect(outline.left, outline.bottom - 1, 1, 1, Dark);
      dc.FillSolidRect(outline.right - 1, outline.bottom - 1, 1, 1, Dark);
    }
  }
  const int L = outline.left;
  const int T = outline.top;
  const int R = outline.right;
  const int B = outline.bottom;
  dc.FillSolidRect(&outline, Face);
  if (pressed) {
    HLine(dc, L, R, T, Shadow);
    VLine(dc, L, T, B, Shadow);
    return RECT{L + 1, T + 1, R, B};
  }
  HLine(dc, L, R - 1, T, Highlight);
  HLine(dc, L, R - 2, T + 1, Highlight);
  VLine(dc, L, T, B - 1, Highlight);
  VLine(dc, L + 1, T, B - 2, Highlight);
  HLine(dc, L, R, B - 1, Shadow);
  HLine(dc, L + 1, R, B - 2, Shadow);
  VLine(dc, R - 1, T, B, Shadow);
  VLine(dc, R - 2, T + 1, B, Shadow);
  return RECT{L + 2, T + 2, R - 2, B - 2};
}

void DrawFaceText(CDC& dc, const std::string& text, RECT rect, UINT format, bool disabled) {
  const int mode = dc.SetBkMode(TRANSPARENT);
  if (disabled) {
    const COLORREF previous = dc.SetTextColor(Highlight);
    RECT shifted = rect;
    OffsetRect(&shifted, 1, 1);
    dc.DrawText(text, &shifted, format);
    dc.SetTextColor(GrayText);
    dc.DrawText(text, &rect, format);
    dc.SetTextColor(previous);
  } else {
    dc.DrawText(text, &rect, format);
  }
  dc.SetBkMode(mode);
}

namespace {

void DrawPushButton(CDC& dc, const RECT& rect, const std::string& text, const ButtonLook& look) {
  const RECT face = DrawButtonFrame(dc, rect, look.pressed, look.isDefault);
  DrawFaceText(dc, text, face, DT_CENTER | DT_VCENTER | DT_SINGLELINE, look.disabled);
  if (look.focused) {
    RECT ring = face;
    InflateRect(&ring, -1, -1);
    dc.DrawFocusRect(&ring);
  }
}

void DrawMarkedButton(CDC& dc, const RECT& rect, const std::string& text, const ButtonLook& look) {
  const bool radio = look.kind == ButtonKind::Radio;
  const int markSize = radio ? 12 : 13;
  const int markX = look.textLeft ? rect.right - markSize : rect.left;
  const POINT mark{markX, rect.top + (rect.bottom - rect.top - markSize) / 2};
  if (radio) {
    DrawRadioMark(dc, mark, look.checked, look.disabled);
  } else {
    DrawCheckMark(dc, mark, look.checked, look.disabled);
  }
  RECT label = rect;
  if (look.textLeft) {
    label.right -= markSize + 4;
  } else {
    label.left += markSize + 4;
  }
  DrawFaceText(dc, text, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE, look.disabled);
  if (look.focused && !text.empty()) {
    RECT extent = label;
    dc.DrawText(text, &extent, DT_CALCRECT | DT_SINGLELINE);
    const int height = extent.bottom - extent.top;
    RECT ring{label.left - 1, label.top + (label.bottom - label.top - height) / 2 - 1, 0, 0};
    ring.right = ring.left + (extent.right - extent.left) + 2;
    ring.bottom = ring.top + height + 2;
    dc.DrawFocusRect(&ring);
  }
}

}  // namespace

void DrawButton(CDC& dc, const RECT& rect, const std::string& text, const ButtonLook& look) {
  if (look.kind == ButtonKind::Push) {
    DrawPushButton(dc, rect, text, look);
  } else {
    DrawMarkedButton(dc, rect, text, look);
  }
}

void DrawGroupFrame(CDC& dc, const RECT& rect, int captionHeight) {
  const int top = rect.top + captionHeight / 2;
  const int l = rect.left;
  const int r = rect.right;
  const int b = rect.bottom;
  HLine(dc, l, r - 1, top, Shadow);
  VLine(dc, l, top, b - 1, Shadow);
  HLine(dc, l, r - 1, b - 2, Shadow);
  VLine(dc, r - 2, top, b - 1, Shadow);
  HLine(dc, l + 1, r - 2, top + 1, Highlight);
  VLine(dc, l + 1, top + 1, b - 2, Highlight);
  HLine(dc, l, r, b - 1, Highlight);
  VLine(dc, r - 1, top, b, Highlight);
}

void DrawSunkenEdge(CDC& dc, const RECT& rect) { DrawTwoLineEdge(dc, rect, {Shadow, Highlight}, {Dark, Face}); }

void DrawRaisedEdge(CDC& dc, const RECT& rect) { DrawTwoLineEdge(dc, rect, {Face, Dark}, {Highlight, Shadow}); }

void DrawArrowButton(CDC& dc, const RECT& rect, Arrow arrow, bool pressed, bool disabled) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  dc.FillSolidRect(&rect, Face);
  RECT glyph = rect;
  if (pressed) {
    CBrush shadow(Shadow);
    dc.FrameRect(&rect, &shadow);
    OffsetRect(&glyph, 1, 1);
  } else {
    DrawRaisedEdge(dc, rect);
  }
  if (disabled) {
    RECT etch = glyph;
    OffsetRect(&etch, 1, 1);
    DrawTriangle(dc, etch, arrow, Highlight);
    DrawTriangle(dc, glyph, arrow, GrayText);
  } else {
    DrawTriangle(dc, glyph, arrow, Dark);
  }
}

void DrawScrollTrack(CDC& dc, const RECT& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  Surface checker(2, 2, Face);
  checker.SetPixel(0, 0, Highlight);
  checker.SetPixel(1, 1, Highlight);
  const HBITMAP bitmap = CreateBitmapFromSurface(std::move(checker));
  const HBRUSH brush = CreatePatternBrush(bitmap);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  DeleteObject(bitmap);
}

void DrawScrollThumb(CDC& dc, const RECT& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  dc.FillSolidRect(&rect, Face);
  DrawRaisedEdge(dc, rect);
}

RECT CloseBoxRect(const RECT& caption) {
  const int size = caption.bottom - caption.top - 4;
  return RECT{caption.right - 2 - size - 2, caption.top + 2, caption.right - 2, caption.bottom - 2};
}

RECT MinimizeBoxRect(const RECT& caption, bool closeBox) {
  const int size = caption.bottom - caption.top - 4;
  const int right = closeBox ? CloseBoxRect(caption).left - 2 : caption.right - 2;
  return RECT{right - size - 2, caption.top + 2, right, caption.bottom - 2};
}

void DrawCaptionBar(CDC& dc, const RECT& rect, const std::string& text, bool active, bool minimizeBox, bool closeBox) {
  dc.FillSolidRect(&rect, active ? ActiveCaption : InactiveCaption);
  CFont font;
  font.CreateFont(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Helv");
  CFont* previous = dc.SelectObject(&font);
  const COLORREF oldColour = dc.SetTextColor(active ? CaptionText : Face);
  RECT textRect{rect.left + 4, rect.top, rect.right - 4, rect.bottom};
  if (closeBox) textRect.right = CloseBoxRect(rect).left - 2;
  if (minimizeBox) textRect.right = MinimizeBoxRect(rect, closeBox).left - 2;
  DrawFaceText(dc, text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, false);
  dc.SetTextColor(oldColour);
  dc.SelectObject(previous);
  if (minimizeBox) DrawCaptionGlyph(dc, MinimizeBoxRect(rect, closeBox), false);
  if (closeBox) DrawCaptionGlyph(dc, CloseBoxRect(rect), true);
}

}  // namespace look3d
