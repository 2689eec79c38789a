#include "platform/controls/standard_controls.h"

#include "platform/controls/button.h"
#include "platform/controls/cbutton.h"
#include "platform/controls/ccombobox.h"
#include "platform/controls/cedit.h"
#include "platform/controls/clistbox.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/cscrollbar.h"
#include "platform/controls/cstatic.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/controls/scroll_bar_control.h"
#include "platform/controls/static_control.h"

namespace {

bool Register(LPCSTR name, WNDPROC procedure, UINT style) {
  WNDCLASS windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  return RegisterClass(&windowClass) != FALSE;
}

template <typename Wrapper>
std::unique_ptr<CWnd> MakeWrapper() {
  return std::make_unique<Wrapper>();
}

}  // namespace

void RegisterStandardControls() {
  static const bool registered = [] {
    bool all = Register(ButtonClassName, ButtonWindowProc, CS_DBLCLKS);
    all = Register(StaticClassName, StaticWindowProc, 0) && all;
    all = Register(EditClassName, EditWindowProc, 0) && all;
    all = Register(ListBoxClassName, ListBoxWindowProc, CS_DBLCLKS) && all;
    all = Register(ComboListClassName, ListBoxWindowProc, 0) && all;
    all = Register(ComboBoxClassName, ComboBoxWindowProc, 0) && all;
    all = Register(ScrollBarClassName, ScrollBarWindowProc, 0) && all;
    SetTemporaryWrapperFactory(ButtonClassName, MakeWrapper<CButton>);
    SetTemporaryWrapperFactory(StaticClassName, MakeWrapper<CStatic>);
    SetTemporaryWrapperFactory(EditClassName, MakeWrapper<CEdit>);
    SetTemporaryWrapperFactory(ListBoxClassName, MakeWrapper<CListBox>);
    SetTemporaryWrapperFactory(ComboBoxClassName, MakeWrapper<CComboBox>);
    SetTemporaryWrapperFactory(ScrollBarClassName, MakeWrapper<CScrollBar>);
    return all;
  }();
  (void)registered;
}
