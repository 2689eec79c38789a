#include "platform/gdi/device_context.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "platform/gdi/handle_end_watchers.h"

namespace {

class DcTable {
 public:
  HDC Add(std::unique_ptr<DeviceContext> context) {
    const std::uintptr_t number = next_++;
    contexts_.emplace(number, std::move(context));
    return HandleFromNumber<HDC>(number);
  }
  DeviceContext* Find(HDC dc) {
    auto found = contexts_.find(NumberFromHandle(dc));
    return found == contexts_.end() ? nullptr : found->second.get();
  }
  bool Remove(HDC dc) { return contexts_.erase(NumberFromHandle(dc)) > 0; }

 private:
  std::uintptr_t next_ = 0x20000;
  std::unordered_map<std::uintptr_t, std::unique_ptr<DeviceContext>> contexts_;
};

DcTable& Contexts() {
  static DcTable table;
  return table;
}

}  // namespace

DeviceContext::DeviceContext()
    : pen_(GetStockObject(BLACK_PEN)), brush_(GetStockObject(WHITE_BRUSH)), font_(GetStockObject(SYSTEM_FONT)) {}

DeviceContext::~DeviceContext() {
  ReleaseSelection(pen_);
  ReleaseSelection(brush_);
  ReleaseSelection(font_);
  ReleaseSelection(bitmap_);
}

int DeviceContext::Escape(int, int, const void*, void*) { return 0; }

HGDIOBJ DeviceContext::Select(HGDIOBJ object) {
  GdiObject* found = LookupGdiObject(object);
  if (found == nullptr) return nullptr;
  HGDIOBJ* slot = nullptr;
  if (std::holds_alternative<PenObject>(*found)) {
    slot = &pen_;
  } else if (std::holds_alternative<BrushObject>(*found)) {
    slot = &brush_;
  } else if (std::holds_alternative<FontObject>(*found)) {
    slot = &font_;
  } else if (std::holds_alternative<BitmapObject>(*found)) {
    if (!AcceptsBitmaps()) return nullptr;
    // A bitmap can be in one device context at a time.
    if (object != bitmap_ && !IsStockObject(object) && IsSelected(object)) return nullptr;
    slot = &bitmap_;
  } else {
    return nullptr;
  }
  const HGDIOBJ previous = *slot;
  if (previous == object) return previous;
  RetainSelection(object);
  ReleaseSelection(previous);
  *slot = object;
  if (slot == &bitmap_) OnBitmapSelected();
  return previous;
}

int DeviceContext::SelectClip(HRGN region) {
  if (region == nullptr) {
    clip_.reset();
    OnClipChanged();
    return SIMPLEREGION;
  }
  const RegionObject* found = LookupGdiObjectAs<RegionObject>(region);
  if (found == nullptr) return RGN_ERROR;
  clip_ = found->region;
  OnClipChanged();
  if (clip_->IsEmpty()) return NULLREGION;
  return clip_->Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int DeviceContext::IntersectClip(const RECT& rect) {
  if (clip_) {
    clip_->Intersect(rect);
  } else {
    clip_ = Region(rect);
  }
  OnClipChanged();
  if (clip_->IsEmpty()) return NULLREGION;
  return clip_->Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void DeviceContext::RestoreClip(std::optional<Region> clip) {
  clip_ = std::move(clip);
  OnClipChanged();
}

std::shared_ptr<SizedFont> DeviceContext::CurrentFont() const { return ResolveFont(CurrentLogFont()); }

LOGFONT DeviceContext::CurrentLogFont() const {
  if (const FontObject* font = LookupGdiObjectAs<FontObject>(font_)) return font->logFont;
  return LookupGdiObjectAs<FontObject>(GetStockObject(SYSTEM_FONT))->logFont;
}

SIZE DeviceContext::TextExtent(const char* text, size_t length) const {
  const std::shared_ptr<SizedFont> font = CurrentFont();
  if (!font) return SIZE{};
  const std::int64_t width = std::min<std::int64_t>(font->TextWidth(text, length), std::numeric_limits<LONG>::max());
  return SIZE{static_cast<LONG>(width), font->Metrics().height};
}

std::int64_t DeviceContext::TextWidth(const char* text, size_t length) const {
  const std::shared_ptr<SizedFont> font = CurrentFont();
  return font ? font->TextWidth(text, length) : 0;
}

TEXTMETRIC DeviceContext::TextMetrics() const {
  TEXTMETRIC metrics;
  const LOGFONT logFont = CurrentLogFont();
  const std::shared_ptr<SizedFont> font = ResolveFont(logFont);
  if (!font) return metrics;
  const FontMetrics& source = font->Metrics();
  metrics.tmHeight = source.height;
  metrics.tmAscent = source.ascent;
  metrics.tmDescent = source.descent;
  metrics.tmInternalLeading = source.internalLeading;
  metrics.tmExternalLeading = source.externalLeading;
  metrics.tmAveCharWidth = source.averageCharWidth;
  metrics.tmMaxCharWidth = source.maxCharWidth;
  metrics.tmWeight = logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : logFont.lfWeight;
  metrics.tmItalic = logFont.lfItalic;
  metrics.tmUnderlined = logFont.lfUnderline;
  metrics.tmStruckOut = logFont.lfStrikeOut;
  // As the platform defines it, the low bit is set for a variable-pitch face.
  metrics.tmPitchAndFamily = static_cast<BYTE>((logFont.lfPitchAndFamily & 0xF0) | (source.fixedPitch ? 0 : 1));
  metrics.tmCharSet = logFont.lfCharSet;
  return metrics;
}

DeviceContext* LookupDC(HDC dc) { return Contexts().Find(dc); }

HDC AddDC(std::unique_ptr<DeviceContext> context) { return Contexts().Add(std::move(context)); }

namespace {

HandleEndWatchers<HDC>& DeletionWatchers() {
  static HandleEndWatchers<HDC> watchers;
  return watchers;
}

}  // namespace

void WatchDCDeletion(void (*watcher)(HDC)) { DeletionWatchers().Add(watcher); }

BOOL DeleteDC(HDC dc) {
  if (!Contexts().Remove(dc)) return FALSE;
  DeletionWatchers().Tell(dc);
  return TRUE;
}
