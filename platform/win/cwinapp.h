#pragma once
// The application object: start-up, the message loop, the end; and the last stop of commands.
#include <string>

#include "platform/win/cwnd.h"

constexpr UINT HELP_CONTEXT = 0x0001;

class CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)

 public:
  // Without a name the application is named after its program file.
  explicit CWinApp(LPCSTR appName = nullptr);
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitApplication();
  virtual BOOL InitInstance();
  // The message loop; returns ExitInstance's result when the loop ends.
  virtual int Run();
  virtual int ExitInstance();
  virtual BOOL PreTranslateMessage(MSG* message);
  // Help requests are answered and nothing is opened: there is no help viewer.
  virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

  CWnd* m_pMainWnd = nullptr;
  LPCSTR m_pszAppName = nullptr;
  LPCSTR m_pszHelpFilePath = nullptr;
  HINSTANCE m_hInstance = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  BOOL m_bHelpMode = FALSE;
  MSG m_msgCur;

 private:
  std::string appName_;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// Offers a message to the windows it is meant for, from the target up to its top-level window.
BOOL AfxPreTranslateMessage(MSG* message);
// Runs InitApplication, InitInstance, the message loop and ExitInstance of the application.
int RunApplication(CWinApp& app);
// The program's entry, defined by the program-entry part of the layer.
int AfxWinMain();
