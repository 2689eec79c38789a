#pragma once
// The class form of the scroll bar control.
#include "platform/win/cwnd.h"

class CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)

 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int GetScrollPos() const;
  int SetScrollPos(int position, BOOL redraw = TRUE);
  void GetScrollRange(int* minimum, int* maximum) const;
  void SetScrollRange(int minimum, int maximum, BOOL redraw = TRUE);
};
