#include "app/ctl3d_library.h"

#include "platform/win/system_info.h"

namespace {

constexpr DWORD FirstVersionWith3DControls = 4;
constexpr DWORD AllControlKinds = 0xFFFF;
// LoadLibrary results below 32 are error codes of old platform versions.
constexpr std::uintptr_t FirstValidModule = 32;

using InstanceEntry = BOOL (*)(HINSTANCE);
using SubclassEntry = BOOL (*)(HWND, DWORD);

template <typename Entry>
Entry Lookup(HMODULE library, LPCSTR name) {
  return reinterpret_cast<Entry>(::GetProcAddress(library, name));
}

}  // namespace

HMODULE LoadCtl3dLibrary(HINSTANCE instance) {
  if (LOBYTE(::GetVersion()) >= FirstVersionWith3DControls) return nullptr;
  const HMODULE library = ::LoadLibrary("CTL3D32.DLL");
  if (NumberFromHandle(library) < FirstValidModule) return nullptr;
  if (auto registerInstance = Lookup<InstanceEntry>(library, "Ctl3dRegister")) registerInstance(instance);
  if (auto autoSubclass = Lookup<InstanceEntry>(library, "Ctl3dAutoSubclass")) autoSubclass(instance);
  return library;
}

void SubclassDialogCtl3d(HMODULE library, HWND dialog) {
  if (auto subclass = Lookup<SubclassEntry>(library, "Ctl3dSubclassDlgEx")) subclass(dialog, AllControlKinds);
}

void UnloadCtl3dLibrary(HMODULE library, HINSTANCE instance) {
  if (auto unregisterInstance = Lookup<InstanceEntry>(library, "Ctl3dUnregister")) unregisterInstance(instance);
  ::FreeLibrary(library);
}
