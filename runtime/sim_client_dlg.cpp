#include "runtime/sim_client_dlg.h"

#include "runtime/application_services.h"
#include "platform/win/cframewnd.h"
#include "runtime/private_message.h"
#include "runtime/sim_dialog_behaviour.h"

namespace {

// Style bits a form cannot keep as a child: popup, visible, minimize, maximize, caption and
// border, system menu, sizing border, modal frame, system modal.
constexpr DWORD NonChildStyles = 0xB1CC0082;
constexpr DWORD FormChildStyles = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD FormWindowStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

CFrameWnd* EnclosingFrame(CWnd* window) {
  for (CWnd* at = window; at != nullptr; at = at->GetParent()) {
    if (at->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(at);
  }
  return nullptr;
}

// The template's own style, put back when the form has been made from it.
class TemplateStyleOverride {
 public:
  TemplateStyleOverride(DialogTemplate& dialog, DWORD style) : dialog_(dialog), saved_(dialog.style) {
    dialog_.style = style;
  }
  ~TemplateStyleOverride() { dialog_.style = saved_; }
  TemplateStyleOverride(const TemplateStyleOverride&) = delete;
  TemplateStyleOverride& operator=(const TemplateStyleOverride&) = delete;

 private:
  DialogTemplate& dialog_;
  DWORD saved_;
};

}  // namespace

IMPLEMENT_DYNAMIC(CSimClientDlg, CFormView)

BEGIN_MESSAGE_MAP(CSimClientDlg, CFormView)
ON_WM_CTLCOLOR()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_INITMENUPOPUP()
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_REGISTERED_MESSAGE(PrivateMessageId, OnPrivateMessage)
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

BOOL CSimClientDlg::Create(CWnd* parent) {
  CFrameWnd* frame = EnclosingFrame(parent);
  if (frame == nullptr) return FALSE;
  if (auto* previous = reinterpret_cast<CWnd*>(SendPrivateMessage(frame->m_hWnd, PaneLookupCode, FormPaneId))) {
    previous->DestroyWindow();
  }
  DialogTemplate* dialog = Resources().FindDialog(templateName_);
  if (dialog == nullptr) return FALSE;
  const DWORD ownStyle = dialog->style;
  BOOL created = FALSE;
  {
    TemplateStyleOverride childStyle(*dialog, (ownStyle & ~NonChildStyles) | FormChildStyles);
    creating_ = true;
    created = CFormView::Create(nullptr, nullptr, FormWindowStyle, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST);
    creating_ = false;
  }
  if (!created) return FALSE;
  OnInitForm();
  PaneRecord record{this, FormPaneId};
  SendPrivateMessage(frame->m_hWnd, PaneRegisterCode, reinterpret_cast<LPARAM>(&record));
  if ((ownStyle & WS_HSCROLL) != 0) m_totalLog.cy -= ::GetSystemMetrics(SM_CYHSCROLL);
  if ((ownStyle & WS_VSCROLL) != 0) m_totalLog.cx -= ::GetSystemMetrics(SM_CXVSCROLL);
  frame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  ResizeParentToFit(FALSE);
  SetFocus();
  return created;
}

BOOL CSimClientDlg::OnInitForm() {
  if (RuntimeApplicationServices* services = ApplicationServices()) services->SubclassCtl3d(this);
  return TRUE;
}

void CSimClientDlg::PostNcDestroy() {
  if (!creating_) CFormView::PostNcDestroy();
}

BOOL CSimClientDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CFormView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return PassCommandToApplication(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CSimClientDlg::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (SimDialogDrawsMarkedButton(message, lParam)) return 1;
  return CFormView::DefWindowProc(message, wParam, lParam);
}

HBRUSH CSimClientDlg::OnCtlColor(CDC* dc, CWnd* control, UINT kind) {
  if (const HBRUSH brush = SimDialogCtlColor(fields_, dc, control, kind)) return brush;
  return CFormView::OnCtlColor(dc, control, kind);
}

void CSimClientDlg::OnPaint() { SimDialogPaint(*this, fields_); }

void CSimClientDlg::OnSize(UINT, int, int) { SimDialogSize(*this, fields_); }

void CSimClientDlg::OnInitMenuPopup(CMenu* popup, UINT, BOOL systemMenu) {
  SimDialogInitMenuPopup(*this, fields_, popup, systemMenu);
}

LRESULT CSimClientDlg::OnHelpHitTest(WPARAM, LPARAM) {
  if (fields_.helpContextId == 0) return Default();
  return fields_.helpContextId;
}

LRESULT CSimClientDlg::OnPrivateMessage(WPARAM code, LPARAM argument) {
  return SimDialogPrivateMessage(*this, code, argument);
}

void CSimClientDlg::OnNcDestroy() {
  if (CWnd* parent = GetParent()) parent->Invalidate(TRUE);
  if (const HWND frame = ::GetParent(m_hWnd)) {
    PaneRecord record{nullptr, FormPaneId};
    SendPrivateMessage(frame, PaneRegisterCode, reinterpret_cast<LPARAM>(&record));
  }
  CFormView::OnNcDestroy();
}
