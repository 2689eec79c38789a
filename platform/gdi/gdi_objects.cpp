#include "platform/gdi/gdi_objects.h"

#include <array>
#include <cstring>
#include <unordered_map>

#include "platform/gdi/handle_end_watchers.h"
#include "platform/gdi/look3d_colours.h"

namespace {

struct Entry {
  GdiObject object;
  bool stock = false;
  int selections = 0;
};

class ObjectTable {
 public:
  HGDIOBJ Add(GdiObject object, bool stock = false) {
    const std::uintptr_t number = next_++;
    entries_.emplace(number, Entry{std::move(object), stock, 0});
    return HandleFromNumber<HGDIOBJ>(number);
  }
  Entry* Find(HGDIOBJ handle) {
    auto found = entries_.find(NumberFromHandle(handle));
    return found == entries_.end() ? nullptr : &found->second;
  }
  void Remove(HGDIOBJ handle) { entries_.erase(NumberFromHandle(handle)); }

 private:
  // Numbers start high so that a GDI handle never looks like a small integer resource id.
  std::uintptr_t next_ = 0x10000;
  std::unordered_map<std::uintptr_t, Entry> entries_;
};

ObjectTable& Objects() {
  static ObjectTable table;
  return table;
}

LOGFONT StockFont(const char* face, int height, int weight, BYTE pitchAndFamily) {
  LOGFONT font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfPitchAndFamily = pitchAndFamily;
  std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return font;
}

const std::array<HGDIOBJ, 18>& StockObjects() {
  static const std::array<HGDIOBJ, 18> stock = [] {
    std::array<HGDIOBJ, 18> made{};
    ObjectTable& table = Objects();
    made[WHITE_BRUSH] = table.Add(BrushObject{false, RGB(255, 255, 255), {}}, true);
    made[LTGRAY_BRUSH] = table.Add(BrushObject{false, look3d::Face, {}}, true);
    made[GRAY_BRUSH] = table.Add(BrushObject{false, RGB(128, 128, 128), {}}, true);
    made[DKGRAY_BRUSH] = table.Add(BrushObject{false, RGB(64, 64, 64), {}}, true);
    made[BLACK_BRUSH] = table.Add(BrushObject{false, RGB(0, 0, 0), {}}, true);
    made[NULL_BRUSH] = table.Add(BrushObject{true, 0, {}}, true);
    made[WHITE_PEN] = table.Add(PenObject{PS_SOLID, 1, RGB(255, 255, 255)}, true);
    made[BLACK_PEN] = table.Add(PenObject{PS_SOLID, 1, RGB(0, 0, 0)}, true);
    made[NULL_PEN] = table.Add(PenObject{PS_NULL, 1, 0}, true);
    const HGDIOBJ fixed = table.Add(FontObject{StockFont("Fixedsys", -12, FW_NORMAL, FIXED_PITCH | FF_MODERN)}, true);
    const HGDIOBJ variable = table.Add(FontObject{StockFont("Helv", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS)}, true);
    made[OEM_FIXED_FONT] = fixed;
    made[ANSI_FIXED_FONT] = fixed;
    made[SYSTEM_FIXED_FONT] = fixed;
    made[ANSI_VAR_FONT] = variable;
    made[DEFAULT_GUI_FONT] = variable;
    made[DEVICE_DEFAULT_FONT] = variable;
    made[SYSTEM_FONT] = table.Add(FontObject{StockFont("Helv", -13, FW_BOLD, VARIABLE_PITCH | FF_SWISS)}, true);
    return made;
  }();
  return stock;
}

int RegionKind(const Region& region) {
  if (region.IsEmpty()) return NULLREGION;
  return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF colour) {
  return Objects().Add(PenObject{style, width < 1 ? 1 : width, colour});
}

HBRUSH CreateSolidBrush(COLORREF colour) { return Objects().Add(BrushObject{false, colour, {}}); }

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  const BitmapObject* source = LookupGdiObjectAs<BitmapObject>(bitmap);
  if (source == nullptr || source->pixels.Width() == 0) return nullptr;
  return Objects().Add(BrushObject{false, source->pixels.Pixel(0, 0), source->pixels});
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                 DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                 DWORD pitchAndFamily, LPCSTR faceName) {
  LOGFONT font;
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = static_cast<BYTE>(italic != 0);
  font.lfUnderline = static_cast<BYTE>(underline != 0);
  font.lfStrikeOut = static_cast<BYTE>(strikeOut != 0);
  font.lfCharSet = static_cast<BYTE>(charSet);
  font.lfOutPrecision = static_cast<BYTE>(outPrecision);
  font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  font.lfQuality = static_cast<BYTE>(quality);
  font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  if (faceName != nullptr) std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&font);
}

HFONT CreateFontIndirect(const LOGFONT* logFont) {
  if (logFont == nullptr) return nullptr;
  LOGFONT copy = *logFont;
  copy.lfFaceName[LF_FACESIZE - 1] = '\0';
  return Objects().Add(FontObject{copy});
}

HBITMAP CreateBitmapFromSurface(Surface pixels) { return Objects().Add(BitmapObject{std::move(pixels)}); }

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return Objects().Add(RegionObject{Region(RECT{left, top, right, bottom})});
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  return rect == nullptr ? nullptr : CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
  RegionObject* target = LookupGdiObjectAs<RegionObject>(region);
  if (target == nullptr) return FALSE;
  target->region = Region(RECT{left, top, right, bottom});
  return TRUE;
}

int CombineRgn(HRGN destination, HRGN first, HRGN second, int mode) {
  RegionObject* target = LookupGdiObjectAs<RegionObject>(destination);
  const RegionObject* a = LookupGdiObjectAs<RegionObject>(first);
  const RegionObject* b = LookupGdiObjectAs<RegionObject>(second);
  if (target == nullptr || a == nullptr || (mode != RGN_COPY && b == nullptr)) return RGN_ERROR;
  Region result = a->region;
  switch (mode) {
    case RGN_AND: result.Intersect(b->region); break;
    case RGN_OR:
      for (const RECT& rect : b->region.Rects()) result.Add(rect);
      break;
    case RGN_XOR: {
      Region common = a->region;
      common.Intersect(b->region);
      for (const RECT& rect : b->region.Rects()) result.Add(rect);
      result.Subtract(common);
      break;
    }
    case RGN_DIFF: result.Subtract(b->region); break;
    case RGN_COPY: break;
    default: return RGN_ERROR;
  }
  target->region = std::move(result);
  return RegionKind(target->region);
}

BOOL PtInRegion(HRGN region, int x, int y) {
  const RegionObject* found = LookupGdiObjectAs<RegionObject>(region);
  return found != nullptr && found->region.Contains(x, y);
}

int GetRgnBox(HRGN region, RECT* box) {
  const RegionObject* found = LookupGdiObjectAs<RegionObject>(region);
  if (found == nullptr || box == nullptr) return RGN_ERROR;
  *box = found->region.Bounds();
  return RegionKind(found->region);
}

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index >= static_cast<int>(StockObjects().size())) return nullptr;
  return StockObjects()[index];
}

namespace {

HandleEndWatchers<HGDIOBJ>& DeletionWatchers() {
  static HandleEndWatchers<HGDIOBJ> watchers;
  return watchers;
}

}  // namespace

void WatchGdiObjectDeletion(void (*watcher)(HGDIOBJ)) { DeletionWatchers().Add(watcher); }

BOOL DeleteObject(HGDIOBJ object) {
  Entry* entry = Objects().Find(object);
  if (entry == nullptr) return FALSE;
  if (entry->stock) return TRUE;
  if (entry->selections > 0) return FALSE;
  Objects().Remove(object);
  DeletionWatchers().Tell(object);
  return TRUE;
}

BOOL UnrealizeObject(HGDIOBJ object) { return LookupGdiObject(object) != nullptr; }

int GetObject(HGDIOBJ object, int size, void* out) {
  GdiObject* found = LookupGdiObject(object);
  if (found == nullptr || out == nullptr) return 0;
  if (const BitmapObject* bitmap = std::get_if<BitmapObject>(found)) {
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP info;
    info.bmWidth = bitmap->pixels.Width();
    info.bmHeight = bitmap->pixels.Height();
    info.bmWidthBytes = info.bmWidth * 4;
    *static_cast<BITMAP*>(out) = info;
    return sizeof(BITMAP);
  }
  if (const FontObject* font = std::get_if<FontObject>(found)) {
    if (size < static_cast<int>(sizeof(LOGFONT))) return 0;
    *static_cast<LOGFONT*>(out) = font->logFont;
    return sizeof(LOGFONT);
  }
  return 0;
}

GdiObject* LookupGdiObject(HGDIOBJ object) {
  StockObjects();
  Entry* entry = Objects().Find(object);
  return entry == nullptr ? nullptr : &entry->object;
}

HBITMAP DefaultBitmap() {
  static const HBITMAP bitmap = Objects().Add(BitmapObject{Surface(1, 1, RGB(0, 0, 0))}, true);
  return bitmap;
}

bool IsStockObject(HGDIOBJ object) {
  const Entry* entry = Objects().Find(object);
  return entry != nullptr && entry->stock;
}

void RetainSelection(HGDIOBJ object) {
  if (Entry* entry = Objects().Find(object)) ++entry->selections;
}

void ReleaseSelection(HGDIOBJ object) {
  if (Entry* entry = Objects().Find(object); entry != nullptr && entry->selections > 0) --entry->selections;
}

bool IsSelected(HGDIOBJ object) {
  const Entry* entry = Objects().Find(object);
  return entry != nullptr && entry->selections > 0;
}
