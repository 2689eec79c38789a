#include "runtime/sim_modeless_dlg.h"

IMPLEMENT_DYNCREATE(CSimModelessDlg, CSimDialog)

CSimModelessDlg::~CSimModelessDlg() {
  if (slot_ != nullptr && slot_->window == this) slot_->window = nullptr;
}

BOOL CSimModelessDlg::Create(LPCSTR templateName, CWnd* parent) {
  creating_ = true;
  const BOOL created = CDialog::Create(templateName, parent);
  creating_ = false;
  return created && ::IsWindow(m_hWnd);
}

void CSimModelessDlg::OnOK() {
  if (UpdateData(TRUE)) DestroyWindow();
}

void CSimModelessDlg::OnCancel() { DestroyWindow(); }

void CSimModelessDlg::PostNcDestroy() {
  if (!creating_) delete this;
}
