#include "platform/win/cwinapp.h"

#include <filesystem>

#include "platform/win/resources.h"

namespace {

CWinApp*& TheApp() {
  static CWinApp* app = nullptr;
  return app;
}

BOOL WalkPreTranslateTree(MSG* message) {
  for (HWND window = message->hwnd; window != nullptr;) {
    CWnd* wrapper = CWnd::FromHandlePermanent(window);
    if (wrapper != nullptr && wrapper->PreTranslateMessage(message)) return TRUE;
    if ((::GetWindowLong(window, GWL_STYLE) & static_cast<LONG>(WS_CHILD)) == 0) break;
    window = ::GetParent(window);
  }
  return FALSE;
}

std::string ProgramName() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string("Tavrin") : program.stem().string();
}

}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(LPCSTR appName) : appName_(appName != nullptr ? std::string(appName) : ProgramName()) {
  m_pszAppName = appName_.c_str();
  m_hInstance = AfxGetInstanceHandle();
  TheApp() = this;
}

CWinApp::~CWinApp() {
  if (TheApp() == this) TheApp() = nullptr;
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  while (::GetMessage(&m_msgCur, nullptr, 0, 0)) {
    if (!PreTranslateMessage(&m_msgCur)) {
      ::TranslateMessage(&m_msgCur);
      ::DispatchMessage(&m_msgCur);
    }
  }
  return ExitInstance();
}

int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

BOOL CWinApp::PreTranslateMessage(MSG* message) { return WalkPreTranslateTree(message); }

void CWinApp::WinHelp(DWORD_PTR, UINT) {}

CWinApp* AfxGetApp() { return TheApp(); }

CWnd* AfxGetMainWnd() { return TheApp() == nullptr ? nullptr : TheApp()->m_pMainWnd; }

BOOL AfxPreTranslateMessage(MSG* message) {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->PreTranslateMessage(message) : WalkPreTranslateTree(message);
}

int RunApplication(CWinApp& app) {
  if (!app.InitApplication() || !app.InitInstance()) {
    if (app.m_pMainWnd != nullptr) app.m_pMainWnd->DestroyWindow();
    return app.ExitInstance();
  }
  return app.Run();
}
