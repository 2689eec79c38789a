#include "platform/gdi/cdc.h"

#include <unordered_map>

namespace {

using TemporaryDCMap = std::unordered_map<std::uintptr_t, std::unique_ptr<CDC>>;

void ForgetDCWrapper(HDC dc);

// The wrappers FromHandle made; each is forgotten when its DC is deleted.
TemporaryDCMap& TemporaryDCs() {
  static TemporaryDCMap wrappers = [] {
    WatchDCDeletion(ForgetDCWrapper);
    return TemporaryDCMap();
  }();
  return wrappers;
}

void ForgetDCWrapper(HDC dc) {
  auto& wrappers = TemporaryDCs();
  auto found = wrappers.find(NumberFromHandle(dc));
  if (found == wrappers.end()) return;
  std::unique_ptr<CDC> wrapper = std::move(found->second);
  wrappers.erase(found);
  wrapper->m_hDC = nullptr;
}

}  // namespace

CDC::~CDC() {
  if (ownsDC_ && m_hDC != nullptr) ::DeleteDC(m_hDC);
}

CDC* CDC::FromHandle(HDC dc) {
  if (LookupDC(dc) == nullptr) return nullptr;
  auto& slot = TemporaryDCs()[NumberFromHandle(dc)];
  if (!slot) {
    slot = std::make_unique<CDC>();
    slot->m_hDC = dc;
  }
  return slot.get();
}

BOOL CDC::Attach(HDC dc) {
  if (m_hDC != nullptr || LookupDC(dc) == nullptr) return FALSE;
  m_hDC = dc;
  ownsDC_ = false;
  return TRUE;
}

HDC CDC::Detach() {
  const HDC dc = m_hDC;
  m_hDC = nullptr;
  ownsDC_ = false;
  return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  if (m_hDC != nullptr) return FALSE;
  m_hDC = ::CreateCompatibleDC(dc == nullptr ? nullptr : dc->m_hDC);
  ownsDC_ = m_hDC != nullptr;
  return ownsDC_ ? TRUE : FALSE;
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  const HDC dc = Detach();
  return ::DeleteDC(dc);
}

CPen* CDC::SelectObject(CPen* pen) {
  return pen == nullptr ? nullptr : CPen::FromHandle(::SelectObject(m_hDC, pen->m_hObject));
}

CBrush* CDC::SelectObject(CBrush* brush) {
  return brush == nullptr ? nullptr : CBrush::FromHandle(::SelectObject(m_hDC, brush->m_hObject));
}

CFont* CDC::SelectObject(CFont* font) {
  return font == nullptr ? nullptr : CFont::FromHandle(::SelectObject(m_hDC, font->m_hObject));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  return bitmap == nullptr ? nullptr : CBitmap::FromHandle(::SelectObject(m_hDC, bitmap->m_hObject));
}

int CDC::SelectObject(CRgn* region) { return SelectClipRgn(region); }

CGdiObject* CDC::SelectStockObject(int index) {
  return CGdiObject::FromHandle(::SelectObject(m_hDC, GetStockObject(index)));
}

CPoint CDC::SetBrushOrg(int x, int y) {
  POINT previous{};
  ::SetBrushOrgEx(m_hDC, x, y, &previous);
  return CPoint(previous);
}

CPoint CDC::GetBrushOrg() const {
  POINT origin{};
  ::GetBrushOrgEx(m_hDC, &origin);
  return CPoint(origin);
}

CPoint CDC::MoveTo(int x, int y) {
  POINT previous{};
  ::MoveToEx(m_hDC, x, y, &previous);
  return CPoint(previous);
}

CPoint CDC::GetCurrentPosition() const {
  const DeviceContext* context = LookupDC(m_hDC);
  return context == nullptr ? CPoint() : CPoint(context->position);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
  if (brush != nullptr) ::FillRect(m_hDC, rect, brush->m_hObject);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour) {
  const HBRUSH brush = ::CreateSolidBrush(colour);
  ::FillRect(m_hDC, rect, brush);
  ::DeleteObject(brush);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF colour) {
  const RECT rect{x, y, x + width, y + height};
  FillSolidRect(&rect, colour);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
  if (brush != nullptr) ::FrameRect(m_hDC, rect, brush->m_hObject);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
  const int x = rect->left;
  const int y = rect->top;
  const int width = rect->right - rect->left;
  const int height = rect->bottom - rect->top;
  FillSolidRect(x, y, width - 1, 1, topLeft);
  FillSolidRect(x, y, 1, height - 1, topLeft);
  FillSolidRect(x + width - 1, y, 1, height, bottomRight);
  FillSolidRect(x, y + height - 1, width, 1, bottomRight);
}

BOOL CDC::FillRgn(CRgn* region, CBrush* brush) {
  if (region == nullptr || brush == nullptr) return FALSE;
  return ::FillRgn(m_hDC, region->m_hObject, brush->m_hObject);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, source == nullptr ? nullptr : source->m_hDC, sourceX, sourceY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                     int sourceHeight, DWORD rop) {
  return ::StretchBlt(m_hDC, x, y, width, height, source == nullptr ? nullptr : source->m_hDC, sourceX, sourceY,
                      sourceWidth, sourceHeight, rop);
}

CSize CDC::GetTextExtent(LPCSTR text, int length) const {
  SIZE size{};
  ::GetTextExtentPoint32(m_hDC, text, length, &size);
  return CSize(size);
}
