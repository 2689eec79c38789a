#include "platform/controls/cscrollbar.h"

#include "platform/controls/scroll_bar.h"
#include "platform/controls/scroll_bar_control.h"
#include "platform/controls/standard_controls.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  RegisterStandardControls();
  return CWnd::Create(ScrollBarClassName, "", style, rect, parent, id);
}

int CScrollBar::GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }

int CScrollBar::SetScrollPos(int position, BOOL redraw) { return ::SetScrollPos(m_hWnd, SB_CTL, position, redraw); }

void CScrollBar::GetScrollRange(int* minimum, int* maximum) const {
  ::GetScrollRange(m_hWnd, SB_CTL, minimum, maximum);
}

void CScrollBar::SetScrollRange(int minimum, int maximum, BOOL redraw) {
  ::SetScrollRange(m_hWnd, SB_CTL, minimum, maximum, redraw);
}
