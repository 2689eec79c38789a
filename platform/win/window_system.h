#pragma once
// The window layer's own state: window records, classes, the queue, focus and activation.
// Only the layer's sources include this; programs use window_api.h and the classes.
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win/backend.h"
#include "platform/win/paint_queue.h"
#include "platform/gdi/handle_end_watchers.h"
#include "platform/gdi/region.h"
#include "platform/win/window_api.h"
#include "platform/win/window_extra.h"

struct WindowClassInfo {
  std::string name;
  UINT style = 0;
  WNDPROC procedure = nullptr;
  HBRUSH background = nullptr;
  HCURSOR cursor = nullptr;
  HICON icon = nullptr;
};

struct WindowRecord {
  WindowRecord();
  ~WindowRecord();

  HWND handle = nullptr;
  const WindowClassInfo* windowClass = nullptr;
  WNDPROC procedure = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  UINT id = 0;
  std::string text;
  RECT rect{};                 // parent client coordinates; screen for top-level windows
  HWND parent = nullptr;       // child windows
  HWND owner = nullptr;        // top-level windows
  std::vector<HWND> children;  // front first
  HMENU menu = nullptr;
  std::unique_ptr<WindowExtra> extra;
  std::string templateName;  // the dialog template the window was made from
  Region update;             // client coordinates
  bool erase = false;
  bool frameDirty = false;
  bool destroying = false;
  bool neverActivate = false;        // popup menus
  bool captionActive = false;        // as the last WM_NCACTIVATE said
  std::unique_ptr<Surface> surface;  // top-level windows
  bool presentPending = false;
};

struct WindowSystem {
  std::unordered_map<std::uintptr_t, std::unique_ptr<WindowRecord>> windows;
  // The records found lately, in the slot of their handle's number: handles are numbered in
  // turn, so the windows made last never share a slot, and a record is found without hashing.
  struct RecentRecord {
    std::uintptr_t number = 0;
    WindowRecord* record = nullptr;
  };
  std::array<RecentRecord, 1024> recentRecords{};
  std::uintptr_t nextHandle = 0x30000;
  std::map<std::string, std::unique_ptr<WindowClassInfo>> classes;
  std::vector<HWND> topLevels;  // front first
  PaintQueue paintQueue;
  std::deque<MSG> posted;
  std::deque<InputEvent> input;
  bool quitPending = false;
  int quitCode = 0;
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  POINT cursor{};
  HCURSOR currentCursor = nullptr;
  DWORD time = 0;
  DWORD messageTime = 0;
  bool shiftDown = false;
  bool controlDown = false;
  bool leftDown = false;
  HWND lastDownWindow = nullptr;
  DWORD lastDownTime = 0;
  POINT lastDownPoint{};
  bool lastDownWasDouble = false;
  HWND nonClientPressWindow = nullptr;
  int nonClientPressCode = HTNOWHERE;
  int defaultPlacements = 0;
  Backend* backend = nullptr;
  std::map<std::string, UINT> registeredMessages;
  HandleEndWatchers<HWND> destructionWatchers;
};

WindowSystem& System();
WindowRecord* FindWindowRecord(HWND window);
// The registered class of that name, matched without regard to case; null when none is.
const WindowClassInfo* FindWindowClass(LPCSTR name);
bool IsTopLevel(const WindowRecord& record);
// Insets of the non-client area: frame, caption and menu bar.
RECT NonClientInsets(const WindowRecord& record);
int CaptionHeight(const WindowRecord& record);
int FrameThickness(const WindowRecord& record);
// Positions within the top-level window's framebuffer.
RECT WindowRectInTopLevel(const WindowRecord& record);
RECT ClientRectInTopLevel(const WindowRecord& record);
// The part of the window (client or whole) that can be seen, in top-level coordinates.
Region VisibleRegion(const WindowRecord& record, bool clientOnly);
bool IsVisibleChain(const WindowRecord& record);
bool IsEnabledChain(const WindowRecord& record);
void ForEachInPaintOrder(HWND topLevel, const std::function<void(WindowRecord&)>& visit);
// Invalidation in the window's client coordinates, passed on to the windows painted over it.
void InvalidateArea(WindowRecord& record, const RECT& clientRect, bool erase, bool includeFrame);
void InvalidateWholeWindow(WindowRecord& record);
void EnsureSurface(WindowRecord& record);
HWND SetActiveWindowWith(HWND window, UINT state);
// Activation and focus after a window left the screen.
void ActivateNextAfter(HWND leaving);
void ForgetFocusWithin(HWND window);
// Paints the first window that waits for painting; false when none does.
bool NextPaintMessage(MSG* message);
void PresentPending();
// The layer's default non-client painting.
void PaintNonClient(WindowRecord& record);
LRESULT NonClientHitTest(WindowRecord& record, POINT screen);
// Menu bar of a top-level window.
int MenuBarHeight(const WindowRecord& record);
void PaintMenuBar(CDC& dc, WindowRecord& record, const RECT& barRect);
void TrackMenuBarClick(HWND window, POINT screen);

// Creation that hands the new window to `beforeFirstMessage` before WM_NCCREATE, so a class form
// can attach to it and see every message.
HWND CreateWindowWith(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                      int height, HWND parent, HMENU menuOrId, void* param,
                      const std::function<void(HWND)>& beforeFirstMessage);
// The watcher is told of every destroyed window after its WM_NCDESTROY, while its record still exists.
void WatchWindowDestruction(void (*watcher)(HWND));
