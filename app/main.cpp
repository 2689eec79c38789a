#include "cwinapp.h"
#include "program_resources.h"
#include "tavrin_app.h"

// The program's one application object, alive for the whole run.
Cwm_Application theApp;

int main() {
  RegisterProgramResources();
  return AfxWinMain();
}
