#include "platform/gdi/raster_device.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/gdi/text_raster.h"

namespace {

const PenObject NullPen{PS_NULL, 1, 0};
const BrushObject HollowBrush{true, 0, {}};

const PenObject& PenOf(HPEN pen) {
  const PenObject* found = LookupGdiObjectAs<PenObject>(pen);
  return found == nullptr ? NullPen : *found;
}

const BrushObject& BrushOf(HBRUSH brush) {
  const BrushObject* found = LookupGdiObjectAs<BrushObject>(brush);
  return found == nullptr ? HollowBrush : *found;
}

COLORREF Mix(COLORREF under, COLORREF over, int coverage) {
  auto channel = [&](int shift) {
    const int a = static_cast<int>((under >> shift) & 0xFF);
    const int b = static_cast<int>((over >> shift) & 0xFF);
    return static_cast<COLORREF>((a + (b - a) * coverage / 255) & 0xFF) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

COLORREF BrushColourAt(const BrushObject& brush, int x, int y, POINT origin) {
  if (!brush.pattern) return brush.colour;
  const Surface& pattern = *brush.pattern;
  const int px = ((x - origin.x) % pattern.Width() + pattern.Width()) % pattern.Width();
  const int py = ((y - origin.y) % pattern.Height() + pattern.Height()) % pattern.Height();
  return pattern.Pixel(px, py);
}

// The span of pixel centres inside an ellipse on one row, or nothing.
bool EllipseSpan(double centreX, double centreY, double radiusX, double radiusY, int row, int& first, int& last) {
  if (radiusX <= 0 || radiusY <= 0) return false;
  const double dy = (row + 0.5 - centreY) / radiusY;
  if (dy * dy > 1.0) return false;
  const double half = radiusX * std::sqrt(1.0 - dy * dy);
  first = static_cast<int>(std::ceil(centreX - half - 0.5));
  last = static_cast<int>(std::floor(centreX + half - 0.5));
  return first <= last;
}

}  // namespace

RasterDevice::RasterDevice(Surface* target, POINT origin, Region visible, SIZE display)
    : target_(target), origin_(origin), visible_(std::move(visible)), display_(display) {
  UpdateEffectiveClip();
}

RasterDevice::RasterDevice(SIZE display) : memory_(true), display_(display) { Select(DefaultBitmap()); }

void RasterDevice::SetVisible(Region visible) {
  visible_ = std::move(visible);
  UpdateEffectiveClip();
}

void RasterDevice::OnBitmapSelected() {
  BitmapObject* bitmap = LookupGdiObjectAs<BitmapObject>(Bitmap());
  target_ = bitmap == nullptr ? nullptr : &bitmap->pixels;
  visible_ = target_ == nullptr ? Region() : Region(RECT{0, 0, target_->Width(), target_->Height()});
  UpdateEffectiveClip();
}

void RasterDevice::OnClipChanged() { UpdateEffectiveClip(); }

void RasterDevice::UpdateEffectiveClip() {
  effective_ = visible_;
  if (ClipRegion()) {
    Region clip = *ClipRegion();
    clip.Offset(origin_.x, origin_.y);
    effective_.Intersect(clip);
  }
}

bool RasterDevice::Drawable(int deviceX, int deviceY) const {
  return target_ != nullptr && target_->Contains(deviceX, deviceY) && effective_.Contains(deviceX, deviceY);
}

void RasterDevice::Plot(int deviceX, int deviceY, COLORREF colour) {
  if (Drawable(deviceX, deviceY)) target_->SetPixel(deviceX, deviceY, colour);
}

void RasterDevice::Blend(int deviceX, int deviceY, COLORREF colour, int coverage) {
  if (coverage <= 0 || !Drawable(deviceX, deviceY)) return;
  target_->SetPixel(deviceX, deviceY,
                    coverage >= 255 ? colour : Mix(target_->Pixel(deviceX, deviceY), colour, coverage));
}

void RasterDevice::FillDeviceRect(RECT rect, const BrushObject& brush, DWORD rop) {
  if (target_ == nullptr) return;
  if (rop == PATCOPY && brush.hollow) return;
  for (const RECT& piece : effective_.Rects()) {
    RECT part;
    if (!IntersectRect(&part, &piece, &rect)) continue;
    // A solid colour copied onto unscaled pixels fills whole rows at once.
    if (rop == PATCOPY && !brush.pattern && target_->Scale() == 1) {
      for (int y = part.top; y < part.bottom; ++y) {
        std::fill(target_->Row(y) + part.left, target_->Row(y) + part.right, brush.colour);
      }
      continue;
    }
    for (int y = part.top; y < part.bottom; ++y) {
      for (int x = part.left; x < part.right; ++x) {
        const COLORREF under = target_->Pixel(x, y);
        COLORREF result = RGB(255, 255, 255);
        switch (rop) {
          case PATCOPY: result = BrushColourAt(brush, x, y, brushOrigin); break;
          case PATINVERT: result = under ^ (brush.hollow ? 0 : BrushColourAt(brush, x, y, brushOrigin)); break;
          case DSTINVERT: result = ~under & 0xFFFFFF; break;
          case BLACKNESS: result = RGB(0, 0, 0); break;
          default: break;
        }
        target_->SetPixel(x, y, result);
      }
    }
  }
}

void RasterDevice::FillSpan(int y, int x0, int x1, const BrushObject& brush) {
  FillDeviceRect(RECT{x0, y, x1 + 1, y + 1}, brush, PATCOPY);
}

void RasterDevice::PenDot(int deviceX, int deviceY, const PenObject& pen) {
  if (pen.width <= 1) {
    Plot(deviceX, deviceY, pen.colour);
    return;
  }
  const int start = -pen.width / 2;
  for (int dy = start; dy < start + pen.width; ++dy) {
    for (int dx = start; dx < start + pen.width; ++dx) Plot(deviceX + dx, deviceY + dy, pen.colour);
  }
}

void RasterDevice::Line(POINT from, POINT to) {
  const PenObject& pen = PenOf(Pen());
  if (pen.style == PS_NULL) return;
  int x = from.x + origin_.x;
  int y = from.y + origin_.y;
  const int endX = to.x + origin_.x;
  const int endY = to.y + origin_.y;
  const int dx = std::abs(endX - x);
  const int dy = -std::abs(endY - y);
  const int stepX = x < endX ? 1 : -1;
  const int stepY = y < endY ? 1 : -1;
  int error = dx + dy;
  // The end point itself is not drawn.
  while (x != endX || y != endY) {
    PenDot(x, y, pen);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void RasterDevice::Rectangle(const RECT& rect) {
  RECT box{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
           std::max(rect.top, rect.bottom)};
  OffsetRect(&box, origin_.x, origin_.y);
  const PenObject& pen = PenOf(Pen());
  const BrushObject& brush = BrushOf(Brush());
  if (pen.style == PS_NULL) {
    FillDeviceRect(RECT{box.left, box.top, box.right - 1, box.bottom - 1}, brush, PATCOPY);
    return;
  }
  const int w = pen.width;
  const BrushObject penBrush{false, pen.colour, {}};
  FillDeviceRect(RECT{box.left, box.top, box.right, std::min(box.bottom, box.top + w)}, penBrush, PATCOPY);
  FillDeviceRect(RECT{box.left, std::max(box.top, box.bottom - w), box.right, box.bottom}, penBrush, PATCOPY);
  FillDeviceRect(RECT{box.left, box.top + w, std::min(box.right, box.left + w), box.bottom - w}, penBrush, PATCOPY);
  FillDeviceRect(RECT{std::max(box.left, box.right - w), box.top + w, box.right, box.bottom - w}, penBrush, PATCOPY);
  FillDeviceRect(RECT{box.left + w, box.top + w, box.right - w, box.bottom - w}, brush, PATCOPY);
}

void RasterDevice::Ellipse(const RECT& rect) {
  RECT box{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
           std::max(rect.top, rect.bottom)};
  OffsetRect(&box, origin_.x, origin_.y);
  const PenObject& pen = PenOf(Pen());
  const BrushObject& brush = BrushOf(Brush());
  const double centreX = (box.left + box.right) / 2.0;
  const double centreY = (box.top + box.bottom) / 2.0;
  const double radiusX = (box.right - box.left) / 2.0;
  const double radiusY = (box.bottom - box.top) / 2.0;
  const int ring = pen.style == PS_NULL ? 0 : pen.width;
  const BrushObject penBrush{false, pen.colour, {}};
  for (int row = box.top; row < box.bottom; ++row) {
    int outerFirst = 0;
    int outerLast = 0;
    if (!EllipseSpan(centreX, centreY, radiusX, radiusY, row, outerFirst, outerLast)) continue;
    int innerFirst = 0;
    int innerLast = 0;
    const bool inner = EllipseSpan(centreX, centreY, radiusX - ring, radiusY - ring, row, innerFirst, innerLast);
    if (!inner) {
      if (ring > 0) FillSpan(row, outerFirst, outerLast, penBrush);
      continue;
    }
    if (ring > 0) {
      if (outerFirst < innerFirst) FillSpan(row, outerFirst, innerFirst - 1, penBrush);
      if (innerLast < outerLast) FillSpan(row, innerLast + 1, outerLast, penBrush);
    }
    if (!brush.hollow) FillSpan(row, innerFirst, innerLast, brush);
  }
}

void RasterDevice::FillWithBrush(const RECT& rect, HBRUSH brush) {
  RECT box = rect;
  OffsetRect(&box, origin_.x, origin_.y);
  FillDeviceRect(box, BrushOf(brush), PATCOPY);
}

BOOL RasterDevice::PatBlt(const RECT& rect, DWORD rop) {
  if (rop != PATCOPY && rop != PATINVERT && rop != DSTINVERT && rop != BLACKNESS && rop != WHITENESS) return FALSE;
  RECT box{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
           std::max(rect.top, rect.bottom)};
  OffsetRect(&box, origin_.x, origin_.y);
  FillDeviceRect(box, BrushOf(Brush()), rop);
  return TRUE;
}

COLORREF RasterDevice::SetPixel(int x, int y, COLORREF colour) {
  const int deviceX = x + origin_.x;
  const int deviceY = y + origin_.y;
  if (!Drawable(deviceX, deviceY)) return static_cast<COLORREF>(-1);
  target_->SetPixel(deviceX, deviceY, colour & 0xFFFFFF);
  return colour & 0xFFFFFF;
}

COLORREF RasterDevice::GetPixel(int x, int y) const {
  const int deviceX = x + origin_.x;
  const int deviceY = y + origin_.y;
  if (!Drawable(deviceX, deviceY)) return static_cast<COLORREF>(-1);
  return target_->Pixel(deviceX, deviceY);
}

void RasterDevice::TextRun(std::int64_t x, int y, const char* text, size_t length) {
  const LOGFONT logFont = CurrentLogFont();
  const std::shared_ptr<SizedFont> font = ResolveFont(logFont);
  if (!font || target_ == nullptr || length == 0) return;
  // On a scaled screen the glyphs come from the face at the screen's size, each at its place in
  // the text's layout, which stays that of the font the program chose.
  const int scale = target_->Scale();
  const std::shared_ptr<SizedFont> glyphs = scale > 1 ? ResolveFont(logFont, scale) : font;
  if (!glyphs) return;
  // Escapement in tenths of a degree, in quarter turns counter-clockwise. A cell (u, v) of the run
  // lands on the device pixel (baseX + ux * u + vx * v, baseY + uy * u + vy * v).
  const int quarter = (((logFont.lfEscapement + 450) / 900) % 4 + 4) % 4;
  static constexpr int Turns[4][4] = {{1, 0, 0, 1}, {0, 1, -1, 0}, {-1, 0, 0, -1}, {0, -1, 1, 0}};
  // Named one by one: clang before 16 cannot capture a structured binding in a lambda.
  const int ux = Turns[quarter][0], vx = Turns[quarter][1], uy = Turns[quarter][2], vy = Turns[quarter][3];
  const std::int64_t baseX = (x + origin_.x) * scale;
  const std::int64_t baseY = (std::int64_t{y} + origin_.y) * scale;
  // The cells that land on a device rectangle, along the run and across it.
  auto cellsOn = [&](const RECT& device) {
    const CellSpan columns = ux != 0 ? CellsLandingIn(ux, baseX, device.left, device.right)
                                     : CellsLandingIn(uy, baseY, device.top, device.bottom);
    const CellSpan rows = vx != 0 ? CellsLandingIn(vx, baseX, device.left, device.right)
                                  : CellsLandingIn(vy, baseY, device.top, device.bottom);
    return std::pair{columns, rows};
  };
  auto onDevice = [scale](const RECT& area) {
    return RECT{area.left * scale, area.top * scale, area.right * scale, area.bottom * scale};
  };
  const RECT surfaceArea{0, 0, target_->Width(), target_->Height()};
  RECT shown{};
  const RECT clipBounds = effective_.Bounds();
  if (!IntersectRect(&shown, &clipBounds, &surfaceArea)) return;
  // Only the cells inside the clip's bounds are rastered: a run far longer than the surface costs
  // what the surface shows of it.
  const auto [columns, rows] = cellsOn(onDevice(shown));
  const TextMask mask = RasterTextRun(*font, *glyphs, std::string_view(text, length),
                                      TextRunStyle{scale, logFont.lfUnderline != 0, logFont.lfStrikeOut != 0},
                                      columns, rows);
  if (mask.columns.IsEmpty() || mask.rows.IsEmpty()) return;
  const bool opaque = backgroundMode == OPAQUE;
  // The clip's rectangles do not overlap, so each device pixel is drawn once, from the one
  // rectangle that holds it.
  for (const RECT& piece : effective_.Rects()) {
    RECT area;
    if (!IntersectRect(&area, &piece, &surfaceArea)) continue;
    const auto [pieceColumns, pieceRows] = cellsOn(onDevice(area));
    const std::int64_t firstColumn = std::max(pieceColumns.first, mask.columns.first);
    const std::int64_t endColumn = std::min(pieceColumns.end, mask.columns.end);
    const std::int64_t firstRow = std::max(pieceRows.first, mask.rows.first);
    const std::int64_t endRow = std::min(pieceRows.end, mask.rows.end);
    for (std::int64_t v = firstRow; v < endRow; ++v) {
      for (std::int64_t u = firstColumn; u < endColumn; ++u) {
        const int coverage = mask.At(u, v);
        if (coverage == 0 && !opaque) continue;
        const int deviceX = static_cast<int>(baseX + ux * u + vx * v);
        const int deviceY = static_cast<int>(baseY + uy * u + vy * v);
        COLORREF colour = opaque ? backgroundColour : target_->DevicePixel(deviceX, deviceY);
        if (coverage > 0) colour = coverage >= 255 ? textColour : Mix(colour, textColour, coverage);
        target_->SetDevicePixel(deviceX, deviceY, colour);
      }
    }
  }
}

BOOL RasterDevice::Transfer(const RECT& destination, DeviceContext* source, const RECT& sourceRect, DWORD rop) {
  if (rop == PATCOPY || rop == PATINVERT || rop == DSTINVERT || rop == BLACKNESS || rop == WHITENESS) {
    return PatBlt(destination, rop);
  }
  if (rop != SRCCOPY && rop != SRCPAINT && rop != SRCAND && rop != SRCINVERT && rop != NOTSRCCOPY) return FALSE;
  auto* raster = dynamic_cast<RasterDevice*>(source);
  if (raster == nullptr || raster->target_ == nullptr || target_ == nullptr) return FALSE;
  const int destWidth = destination.right - destination.left;
  const int destHeight = destination.bottom - destination.top;
  const int sourceWidth = sourceRect.right - sourceRect.left;
  const int sourceHeight = sourceRect.bottom - sourceRect.top;
  if (destWidth <= 0 || destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return FALSE;
  RECT sourceDevice = sourceRect;
  OffsetRect(&sourceDevice, raster->origin_.x, raster->origin_.y);
  const RECT whole{0, 0, raster->target_->Width(), raster->target_->Height()};
  RECT part{};
  if (!IntersectRect(&part, &whole, &sourceDevice)) return TRUE;
  // Source and destination may be the same pixels: the source part is then read from a copy.
  const bool samePixels = raster->target_ == target_;
  const Surface copy = samePixels ? raster->target_->Crop(part) : Surface();
  const Surface& pixels = samePixels ? copy : *raster->target_;
  const POINT corner = samePixels ? POINT{part.left, part.top} : POINT{0, 0};
  // The source column of each destination column, worked out once rather than at every row.
  std::vector<int> sourceColumns(static_cast<size_t>(destWidth));
  for (int dx = 0; dx < destWidth; ++dx) {
    sourceColumns[static_cast<size_t>(dx)] =
        sourceDevice.left + static_cast<int>(static_cast<long long>(dx) * sourceWidth / destWidth);
  }
  const RECT target{destination.left + origin_.x, destination.top + origin_.y, destination.right + origin_.x,
                    destination.bottom + origin_.y};
  const RECT surface{0, 0, target_->Width(), target_->Height()};
  // One clip rectangle at a time, so that no pixel inside it is tested on its own.
  for (const RECT& piece : effective_.Rects()) {
    RECT clipped{};
    if (!IntersectRect(&clipped, &piece, &target) || !IntersectRect(&clipped, &clipped, &surface)) continue;
    for (int deviceY = clipped.top; deviceY < clipped.bottom; ++deviceY) {
      const int dy = deviceY - target.top;
      const int sy = sourceDevice.top + static_cast<int>(static_cast<long long>(dy) * sourceHeight / destHeight);
      if (sy < part.top || sy >= part.bottom) continue;
      for (int deviceX = clipped.left; deviceX < clipped.right; ++deviceX) {
        const int sx = sourceColumns[static_cast<size_t>(deviceX - target.left)];
        if (sx < part.left || sx >= part.right) continue;
        const COLORREF from = pixels.Pixel(sx - corner.x, sy - corner.y);
        const COLORREF under = target_->Pixel(deviceX, deviceY);
        COLORREF result = from;
        switch (rop) {
          case SRCPAINT: result = under | from; break;
          case SRCAND: result = under & from; break;
          case SRCINVERT: result = under ^ from; break;
          case NOTSRCCOPY: result = ~from & 0xFFFFFF; break;
          default: break;
        }
        target_->SetPixel(deviceX, deviceY, result);
      }
    }
  }
  return TRUE;
}

int RasterDevice::Caps(int index) const {
  switch (index) {
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZRES: return display_.cx;
    case VERTRES: return display_.cy;
    case HORZSIZE: return display_.cx * 254 / 960;
    case VERTSIZE: return display_.cy * 254 / 960;
    case BITSPIXEL: return 24;
    case PLANES: return 1;
    case NUMCOLORS: return 16;
    case RASTERCAPS: return RC_BITBLT | RC_BITMAP64 | RC_STRETCHBLT;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
  }
}

HDC CreateCompatibleDC(HDC dc) {
  SIZE display{1024, 768};
  if (DeviceContext* context = LookupDC(dc)) display = SIZE{context->Caps(HORZRES), context->Caps(VERTRES)};
  return AddDC(std::make_unique<RasterDevice>(display));
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  return CreateBitmapFromSurface(Surface(width, height, RGB(0, 0, 0)));
}
