#pragma once
// Dialogs from templates: modal ones run their own message loop over a disabled owner and end with
// EndDialog; modeless ones live until their window is destroyed.
#include "platform/win/cwnd.h"
#include "platform/win/message_map.h"
#include "platform/win/resources.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  explicit CDialog(LPCSTR templateName, CWnd* parent = nullptr);
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // The dialog's result, or -1 when the template is missing or the window cannot be made.
  virtual int DoModal();
  // Makes a modeless dialog; false when the template is missing or the window cannot be made.
  BOOL Create(LPCSTR templateName, CWnd* parent = nullptr);
  BOOL Create(UINT templateId, CWnd* parent = nullptr) { return Create(MAKEINTRESOURCE(templateId), parent); }
  void EndDialog(int result);
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* message) override;
  void SetDefID(UINT id) { SendMessage(DM_SETDEFID, id); }
  void GotoDlgCtrl(CWnd* control);

  UINT m_nIDHelp = 0;
  CWnd* m_pParentWnd = nullptr;

 protected:
  CDialog();
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  HWND CreateFromTemplate(const ResourceName& name, HWND parent);

  ResourceName templateName_;

  DECLARE_MESSAGE_MAP()
};
