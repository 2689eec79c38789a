#include "platform/controls/cstatic.h"

#include "platform/controls/standard_controls.h"
#include "platform/controls/static_control.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  RegisterStandardControls();
  return CWnd::Create(StaticClassName, text, style, rect, parent, id);
}
