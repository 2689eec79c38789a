#include "platform/controls/button.h"

#include "platform/gdi/cdc.h"
#include "platform/controls/control_colours.h"
#include "platform/controls/control_notify.h"
#include "platform/gdi/look3d.h"
#include "platform/win/window_extra.h"

namespace {

struct ButtonState : WindowExtra {
  UINT check = BST_UNCHECKED;
  bool pushed = false;
  bool tracking = false;  // the mouse button went down on it and it holds the capture
  bool spaceDown = false;
  HFONT font = nullptr;
};

DWORD Kind(HWND button) { return static_cast<DWORD>(GetWindowLong(button, GWL_STYLE)) & BS_TYPEMASK; }

bool IsPush(DWORD kind) { return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON; }
bool IsCheckBox(DWORD kind) { return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX; }
bool IsRadio(DWORD kind) { return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON; }

UINT DialogCode(DWORD kind) {
  switch (kind) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX: return DLGC_BUTTON;
    default: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
  }
}

void DrawOwner(HWND button, const ButtonState& state, HDC dc, UINT action) {
  AskControlColours(button, dc, WM_CTLCOLORBTN);
  DRAWITEMSTRUCT item;
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
  item.itemAction = action;
  item.itemState = (state.pushed ? ODS_SELECTED : 0) | (GetFocus() == button ? ODS_FOCUS : 0) |
                   (IsWindowEnabled(button) ? 0 : ODS_DISABLED);
  item.hwndItem = button;
  item.hDC = dc;
  GetClientRect(button, &item.rcItem);
  SendMessage(GetParent(button), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

// An owner-draw button is told what changed; every other kind paints itself again.
void Redraw(HWND button, const ButtonState& state, UINT action) {
  if (Kind(button) != BS_OWNERDRAW) {
    InvalidateRect(button, nullptr, TRUE);
    return;
  }
  if (!IsWindowVisible(button)) return;
  const HDC dc = GetDC(button);
  DrawOwner(button, state, dc, action);
  ReleaseDC(button, dc);
}

look3d::ButtonLook LookOf(HWND button, const ButtonState& state) {
  const DWORD kind = Kind(button);
  look3d::ButtonLook look;
  look.kind = IsPush(kind)    ? look3d::ButtonKind::Push
              : IsRadio(kind) ? look3d::ButtonKind::Radio
                              : look3d::ButtonKind::CheckBox;
  look.pressed = state.pushed;
  look.isDefault = kind == BS_DEFPUSHBUTTON;
  look.focused = GetFocus() == button;
  look.disabled = !IsWindowEnabled(button);
  look.checked = state.check != 0;
  look.textLeft = (static_cast<DWORD>(GetWindowLong(button, GWL_STYLE)) & BS_LEFTTEXT) != 0;
  return look;
}

void PaintGroup(CDC& dc, HWND button, const RECT& client, const std::string& text, HBRUSH brush) {
  TEXTMETRIC metrics;
  dc.GetTextMetrics(&metrics);
  look3d::DrawGroupFrame(dc, client, metrics.tmHeight);
  if (text.empty()) return;
  RECT label{client.left + 8, client.top, client.right - 8, client.top + metrics.tmHeight};
  RECT extent = label;
  dc.DrawText(text, &extent, DT_CALCRECT | DT_SINGLELINE);
  RECT behind{label.left - 1, label.top, std::min(label.right, extent.right + 1), label.bottom};
  if (brush != nullptr) FillRect(dc, &behind, brush);
  look3d::DrawFaceText(dc, text, label, DT_LEFT | DT_TOP | DT_SINGLELINE, !IsWindowEnabled(button));
}

void Paint(HWND button, const ButtonState& state) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(button, &paint);
  CDC* painter = CDC::FromHandle(dc);
  if (painter != nullptr) {
    const DWORD kind = Kind(button);
    if (kind == BS_OWNERDRAW) {
      DrawOwner(button, state, dc, ODA_DRAWENTIRE);
    } else {
      const HGDIOBJ previous = SelectObject(dc, state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT));
      const HBRUSH brush = AskControlColours(button, dc, IsPush(kind) ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
      RECT client{};
      GetClientRect(button, &client);
      const std::string text = GetWindowTextString(button);
      if (kind == BS_GROUPBOX) {
        PaintGroup(*painter, button, client, text, brush);
      } else {
        // A check box or radio button stands on its parent's colour; a push button fills itself.
        if (!IsPush(kind) && brush != nullptr) FillRect(dc, &client, brush);
        look3d::DrawButton(*painter, client, text, LookOf(button, state));
      }
      if (previous != nullptr) SelectObject(dc, previous);
    }
  }
  EndPaint(button, &paint);
}

void SetPushed(HWND button, ButtonState& state, bool pushed) {
  if (state.pushed == pushed) return;
  state.pushed = pushed;
  Redraw(button, state, ODA_SELECT);
}

// The auto radio buttons of the same group: from the nearest WS_GROUP control at or before this
// one up to the next WS_GROUP control.
void UncheckGroupSiblings(HWND button) {
  const HWND parent = GetParent(button);
  HWND first = button;
  while (first != nullptr && (GetWindowLong(first, GWL_STYLE) & static_cast<LONG>(WS_GROUP)) == 0) {
    const HWND previous = GetWindow(first, GW_HWNDPREV);
    if (previous == nullptr) break;
    first = previous;
  }
  for (HWND sibling = first; sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling != first && (GetWindowLong(sibling, GWL_STYLE) & static_cast<LONG>(WS_GROUP)) != 0) break;
    if (sibling != button && GetParent(sibling) == parent && Kind(sibling) == BS_AUTORADIOBUTTON &&
        (SendMessage(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
      SendMessage(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

void Click(HWND button, ButtonState& state) {
  const DWORD kind = Kind(button);
  if (kind == BS_AUTOCHECKBOX) {
    state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    InvalidateRect(button, nullptr, TRUE);
  } else if (kind == BS_AUTORADIOBUTTON) {
    UncheckGroupSiblings(button);
    state.check = BST_CHECKED;
    InvalidateRect(button, nullptr, TRUE);
  }
  NotifyParent(button, BN_CLICKED);
}

void MouseDown(HWND button, ButtonState& state) {
  // The click takes the focus before it reports; a disabled button cannot take it.
  if (!MoveFocus(button, button)) return;
  SetCapture(button);
  state.tracking = true;
  SetPushed(button, state, true);
}

void MouseUp(HWND button, ButtonState& state, LPARAM lParam) {
  if (!state.tracking) return;
  state.tracking = false;
  if (GetCapture() == button) ReleaseCapture();
  RECT client{};
  GetClientRect(button, &client);
  const bool inside = PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
  SetPushed(button, state, false);
  if (inside) Click(button, state);
}

}  // namespace

LRESULT ButtonWindowProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  ButtonState* state = GetWindowExtraAs<ButtonState>(button);
  if (state == nullptr && message != WM_NCCREATE) return DefWindowProc(button, message, wParam, lParam);
  switch (message) {
    case WM_NCCREATE:
      SetWindowExtra(button, std::make_unique<ButtonState>());
      return DefWindowProc(button, message, wParam, lParam);
    case WM_NCHITTEST:
      if (Kind(button) == BS_GROUPBOX) return HTTRANSPARENT;
      return DefWindowProc(button, message, wParam, lParam);
    case WM_GETDLGCODE: return DialogCode(Kind(button));
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      if (lParam != 0) InvalidateRect(button, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProc(button, message, wParam, lParam);
      InvalidateRect(button, nullptr, TRUE);
      return result;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(button, *state); return 0;
    case WM_SETFOCUS: Redraw(button, *state, ODA_FOCUS); return 0;
    case WM_KILLFOCUS:
      if (state->spaceDown) {
        state->spaceDown = false;
        SetPushed(button, *state, false);
      }
      Redraw(button, *state, ODA_FOCUS);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (Kind(button) == BS_OWNERDRAW || IsRadio(Kind(button))) {
        NotifyParent(button, BN_DOUBLECLICKED);
        return 0;
      }
      MouseDown(button, *state);
      return 0;
    case WM_LBUTTONDOWN:
      if (Kind(button) != BS_GROUPBOX) MouseDown(button, *state);
      return 0;
    case WM_MOUSEMOVE:
      if (state->tracking) {
        RECT client{};
        GetClientRect(button, &client);
        SetPushed(button, *state, PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE);
      }
      return 0;
    case WM_LBUTTONUP: MouseUp(button, *state, lParam); return 0;
    case WM_CAPTURECHANGED:
      if (state->tracking) {
        state->tracking = false;
        SetPushed(button, *state, false);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !state->spaceDown && Kind(button) != BS_GROUPBOX) {
        state->spaceDown = true;
        SetPushed(button, *state, true);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && state->spaceDown) {
        state->spaceDown = false;
        SetPushed(button, *state, false);
        Click(button, *state);
      }
      return 0;
    case WM_CHAR: return 0;
    case BM_GETCHECK: return IsCheckBox(Kind(button)) || IsRadio(Kind(button)) ? state->check : 0;
    case BM_SETCHECK:
      if ((IsCheckBox(Kind(button)) || IsRadio(Kind(button))) &&
          state->check != (wParam != 0 ? BST_CHECKED : BST_UNCHECKED)) {
        state->check = wParam != 0 ? BST_CHECKED : BST_UNCHECKED;
        InvalidateRect(button, nullptr, TRUE);
      }
      return 0;
    case BM_GETSTATE:
      return static_cast<LRESULT>(state->check | (state->pushed ? BST_PUSHED : 0) |
                                  (GetFocus() == button ? BST_FOCUS : 0));
    case BM_SETSTATE: SetPushed(button, *state, wParam != 0); return 0;
    case BM_SETSTYLE: {
      const DWORD style = static_cast<DWORD>(GetWindowLong(button, GWL_STYLE));
      SetWindowLong(button, GWL_STYLE,
                    static_cast<LONG>((style & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK)));
      if (lParam != 0) InvalidateRect(button, nullptr, TRUE);
      return 0;
    }
    case BM_CLICK:
      SendMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
      SendMessage(button, WM_LBUTTONUP, 0, 0);
      return 0;
    default: return DefWindowProc(button, message, wParam, lParam);
  }
}
