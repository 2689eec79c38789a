#pragma once
// The platform's 3D-controls library, which gives dialog controls a 3D look on platform versions
// before 4.0. From version 4 on the controls have that look themselves and it is never loaded.
#include "platform/win/cwnd.h"

// Loads and registers the library for the program instance on versions before 4.0; null when it
// is not needed or cannot be loaded.
HMODULE LoadCtl3dLibrary(HINSTANCE instance);
// Gives every control of the dialog the library's 3D look.
void SubclassDialogCtl3d(HMODULE library, HWND dialog);
// Unregisters the instance and frees the library.
void UnloadCtl3dLibrary(HMODULE library, HINSTANCE instance);
