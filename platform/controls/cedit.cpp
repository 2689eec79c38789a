#include "platform/controls/cedit.h"

#include "platform/controls/edit.h"
#include "platform/controls/standard_controls.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  RegisterStandardControls();
  return CWnd::Create(EditClassName, "", style, rect, parent, id);
}

void CEdit::GetSel(int& start, int& end) const {
  DWORD from = 0;
  DWORD to = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  start = static_cast<int>(from);
  end = static_cast<int>(to);
}
