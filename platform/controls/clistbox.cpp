#include "platform/controls/clistbox.h"

#include "platform/controls/list_box.h"
#include "platform/controls/standard_controls.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  RegisterStandardControls();
  return CWnd::Create(ListBoxClassName, "", style, rect, parent, id);
}

void CListBox::GetText(int index, std::string& text) const {
  const int length = GetTextLen(index);
  if (length < 0) {
    text.clear();
    return;
  }
  text.assign(static_cast<size_t>(length) + 1, '\0');
  GetText(index, text.data());
  text.resize(static_cast<size_t>(length));
}
