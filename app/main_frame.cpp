#include "app/main_frame.h"

#include "platform/win/cwinapp.h"
#include "resources/menu_commands.h"
#include "platform/win/message_box.h"
#include "app/launcher_form.h"
#include "runtime/private_message.h"
#include "resources/program_resources.h"
#include "runtime/resource_message.h"
#include "resources/resource_strings.h"
#include "app/tavrin_app.h"

namespace {

constexpr std::array<UINT, 5> PaneIds = {FormPaneId, TopBarPaneId, BottomBarPaneId, LeftBarPaneId, RightBarPaneId};

int PaneIndex(UINT id) {
  for (size_t index = 0; index < PaneIds.size(); ++index) {
    if (PaneIds[index] == id) return static_cast<int>(index);
  }
  return -1;
}

}  // namespace

BEGIN_MESSAGE_MAP(Cwm_MainBaseWnd, CFrameWnd)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_REGISTERED_MESSAGE(PrivateMessageId, OnPrivateMessage)
END_MESSAGE_MAP()

BOOL Cwm_MainBaseWnd::RegisterMainWindowClass() {
  const HICON icon = ::LoadIcon(AfxGetResourceHandle(), ProgramIconName);
  const HCURSOR cursor = ::LoadCursor(nullptr, IDC_ARROW);
  if (MainClassName.empty()) {
    MainClassName = AfxRegisterWndClass(CS_DBLCLKS, cursor, HandleFromNumber<HBRUSH>(COLOR_WINDOW + 1), icon);
  }
  return MainClassName.empty() ? FALSE : TRUE;
}

BOOL Cwm_MainBaseWnd::CreateMainWindow(CWnd* parent) {
  if (MainClassName.empty() && !RegisterMainWindowClass()) return FALSE;
  creating_ = true;
  const BOOL created =
      Create(MainClassName.c_str(), MainWindowTitle, MainWindowStyle, rectDefault, parent, MAKEINTRESOURCE(MainMenuId));
  creating_ = false;
  if (!created || !::IsWindow(m_hWnd)) {
    ShowResourceMessage(::GetActiveWindow(), MB_ICONINFORMATION, CannotCreateWindowStringId, "Main");
    return FALSE;
  }
  const CWinApp* app = AfxGetApp();
  const int show = (GetStyle() & (WS_MAXIMIZE | WS_MINIMIZE)) != 0 || app == nullptr ? SW_SHOW : app->m_nCmdShow;
  ShowWindow(show);
  UpdateWindow();
  return TRUE;
}

CWnd* Cwm_MainBaseWnd::Pane(UINT id) const {
  const int index = PaneIndex(id);
  return index < 0 ? nullptr : panes_[static_cast<size_t>(index)];
}

// A frame whose window is destroyed while it is being made stays for CreateMainWindow's caller to
// delete; every other frame is deleted with its window.
void Cwm_MainBaseWnd::PostNcDestroy() {
  if (!creating_) CFrameWnd::PostNcDestroy();
}

int Cwm_MainBaseWnd::OnCreate(LPCREATESTRUCT create) {
  CreateClientForm(this);
  return CFrameWnd::OnCreate(create);
}

void Cwm_MainBaseWnd::OnSetFocus(CWnd* previous) {
  CFrameWnd::OnSetFocus(previous);
  if (CWnd* form = Pane(FormPaneId)) form->SetFocus();
}

LRESULT Cwm_MainBaseWnd::OnPrivateMessage(WPARAM code, LPARAM argument) {
  switch (code) {
    case PaneLookupCode: return reinterpret_cast<LRESULT>(Pane(LOWORD(argument)));
    case PaneRegisterCode: {
      const auto* record = reinterpret_cast<const PaneRecord*>(argument);
      const int index = record == nullptr ? -1 : PaneIndex(record->id);
      if (index >= 0) panes_[static_cast<size_t>(index)] = record->pane;
      return 0;
    }
    default:
      // Nothing fits the frame (5), it has no accelerator tables (6), code 7 has no effect, and the
      // registry word that code 8 asks for is never set.
      return 0;
  }
}
