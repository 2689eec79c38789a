#include "runtime/sim_control_style.h"

#include "runtime/bitmap_drawing.h"

BOOL SimControlStyle::SetFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                              BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                              BYTE quality, BYTE pitchAndFamily, LPCSTR faceName) {
  if (control_.m_hWnd == nullptr) return FALSE;
  CFont fresh;
  if (!fresh.CreateFont(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                        outPrecision, clipPrecision, quality, pitchAndFamily, faceName)) {
    return FALSE;
  }
  control_.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(fresh.m_hObject), TRUE);
  font_.DeleteObject();
  font_.Attach(fresh.Detach());
  return TRUE;
}

void SimControlStyle::ForgetBrush() {
  ownedBrush_.DeleteObject();
  backgroundBrush_ = nullptr;
}

void SimControlStyle::SetBkBrushColor(COLORREF colour) {
  ForgetBrush();
  if (ownedBrush_.CreateSolidBrush(colour)) backgroundBrush_ = ownedBrush_.m_hObject;
}

void SimControlStyle::SetBkBrushBitmap(const std::string& bitmapName) {
  ForgetBrush();
  CBitmap bitmap;
  if (!bitmap.Attach(LoadResourceBitmap(bitmapName))) return;
  if (ownedBrush_.CreatePatternBrush(&bitmap)) backgroundBrush_ = ownedBrush_.m_hObject;
}

void SimControlStyle::SetBkBrushStock(int stockIndex) {
  ForgetBrush();
  backgroundBrush_ = ::GetStockObject(stockIndex);
}

BOOL SimControlStyle::SetColors(BOOL setTextColour, COLORREF textColour, BOOL setBackgroundColour,
                                COLORREF backgroundColour, int backgroundMode) {
  setTextColour_ = setTextColour != FALSE;
  textColour_ = textColour;
  setBackgroundColour_ = setBackgroundColour != FALSE;
  backgroundColour_ = backgroundColour;
  backgroundMode_ = backgroundMode;
  setBackgroundMode_ = true;
  return TRUE;
}

HBRUSH SimControlStyle::ColourReply(HDC dc) const {
  if (backgroundBrush_ == nullptr && !setTextColour_ && !setBackgroundColour_ && !setBackgroundMode_) return nullptr;
  HBRUSH brush = backgroundBrush_;
  if (brush == nullptr) brush = HandleFromNumber<HBRUSH>(::GetClassLong(control_.m_hWnd, GCL_HBRBACKGROUND));
  if (brush == nullptr) brush = ::GetStockObject(WHITE_BRUSH);
  if (setTextColour_) ::SetTextColor(dc, textColour_);
  if (setBackgroundColour_) ::SetBkColor(dc, backgroundColour_);
  if (setBackgroundMode_) ::SetBkMode(dc, backgroundMode_);
  return brush;
}
