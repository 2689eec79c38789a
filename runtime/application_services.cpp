#include "runtime/application_services.h"

#include "platform/win/cwinapp.h"

RuntimeApplicationServices* ApplicationServices() { return dynamic_cast<RuntimeApplicationServices*>(AfxGetApp()); }
