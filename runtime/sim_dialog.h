#pragma once
// What the modal and the modeless dialogs of the runtime share: the dialog background brush and
// the colour protocol with the controls, background bitmaps, 3D painting of marked owner-draw
// buttons, menu-item enabling, context help, and commands passed on to the application.
#include "platform/win/cdialog.h"
#include "runtime/sim_dialog_fields.h"

class CSimDialog : public CDialog {
  DECLARE_DYNAMIC(CSimDialog)

 public:
  SimDialogFields& Fields() { return fields_; }
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

 protected:
  CSimDialog() = default;
  CSimDialog(LPCSTR templateName, CWnd* parent) : CDialog(templateName, parent) {}

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
  afx_msg void OnPaint();
  afx_msg void OnSize(UINT type, int width, int height);
  afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);
  afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPrivateMessage(WPARAM code, LPARAM argument);

  DECLARE_MESSAGE_MAP()

 private:
  SimDialogFields fields_;
};
