#pragma once
// The class form of the button control.
#include "platform/win/cwnd.h"

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  BOOL Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
  UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
  void SetState(BOOL pushed) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed)); }
  UINT GetButtonStyle() const { return GetStyle() & BS_TYPEMASK; }
  void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
  // Paints an owner-draw button; the parent's WM_DRAWITEM comes here first.
  virtual void DrawItem(LPDRAWITEMSTRUCT item);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
