#include "platform/gdi/printer_device.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/gdi/cairo_functions.h"
#include "platform/gdi/charset.h"

namespace {

constexpr double PointsPerDot = 72.0 / PrinterDevice::DotsPerInch;

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { Cairo()->surface_destroy(surface); }
};
struct ContextRelease {
  void operator()(cairo_t* context) const { Cairo()->destroy(context); }
};
struct FontFaceRelease {
  void operator()(cairo_font_face_t* face) const { Cairo()->font_face_destroy(face); }
};
struct PatternRelease {
  void operator()(cairo_pattern_t* pattern) const { Cairo()->pattern_destroy(pattern); }
};

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void SetColour(cairo_t* context, COLORREF colour) {
  Cairo()->set_source_rgb(context, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

RECT Normalised(const RECT& rect) {
  return RECT{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
              std::max(rect.top, rect.bottom)};
}

void EllipsePath(cairo_t* context, double centreX, double centreY, double radiusX, double radiusY) {
  Cairo()->save(context);
  Cairo()->translate(context, centreX, centreY);
  Cairo()->scale(context, radiusX, radiusY);
  Cairo()->new_path(context);
  Cairo()->arc(context, 0, 0, 1, 0, 2 * std::numbers::pi);
  Cairo()->restore(context);
}

// cairo keeps the fonts it used, and fontconfig's patterns of them, for the life of the process.
// They are given back at exit, before the font engine closes fontconfig (the engine is started
// first, so that it ends last), unless a document is still open then.
class CairoCaches {
 public:
  CairoCaches() { StartFontconfig(); }
  ~CairoCaches() {
    if (openDocuments == 0) Cairo()->debug_reset_static_data();
  }
  CairoCaches(const CairoCaches&) = delete;
  CairoCaches& operator=(const CairoCaches&) = delete;
  int openDocuments = 0;
};

CairoCaches& Caches() {
  static CairoCaches caches;
  return caches;
}

}  // namespace

struct PrinterDevice::Document {
  Document() { ++Caches().openDocuments; }
  ~Document() { --Caches().openDocuments; }
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  std::string bytes;
  std::string title;
  std::unique_ptr<cairo_surface_t, SurfaceRelease> surface;
  std::unique_ptr<cairo_t, ContextRelease> context;
  bool pageDrawn = false;

  bool Healthy() const {
    return Cairo()->surface_status(surface.get()) == CAIRO_STATUS_SUCCESS &&
           Cairo()->status(context.get()) == CAIRO_STATUS_SUCCESS;
  }
};

PrinterDevice::PrinterDevice(std::unique_ptr<PrintDestination> destination) : destination_(std::move(destination)) {}

PrinterDevice::~PrinterDevice() = default;

namespace {

// Drawing with the device context's clip region, in dots; null when no document is open.
class Drawing {
 public:
  Drawing(cairo_t* context, const std::optional<Region>& clip) : context_(context) {
    if (context_ == nullptr) return;
    Cairo()->save(context_);
    if (clip) {
      for (const RECT& rect : clip->Rects()) {
        Cairo()->rectangle(context_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
      }
      if (clip->Rects().empty()) Cairo()->rectangle(context_, 0, 0, 0, 0);
      Cairo()->clip(context_);
    }
  }
  ~Drawing() {
    if (context_ != nullptr) Cairo()->restore(context_);
  }
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;
  explicit operator bool() const { return context_ != nullptr; }
  cairo_t* Get() const { return context_; }

 private:
  cairo_t* context_;
};

const PenObject* PenOf(HPEN pen) {
  const PenObject* found = LookupGdiObjectAs<PenObject>(pen);
  return found == nullptr || found->style == PS_NULL ? nullptr : found;
}

// Sets the brush as the source; false for a hollow or unusable brush.
bool SetBrush(cairo_t* context, HBRUSH brush, POINT origin) {
  const BrushObject* found = LookupGdiObjectAs<BrushObject>(brush);
  if (found == nullptr || found->hollow) return false;
  if (!found->pattern) {
    SetColour(context, found->colour);
    return true;
  }
  const Surface& tile = *found->pattern;
  std::unique_ptr<cairo_surface_t, SurfaceRelease> image(
      Cairo()->image_surface_create(CAIRO_FORMAT_RGB24, tile.Width(), tile.Height()));
  Cairo()->surface_flush(image.get());
  unsigned char* data = Cairo()->image_surface_get_data(image.get());
  const int stride = Cairo()->image_surface_get_stride(image.get());
  for (int y = 0; y < tile.Height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < tile.Width(); ++x) {
      const COLORREF colour = tile.Pixel(x, y);
      row[x] = (static_cast<uint32_t>(GetRValue(colour)) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }
  }
  Cairo()->surface_mark_dirty(image.get());
  std::unique_ptr<cairo_pattern_t, PatternRelease> pattern(Cairo()->pattern_create_for_surface(image.get()));
  Cairo()->pattern_set_extend(pattern.get(), CAIRO_EXTEND_REPEAT);
  Cairo()->pattern_set_filter(pattern.get(), CAIRO_FILTER_NEAREST);
  cairo_matrix_t placement;
  Cairo()->matrix_init_translate(&placement, -origin.x, -origin.y);
  Cairo()->pattern_set_matrix(pattern.get(), &placement);
  Cairo()->set_source(context, pattern.get());
  return true;
}

}  // namespace

void PrinterDevice::Line(POINT from, POINT to) {
  const PenObject* pen = PenOf(Pen());
  Drawing draw(document_ ? document_->context.get() : nullptr, ClipRegion());
  if (!draw || pen == nullptr) return;
  document_->pageDrawn = true;
  SetColour(draw.Get(), pen->colour);
  Cairo()->set_line_width(draw.Get(), std::max(1, pen->width));
  Cairo()->set_line_cap(draw.Get(), CAIRO_LINE_CAP_SQUARE);
  // Through the middle of the dots the line covers, square-ended like the screen's pen; its end
  // dot, as on the screen, is left out.
  const double length = std::hypot(to.x - from.x, to.y - from.y);
  if (length == 0) return;
  Cairo()->move_to(draw.Get(), from.x + 0.5, from.y + 0.5);
  Cairo()->line_to(draw.Get(), to.x + 0.5 - (to.x - from.x) / length, to.y + 0.5 - (to.y - from.y) / length);
  Cairo()->stroke(draw.Get());
}

void PrinterDevice::Rectangle(const RECT& rect) {
  const RECT box = Normalised(rect);
  const PenObject* pen = PenOf(Pen());
  Drawing draw(document_ ? document_->context.get() : nullptr, ClipRegion());
  if (!draw) return;
  document_->pageDrawn = true;
  const int shrink = pen == nullptr ? 1 : 0;
  if (SetBrush(draw.Get(), Brush(), brushOrigin)) {
    Cairo()->rectangle(draw.Get(), box.left, box.top, box.right - box.left - shrink, box.bottom - box.top - shrink);
    Cairo()->fill(draw.Get());
  }
  if (pen == nullptr) return;
  const double width = std::max(1, pen->width);
  SetColour(draw.Get(), pen->colour);
  Cairo()->set_line_width(draw.Get(), width);
  Cairo()->rectangle(draw.Get(), box.left + width / 2, box.top + width / 2, box.right - box.left - width,
                  box.bottom - box.top - width);
  Cairo()->stroke(draw.Get());
}

void PrinterDevice::Ellipse(const RECT& rect) {
  const RECT box = Normalised(rect);
  const PenObject* pen = PenOf(Pen());
  Drawing draw(document_ ? document_->context.get() : nullptr, ClipRegion());
  if (!draw || box.right == box.left || box.bottom == box.top) return;
  document_->pageDrawn = true;
  const double centreX = (box.left + box.right) / 2.0;
  const double centreY = (box.top + box.bottom) / 2.0;
  const double radiusX = (box.right - box.left) / 2.0;
  const double radiusY = (box.bottom - box.top) / 2.0;
  if (SetBrush(draw.Get(), Brush(), brushOrigin)) {
    EllipsePath(draw.Get(), centreX, centreY, radiusX, radiusY);
    Cairo()->fill(draw.Get());
  }
  if (pen == nullptr) return;
  // The outline lies inside the box, as on the screen.
  const double width = std::min({static_cast<double>(std::max(1, pen->width)), radiusX, radiusY});
  SetColour(draw.Get(), pen->colour);
  Cairo()->set_line_width(draw.Get(), width);
  EllipsePath(draw.Get(), centreX, centreY, radiusX - width / 2, radiusY - width / 2);
  Cairo()->stroke(draw.Get());
}

void PrinterDevice::FillWithBrush(const RECT& rect, HBRUSH brush) {
  const RECT box = Normalised(rect);
  Drawing draw(document_ ? document_->context.get() : nullptr, ClipRegion());
  if (!draw || !SetBrush(draw.Get(), brush, brushOrigin)) return;
  document_->pageDrawn = true;
  Cairo()->rectangle(draw.Get(), box.left, box.top, box.right - box.left, box.bottom - box.top);
  Cairo()->fill(draw.Get());
}

BOOL PrinterDevice::PatBlt(const RECT& rect, DWORD rop) {
  // Paper cannot be inverted: only the operations that put a colour down.
  switch (rop) {
    case PATCOPY: FillWithBrush(rect, Brush()); return TRUE;
    case BLACKNESS: FillWithBrush(rect, GetStockObject(BLACK_BRUSH)); return TRUE;
    case WHITENESS: FillWithBrush(rect, GetStockObject(WHITE_BRUSH)); return TRUE;
    default: return FALSE;
  }
}

COLORREF PrinterDevice::SetPixel(int x, int y, COLORREF colour) {
  Drawing draw(document_ ? document_->context.get() : nullptr, ClipRegion());
  if (!draw) return static_cast<COLORREF>(-1);
  document_->pageDrawn = true;
  SetColour(draw.Get(), colour);
  Cairo()->rectangle(draw.Get(), x, y, 1, 1);
  Cairo()->fill(draw.Get());
  return colour & 0xFFFFFF;
}

COLORREF PrinterDevice::GetPixel(int, int) const { return static_cast<COLORREF>(-1); }

void PrinterDevice::TextRun(std::int64_t x, int y, const char* text, size_t length) {
  const LOGFONT logFont = CurrentLogFont();
  const std::shared_ptr<SizedFont> font = ResolveFont(logFont);
  Drawing draw(document_ ? document_->context.get() : nullptr, ClipRegion());
  if (!draw || !font || text == nullptr || length == 0) return;
  document_->pageDrawn = true;
  const FontMetrics& metrics = font->Metrics();
  const SIZE extent = TextExtent(text, length);
  cairo_t* context = draw.Get();
  Cairo()->translate(context, static_cast<double>(x), y);
  // Escapement in tenths of a degree, counter-clockwise on the page.
  Cairo()->rotate(context, -logFont.lfEscapement * std::numbers::pi / 1800.0);
  if (backgroundMode == OPAQUE) {
    SetColour(context, backgroundColour);
    Cairo()->rectangle(context, 0, 0, extent.cx, extent.cy);
    Cairo()->fill(context);
  }
  std::unique_ptr<cairo_font_face_t, FontFaceRelease> face(Cairo()->toy_font_face_create(
      metrics.familyName.c_str(), logFont.lfItalic != 0 ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
      logFont.lfWeight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL));
  Cairo()->set_font_face(context, face.get());
  cairo_matrix_t size;
  Cairo()->matrix_init_scale(&size, std::max(1, metrics.emWidth), std::max(1, metrics.emHeight));
  Cairo()->set_font_matrix(context, &size);
  SetColour(context, textColour);
  Cairo()->move_to(context, 0, metrics.ascent);
  Cairo()->show_text(context, Utf8FromCp1252(std::string(text, length)).c_str());
  auto rule = [&](int top) {
    Cairo()->rectangle(context, 0, top, extent.cx, metrics.lineThickness);
    Cairo()->fill(context);
  };
  if (logFont.lfUnderline) rule(metrics.ascent + metrics.underlinePosition);
  if (logFont.lfStrikeOut) rule(metrics.ascent - metrics.ascent / 3);
}

BOOL PrinterDevice::Transfer(const RECT&, DeviceContext*, const RECT&, DWORD) { return FALSE; }

int PrinterDevice::Caps(int index) const {
  switch (index) {
    case TECHNOLOGY: return DT_RASPRINTER;
    case HORZRES: return PageWidth;
    case VERTRES: return PageHeight;
    case HORZSIZE: return 210;
    case VERTSIZE: return 297;
    case LOGPIXELSX:
    case LOGPIXELSY: return DotsPerInch;
    case BITSPIXEL: return 24;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    default: return 0;
  }
}

int PrinterDevice::Escape(int escape, int inputSize, const void* input, void*) {
  switch (escape) {
    case STARTDOC: return StartDocument(inputSize, input);
    case NEWFRAME: return EndPage();
    case ENDDOC: return EndDocument();
    default: return 0;
  }
}

int PrinterDevice::StartDocument(int inputSize, const void* input) {
  if (document_ || !destination_ || Cairo() == nullptr) return SP_ERROR;
  auto document = std::make_unique<Document>();
  if (input != nullptr && inputSize > 0) {
    const auto* name = static_cast<const char*>(input);
    document->title.assign(name, strnlen(name, static_cast<size_t>(inputSize)));
  }
  document->surface.reset(Cairo()->pdf_surface_create_for_stream(Append, &document->bytes, PageWidth * PointsPerDot,
                                                              PageHeight * PointsPerDot));
  document->context.reset(Cairo()->create(document->surface.get()));
  if (!document->Healthy()) return SP_ERROR;
  Cairo()->scale(document->context.get(), PointsPerDot, PointsPerDot);
  document_ = std::move(document);
  return 1;
}

int PrinterDevice::EndPage() {
  if (!document_) return SP_ERROR;
  Cairo()->show_page(document_->context.get());
  document_->pageDrawn = false;
  return document_->Healthy() ? 1 : SP_ERROR;
}

int PrinterDevice::EndDocument() {
  if (!document_) return SP_ERROR;
  std::unique_ptr<Document> document = std::move(document_);
  // What was drawn after the last page ended is not lost: it makes the last page.
  if (document->pageDrawn) Cairo()->show_page(document->context.get());
  document->context.reset();
  Cairo()->surface_finish(document->surface.get());
  if (Cairo()->surface_status(document->surface.get()) != CAIRO_STATUS_SUCCESS) return SP_ERROR;
  return destination_->Deliver(document->bytes, document->title) ? 1 : SP_ERROR;
}
