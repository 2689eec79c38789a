#pragma once
// The colours of the light-gray 3D look. The face is also the stock light-gray brush, the system's
// button-face colour and the colour a new window's framebuffer starts with.
#include "platform/gdi/wintypes.h"

namespace look3d {

constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kShadow = RGB(127, 127, 127);
constexpr COLORREF kHighlight = RGB(255, 255, 255);
constexpr COLORREF kDark = RGB(0, 0, 0);
constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kGrayText = RGB(127, 127, 127);
constexpr COLORREF kActiveCaption = RGB(0, 0, 128);
constexpr COLORREF kInactiveCaption = RGB(128, 128, 128);
constexpr COLORREF kCaptionText = RGB(255, 255, 255);
constexpr COLORREF kSelection = RGB(0, 0, 128);
constexpr COLORREF kSelectionText = RGB(255, 255, 255);

}  // namespace look3d
