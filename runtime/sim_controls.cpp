#include "sim_controls.h"

IMPLEMENT_DYNCREATE(CSimStatic, CStatic)
IMPLEMENT_DYNCREATE(CSimButton, CButton)
IMPLEMENT_DYNCREATE(CSimCustom, CWnd)
