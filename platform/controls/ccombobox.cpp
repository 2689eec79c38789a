#include "platform/controls/ccombobox.h"

#include "platform/controls/combo_box.h"
#include "platform/controls/standard_controls.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  RegisterStandardControls();
  return CWnd::Create(ComboBoxClassName, "", style, rect, parent, id);
}

void CComboBox::GetLBText(int index, std::string& text) const {
  const int length = GetLBTextLen(index);
  if (length < 0) {
    text.clear();
    return;
  }
  text.assign(static_cast<size_t>(length) + 1, '\0');
  GetLBText(index, text.data());
  text.resize(static_cast<size_t>(length));
}
