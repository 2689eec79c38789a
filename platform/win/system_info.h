#pragma once
// The platform's version and its loadable libraries. The layer is the platform of version 4.0;
// it has no libraries to load at run time, so LoadLibrary finds none.
#include "platform/gdi/wintypes.h"

// Major version in the low byte, minor version in the next.
DWORD GetVersion();
HMODULE LoadLibrary(LPCSTR name);
void* GetProcAddress(HMODULE module, LPCSTR name);
BOOL FreeLibrary(HMODULE module);
