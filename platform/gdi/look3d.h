#pragma once
// The light-gray 3D look, drawn in one place for every control, frame and menu of the layer.
#include <string>

#include "platform/gdi/cdc.h"

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

// A push button's frame and face: a black outline without its corner pixels (two lines deep for
// the default button), inside it a two-pixel bevel, white above and left and shadow below and
// right when raised, one shadow line above and left when pressed. Returns the face rectangle.
RECT DrawButtonFrame(CDC& dc, const RECT& rect, bool pressed, bool isDefault);
// Text on a face: gray-and-white etched when disabled.
void DrawFaceText(CDC& dc, const std::string& text, RECT rect, UINT format, bool disabled);
// The 13 x 13 box of a check box, sunken, white inside, with a tick when checked.
void DrawCheckMark(CDC& dc, POINT topLeft, bool checked, bool disabled);
// The 12 x 12 circle of a radio button, sunken, with a dot when checked.
void DrawRadioMark(CDC& dc, POINT topLeft, bool checked, bool disabled);
// An etched frame whose top runs through the middle of the caption line.
void DrawGroupFrame(CDC& dc, const RECT& rect, int captionHeight);
// Two-pixel sunken and raised edges, for client edges and window frames.
void DrawSunkenEdge(CDC& dc, const RECT& rect);
void DrawRaisedEdge(CDC& dc, const RECT& rect);
enum class Arrow { Up, Down, Left, Right };
// A scroll-bar arrow or a combo box's drop button: a raised face (flat with a shadow line when
// pressed) with a small triangle, gray and etched when disabled.
void DrawArrowButton(CDC& dc, const RECT& rect, Arrow arrow, bool pressed, bool disabled);
// The track of a scroll bar, face and white in a fine checker, and the thumb that runs in it.
void DrawScrollTrack(CDC& dc, const RECT& rect);
void DrawScrollThumb(CDC& dc, const RECT& rect);
// A caption bar with its text and, at the right, the minimize and close boxes it has.
void DrawCaptionBar(CDC& dc, const RECT& rect, const std::string& text, bool active, bool minimizeBox, bool closeBox);
// The rectangles of the caption boxes inside a caption bar.
RECT CloseBoxRect(const RECT& caption);
RECT MinimizeBoxRect(const RECT& caption, bool closeBox);

}  // namespace look3d
