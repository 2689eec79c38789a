#include "tests/platform/controls/controls_fixture.h"

namespace controls_test {

BEGIN_MESSAGE_MAP(RecordingDialog, CDialog)
ON_WM_CTLCOLOR()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

}  // namespace controls_test
