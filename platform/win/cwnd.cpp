#include "platform/win/cwnd.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <unordered_map>
#include <vector>

#include "platform/win/cframewnd.h"
#include "platform/win/cwinapp.h"
#include "platform/win/message_box.h"
#include "platform/win/message_map.h"
#include "platform/win/window_system.h"

namespace {

// The messages being handled, innermost last, for Default().
std::vector<AfxMessage>& CurrentMessages() {
  static std::vector<AfxMessage> messages;
  return messages;
}

// The class forms of the windows: the wrapper attached to a window, and the wrapper FromHandle
// made for a window nobody attached. Both are forgotten when the window is destroyed.
struct WindowWrappers {
  std::unordered_map<std::uintptr_t, CWnd*> attached;
  std::unordered_map<std::uintptr_t, std::unique_ptr<CWnd>> temporary;
};

WindowWrappers& Wrappers();

CWnd* AttachedWrapper(HWND window) {
  const auto& attached = Wrappers().attached;
  const auto found = attached.find(NumberFromHandle(window));
  return found == attached.end() ? nullptr : found->second;
}

LRESULT CWndDispatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wrapper = AttachedWrapper(window);
  if (wrapper == nullptr) return ::DefWindowProc(window, message, wParam, lParam);
  CurrentMessages().push_back(AfxMessage{message, wParam, lParam, nullptr});
  const LRESULT result = wrapper->WindowProc(message, wParam, lParam);
  CurrentMessages().pop_back();
  return result;
}

std::map<std::string, TemporaryWrapperFactory>& TemporaryWrapperFactories() {
  static std::map<std::string, TemporaryWrapperFactory> factories;
  return factories;
}

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::unique_ptr<CWnd> MakeTemporaryWrapper(const std::string& className) {
  const auto& factories = TemporaryWrapperFactories();
  const auto found = factories.find(UpperCase(className));
  return found != factories.end() ? found->second() : std::make_unique<CWnd>();
}

}  // namespace

void SetTemporaryWrapperFactory(LPCSTR className, TemporaryWrapperFactory factory) {
  if (className != nullptr && factory != nullptr) TemporaryWrapperFactories()[UpperCase(className)] = factory;
}

namespace {

void ForgetDestroyedWindow(HWND window) {
  if (CWnd* wrapper = AttachedWrapper(window)) wrapper->UnsubclassWindow();
  Wrappers().temporary.erase(NumberFromHandle(window));
}

WindowWrappers& Wrappers() {
  static WindowWrappers wrappers = [] {
    WatchWindowDestruction(ForgetDestroyedWindow);
    return WindowWrappers();
  }();
  return wrappers;
}

}  // namespace

void CWnd::AttachTo(HWND window) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return;
  Wrappers().attached[NumberFromHandle(window)] = this;
  m_hWnd = window;
  m_pfnSuper = record->procedure;
  record->procedure = CWndDispatchProc;
}

void CWnd::DetachFromWindow() {
  auto& attached = Wrappers().attached;
  const auto found = attached.find(NumberFromHandle(m_hWnd));
  if (found != attached.end() && found->second == this) {
    WindowRecord* record = FindWindowRecord(m_hWnd);
    if (record != nullptr && record->procedure == CWndDispatchProc) record->procedure = m_pfnSuper;
    attached.erase(found);
  }
  m_hWnd = nullptr;
  m_pfnSuper = nullptr;
}

std::function<void(HWND)> CWnd::AttachBeforeFirstMessage() {
  return [this](HWND window) { AttachTo(window); };
}

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_CTLCOLOR()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (temporary_ || m_hWnd == nullptr) return;
  const HWND window = m_hWnd;
  DetachFromWindow();
  ::DestroyWindow(window);
}

CWnd* CWnd::FromHandle(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return nullptr;
  if (CWnd* attached = AttachedWrapper(window)) return attached;
  auto& slot = Wrappers().temporary[NumberFromHandle(window)];
  if (!slot) {
    slot = MakeTemporaryWrapper(record->windowClass->name);
    slot->m_hWnd = window;
    slot->temporary_ = true;
  }
  return slot.get();
}

CWnd* CWnd::FromHandlePermanent(HWND window) { return AttachedWrapper(window); }

BOOL CWnd::SubclassWindow(HWND window) {
  if (!::IsWindow(window) || AttachedWrapper(window) != nullptr || m_hWnd != nullptr) return FALSE;
  AttachTo(window);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (parent == nullptr) return FALSE;
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
  const HWND window = m_hWnd;
  DetachFromWindow();
  return window;
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*) {
  return CreateEx(0, className, windowName, style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent == nullptr ? nullptr : parent->m_hWnd, HandleFromNumber<HMENU>(id));
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, void* param) {
  CREATESTRUCT create;
  create.lpCreateParams = param;
  create.hMenu = menuOrId;
  create.hwndParent = parent;
  create.x = x;
  create.y = y;
  create.cx = width;
  create.cy = height;
  create.style = static_cast<LONG>(style);
  create.lpszName = windowName;
  create.lpszClass = className;
  create.dwExStyle = exStyle;
  if (!PreCreateWindow(create)) return FALSE;
  const HWND window = CreateWindowWith(create.dwExStyle, create.lpszClass, create.lpszName,
                                       static_cast<DWORD>(create.style), create.x, create.y, create.cx, create.cy,
                                       create.hwndParent, create.hMenu, param, AttachBeforeFirstMessage());
  return window != nullptr ? TRUE : FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 1;
    return TRUE;
  }
  const UINT lookup = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? WM_CTLCOLOR : message;
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(lookup);
  if (entry == nullptr) return FALSE;
  *result = entry->handler(this, AfxMessage{message, wParam, lParam, nullptr});
  return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const HWND control = reinterpret_cast<HWND>(lParam);
  int code = HIWORD(wParam);
  if (control == nullptr) {
    code = CN_COMMAND;
  } else {
    LRESULT result = 0;
    if (ReflectChildNotify(control, WM_COMMAND, wParam, lParam, &result)) return TRUE;
  }
  return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  CWnd* wrapper = FromHandlePermanent(child);
  return wrapper != nullptr && wrapper != this && wrapper->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

void CWnd::PostNcDestroy() {}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return TRUE;
}

LRESULT CWnd::Default() {
  const std::vector<AfxMessage>& messages = CurrentMessages();
  if (messages.empty()) return 0;
  const AfxMessage current = messages.back();
  return DefWindowProc(current.message, current.wParam, current.lParam);
}

int CWnd::RunModalLoop(DWORD) {
  const HWND self = m_hWnd;
  m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
  ShowWindow(SW_SHOWNORMAL);
  while (ContinueModal()) {
    MSG message;
    if (!::GetMessage(&message, nullptr, 0, 0)) {
      // The program is ending: pass the request on to the outer loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      m_nModalResult = IDABORT;
      break;
    }
    if (!AfxPreTranslateMessage(&message)) {
      ::TranslateMessage(&message);
      ::DispatchMessage(&message);
    }
    if (!::IsWindow(self)) {
      // Destroyed without EndDialog.
      if (ContinueModal()) m_nModalResult = IDABORT;
      break;
    }
  }
  m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
  return m_nModalResult;
}

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0 ? TRUE : FALSE; }

void CWnd::EndModalLoop(int result) {
  m_nModalResult = result;
  m_nFlags &= ~WF_CONTINUEMODAL;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

CFrameWnd* CWnd::GetParentFrame() const {
  for (CWnd* at = GetParent(); at != nullptr; at = at->GetParent()) {
    if (at->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(at);
  }
  return nullptr;
}

void CWnd::ScreenToClient(LPRECT rect) const {
  POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  ::ScreenToClient(m_hWnd, &corners[0]);
  ::ScreenToClient(m_hWnd, &corners[1]);
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void CWnd::ClientToScreen(LPRECT rect) const {
  POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  ::ClientToScreen(m_hWnd, &corners[0]);
  ::ClientToScreen(m_hWnd, &corners[1]);
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags) {
  return ::SetWindowPos(m_hWnd, insertAfter == nullptr ? nullptr : insertAfter->m_hWnd, x, y, width, height, flags);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
  const DWORD style = GetStyle();
  const DWORD changed = (style & ~remove) | add;
  if (changed == style) return FALSE;
  ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
  if (flags != 0) ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | flags);
  return TRUE;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
  SendMessage(WM_SETFONT, font == nullptr ? 0 : reinterpret_cast<WPARAM>(font->m_hObject), redraw);
}

CFont* CWnd::GetFont() const { return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))); }

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
  const CWinApp* app = AfxGetApp();
  if (caption == nullptr) caption = app != nullptr && app->m_pszAppName != nullptr ? app->m_pszAppName : "";
  return ::MessageBox(m_hWnd, text, caption, type);
}

void CWnd::RepositionBars(UINT, UINT, UINT leftOver, UINT flags, LPRECT rectParam, LPCRECT rectClient, BOOL) {
  RECT client{};
  if (rectClient != nullptr) {
    client = *rectClient;
  } else {
    ::GetClientRect(m_hWnd, &client);
  }
  constexpr UINT RepositionQuery = 1;
  if ((flags & RepositionQuery) != 0) {
    if (rectParam != nullptr) *rectParam = client;
    return;
  }
  const HWND pane = ::GetDlgItem(m_hWnd, static_cast<int>(leftOver));
  if (pane != nullptr) {
    ::SetWindowPos(pane, nullptr, client.left, client.top, client.right - client.left, client.bottom - client.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

HBRUSH CWnd::OnCtlColor(CDC* dc, CWnd* window, UINT kind) {
  LRESULT result = 0;
  if (window != nullptr && dc != nullptr &&
      ReflectChildNotify(window->m_hWnd, WM_CTLCOLORMSGBOX + kind, reinterpret_cast<WPARAM>(dc->m_hDC),
                         reinterpret_cast<LPARAM>(window->m_hWnd), &result)) {
    return reinterpret_cast<HBRUSH>(result);
  }
  return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item) {
  LRESULT result = 0;
  if (item != nullptr && ReflectChildNotify(item->hwndItem, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(item), &result)) {
    return;
  }
  Default();
}

void CWnd::OnNcDestroy() {
  // The main window going away ends the program's message loop.
  CWinApp* app = AfxGetApp();
  if (app != nullptr && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    PostQuitMessage(0);
  }
  Default();
  DetachFromWindow();
  PostNcDestroy();
}
