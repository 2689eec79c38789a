#pragma once
// The light-gray 3D look, drawn in one place for every control, frame and menu of the layer.
#include <string>

#include "platform/gdi/cdc.h"
#include "platform/gdi/look3d_colours.h"

namespace look3d {

// A push button's frame and face: a black outline without its corner pixels (two lines deep for
// the default button), inside it a two-pixel bevel, white above and left and shadow below and
// right when raised, one shadow line above and left when pressed. Returns the face rectangle.
RECT DrawButtonFrame(CDC& dc, const RECT& rect, bool pressed, bool isDefault);
// Text on a face: gray-and-white etched when disabled.
void DrawFaceText(CDC& dc, const std::string& text, RECT rect, UINT format, bool disabled);

enum class ButtonKind { Push, CheckBox, Radio };
// The whole state a button is drawn in.
struct ButtonLook {
  ButtonKind kind = ButtonKind::Push;
  bool pressed = false;
  bool isDefault = false;
  bool focused = false;
  bool disabled = false;
  bool checked = false;
  bool textLeft = false;  // a check box's or radio button's mark stands right of its text
};
// A button in its state, in the DC's font and text colour. A push button: its frame, the text
// centred on the face, a focus ring inside the face. A check box (a 13 x 13 sunken box, white
// inside, with a tick) or radio button (a 12 x 12 sunken circle with a dot): the mark centred
// vertically at one side, the text beside it, a focus ring around the text.
void DrawButton(CDC& dc, const RECT& rect, const std::string& text, const ButtonLook& look);
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
