#pragma once
// Message maps: each class lists the messages and commands it handles and chains to its base
// class's map, so a message not handled here is looked up there.
#include "platform/win/cwnd.h"

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY messageEntries[] = {
#define END_MESSAGE_MAP()                                                                      \
  { 0, 0, 0, 0, nullptr, nullptr }                                                             \
  }                                                                                            \
  ;                                                                                            \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
  return &messageMap;                                                                          \
  }

#define TAVRIN_MAP_ENTRY(message, body)                                                \
  {message, 0, 0, 0, nullptr, [](CCmdTarget* target, const AfxMessage& m) -> LRESULT { \
     [[maybe_unused]] auto* self = static_cast<ThisClass*>(target);                    \
     [[maybe_unused]] const AfxMessage& msg = m;                                       \
     body                                                                              \
   }},

#define TAVRIN_HWND(value) reinterpret_cast<HWND>(value)

#define ON_WM_CREATE() TAVRIN_MAP_ENTRY(WM_CREATE, return self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(msg.lParam));)
#define ON_WM_DESTROY() TAVRIN_MAP_ENTRY(WM_DESTROY, self->OnDestroy(); return 0;)
#define ON_WM_NCDESTROY() TAVRIN_MAP_ENTRY(WM_NCDESTROY, self->OnNcDestroy(); return 0;)
#define ON_WM_PAINT() TAVRIN_MAP_ENTRY(WM_PAINT, self->OnPaint(); return 0;)
#define ON_WM_SIZE()                                                                                                \
  TAVRIN_MAP_ENTRY(WM_SIZE,                                                                                         \
                   self->OnSize(static_cast<UINT>(msg.wParam), GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)); \
                   return 0;)
#define ON_WM_ACTIVATE()                                                                                        \
  TAVRIN_MAP_ENTRY(WM_ACTIVATE, self->OnActivate(LOWORD(msg.wParam), CWnd::FromHandle(TAVRIN_HWND(msg.lParam)), \
                                                 HIWORD(msg.wParam));                                           \
                   return 0;)
#define ON_WM_NCACTIVATE() TAVRIN_MAP_ENTRY(WM_NCACTIVATE, return self->OnNcActivate(static_cast<BOOL>(msg.wParam));)
#define ON_WM_SETFOCUS() \
  TAVRIN_MAP_ENTRY(WM_SETFOCUS, self->OnSetFocus(CWnd::FromHandle(TAVRIN_HWND(msg.wParam))); return 0;)
#define ON_WM_KILLFOCUS() \
  TAVRIN_MAP_ENTRY(WM_KILLFOCUS, self->OnKillFocus(CWnd::FromHandle(TAVRIN_HWND(msg.wParam))); return 0;)
#define ON_WM_SETCURSOR()                                                                            \
  TAVRIN_MAP_ENTRY(WM_SETCURSOR, return self->OnSetCursor(CWnd::FromHandle(TAVRIN_HWND(msg.wParam)), \
                                                          LOWORD(msg.lParam), HIWORD(msg.lParam));)
#define ON_WM_CTLCOLOR()                                                                \
  TAVRIN_MAP_ENTRY(WM_CTLCOLOR, return reinterpret_cast<LRESULT>(self->OnCtlColor(      \
                                    CDC::FromHandle(reinterpret_cast<HDC>(msg.wParam)), \
                                    CWnd::FromHandle(TAVRIN_HWND(msg.lParam)), msg.message - WM_CTLCOLORMSGBOX));)
#define ON_WM_DRAWITEM()                                                                                           \
  TAVRIN_MAP_ENTRY(WM_DRAWITEM,                                                                                    \
                   self->OnDrawItem(static_cast<int>(msg.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(msg.lParam)); \
                   return TRUE;)
#define ON_WM_HSCROLL()                                                                                              \
  TAVRIN_MAP_ENTRY(WM_HSCROLL, self->OnHScroll(LOWORD(msg.wParam), HIWORD(msg.wParam),                               \
                                               static_cast<CScrollBar*>(CWnd::FromHandle(TAVRIN_HWND(msg.lParam)))); \
                   return 0;)
#define ON_WM_VSCROLL()                                                                                              \
  TAVRIN_MAP_ENTRY(WM_VSCROLL, self->OnVScroll(LOWORD(msg.wParam), HIWORD(msg.wParam),                               \
                                               static_cast<CScrollBar*>(CWnd::FromHandle(TAVRIN_HWND(msg.lParam)))); \
                   return 0;)
#define ON_WM_INITMENUPOPUP()                                                                                      \
  TAVRIN_MAP_ENTRY(WM_INITMENUPOPUP, self->OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(msg.wParam)), \
                                                           LOWORD(msg.lParam), HIWORD(msg.lParam));                \
                   return 0;)
#define TAVRIN_MOUSE_ENTRY(message, handler) \
  TAVRIN_MAP_ENTRY(message, self->handler(static_cast<UINT>(msg.wParam), CPoint(msg.lParam)); return 0;)
#define ON_WM_LBUTTONDOWN() TAVRIN_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() TAVRIN_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() TAVRIN_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_MOUSEMOVE() TAVRIN_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define TAVRIN_KEY_ENTRY(message, handler)                                                                        \
  TAVRIN_MAP_ENTRY(message, self->handler(static_cast<UINT>(msg.wParam), LOWORD(msg.lParam), HIWORD(msg.lParam)); \
                   return 0;)
#define ON_WM_KEYDOWN() TAVRIN_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() TAVRIN_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() TAVRIN_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_CLOSE() TAVRIN_MAP_ENTRY(WM_CLOSE, self->OnClose(); return 0;)
#define ON_WM_SHOWWINDOW()                                                                                          \
  TAVRIN_MAP_ENTRY(WM_SHOWWINDOW, self->OnShowWindow(static_cast<BOOL>(msg.wParam), static_cast<UINT>(msg.lParam)); \
                   return 0;)
#define ON_WM_ERASEBKGND() \
  TAVRIN_MAP_ENTRY(WM_ERASEBKGND, return self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(msg.wParam)));)
#define ON_WM_SYSCOMMAND() \
  TAVRIN_MAP_ENTRY(WM_SYSCOMMAND, self->OnSysCommand(static_cast<UINT>(msg.wParam), msg.lParam); return 0;)

#define ON_MESSAGE(message, memberFxn) TAVRIN_MAP_ENTRY(message, return self->memberFxn(msg.wParam, msg.lParam);)
#define ON_REGISTERED_MESSAGE(messageVariable, memberFxn)                                 \
  {0, 0, 0, 0, &messageVariable, [](CCmdTarget* target, const AfxMessage& m) -> LRESULT { \
     return static_cast<ThisClass*>(target)->memberFxn(m.wParam, m.lParam);               \
   }},

#define TAVRIN_COMMAND_ENTRY(code, id, lastId, body)                \
  {WM_COMMAND,                                                      \
   static_cast<UINT>(code),                                         \
   static_cast<UINT>(id),                                           \
   static_cast<UINT>(lastId),                                       \
   nullptr,                                                         \
   [](CCmdTarget* target, const AfxMessage& m) -> LRESULT {         \
     [[maybe_unused]] auto* self = static_cast<ThisClass*>(target); \
     [[maybe_unused]] const AfxMessage& msg = m;                    \
     body return 0;                                                 \
   }},
#define ON_COMMAND(id, memberFxn) TAVRIN_COMMAND_ENTRY(CN_COMMAND, id, id, self->memberFxn();)
#define ON_COMMAND_RANGE(id, lastId, memberFxn) \
  TAVRIN_COMMAND_ENTRY(CN_COMMAND, id, lastId, self->memberFxn(LOWORD(msg.wParam));)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
  TAVRIN_COMMAND_ENTRY(CN_UPDATE_COMMAND_UI, id, id, self->memberFxn(static_cast<CCmdUI*>(msg.extra));)
#define ON_CONTROL(code, id, memberFxn) TAVRIN_COMMAND_ENTRY(code, id, id, self->memberFxn();)
#define ON_CONTROL_RANGE(code, id, lastId, memberFxn) \
  TAVRIN_COMMAND_ENTRY(code, id, lastId, self->memberFxn(LOWORD(msg.wParam));)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
