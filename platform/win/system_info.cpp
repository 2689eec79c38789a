#include "platform/win/system_info.h"

DWORD GetVersion() { return 0x0004; }

HMODULE LoadLibrary(LPCSTR) { return nullptr; }

void* GetProcAddress(HMODULE, LPCSTR) { return nullptr; }

BOOL FreeLibrary(HMODULE) { return FALSE; }
