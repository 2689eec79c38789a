#pragma once
// The ink of each control's text in a dialog's picture, measured from the pixels: every control is
// painted alone, widened where its text does not move with the width, once with its text and once
// without; the pixels that differ are its text's ink, also where they fall outside the control.
#include <string>
#include <vector>

#include "platform/win/window_api.h"

struct InkPoint {
  int x = 0;  // in the pixels of the top-level window's picture
  int y = 0;
  COLORREF colour = 0;  // the pixel as the control paints it
};

struct ControlInk {
  HWND control = nullptr;
  int id = 0;
  std::string className;
  std::string text;
  bool isGroupBox = false;
  int blankWidth = 0;  // the advance of a blank in the control's font
  RECT shown{};  // the control's rectangle as far as its dialog shows it, in picture pixels
  std::vector<InkPoint> ink;

  bool Shows(int x, int y) const { return x >= shown.left && x < shown.right && y >= shown.top && y < shown.bottom; }
};

// The top-level window's picture as it stands, every window painted.
Surface PaintedPicture(HWND topLevel);

// The ink of every visible control of the dialog (a top-level dialog, or a form inside a frame) that
// draws a caption or a text of its own; list boxes, combo boxes, scroll bars, owner-drawn buttons
// and statics without text are left out. The dialog looks as before when it returns.
std::vector<ControlInk> MeasureControlInk(HWND dialog);
