#include "runtime/sim_modal_dlg.h"

IMPLEMENT_DYNCREATE(CSimModalDlg, CSimDialog)
