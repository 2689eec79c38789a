#pragma once
// The window calls on handles: creation, the tree, messages, focus, painting, cursors.
#include <string>
#include <vector>

#include "platform/win/backend.h"
#include "platform/win/control_constants.h"
#include "platform/win/win_constants.h"

// Classes.
BOOL RegisterClass(const WNDCLASS* windowClass);
int GetClassName(HWND window, LPSTR name, int size);
DWORD GetClassLong(HWND window, int index);

// Creation and the tree.
HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, HINSTANCE instance, void* param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
BOOL IsChild(HWND parent, HWND window);
HWND GetParent(HWND window);
HWND GetWindow(HWND window, UINT relation);
HWND GetTopLevel(HWND window);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
LONG GetWindowLong(HWND window, int index);
LONG SetWindowLong(HWND window, int index, LONG value);
WNDPROC SubclassWindowProc(HWND window, WNDPROC procedure);
LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// State.
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);

// Text.
BOOL SetWindowText(HWND window, LPCSTR text);
int GetWindowText(HWND window, LPSTR text, int size);
int GetWindowTextLength(HWND window);
std::string GetWindowTextString(HWND window);
BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemText(HWND dialog, int id, LPSTR text, int size);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);

// Geometry.
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL ScreenToClient(HWND window, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
HWND WindowFromPoint(POINT screen);
int GetSystemMetrics(int index);
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);

// Messages.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL GetMessage(MSG* message, HWND window, UINT first, UINT last);
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;
BOOL PeekMessage(MSG* message, HWND window, UINT first, UINT last, UINT remove);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessage(const MSG* message);
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
UINT RegisterWindowMessage(LPCSTR name);
DWORD GetMessageTime();
DWORD GetTickCount();
short GetKeyState(int key);
UINT GetDoubleClickTime();

// Focus, activation, capture.
HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

// Cursors.
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
BOOL SetCursorPos(int x, int y);
BOOL GetCursorPos(POINT* point);
extern const LPCSTR IDC_ARROW;
extern const LPCSTR IDC_WAIT;

// Painting.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
BOOL RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
// Paints every window that waits for it, then hands the changed framebuffers to the backend.
void UpdateAllWindows();
// The framebuffer of a top-level window, or null.
const Surface* WindowSurface(HWND topLevel);

// The top-level windows, front first.
std::vector<HWND> TopLevelWindows();
// The name of the dialog template a window was made from; empty for other windows.
std::string GetTemplateName(HWND window);
void SetTemplateName(HWND window, const std::string& name);
