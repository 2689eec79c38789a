#pragma once
// The ink of each control's text in a dialog's picture, measured from the device pixels: every
// control is painted alone, widened where its text does not move with the width, once with its
// text and once without; the pixels that differ are its text's ink, also where they fall outside
// the control. Painted again at its own size, the control shows what it clips of that ink.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/win/window_api.h"

struct InkPoint {
  int x = 0;  // in the device pixels of the top-level window's picture
  int y = 0;
  COLORREF colour = 0;  // the pixel as the control paints it
};

struct ControlInk {
  HWND control = nullptr;
  int id = 0;
  std::string className;
  std::string text;
  bool isGroupBox = false;
  int blankWidth = 0;  // the advance of a blank in the control's font, in device pixels
  RECT shown{};  // the control's rectangle as far as its dialog shows it, in device pixels
  std::vector<InkPoint> ink;
  // The ink the control paints at its own size, and the ink of its text drawn whole (a push
  // button's taller than its face is measured on a higher button for this): fewer pixels at its
  // own size are pixels it clips.
  std::size_t inkAtItsSize = 0;
  std::size_t inkWhole = 0;
  // A group box's etched frame: the two-pixel lines of its four sides, in device pixels.
  std::vector<RECT> frameLines;

  bool Shows(int x, int y) const { return x >= shown.left && x < shown.right && y >= shown.top && y < shown.bottom; }
};

// The top-level window's picture as it stands, every window painted.
Surface PaintedPicture(HWND topLevel);

// The ink of every visible control of the dialog (a top-level dialog, or a form inside a frame) that
// draws a caption or a text of its own; list boxes, combo boxes, scroll bars, owner-drawn buttons,
// statics without text and group boxes without caption are left out. The dialog looks as before
// when it returns.
std::vector<ControlInk> MeasureControlInk(HWND dialog);
