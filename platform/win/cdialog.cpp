#include "platform/win/cdialog.h"

#include "platform/win/dialog_manager.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(LPCSTR templateName, CWnd* parent) : m_pParentWnd(parent), templateName_(templateName) {}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), templateName_(templateId) {}

HWND CDialog::CreateFromTemplate(const ResourceName& name, HWND parent) {
  DialogTemplate* dialog = Resources().FindDialog(name);
  if (dialog == nullptr) return nullptr;
  templateName_ = name;
  return CreateDialogFromTemplate(*dialog, name.Display(), parent, AttachBeforeFirstMessage());
}

int CDialog::DoModal() {
  if (Resources().FindDialog(templateName_) == nullptr) return -1;
  const HWND owner = m_pParentWnd != nullptr ? ::GetTopLevel(m_pParentWnd->m_hWnd) : ::GetActiveWindow();
  const bool enableOwner = owner != nullptr && ::IsWindowEnabled(owner);
  if (enableOwner) ::EnableWindow(owner, FALSE);
  m_nModalResult = -1;
  const HWND window = CreateFromTemplate(templateName_, owner);
  if (window != nullptr) RunModalLoop();
  if (enableOwner) ::EnableWindow(owner, TRUE);
  // The owner comes back active, also when the dialog's window is already gone and left no
  // window active.
  if (owner != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
  if (m_hWnd != nullptr) DestroyWindow();
  return window == nullptr ? -1 : m_nModalResult;
}

BOOL CDialog::Create(LPCSTR templateName, CWnd* parent) {
  m_pParentWnd = parent;
  return CreateFromTemplate(ResourceName(templateName), parent == nullptr ? nullptr : parent->m_hWnd) != nullptr;
}

void CDialog::EndDialog(int result) {
  if ((m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) != 0) EndModalLoop(result);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* message) {
  if (message->message < WM_KEYDOWN || message->message > WM_CHAR) return FALSE;
  return ::IsDialogMessage(m_hWnd, message);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control != nullptr) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }
