#pragma once
// Scroll bars: the bars a window shows with WS_VSCROLL and WS_HSCROLL, in its non-client area
// beside the client, and the scroll bar control that is one bar. Their range, page and position,
// their look, and the mouse on their arrows, track and thumb, which send WM_VSCROLL or WM_HSCROLL.
#include "platform/win/window_api.h"
#include "platform/win/window_extra.h"

struct ScrollBarState {
  int minimum = 0;
  int maximum = 0;
  int page = 0;  // the part shown at once; 0 gives a square thumb
  int position = 0;
};

enum class ScrollPart { None, LineBack, PageBack, Thumb, PageForward, LineForward };

struct ScrollTracking {
  int bar = -1;  // SB_HORZ, SB_VERT or SB_CTL while the mouse holds one of its parts
  ScrollPart part = ScrollPart::None;
  bool over = false;         // the pointer is over the held arrow
  bool tookCapture = false;  // the window did not hold the mouse before
  int grab = 0;              // where the thumb was taken, pixels from its start
  int dragPosition = 0;      // the position a dragged thumb shows
};

// The state of a window with scroll bars; the states of the controls that have them derive from it.
class ScrollingState : public WindowExtra {
 public:
  ScrollBarState horizontal;
  ScrollBarState vertical;
  ScrollTracking tracking;
  bool isControl = false;  // a scroll bar control: its one bar is SB_CTL
};

// The highest position, at which the last page is shown.
int LastScrollPosition(const ScrollBarState& bar);
// Sets a bar's range, page and position, kept within each other; a bar that changed is drawn
// with the window's next paint.
void SetScrollBarState(HWND window, int bar, ScrollBarState state);
// Draws the window's bars; for the non-client bars, after the window's edges are drawn.
void PaintScrollBars(HWND window);
// HTVSCROLL or HTHSCROLL for a screen point on one of the window's bars, else HTNOWHERE.
int ScrollBarHitTest(HWND window, POINT screen);
// The mouse pressed a bar at a screen point: holds the part and sends its first request.
void BeginScrollTracking(HWND window, int bar, POINT screen);
// A mouse move, the release, or the loss of the mouse while a bar is held, at a screen point;
// false when no bar is held.
bool ContinueScrollTracking(HWND window, UINT message, POINT screen);

// The platform's calls on the bars of a window (SB_HORZ, SB_VERT) and of a scroll bar control (SB_CTL).
int GetScrollPos(HWND window, int bar);
int SetScrollPos(HWND window, int bar, int position, BOOL redraw);
BOOL GetScrollRange(HWND window, int bar, int* minimum, int* maximum);
BOOL SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw);
