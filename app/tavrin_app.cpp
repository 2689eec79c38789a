#include "app/tavrin_app.h"

#include <memory>

#include "app/ctl3d_library.h"
#include "app/main_frame.h"
#include "resources/menu_commands.h"
#include "app/tool_table.h"

namespace {

constexpr const char* HelpFileName = "TAVRIN.HLP";

}  // namespace

std::string MainClassName;

BEGIN_MESSAGE_MAP(Cwm_BaseApplication, CWinApp)
ON_COMMAND_RANGE(SetupCommand, AboutCommand, OnMenuCommand)
END_MESSAGE_MAP()

Cwm_BaseApplication::Cwm_BaseApplication() : CWinApp(nullptr) {}

BOOL Cwm_BaseApplication::InitInstance() {
  ctl3dLibrary_ = LoadCtl3dLibrary(m_hInstance);
  // Owned by the window layer once its window exists; a frame whose window could not be made is
  // left to this object.
  auto frame = std::make_unique<Cwm_MainWnd>();
  if (!frame->CreateMainWindow(nullptr)) {
    startFailed_ = true;
    return FALSE;
  }
  m_pMainWnd = frame.release();
  helpPath_ = HelpFileName;
  m_pszHelpFilePath = helpPath_.c_str();
  return CWinApp::InitInstance();
}

int Cwm_BaseApplication::ExitInstance() {
  if (ctl3dLibrary_ != nullptr) {
    UnloadCtl3dLibrary(ctl3dLibrary_, m_hInstance);
    ctl3dLibrary_ = nullptr;
  }
  const int code = CWinApp::ExitInstance();
  return startFailed_ ? 1 : code;
}

BOOL Cwm_BaseApplication::FilterHelpModeCommand(UINT) { return FALSE; }

BOOL Cwm_BaseApplication::SubclassCtl3d(CWnd* window) {
  if (ctl3dLibrary_ == nullptr || window == nullptr) return FALSE;
  SubclassDialogCtl3d(ctl3dLibrary_, window->m_hWnd);
  return TRUE;
}

void Cwm_BaseApplication::OnMenuCommand(UINT commandId) {
  if (const ShellTool* tool = FindTool(&ShellTool::menuCommand, commandId)) OpenTool(*tool, CWnd::GetActiveWindow());
}
