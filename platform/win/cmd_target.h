#pragma once
// Objects that receive commands and messages through message maps chained to their base class.
#include "platform/win/runtime_class.h"
#include "platform/win/win_constants.h"

class CCmdTarget;
class CMenu;

struct AfxMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  void* extra = nullptr;  // the CCmdUI of an update handler
};
using AfxHandler = LRESULT (*)(CCmdTarget* target, const AfxMessage& message);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  const UINT* pRegistered;  // a registered message, read when the map is searched
  AfxHandler handler;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget = nullptr;
};

constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Finds the command's handler in the map chain and calls it; with pHandlerInfo, only reports
  // whether there is one.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // The first entry for a window message (not a command) in the map chain.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message) const;

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
};

// The state of a menu item or other command element while its update handler decides it.
class CCmdUI {
 public:
  virtual ~CCmdUI() = default;
  virtual void Enable(BOOL on = TRUE);
  virtual void SetCheck(int check = 1);
  BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

  UINT m_nID = 0;
  UINT m_nIndex = 0;
  UINT m_nIndexMax = 0;
  CMenu* m_pMenu = nullptr;
  CMenu* m_pSubMenu = nullptr;
  BOOL m_bEnableChanged = FALSE;
};
