#pragma once
// The base of every modal dialog: an object on its opener's stack that DoModal shows and runs.
#include "runtime/sim_dialog.h"

class CSimModalDlg : public CSimDialog {
  DECLARE_DYNCREATE(CSimModalDlg)

 public:
  CSimModalDlg() = default;
  CSimModalDlg(LPCSTR templateName, CWnd* parent) : CSimDialog(templateName, parent) {}
};
