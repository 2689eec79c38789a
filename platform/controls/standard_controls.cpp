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
    bool all = Register(kButtonClassName, ButtonWindowProc, CS_DBLCLKS);
    all = Register(kStaticClassName, StaticWindowProc, 0) && all;
    all = Register(kEditClassName, EditWindowProc, 0) && all;
    all = Register(kListBoxClassName, ListBoxWindowProc, CS_DBLCLKS) && all;
    all = Register(kComboListClassName, ListBoxWindowProc, 0) && all;
    all = Register(kComboBoxClassName, ComboBoxWindowProc, 0) && all;
    all = Register(kScrollBarClassName, ScrollBarWindowProc, 0) && all;
    SetTemporaryWrapperFactory(kButtonClassName, MakeWrapper<CButton>);
    SetTemporaryWrapperFactory(kStaticClassName, MakeWrapper<CStatic>);
    SetTemporaryWrapperFactory(kEditClassName, MakeWrapper<CEdit>);
    SetTemporaryWrapperFactory(kListBoxClassName, MakeWrapper<CListBox>);
    SetTemporaryWrapperFactory(kComboBoxClassName, MakeWrapper<CComboBox>);
    SetTemporaryWrapperFactory(kScrollBarClassName, MakeWrapper<CScrollBar>);
    return all;
  }();
  (void)registered;
}
