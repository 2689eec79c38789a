#pragma once
// The class form of the edit control.
#include "platform/win/cwnd.h"

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  void GetSel(int& start, int& end) const;
  void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
  void ReplaceSel(LPCSTR text) { SendMessage(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text)); }
  void LimitText(int most = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(most)); }
};
