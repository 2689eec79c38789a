#pragma once
// The base of the form that fills the main frame: a dialog template living in the frame's client
// area, registered as the frame's pane 0, with the same colours, painting and help as the dialogs.
#include "platform/win/cview.h"
#include "runtime/sim_dialog_fields.h"

class CSimClientDlg : public CFormView {
  DECLARE_DYNAMIC(CSimClientDlg)

 public:
  explicit CSimClientDlg(LPCSTR templateName) : CFormView(templateName) {}

  using CFormView::Create;
  // Makes the form as the pane of the frame that holds `parent`, replacing the frame's form, and
  // fits the frame's client area to it. False without a frame or a template, or when the window
  // cannot be made; the object is then left for the caller to delete.
  BOOL Create(CWnd* parent);
  // The form's set-up after its window is made: the controls get the 3D look of a loaded
  // controls library. Returns 1.
  virtual BOOL OnInitForm();

  SimDialogFields& Fields() { return fields_; }
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

 protected:
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

  afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
  afx_msg void OnPaint();
  afx_msg void OnSize(UINT type, int width, int height);
  afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);
  afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPrivateMessage(WPARAM code, LPARAM argument);
  afx_msg void OnNcDestroy();

  DECLARE_MESSAGE_MAP()

 private:
  SimDialogFields fields_;
  bool creating_ = false;
};
