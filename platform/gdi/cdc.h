#pragma once
// The class form of a device context. A CDC that created its DC (CreateCompatibleDC) deletes it;
// one attached to a DC, or made by FromHandle, leaves the DC to its owner.
#include <string>

#include "platform/gdi/geometry.h"
#include "platform/gdi/gdi_wrappers.h"

class CDC {
 public:
  CDC() = default;
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  static CDC* FromHandle(HDC dc);
  BOOL Attach(HDC dc);
  HDC Detach();
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();

  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  int SelectObject(CRgn* region);
  CGdiObject* SelectStockObject(int index);

  COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
  COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
  COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(m_hDC, colour); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  int GetBkMode() const { return ::GetBkMode(m_hDC); }
  int SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }
  CPoint SetBrushOrg(int x, int y);
  CPoint SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }
  CPoint GetBrushOrg() const;
  int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  CPoint GetCurrentPosition() const;
  BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
  BOOL Rectangle(int left, int top, int right, int bottom) { return ::Rectangle(m_hDC, left, top, right, bottom); }
  BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
  BOOL Ellipse(int left, int top, int right, int bottom) { return ::Ellipse(m_hDC, left, top, right, bottom); }
  BOOL Ellipse(LPCRECT rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }
  void FillRect(LPCRECT rect, CBrush* brush);
  void FillSolidRect(LPCRECT rect, COLORREF colour);
  void FillSolidRect(int x, int y, int width, int height, COLORREF colour);
  void FrameRect(LPCRECT rect, CBrush* brush);
  void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
  void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
  BOOL FillRgn(CRgn* region, CBrush* brush);
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }
  COLORREF SetPixel(int x, int y, COLORREF colour) { return ::SetPixel(m_hDC, x, y, colour); }
  COLORREF SetPixel(POINT point, COLORREF colour) { return SetPixel(point.x, point.y, colour); }
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                  int sourceHeight, DWORD rop);

  BOOL TextOut(int x, int y, LPCSTR text, int length) { return ::TextOut(m_hDC, x, y, text, length); }
  BOOL TextOut(int x, int y, const std::string& text) {
    return TextOut(x, y, text.c_str(), static_cast<int>(text.size()));
  }
  int DrawText(LPCSTR text, int length, LPRECT rect, UINT format) {
    return ::DrawText(m_hDC, text, length, rect, format);
  }
  int DrawText(const std::string& text, LPRECT rect, UINT format) {
    return DrawText(text.c_str(), static_cast<int>(text.size()), rect, format);
  }
  CSize GetTextExtent(LPCSTR text, int length) const;
  CSize GetTextExtent(const std::string& text) const {
    return GetTextExtent(text.c_str(), static_cast<int>(text.size()));
  }
  BOOL GetTextMetrics(TEXTMETRIC* metrics) const { return ::GetTextMetrics(m_hDC, metrics); }
  int SelectClipRgn(CRgn* region) { return ::SelectClipRgn(m_hDC, region == nullptr ? nullptr : region->m_hObject); }
  int IntersectClipRect(int left, int top, int right, int bottom) {
    return ::IntersectClipRect(m_hDC, left, top, right, bottom);
  }
  int IntersectClipRect(LPCRECT rect) { return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom); }
  int Escape(int escape, int inputSize, const void* input, void* output) {
    return ::Escape(m_hDC, escape, inputSize, input, output);
  }

  HDC m_hDC = nullptr;

 private:
  bool ownsDC_ = false;
};
