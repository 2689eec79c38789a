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

RECT DefaultPlacement(int x, int y, int width, int height) {
  WindowSystem& system = System();
  const SIZE screen = system.backend != nullptr ? system.backend->ScreenSize() : SIZE{1024, 768};
  if (x == CW_USEDEFAULT) {
    const int step = 26 * (system.defaultPlacements++ % 8);
    x = step;
    y = step;
  }
  if (width == CW_USEDEFAULT) {
    width = screen.cx * 3 / 4;
    height = screen.cy * 3 / 4;
  }
  return RECT{x, y, x + width, y + height};
}

void NotifyResized(WindowRecord& record) {
  const HWND window = record.handle;
  RECT client{};
  GetClientRect(window, &client);
  SendMessage(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

}  // namespace

WindowRecord::WindowRecord() = default;
WindowRecord::~WindowRecord() = default;

WindowSystem& System() {
  static WindowSystem system;
  return system;
}

WindowRecord* FindWindowRecord(HWND window) {
  auto& windows = System().windows;
  auto found = windows.find(NumberFromHandle(window));
  return found == windows.end() ? nullptr : found->second.get();
}

bool IsTopLevel(const WindowRecord& record) { return (record.style & WS_CHILD) == 0; }

int CaptionHeight(const WindowRecord& record) { return (record.style & WS_CAPTION) == WS_CAPTION ? 18 : 0; }

int FrameThickness(const WindowRecord& record) {
  if ((record.style & WS_THICKFRAME) != 0) return 4;
  if ((record.style & WS_DLGFRAME) != 0 || (record.exStyle & WS_EX_DLGMODALFRAME) != 0) {
    return 3;
  }
  return (record.style & WS_BORDER) != 0 ? 1 : 0;
}

RECT NonClientInsets(const WindowRecord& record) {
  const int frame = FrameThickness(record) + ((record.exStyle & WS_EX_CLIENTEDGE) != 0 ? 2 : 0);
  RECT insets{frame, frame, frame, frame};
  insets.top += CaptionHeight(record);
  if (IsTopLevel(record)) insets.top += MenuBarHeight(record);
  // The window's scroll bars stand inside its edges, beside the client area.
  if ((record.style & WS_VSCROLL) != 0) insets.right += GetSystemMetrics(SM_CXVSCROLL);
  if ((record.style & WS_HSCROLL) != 0) insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
  return insets;
}

RECT WindowRectInTopLevel(const WindowRecord& record) {
  if (IsTopLevel(record)) return RECT{0, 0, record.rect.right - record.rect.left, record.rect.bottom - record.rect.top};
  const WindowRecord* parent = FindWindowRecord(record.parent);
  RECT rect = record.rect;
  if (parent != nullptr) {
    const RECT parentClient = ClientRectInTopLevel(*parent);
    OffsetRect(&rect, parentClient.left, parentClient.top);
  }
  return rect;
}

RECT ClientRectInTopLevel(const WindowRecord& record) {
  RECT rect = WindowRectInTopLevel(record);
  const RECT insets = NonClientInsets(record);
  rect.left += insets.left;
  rect.top += insets.top;
  rect.right = std::max(rect.left, rect.right - insets.right);
  rect.bottom = std::max(rect.top, rect.bottom - insets.bottom);
  return rect;
}

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

Region VisibleRegion(const WindowRecord& record, bool clientOnly) {
  if (!IsVisibleChain(record)) return Region();
  Region region(clientOnly ? ClientRectInTopLevel(record) : WindowRectInTopLevel(record));
  if (clientOnly && (record.style & WS_CLIPCHILDREN) != 0) {
    for (HWND child : record.children) {
      const WindowRecord* childRecord = FindWindowRecord(child);
      if (childRecord != nullptr && (childRecord->style & WS_VISIBLE) != 0)
        region.Subtract(WindowRectInTopLevel(*childRecord));
    }
  }
  for (const WindowRecord* at = &record; !IsTopLevel(*at);) {
    const WindowRecord* parent = FindWindowRecord(at->parent);
    if (parent == nullptr) break;
    region.Intersect(ClientRectInTopLevel(*parent));
    if ((at->style & WS_CLIPSIBLINGS) != 0) {
      for (HWND sibling : parent->children) {
        if (sibling == at->handle) break;
        const WindowRecord* above = FindWindowRecord(sibling);
        if (above != nullptr && (above->style & WS_VISIBLE) != 0) region.Subtract(WindowRectInTopLevel(*above));
      }
    }
    at = parent;
  }
  return region;
}

void ForEachInPaintOrder(HWND topLevel, const std::function<void(WindowRecord&)>& visit) {
  WindowRecord* record = FindWindowRecord(topLevel);
  if (record == nullptr) return;
  visit(*record);
  const std::vector<HWND> children = record->children;
  for (auto child = children.rbegin(); child != children.rend(); ++child) ForEachInPaintOrder(*child, visit);
}

void EnsureSurface(WindowRecord& record) {
  if (!IsTopLevel(record)) return;
  const int width = record.rect.right - record.rect.left;
  const int height = record.rect.bottom - record.rect.top;
  if (!record.surface) record.surface = std::make_unique<Surface>();
  if (record.surface->Width() != width || record.surface->Height() != height) {
    record.surface->Resize(width, height, RGB(192, 192, 192));
    InvalidateWholeWindow(record);
  }
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

HWND CreateWindowWith(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                      int height, HWND parent, HMENU menuOrId, void* param,
                      const std::function<void(HWND)>& beforeFirstMessage) {
  WindowSystem& system = System();
  auto found = system.classes.find(ClassKey(className));
  if (found == system.classes.end()) return nullptr;
  const bool child = (style & WS_CHILD) != 0;
  if (child && FindWindowRecord(parent) == nullptr) return nullptr;
  auto record = std::make_unique<WindowRecord>();
  const HWND handle = HandleFromNumber<HWND>(system.nextHandle++);
  record->handle = handle;
  record->windowClass = found->second.get();
  record->procedure = found->second->procedure;
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
  system.windows.erase(NumberFromHandle(window));
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

BOOL GetWindowRect(HWND window, RECT* rect) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || rect == nullptr) return FALSE;
  if (IsTopLevel(*record)) {
    *rect = record->rect;
    return TRUE;
  }
  const HWND top = GetTopLevel(window);
  *rect = WindowRectInTopLevel(*record);
  const WindowRecord* topRecord = FindWindowRecord(top);
  OffsetRect(rect, topRecord->rect.left, topRecord->rect.top);
  return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || rect == nullptr) return FALSE;
  const RECT client = ClientRectInTopLevel(*record);
  *rect = RECT{0, 0, client.right - client.left, client.bottom - client.top};
  return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || point == nullptr) return FALSE;
  const RECT client = ClientRectInTopLevel(*record);
  const WindowRecord* top = FindWindowRecord(GetTopLevel(window));
  point->x += client.left + top->rect.left;
  point->y += client.top + top->rect.top;
  return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || point == nullptr) return FALSE;
  const RECT client = ClientRectInTopLevel(*record);
  const WindowRecord* top = FindWindowRecord(GetTopLevel(window));
  point->x -= client.left + top->rect.left;
  point->y -= client.top + top->rect.top;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  if (points == nullptr) return 0;
  for (UINT index = 0; index < count; ++index) {
    if (from != nullptr) ClientToScreen(from, &points[index]);
    if (to != nullptr) ScreenToClient(to, &points[index]);
  }
  return 1;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  WindowSystem& system = System();
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  const RECT before = record->rect;
  RECT after = before;
  if ((flags & SWP_NOMOVE) == 0) OffsetRect(&after, x - before.left, y - before.top);
  if ((flags & SWP_NOSIZE) == 0) {
    after.right = after.left + std::max(0, width);
    after.bottom = after.top + std::max(0, height);
  }
  const bool moved = after.left != before.left || after.top != before.top;
  const bool sized = (after.right - after.left) != (before.right - before.left) ||
                     (after.bottom - after.top) != (before.bottom - before.top);
  if ((flags & SWP_NOZORDER) == 0) {
    std::vector<HWND>* siblings = &system.topLevels;
    if (!IsTopLevel(*record)) siblings = &FindWindowRecord(record->parent)->children;
    siblings->erase(std::remove(siblings->begin(), siblings->end(), window), siblings->end());
    if (insertAfter == HWND_BOTTOM) {
      siblings->push_back(window);
    } else {
      siblings->insert(siblings->begin(), window);
    }
  }
  if (moved || sized || (flags & SWP_FRAMECHANGED) != 0) {
    const bool visible = IsVisibleChain(*record);
    if (!IsTopLevel(*record) && visible) InvalidateArea(*FindWindowRecord(record->parent), before, true, false);
    record->rect = after;
    if (IsTopLevel(*record)) {
      EnsureSurface(*record);
      if (system.backend != nullptr && record->surface) record->presentPending = true;
    }
    InvalidateWholeWindow(*record);
    if (moved) SendMessage(window, WM_MOVE, 0, MAKELPARAM(after.left, after.top));
    if (sized || (flags & SWP_FRAMECHANGED) != 0) {
      if (WindowRecord* alive = FindWindowRecord(window)) NotifyResized(*alive);
    }
  }
  if ((flags & SWP_SHOWWINDOW) != 0) ShowWindow(window, (flags & SWP_NOACTIVATE) != 0 ? SW_SHOWNA : SW_SHOW);
  if ((flags & SWP_HIDEWINDOW) != 0) ShowWindow(window, SW_HIDE);
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL) {
  return SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (rect == nullptr) return FALSE;
  WindowRecord probe;
  // As on the platform, the scroll bars are not counted: they take their room from the client area.
  probe.style = style & ~(WS_VSCROLL | WS_HSCROLL);
  probe.exStyle = exStyle;
  RECT insets = NonClientInsets(probe);
  if (menu && (style & WS_CHILD) == 0) insets.top += 19;
  rect->left -= insets.left;
  rect->top -= insets.top;
  rect->right += insets.right;
  rect->bottom += insets.bottom;
  return TRUE;
}

int GetSystemMetrics(int index) {
  const WindowSystem& system = System();
  const SIZE screen = system.backend != nullptr ? system.backend->ScreenSize() : SIZE{1024, 768};
  switch (index) {
    case SM_CXSCREEN: return screen.cx;
    case SM_CYSCREEN: return screen.cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return 16;
    case SM_CYCAPTION: return 18;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CYMENU: return 19;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    default: return 0;
  }
}

DWORD GetSysColor(int index) {
  switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_BTNFACE: return RGB(192, 192, 192);
    case COLOR_BTNSHADOW:
    case COLOR_GRAYTEXT: return RGB(127, 127, 127);
    case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    default: return RGB(0, 0, 0);
  }
}

HBRUSH GetSysColorBrush(int index) {
  switch (GetSysColor(index)) {
    case RGB(255, 255, 255): return GetStockObject(WHITE_BRUSH);
    case RGB(192, 192, 192): return GetStockObject(LTGRAY_BRUSH);
    default: return GetStockObject(index == COLOR_BTNSHADOW || index == COLOR_GRAYTEXT ? GRAY_BRUSH : BLACK_BRUSH);
  }
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

UINT RegisterWindowMessage(LPCSTR name) {
  if (name == nullptr || *name == '\0') return 0;
  auto& registered = System().registeredMessages;
  auto found = registered.find(name);
  if (found != registered.end()) return found->second;
  const UINT id = 0xC000 + static_cast<UINT>(registered.size());
  registered.emplace(name, id);
  return id;
}
