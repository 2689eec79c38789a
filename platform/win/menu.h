#pragma once
// Menus: the menu bar of a top-level window and its popups, as handles and as CMenu.
#include <string>

#include "platform/win/resources.h"
#include "platform/win/window_api.h"

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
BOOL AppendMenu(HMENU menu, UINT flags, std::uintptr_t idOrPopup, LPCSTR text);
HMENU LoadMenu(HINSTANCE instance, LPCSTR name);
int GetMenuItemCount(HMENU menu);
// The command of the item at a position: 0 for a separator, 0xFFFFFFFF for a popup.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// The previous state (MF_GRAYED, MF_DISABLED), or 0xFFFFFFFF when there is no such item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuString(HMENU menu, UINT item, LPSTR text, int size, UINT flags);
BOOL SetMenu(HWND window, HMENU menu);
HMENU GetMenu(HWND window);
BOOL DrawMenuBar(HWND window);
// The popup of a menu that holds the command, searching nested popups; null when none does.
HMENU FindPopupOfCommand(HMENU menu, UINT id, int* position);

class CMenu {
 public:
  CMenu() = default;
  virtual ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  static CMenu* FromHandle(HMENU menu);
  BOOL Attach(HMENU menu);
  HMENU Detach();
  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL LoadMenu(LPCSTR name);
  BOOL LoadMenu(UINT id) { return LoadMenu(MAKEINTRESOURCE(id)); }
  BOOL DestroyMenu();
  BOOL AppendMenu(UINT flags, std::uintptr_t idOrPopup = 0, LPCSTR text = nullptr);
  UINT GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
  UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
  CMenu* GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
  UINT EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }
  UINT CheckMenuItem(UINT item, UINT flags) { return ::CheckMenuItem(m_hMenu, item, flags); }
  UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }

  HMENU m_hMenu = nullptr;

 private:
  bool temporary_ = false;  // made by FromHandle: names the menu, never destroys it
};
