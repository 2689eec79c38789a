#include "platform/win/cmd_target.h"

#include "platform/win/menu.h"

namespace {

const AFX_MSGMAP_ENTRY NoEntries[] = {{0, 0, 0, 0, nullptr, nullptr}};

}  // namespace

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP map = {nullptr, NoEntries};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap == nullptr ? nullptr : map->pfnGetBaseMap()) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->handler != nullptr; ++entry) {
      if (entry->nMessage != WM_COMMAND || entry->nCode != static_cast<UINT>(nCode) || nID < entry->nID ||
          nID > entry->nLastID) {
        continue;
      }
      if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        return TRUE;
      }
      entry->handler(this, AfxMessage{WM_COMMAND, MAKEWPARAM(nID, static_cast<unsigned>(nCode)), 0, pExtra});
      return TRUE;
    }
  }
  return FALSE;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap == nullptr ? nullptr : map->pfnGetBaseMap()) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->handler != nullptr; ++entry) {
      if (entry->nMessage == WM_COMMAND) continue;
      const UINT wanted = entry->pRegistered != nullptr ? *entry->pRegistered : entry->nMessage;
      if (wanted != 0 && wanted == message) return entry;
    }
  }
  return nullptr;
}

void CCmdUI::Enable(BOOL on) {
  if (m_pMenu != nullptr) m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check) {
  if (m_pMenu != nullptr) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check != 0 ? MF_CHECKED : MF_UNCHECKED));
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
  if (target == nullptr || m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;
  m_bEnableChanged = FALSE;
  const BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (disableIfNoHandler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info;
    Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return handled;
}
