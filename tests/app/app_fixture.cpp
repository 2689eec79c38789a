#include "tests/app/app_fixture.h"

#include "app/launcher_form.h"
#include "resources/program_resources.h"
#include "platform/win/resources.h"

AppTest::AppTest() : previousFolder_(std::filesystem::current_path()) {
  RegisterProgramResources();
  std::filesystem::current_path(folder.Path());
  StartupClickPending = 1;
}

AppTest::~AppTest() {
  Stop();
  app.ExitInstance();
  Resources().Clear();
  std::filesystem::current_path(previousFolder_);
}

bool AppTest::Start(const std::string& languageCode, const std::string& startupTool) {
  folder.WriteSettings(SettingsText(languageCode, startupTool));
  return app.InitInstance() != FALSE;
}

void AppTest::Stop() {
  for (HWND window : TopLevelWindows()) DestroyWindow(window);
  MSG message;
  while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {}
}

Cwm_MainBaseWnd* AppTest::Frame() const { return static_cast<Cwm_MainBaseWnd*>(app.m_pMainWnd); }

int AppTest::BoxesSaying(const std::string& text) const {
  int count = 0;
  for (const MessageBoxRecord& box : driver.MessageBoxes()) count += box.text == text ? 1 : 0;
  return count;
}
