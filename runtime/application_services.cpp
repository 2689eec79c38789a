#include "application_services.h"

#include "cwinapp.h"

RuntimeApplicationServices* ApplicationServices() { return dynamic_cast<RuntimeApplicationServices*>(AfxGetApp()); }
