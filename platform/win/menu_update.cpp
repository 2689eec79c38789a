#include "platform/win/menu_update.h"

namespace {

constexpr UINT PopupItemId = 0xFFFFFFFF;
constexpr UINT FirstSystemCommand = 0xF000;

}  // namespace

void UpdatePopupMenu(CCmdTarget& target, CMenu& popup, bool disableWithoutHandler) {
  const UINT count = popup.GetMenuItemCount();
  for (UINT index = 0; index < count; ++index) {
    CCmdUI state;
    state.m_pMenu = &popup;
    state.m_nIndex = index;
    state.m_nIndexMax = count;
    state.m_nID = popup.GetMenuItemID(static_cast<int>(index));
    if (state.m_nID == 0) continue;
    if (state.m_nID == PopupItemId) {
      state.m_pSubMenu = popup.GetSubMenu(static_cast<int>(index));
      if (state.m_pSubMenu == nullptr) continue;
      state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
      if (state.m_nID == 0 || state.m_nID == PopupItemId) continue;
      state.DoUpdate(&target, FALSE);
    } else {
      state.DoUpdate(&target, disableWithoutHandler && state.m_nID < FirstSystemCommand);
    }
  }
}
