#include "platform/win/cwinapp.h"
#include "resources/program_resources.h"
#include "app/tavrin_app.h"

// The program's one application object, alive for the whole run.
Cwm_Application theApp;

int main() {
  RegisterProgramResources();
  return AfxWinMain();
}
