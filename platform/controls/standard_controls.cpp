#include "standard_controls.h"

#include "button.h"
#include "cbutton.h"
#include "ccombobox.h"
#include "cedit.h"
#include "clistbox.h"
#include "combo_box.h"
#include "cscrollbar.h"
#include "cstatic.h"
#include "edit.h"
#include "list_box.h"
#include "scroll_bar_control.h"
#include "static_control.h"

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
