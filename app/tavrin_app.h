#pragma once
// The application object: the start-up (the 3D-controls library on old platform versions, the main
// frame, the help file name), the menu commands, and the clean-up at exit.
#include <string>

#include "runtime/application_services.h"
#include "platform/win/cwinapp.h"
#include "platform/win/message_map.h"

// The registered window class of the main frame; empty until the frame registers it.
extern std::string MainClassName;

class Cwm_BaseApplication : public CWinApp, public RuntimeApplicationServices {
 public:
  Cwm_BaseApplication();

  BOOL InitInstance() override;
  int ExitInstance() override;

  // Nothing of the program's own is done in context-help mode: 0.
  BOOL FilterHelpModeCommand(UINT commandId) override;
  // 1 when the 3D-controls library is loaded and was asked to subclass the window, else 0.
  BOOL SubclassCtl3d(CWnd* window) override;

  HMODULE Ctl3dLibrary() const { return ctl3dLibrary_; }

 protected:
  afx_msg void OnMenuCommand(UINT commandId);

  DECLARE_MESSAGE_MAP()

 private:
  std::string helpPath_;
  HMODULE ctl3dLibrary_ = nullptr;
  bool startFailed_ = false;
};

class Cwm_Application : public Cwm_BaseApplication {};
