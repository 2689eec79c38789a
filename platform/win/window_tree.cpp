#include <algorithm>

#include "platform/win/window_system.h"

namespace {

RECT DefaultPlacement(int x, int y, int width, int height) {
  WindowSystem& system = System();
  if (x == CW_USEDEFAULT) {
    const int step = 26 * (system.defaultPlacements++ % 8);
    x = step;
    y = step;
  }
  if (width == CW_USEDEFAULT) {
    width = GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
    height = GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
  }
  return RECT{x, y, x + width, y + height};
}

}  // namespace

WindowRecord::WindowRecord() = default;

WindowRecord::~WindowRecord() = default;

WindowSystem& System() {
  static WindowSystem system;
  return system;
}

WindowRecord* FindWindowRecord(HWND window) {
  WindowSystem& system = System();
  const std::uintptr_t number = NumberFromHandle(window);
  auto& recent = system.recentRecords[number % system.recentRecords.size()];
  if (recent.record != nullptr && recent.number == number) return recent.record;
  auto found = system.windows.find(number);
  if (found == system.windows.end()) return nullptr;
  recent = {number, found->second.get()};
  return recent.record;
}

bool IsTopLevel(const WindowRecord& record) { return (record.style & WS_CHILD) == 0; }

bool IsVisibleChain(const WindowRecord& record) {
  for (const WindowRecord* at = &record; at != nullptr; at = FindWindowRecord(at->parent)) {
    if ((at->style & WS_VISIBLE) == 0) return false;
  }
  return true;
}

bool IsEnabledChain(const WindowRecord& record) {
  for (const WindowRecord* at = &record; at != nullptr; at = FindWindowRecord(at->parent)) {
    if ((at->style & WS_DISABLED) != 0) return false;
  }
  return true;
}

void ForEachInPaintOrder(HWND topLevel, const std::function<void(WindowRecord&)>& visit) {
  WindowRecord* record = FindWindowRecord(topLevel);
  if (record == nullptr) return;
  visit(*record);
  const std::vector<HWND> children = record->children;
  for (auto child = children.rbegin(); child != children.rend(); ++child) ForEachInPaintOrder(*child, visit);
}

HWND CreateWindowWith(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                      int height, HWND parent, HMENU menuOrId, void* param,
                      const std::function<void(HWND)>& beforeFirstMessage) {
  WindowSystem& system = System();
  const WindowClassInfo* windowClass = FindWindowClass(className);
  if (windowClass == nullptr) return nullptr;
  const bool child = (style & WS_CHILD) != 0;
  if (child && FindWindowRecord(parent) == nullptr) return nullptr;
  auto record = std::make_unique<WindowRecord>();
  const HWND handle = HandleFromNumber<HWND>(system.nextHandle++);
  record->handle = handle;
  record->windowClass = windowClass;
  record->procedure = windowClass->procedure;
  record->style = style;
  record->exStyle = exStyle;
  record->neverActivate = (exStyle & WS_EX_NOACTIVATE) != 0;
  record->text = windowName == nullptr ? std::string() : std::string(windowName);
  if (child) {
    record->parent = parent;
    record->id = static_cast<UINT>(NumberFromHandle(menuOrId));
    record->rect = RECT{x == CW_USEDEFAULT ? 0 : x, y == CW_USEDEFAULT ? 0 : y, 0, 0};
    record->rect.right = record->rect.left + (width == CW_USEDEFAULT ? 0 : width);
    record->rect.bottom = record->rect.top + (height == CW_USEDEFAULT ? 0 : height);
  } else {
    record->owner = parent == nullptr ? nullptr : GetTopLevel(parent);
    record->menu = menuOrId;
    record->rect = DefaultPlacement(x, y, width, height);
  }
  WindowRecord& created = *record;
  system.windows.emplace(NumberFromHandle(handle), std::move(record));
  if (child) {
    FindWindowRecord(parent)->children.push_back(handle);
  } else {
    system.topLevels.insert(system.topLevels.begin(), handle);
    EnsureSurface(created);
  }
  if (beforeFirstMessage) beforeFirstMessage(handle);
  CREATESTRUCT create;
  create.lpCreateParams = param;
  create.hMenu = menuOrId;
  create.hwndParent = parent;
  create.x = created.rect.left;
  create.y = created.rect.top;
  create.cx = created.rect.right - created.rect.left;
  create.cy = created.rect.bottom - created.rect.top;
  create.style = static_cast<LONG>(style);
  create.lpszName = windowName;
  create.lpszClass = className;
  create.dwExStyle = exStyle;
  if (SendMessage(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) == 0 ||
      SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  WindowRecord* made = FindWindowRecord(handle);
  if (made == nullptr) return nullptr;
  if ((made->style & WS_VISIBLE) != 0) {
    InvalidateWholeWindow(*made);
    if (!child && (made->style & WS_DISABLED) == 0) SetActiveWindow(handle);
  }
  return handle;
}

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, HINSTANCE, void* param) {
  return CreateWindowWith(exStyle, className, windowName, style, x, y, width, height, parent, menuOrId, param, {});
}

void WatchWindowDestruction(void (*watcher)(HWND)) { System().destructionWatchers.Add(watcher); }

BOOL DestroyWindow(HWND window) {
  WindowSystem& system = System();
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || record->destroying) return FALSE;
  record->destroying = true;
  const bool topLevel = IsTopLevel(*record);
  const bool wasVisible = IsVisibleChain(*record);
  const HWND parent = record->parent;
  const RECT rect = record->rect;
  if (topLevel && system.active == window) ActivateNextAfter(window);
  ForgetFocusWithin(window);
  if (system.capture != nullptr && (system.capture == window || IsChild(window, system.capture))) ReleaseCapture();
  std::vector<HWND> owned;
  for (HWND other : system.topLevels) {
    const WindowRecord* otherRecord = FindWindowRecord(other);
    if (otherRecord != nullptr && otherRecord->owner == window) owned.push_back(other);
  }
  for (HWND other : owned) DestroyWindow(other);
  SendMessage(window, WM_DESTROY, 0, 0);
  if (WindowRecord* alive = FindWindowRecord(window)) {
    const std::vector<HWND> children = alive->children;
    for (HWND child : children) DestroyWindow(child);
  }
  SendMessage(window, WM_NCDESTROY, 0, 0);
  record = FindWindowRecord(window);
  if (record == nullptr) return TRUE;
  system.destructionWatchers.Tell(window);
  if (WindowRecord* parentRecord = FindWindowRecord(parent)) {
    auto& siblings = parentRecord->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    if (wasVisible) InvalidateArea(*parentRecord, rect, true, false);
  }
  if (topLevel) {
    auto& tops = system.topLevels;
    tops.erase(std::remove(tops.begin(), tops.end(), window), tops.end());
    if (system.backend != nullptr) system.backend->WindowDestroyed(window);
    if (system.active == window) system.active = nullptr;
  }
  if (system.focus == window) system.focus = nullptr;
  if (system.lastDownWindow == window) system.lastDownWindow = nullptr;
  const std::uintptr_t number = NumberFromHandle(window);
  auto& recent = system.recentRecords[number % system.recentRecords.size()];
  if (recent.number == number) recent = {};
  system.windows.erase(number);
  return TRUE;
}

BOOL IsWindow(HWND window) { return FindWindowRecord(window) != nullptr ? TRUE : FALSE; }

BOOL IsChild(HWND parent, HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  while (record != nullptr && !IsTopLevel(*record)) {
    if (record->parent == parent) return TRUE;
    record = FindWindowRecord(record->parent);
  }
  return FALSE;
}

HWND GetParent(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return nullptr;
  if (!IsTopLevel(*record)) return record->parent;
  return (record->style & WS_POPUP) != 0 ? record->owner : nullptr;
}

HWND GetTopLevel(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  while (record != nullptr && !IsTopLevel(*record)) record = FindWindowRecord(record->parent);
  return record == nullptr ? nullptr : record->handle;
}

HWND GetWindow(HWND window, UINT relation) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return nullptr;
  if (relation == GW_CHILD) return record->children.empty() ? nullptr : record->children.front();
  if (relation == GW_OWNER) return IsTopLevel(*record) ? record->owner : nullptr;
  const std::vector<HWND>* siblings = &System().topLevels;
  if (!IsTopLevel(*record)) {
    const WindowRecord* parent = FindWindowRecord(record->parent);
    if (parent == nullptr) return nullptr;
    siblings = &parent->children;
  }
  if (siblings->empty()) return nullptr;
  auto at = std::find(siblings->begin(), siblings->end(), window);
  switch (relation) {
    case GW_HWNDFIRST: return siblings->front();
    case GW_HWNDLAST: return siblings->back();
    case GW_HWNDNEXT: return at == siblings->end() || at + 1 == siblings->end() ? nullptr : *(at + 1);
    case GW_HWNDPREV: return at == siblings->begin() || at == siblings->end() ? nullptr : *(at - 1);
    default: return nullptr;
  }
}

HWND GetDlgItem(HWND dialog, int id) {
  const WindowRecord* record = FindWindowRecord(dialog);
  if (record == nullptr) return nullptr;
  for (HWND child : record->children) {
    const WindowRecord* childRecord = FindWindowRecord(child);
    if (childRecord != nullptr && childRecord->id == static_cast<UINT>(id)) return child;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  return record == nullptr || IsTopLevel(*record) ? 0 : static_cast<int>(record->id);
}

LONG GetWindowLong(HWND window, int index) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return 0;
  switch (index) {
    case GWL_STYLE: return static_cast<LONG>(record->style);
    case GWL_EXSTYLE: return static_cast<LONG>(record->exStyle);
    case GWL_ID: return static_cast<LONG>(record->id);
    default: return 0;
  }
}

LONG SetWindowLong(HWND window, int index, LONG value) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return 0;
  LONG previous = 0;
  switch (index) {
    case GWL_STYLE:
      previous = static_cast<LONG>(record->style);
      record->style = static_cast<DWORD>(value);
      System().paintQueue.OrderChanged();
      break;
    case GWL_EXSTYLE:
      previous = static_cast<LONG>(record->exStyle);
      record->exStyle = static_cast<DWORD>(value);
      break;
    case GWL_ID:
      previous = static_cast<LONG>(record->id);
      record->id = static_cast<UINT>(value);
      break;
    default: return 0;
  }
  return previous;
}

WNDPROC SubclassWindowProc(HWND window, WNDPROC procedure) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || procedure == nullptr) return nullptr;
  const WNDPROC previous = record->procedure;
  record->procedure = procedure;
  return previous;
}

LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure == nullptr ? 0 : procedure(window, message, wParam, lParam);
}

BOOL ShowWindow(HWND window, int command) {
  WindowSystem& system = System();
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  const bool wasVisible = (record->style & WS_VISIBLE) != 0;
  const bool show =
      command != SW_HIDE && command != SW_MINIMIZE && command != SW_SHOWMINIMIZED && command != SW_SHOWMINNOACTIVE;
  const bool activate =
      command != SW_SHOWNOACTIVATE && command != SW_SHOWNA && command != SW_SHOWMINNOACTIVE && command != SW_HIDE;
  if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE) {
    record->style |= WS_MINIMIZE;
  } else if (command == SW_RESTORE || command == SW_SHOWNORMAL) {
    record->style &= ~WS_MINIMIZE;
  }
  if (show && !wasVisible) {
    SendMessage(window, WM_SHOWWINDOW, TRUE, 0);
    record = FindWindowRecord(window);
    if (record == nullptr) return FALSE;
    record->style |= WS_VISIBLE;
    InvalidateWholeWindow(*record);
  } else if (!show && wasVisible) {
    SendMessage(window, WM_SHOWWINDOW, FALSE, 0);
    record = FindWindowRecord(window);
    if (record == nullptr) return FALSE;
    const RECT rect = record->rect;
    const HWND parent = record->parent;
    record->style &= ~WS_VISIBLE;
    if (IsTopLevel(*record)) {
      if (system.active == window) ActivateNextAfter(window);
      if (system.backend != nullptr) system.backend->Present(window, *record->surface);
    } else if (WindowRecord* parentRecord = FindWindowRecord(parent)) {
      if (system.focus == window || IsChild(window, system.focus)) SetFocus(parent);
      InvalidateArea(*parentRecord, rect, true, false);
    }
  }
  record = FindWindowRecord(window);
  if (record != nullptr && show && activate && IsTopLevel(*record) && (record->style & WS_DISABLED) == 0 &&
      !record->neverActivate) {
    SetActiveWindow(window);
  }
  return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  return record != nullptr && IsVisibleChain(*record) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable) {
  WindowSystem& system = System();
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  const bool wasDisabled = (record->style & WS_DISABLED) != 0;
  if (wasDisabled == !enable) return wasDisabled ? TRUE : FALSE;
  if (enable) {
    record->style &= ~WS_DISABLED;
  } else {
    record->style |= WS_DISABLED;
    // A disabled control loses the focus; a disabled top-level window keeps it until another
    // window is activated, so that its dialog can remember which control had it.
    if (!IsTopLevel(*record) && (system.focus == window || IsChild(window, system.focus))) SetFocus(nullptr);
    if (system.capture == window) ReleaseCapture();
  }
  SendMessage(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
  if (WindowRecord* alive = FindWindowRecord(window)) InvalidateWholeWindow(*alive);
  return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  return record != nullptr && (record->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL SetWindowText(HWND window, LPCSTR text) {
  if (!IsWindow(window)) return FALSE;
  return SendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text == nullptr ? "" : text)) != 0 ? TRUE : FALSE;
}

int GetWindowText(HWND window, LPSTR text, int size) {
  if (text == nullptr || size <= 0) return 0;
  text[0] = '\0';
  if (!IsWindow(window)) return 0;
  return static_cast<int>(SendMessage(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLength(HWND window) {
  return IsWindow(window) ? static_cast<int>(SendMessage(window, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

std::string GetWindowTextString(HWND window) {
  const int length = GetWindowTextLength(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowText(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(0, copied)));
  return text;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) { return SetWindowText(GetDlgItem(dialog, id), text); }

UINT GetDlgItemText(HWND dialog, int id, LPSTR text, int size) {
  return static_cast<UINT>(GetWindowText(GetDlgItem(dialog, id), text, size));
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND item = GetDlgItem(dialog, id);
  return item == nullptr ? 0 : SendMessage(item, message, wParam, lParam);
}

std::vector<HWND> TopLevelWindows() { return System().topLevels; }

std::string GetTemplateName(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  return record == nullptr ? std::string() : record->templateName;
}

void SetTemplateName(HWND window, const std::string& name) {
  if (WindowRecord* record = FindWindowRecord(window)) record->templateName = name;
}

WindowExtra* GetWindowExtra(HWND window) {
  WindowRecord* record = FindWindowRecord(window);
  return record == nullptr ? nullptr : record->extra.get();
}

void SetWindowExtra(HWND window, std::unique_ptr<WindowExtra> extra) {
  if (WindowRecord* record = FindWindowRecord(window)) record->extra = std::move(extra);
}
