#pragma once
// The control wrappers of the runtime: one member object of its dialog per control, attached to
// the control window by SubclassDlgItem, owning the control's font and background brush and
// answering the dialog's colour query.
#include "platform/controls/cbutton.h"
#include "platform/controls/ccombobox.h"
#include "platform/controls/cedit.h"
#include "platform/controls/clistbox.h"
#include "platform/controls/cscrollbar.h"
#include "platform/controls/cstatic.h"
#include "runtime/private_message.h"
#include "runtime/sim_control_style.h"

template <class Library>
class SimControl : public Library, public SimControlStyle {
 public:
  SimControl() : SimControlStyle(static_cast<CWnd&>(*this)) {}
  using Library::SetFont;
  using SimControlStyle::SetFont;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != PrivateMessageId) return Library::WindowProc(message, wParam, lParam);
    if (wParam != ColourQueryCode) return 0;
    return reinterpret_cast<LRESULT>(ColourReply(reinterpret_cast<HDC>(lParam)));
  }
};

class CSimStatic : public SimControl<CStatic> {
  DECLARE_DYNCREATE(CSimStatic)
};

class CSimButton : public SimControl<CButton> {
  DECLARE_DYNCREATE(CSimButton)
};

class CSimEdit : public SimControl<CEdit> {
  DECLARE_DYNCREATE(CSimEdit)
};

class CSimListBox : public SimControl<CListBox> {
  DECLARE_DYNCREATE(CSimListBox)
};

class CSimComboBox : public SimControl<CComboBox> {
  DECLARE_DYNCREATE(CSimComboBox)
};

class CSimScrollBar : public SimControl<CScrollBar> {
  DECLARE_DYNCREATE(CSimScrollBar)
};

class CSimCustom : public SimControl<CWnd> {
  DECLARE_DYNCREATE(CSimCustom)
};
