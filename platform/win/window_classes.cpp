#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/win/window_system.h"

namespace {

std::string ClassKey(LPCSTR name) {
  std::string key = name == nullptr ? std::string() : std::string(name);
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return key;
}

void CopyText(const std::string& text, LPSTR out, int size, int& copied) {
  copied = 0;
  if (out == nullptr || size <= 0) return;
  copied = static_cast<int>(std::min(text.size(), static_cast<size_t>(size - 1)));
  std::memcpy(out, text.data(), static_cast<size_t>(copied));
  out[copied] = '\0';
}

}  // namespace

const WindowClassInfo* FindWindowClass(LPCSTR name) {
  const auto& classes = System().classes;
  const auto found = classes.find(ClassKey(name));
  return found == classes.end() ? nullptr : found->second.get();
}

BOOL RegisterClass(const WNDCLASS* windowClass) {
  if (windowClass == nullptr || windowClass->lpszClassName == nullptr || windowClass->lpfnWndProc == nullptr)
    return FALSE;
  auto& classes = System().classes;
  const std::string key = ClassKey(windowClass->lpszClassName);
  if (classes.count(key) != 0) return FALSE;
  auto info = std::make_unique<WindowClassInfo>();
  info->name = windowClass->lpszClassName;
  info->style = windowClass->style;
  info->procedure = windowClass->lpfnWndProc;
  info->background = windowClass->hbrBackground;
  info->cursor = windowClass->hCursor;
  info->icon = windowClass->hIcon;
  classes.emplace(key, std::move(info));
  return TRUE;
}

int GetClassName(HWND window, LPSTR name, int size) {
  const WindowRecord* record = FindWindowRecord(window);
  int copied = 0;
  if (record != nullptr) CopyText(record->windowClass->name, name, size, copied);
  return copied;
}

DWORD GetClassLong(HWND window, int index) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return 0;
  if (index == GCL_HBRBACKGROUND) return static_cast<DWORD>(NumberFromHandle(record->windowClass->background));
  return 0;
}

UINT RegisterWindowMessage(LPCSTR name) {
  if (name == nullptr || *name == '\0') return 0;
  auto& registered = System().registeredMessages;
  auto found = registered.find(name);
  if (found != registered.end()) return found->second;
  const UINT id = 0xC000 + static_cast<UINT>(registered.size());
  registered.emplace(name, id);
  return id;
}
