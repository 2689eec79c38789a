#pragma once
// The dialog runtime's one registered window message: a dialog asks its controls for their
// colours and tells them it has painted; the launcher form registers itself with the main frame
// and looks up the frame's panes. It carries no tool data.
#include "platform/win/cwnd.h"

inline constexpr const char* PrivateMessageName = "BLDPrivateMessage";

// The identifier of "BLDPrivateMessage", registered during static initialisation.
extern const UINT PrivateMessageId;

// The message's wParam.
enum PrivateMessageCode : WPARAM {
  ParentPaintedCode = 1,  // lParam: the parent's PAINTSTRUCT
  ColourQueryCode = 2,    // lParam: the control's HDC; reply: the background brush or 0
  PaneLookupCode = 3,     // lParam: pane id (low 16 bits); reply: the registered CWnd* or 0
  PaneRegisterCode = 4,   // lParam: a PaneRecord*
  FitToContentCode = 5,   // lParam: horizontal margin (low word), vertical margin (high word)
  LoadAcceleratorsCode = 6,
  NoEffectCode = 7,
  RegistryQueryCode = 8,
};

// What code 4 carries: the pane's object (null to unregister) and its id.
struct PaneRecord {
  CWnd* pane = nullptr;
  UINT id = 0;
};

// Pane ids of the main frame: the form and the four docking places of a dialog bar.
inline constexpr UINT FormPaneId = 0;
inline constexpr UINT TopBarPaneId = 0x2800;
inline constexpr UINT BottomBarPaneId = 0x8200;
inline constexpr UINT LeftBarPaneId = 0x1400;
inline constexpr UINT RightBarPaneId = 0x4100;

LRESULT SendPrivateMessage(HWND window, PrivateMessageCode code, LPARAM argument);
