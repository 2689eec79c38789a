#include "platform/gdi/gdi_wrappers.h"

#include <unordered_map>

#include "platform/gdi/cdc.h"

namespace {

using TemporaryWrapperMap = std::unordered_map<std::uintptr_t, std::unique_ptr<CGdiObject>>;

void ForgetGdiWrapper(HGDIOBJ object);

// Wrappers handed out by FromHandle: they name an object, never delete it, and are forgotten when
// the object is deleted.
TemporaryWrapperMap& TemporaryWrappers() {
  static TemporaryWrapperMap wrappers = [] {
    WatchGdiObjectDeletion(ForgetGdiWrapper);
    return TemporaryWrapperMap();
  }();
  return wrappers;
}

}  // namespace

// The wrapper class that fits the object's kind.
std::unique_ptr<CGdiObject> MakeTemporaryWrapper(HGDIOBJ object) {
  const GdiObject* found = LookupGdiObject(object);
  if (found == nullptr) return nullptr;
  std::unique_ptr<CGdiObject> made;
  if (std::holds_alternative<PenObject>(*found)) {
    made = std::make_unique<CPen>();
  } else if (std::holds_alternative<BrushObject>(*found)) {
    made = std::make_unique<CBrush>();
  } else if (std::holds_alternative<FontObject>(*found)) {
    made = std::make_unique<CFont>();
  } else if (std::holds_alternative<BitmapObject>(*found)) {
    made = std::make_unique<CBitmap>();
  } else {
    made = std::make_unique<CRgn>();
  }
  made->m_hObject = object;
  made->temporary_ = true;
  return made;
}

namespace {

template <typename Wrapper>
Wrapper* TemporaryWrapper(HGDIOBJ object) {
  if (object == nullptr) return nullptr;
  auto& wrappers = TemporaryWrappers();
  auto& slot = wrappers[NumberFromHandle(object)];
  if (!slot) slot = MakeTemporaryWrapper(object);
  if (!slot) {
    wrappers.erase(NumberFromHandle(object));
    return nullptr;
  }
  return dynamic_cast<Wrapper*>(slot.get());
}

void ForgetGdiWrapper(HGDIOBJ object) {
  auto& wrappers = TemporaryWrappers();
  auto found = wrappers.find(NumberFromHandle(object));
  if (found == wrappers.end()) return;
  std::unique_ptr<CGdiObject> wrapper = std::move(found->second);
  wrappers.erase(found);
  wrapper->m_hObject = nullptr;
}

}  // namespace

CGdiObject::~CGdiObject() {
  if (m_hObject != nullptr && !temporary_) ::DeleteObject(m_hObject);
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) { return TemporaryWrapper<CGdiObject>(object); }

BOOL CGdiObject::Attach(HGDIOBJ object) {
  if (m_hObject != nullptr || object == nullptr) return FALSE;
  m_hObject = object;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  const HGDIOBJ object = m_hObject;
  m_hObject = nullptr;
  return object;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  const HGDIOBJ object = Detach();
  return ::DeleteObject(object);
}

BOOL CGdiObject::CreateStockObject(int index) { return Attach(GetStockObject(index)); }

BOOL CGdiObject::UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

int CGdiObject::GetObject(int size, void* out) const { return ::GetObject(m_hObject, size, out); }

CPen::CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }

BOOL CPen::CreatePen(int style, int width, COLORREF colour) { return Attach(::CreatePen(style, width, colour)); }

CPen* CPen::FromHandle(HPEN pen) { return TemporaryWrapper<CPen>(pen); }

CBrush::CBrush(COLORREF colour) { CreateSolidBrush(colour); }

BOOL CBrush::CreateSolidBrush(COLORREF colour) { return Attach(::CreateSolidBrush(colour)); }

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
  return bitmap != nullptr && Attach(::CreatePatternBrush(bitmap->m_hObject));
}

CBrush* CBrush::FromHandle(HBRUSH brush) { return TemporaryWrapper<CBrush>(brush); }

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, LPCSTR faceName) {
  return Attach(::CreateFont(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                             outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) { return Attach(::CreateFontIndirect(logFont)); }

CFont* CFont::FromHandle(HFONT font) { return TemporaryWrapper<CFont>(font); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  return Attach(::CreateCompatibleBitmap(dc == nullptr ? nullptr : dc->m_hDC, width, height));
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return TemporaryWrapper<CBitmap>(bitmap); }

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
  return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }

int CRgn::CombineRgn(CRgn* first, CRgn* second, int mode) {
  return ::CombineRgn(m_hObject, first == nullptr ? nullptr : first->m_hObject,
                      second == nullptr ? nullptr : second->m_hObject, mode);
}

BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(m_hObject, x, y); }

CRgn* CRgn::FromHandle(HRGN region) { return TemporaryWrapper<CRgn>(region); }
