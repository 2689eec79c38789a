#pragma once
// The colours of the light-gray 3D look. The face is also the stock light-gray brush, the system's
// button-face colour and the colour a new window's framebuffer starts with.
#include "platform/gdi/wintypes.h"

namespace look3d {

constexpr COLORREF Face = RGB(192, 192, 192);
constexpr COLORREF Shadow = RGB(127, 127, 127);
constexpr COLORREF Highlight = RGB(255, 255, 255);
constexpr COLORREF Dark = RGB(0, 0, 0);
constexpr COLORREF Window = RGB(255, 255, 255);
constexpr COLORREF GrayText = RGB(127, 127, 127);
constexpr COLORREF ActiveCaption = RGB(0, 0, 128);
constexpr COLORREF InactiveCaption = RGB(128, 128, 128);
constexpr COLORREF CaptionText = RGB(255, 255, 255);
constexpr COLORREF Selection = RGB(0, 0, 128);
constexpr COLORREF SelectionText = RGB(255, 255, 255);

}  // namespace look3d
