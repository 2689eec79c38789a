#pragma once
// The class forms of the drawing objects. Each owns the object it created and deletes it;
// a wrapper made by FromHandle only names an object and never deletes it.
#include <memory>

#include "platform/gdi/gdi_api.h"

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject();
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  static CGdiObject* FromHandle(HGDIOBJ object);
  BOOL Attach(HGDIOBJ object);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  BOOL CreateStockObject(int index);
  BOOL UnrealizeObject();
  int GetObject(int size, void* out) const;
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }

  HGDIOBJ m_hObject = nullptr;

 private:
  friend std::unique_ptr<CGdiObject> MakeTemporaryWrapper(HGDIOBJ object);
  bool temporary_ = false;  // made by FromHandle: names the object, never deletes it
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF colour);
  BOOL CreatePen(int style, int width, COLORREF colour);
  static CPen* FromHandle(HPEN pen);
};

class CBitmap;

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF colour);
  BOOL CreateSolidBrush(COLORREF colour);
  BOOL CreatePatternBrush(CBitmap* bitmap);
  static CBrush* FromHandle(HBRUSH brush);
};

class CFont : public CGdiObject {
 public:
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                  BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                  BYTE pitchAndFamily, LPCSTR faceName);
  BOOL CreateFontIndirect(const LOGFONT* logFont);
  static CFont* FromHandle(HFONT font);
};

class CBitmap : public CGdiObject {
 public:
  BOOL CreateCompatibleBitmap(class CDC* dc, int width, int height);
  int GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }
  static CBitmap* FromHandle(HBITMAP bitmap);
};

class CRgn : public CGdiObject {
 public:
  BOOL CreateRectRgn(int left, int top, int right, int bottom);
  BOOL CreateRectRgnIndirect(LPCRECT rect);
  int CombineRgn(CRgn* first, CRgn* second, int mode);
  BOOL PtInRegion(int x, int y) const;
  static CRgn* FromHandle(HRGN region);
};
