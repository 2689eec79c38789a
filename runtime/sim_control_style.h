#pragma once
// What every control wrapper keeps: the control's font and background brush, which it owns, and
// the colours with which the control is painted, which it sets on the device context when the
// dialog asks for them (the private message's colour query).
#include <string>

#include "platform/win/cwnd.h"

enum BackgroundMode : int { TransparentBackground = TRANSPARENT, OpaqueBackground = OPAQUE };

class SimControlStyle {
 public:
  SimControlStyle(const SimControlStyle&) = delete;
  SimControlStyle& operator=(const SimControlStyle&) = delete;

  // A new font from exactly these values, sent to the control with redrawing; the previous font is
  // deleted. 0, keeping the previous font, when the font cannot be made or there is no control yet.
  BOOL SetFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
               BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
               LPCSTR faceName);
  // An owned solid brush of the colour.
  void SetBkBrushColor(COLORREF colour);
  // An owned pattern brush of the bitmap resource; no brush when the bitmap cannot be loaded.
  void SetBkBrushBitmap(const std::string& bitmapName);
  // A stock brush, which is never deleted.
  void SetBkBrushStock(int stockIndex);
  // The colours the colour query sets; the background mode is set always. Returns 1.
  BOOL SetColors(BOOL setTextColour, COLORREF textColour, BOOL setBackgroundColour, COLORREF backgroundColour,
                 int backgroundMode);

  // The reply to the colour query: the brush, after setting the kept colours on the device
  // context; null when the wrapper keeps neither a brush nor any colour.
  HBRUSH ColourReply(HDC dc) const;

  HFONT Font() const { return font_.m_hObject; }
  HBRUSH BackgroundBrush() const { return backgroundBrush_; }

 protected:
  explicit SimControlStyle(CWnd& control) : control_(control) {}
  ~SimControlStyle() = default;

 private:
  void ForgetBrush();

  CWnd& control_;
  CBrush ownedBrush_;
  HBRUSH backgroundBrush_ = nullptr;
  bool setTextColour_ = false;
  bool setBackgroundColour_ = false;
  bool setBackgroundMode_ = false;
  COLORREF textColour_ = 0;
  COLORREF backgroundColour_ = 0;
  int backgroundMode_ = TransparentBackground;
  CFont font_;  // deleted first, before the owned brush
};
