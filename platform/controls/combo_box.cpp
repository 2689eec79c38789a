#include "platform/controls/combo_box.h"

#include <algorithm>

#include "platform/gdi/cdc.h"
#include "platform/controls/control_colours.h"
#include "platform/controls/control_font.h"
#include "platform/controls/control_notify.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/gdi/look3d.h"
#include "platform/win/window_extra.h"

namespace {

constexpr int Edge = 2;          // the sunken edge around the field
constexpr int FieldPadding = 2;  // between the edge and a line of text, above and below

struct ComboState : WindowExtra {
  HWND edit = nullptr;  // the edit field of a drop-down combo box
  HWND list = nullptr;  // the drop-down list, a popup window owned by the combo box's top-level window
  bool dropped = false;
  int selectionAtDrop = -1;  // what a dismissed list goes back to
  int droppedHeight = 0;     // the field and the open list together, as the combo box was made
  HFONT font = nullptr;
};

ComboState* StateOf(HWND combo) { return GetWindowExtraAs<ComboState>(combo); }
DWORD Style(HWND combo) { return static_cast<DWORD>(GetWindowLong(combo, GWL_STYLE)); }
bool HasEdit(HWND combo) { return (Style(combo) & CBS_TYPEMASK) != CBS_DROPDOWNLIST; }

LRESULT ToList(const ComboState& state, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessage(state.list, message, wParam, lParam);
}

int FieldHeight(const ComboState& state) { return FontLineHeight(state.font) + 2 * (Edge + FieldPadding); }

RECT ButtonRect(HWND combo) {
  RECT client{};
  GetClientRect(combo, &client);
  InflateRect(&client, -Edge, -Edge);
  const int width = std::max(0, std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.right - client.left));
  return RECT{client.right - width, client.top, client.right, client.bottom};
}

RECT FieldRect(HWND combo) {
  RECT client{};
  GetClientRect(combo, &client);
  InflateRect(&client, -Edge, -Edge);
  client.right = std::max(client.left, ButtonRect(combo).left);
  return client;
}

void PlaceEdit(HWND combo, const ComboState& state) {
  if (state.edit == nullptr) return;
  RECT field = FieldRect(combo);
  InflateRect(&field, -1, -1);
  MoveWindow(state.edit, field.left, field.top, std::max(0, static_cast<int>(field.right - field.left)),
             std::max(0, static_cast<int>(field.bottom - field.top)), TRUE);
}

// The combo box's window is its selection field: as high as a line of its font.
void FitHeight(HWND combo, const ComboState& state) {
  RECT rect{};
  GetWindowRect(combo, &rect);
  SetWindowPos(combo, nullptr, 0, 0, rect.right - rect.left, FieldHeight(state),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string ItemText(const ComboState& state, LRESULT index) {
  const LRESULT length = ToList(state, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  ToList(state, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

// The field shows the selected item: the edit field gets its text, all of it selected.
void ShowSelection(HWND combo, const ComboState& state) {
  if (state.edit != nullptr) {
    const LRESULT index = ToList(state, LB_GETCURSEL);
    SetWindowText(state.edit, index >= 0 ? ItemText(state, index).c_str() : "");
    SendMessage(state.edit, EM_SETSEL, 0, -1);
  }
  InvalidateRect(combo, nullptr, TRUE);
}

int OpenRows(HWND combo, const ComboState& state) {
  RECT field{};
  GetWindowRect(combo, &field);
  const int itemHeight = std::max<int>(1, static_cast<int>(ToList(state, LB_GETITEMHEIGHT)));
  return std::max(1, (state.droppedHeight - static_cast<int>(field.bottom - field.top) - 2) / itemHeight);
}

// The parent hears CBN_DROPDOWN first and may fill the list; the list then opens under the field
// (over it when the screen ends below), as high as its items or the room the combo box was made with.
void DropDown(HWND combo) {
  ComboState* state = StateOf(combo);
  if (state == nullptr || state->dropped) return;
  if (!NotifyParent(combo, CBN_DROPDOWN)) return;
  if (!IsWindow(state->list) || !IsWindowVisible(combo)) return;
  RECT field{};
  GetWindowRect(combo, &field);
  const int count = static_cast<int>(ToList(*state, LB_GETCOUNT));
  const int most = OpenRows(combo, *state);
  const auto listStyle = static_cast<DWORD>(GetWindowLong(state->list, GWL_STYLE));
  const bool bar = (Style(combo) & WS_VSCROLL) != 0 && count > most;
  SetWindowLong(state->list, GWL_STYLE, static_cast<LONG>(bar ? listStyle | WS_VSCROLL : listStyle & ~WS_VSCROLL));
  const int height = std::clamp(count, 1, most) * static_cast<int>(ToList(*state, LB_GETITEMHEIGHT)) + 2;
  int top = field.bottom;
  if (top + height > GetSystemMetrics(SM_CYSCREEN) && field.top - height >= 0) top = field.top - height;
  state->dropped = true;
  state->selectionAtDrop = static_cast<int>(ToList(*state, LB_GETCURSEL));
  SetWindowPos(state->list, HWND_TOP, field.left, top, field.right - field.left, height,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (state->selectionAtDrop >= 0) ToList(*state, LB_SETCURSEL, static_cast<WPARAM>(state->selectionAtDrop));
  SetCapture(state->list);
  InvalidateRect(combo, nullptr, TRUE);
}

void CloseUp(HWND combo, ComboState& state) {
  if (!state.dropped) return;
  state.dropped = false;
  ShowWindow(state.list, SW_HIDE);
  if (GetCapture() == state.list) ReleaseCapture();
  InvalidateRect(combo, nullptr, TRUE);
}

void ListReport(HWND combo, ComboState& state, UINT code) {
  if (code == LBN_SELCANCEL) {
    if (state.dropped) ToList(state, LB_SETCURSEL, static_cast<WPARAM>(state.selectionAtDrop));
    CloseUp(combo, state);
  } else if (code == LBN_SELCHANGE) {
    CloseUp(combo, state);
    ShowSelection(combo, state);
    NotifyParent(combo, CBN_SELCHANGE);
  }
}

// The arrow keys move the selection, open or closed, and report each move.
void Navigate(HWND combo, ComboState& state, UINT key) {
  const int count = static_cast<int>(ToList(state, LB_GETCOUNT));
  if (count == 0) return;
  const int from = static_cast<int>(ToList(state, LB_GETCURSEL));
  const int target = ListKeyTarget(key, from, count, std::max(1, OpenRows(combo, state) - 1));
  if (target == from) return;
  ToList(state, LB_SETCURSEL, static_cast<WPARAM>(target));
  state.selectionAtDrop = target;
  ShowSelection(combo, state);
  NotifyParent(combo, CBN_SELCHANGE);
}

void ShowDropDown(HWND combo, ComboState& state, bool show) {
  if (show) {
    DropDown(combo);
  } else {
    CloseUp(combo, state);
  }
}

// The keys of the combo box, also when its edit field has the focus; false for keys it leaves alone.
bool ComboKey(HWND combo, UINT key) {
  ComboState* state = StateOf(combo);
  if (state == nullptr) return false;
  switch (key) {
    case VK_F4: ShowDropDown(combo, *state, !state->dropped); return true;
    case VK_RETURN:
    case VK_ESCAPE:
      if (!state->dropped) return false;
      CloseUp(combo, *state);
      return true;
    case VK_HOME:
    case VK_END:
      if (state->edit != nullptr) return false;
      Navigate(combo, *state, key);
      return true;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: Navigate(combo, *state, key); return true;
    default: return false;
  }
}

// An open list keeps Enter and Escape from the dialog, to close it.
LRESULT DialogCode(HWND combo) {
  const ComboState* state = StateOf(combo);
  LRESULT code = DLGC_WANTARROWS;
  if (state != nullptr && state->dropped) code |= DLGC_WANTALLKEYS;
  if (HasEdit(combo)) code |= DLGC_WANTCHARS | DLGC_HASSETSEL;
  return code;
}

// The focus enters the combo box from elsewhere, or leaves it; passing between the combo box and
// its own edit field is neither.
void FocusEntered(HWND combo, HWND previous) {
  const ComboState* state = StateOf(combo);
  if (state != nullptr && previous != combo && previous != state->edit) NotifyParent(combo, CBN_SETFOCUS);
}

void FocusLeft(HWND combo, HWND next) {
  ComboState* state = StateOf(combo);
  if (state == nullptr || next == combo || next == state->edit) return;
  CloseUp(combo, *state);
  InvalidateRect(combo, nullptr, TRUE);
}

// The edit field of a drop-down combo box: an edit control whose arrow keys belong to the combo
// box, and whose focus is the combo box's.
LRESULT ComboEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND combo = GetParent(edit);
  switch (message) {
    case WM_KEYDOWN:
      if (ComboKey(combo, static_cast<UINT>(wParam))) return 0;
      break;
    case WM_GETDLGCODE: return EditWindowProc(edit, message, wParam, lParam) | DialogCode(combo);
    case WM_SETFOCUS: {
      const LRESULT result = EditWindowProc(edit, message, wParam, lParam);
      FocusEntered(combo, reinterpret_cast<HWND>(wParam));
      return result;
    }
    case WM_KILLFOCUS: FocusLeft(combo, reinterpret_cast<HWND>(wParam)); break;
    default: break;
  }
  return EditWindowProc(edit, message, wParam, lParam);
}

void MouseDown(HWND combo, POINT point) {
  if (!MoveFocus(combo, combo)) return;
  ComboState* state = StateOf(combo);
  const RECT button = ButtonRect(combo);
  if (state->edit == nullptr || PtInRect(&button, point)) ShowDropDown(combo, *state, !state->dropped);
}

// A drop-down combo box hands the focus on to its edit field.
void FocusGained(HWND combo, const ComboState& state, HWND previous) {
  if (state.edit != nullptr) {
    if (MoveFocus(combo, state.edit)) FocusEntered(combo, previous);
    return;
  }
  InvalidateRect(combo, nullptr, TRUE);
  FocusEntered(combo, previous);
}

void PaintSelection(CDC& dc, HWND combo, const ComboState& state, const RECT& field, bool enabled) {
  const LRESULT index = ToList(state, LB_GETCURSEL);
  const std::string text = index >= 0 ? ItemText(state, index) : std::string();
  RECT area = field;
  InflateRect(&area, -1, -1);
  const bool highlighted = enabled && GetFocus() == combo;
  if (highlighted) {
    dc.FillSolidRect(&area, look3d::Selection);
    dc.SetTextColor(look3d::SelectionText);
  }
  RECT textRect{area.left + 2, area.top, area.right, area.bottom};
  const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  if (enabled) {
    const int mode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &textRect, format);
    dc.SetBkMode(mode);
  } else {
    look3d::DrawFaceText(dc, text, textRect, format, true);
  }
  if (highlighted) dc.DrawFocusRect(&area);
}

void Paint(HWND combo, const ComboState& state) {
  PAINTSTRUCT paint;
  const HDC handle = BeginPaint(combo, &paint);
  CDC* dc = CDC::FromHandle(handle);
  if (dc != nullptr) {
    const bool enabled = IsWindowEnabled(combo) != FALSE;
    RECT client{};
    GetClientRect(combo, &client);
    const HBRUSH brush = AskControlColours(combo, handle, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    const RECT field = FieldRect(combo);
    if (brush != nullptr) FillRect(handle, &field, brush);
    look3d::DrawSunkenEdge(*dc, client);
    const HGDIOBJ previous = SelectObject(handle, ControlFont(state.font));
    if (state.edit == nullptr) PaintSelection(*dc, combo, state, field, enabled);
    if (previous != nullptr) SelectObject(handle, previous);
    look3d::DrawArrowButton(*dc, ButtonRect(combo), look3d::Arrow::Down, state.dropped, !enabled);
  }
  EndPaint(combo, &paint);
}

LRESULT GetText(const ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  if (state.edit != nullptr) return SendMessage(state.edit, message, wParam, lParam);
  const LRESULT index = ToList(state, LB_GETCURSEL);
  const std::string text = index >= 0 ? ItemText(state, index) : std::string();
  if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
  auto* buffer = reinterpret_cast<LPSTR>(lParam);
  if (buffer == nullptr || wParam == 0) return 0;
  const size_t copied = std::min(text.size(), static_cast<size_t>(wParam) - 1);
  text.copy(buffer, copied);
  buffer[copied] = '\0';
  return static_cast<LRESULT>(copied);
}

// A drop-down list has no text of its own to set.
LRESULT SetText(const ComboState& state, LPARAM lParam) {
  if (state.edit == nullptr) return CB_ERR;
  return SendMessage(state.edit, WM_SETTEXT, 0, lParam);
}

LRESULT SetCurrentSelection(HWND combo, const ComboState& state, WPARAM index) {
  const LRESULT result = ToList(state, LB_SETCURSEL, index);
  ShowSelection(combo, state);
  return result;
}

void ResetContent(HWND combo, const ComboState& state) {
  ToList(state, LB_RESETCONTENT);
  if (state.edit != nullptr) SetWindowText(state.edit, "");
  InvalidateRect(combo, nullptr, TRUE);
}

LRESULT ChangeItems(HWND combo, const ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = ToList(state, message, wParam, lParam);
  InvalidateRect(combo, nullptr, TRUE);
  return result;
}

LRESULT CreateParts(HWND combo, ComboState& state, const CREATESTRUCT& create) {
  const DWORD style = Style(combo);
  state.droppedHeight = create.cy;
  state.list = CreateWindowEx(WS_EX_NOACTIVATE, ComboListClassName, "",
                              WS_POPUP | WS_BORDER | ((style & CBS_SORT) != 0 ? LBS_SORT : 0), 0, 0, create.cx, 0,
                              combo, nullptr, nullptr, combo);
  if (state.list == nullptr) return -1;
  if (HasEdit(combo)) {
    state.edit = CreateWindowEx(
        0, EditClassName, create.lpszName,
        WS_CHILD | WS_VISIBLE | (style & WS_DISABLED) | ((style & CBS_AUTOHSCROLL) != 0 ? ES_AUTOHSCROLL : 0), 0, 0, 0,
        0, combo, HandleFromNumber<HMENU>(ComboEditId), nullptr, nullptr);
    if (state.edit == nullptr) return -1;
    SubclassWindowProc(state.edit, ComboEditProc);
  }
  FitHeight(combo, state);
  return 0;
}

void SetFont(HWND combo, ComboState& state, HFONT font, bool redraw) {
  state.font = font;
  if (state.edit != nullptr) SendMessage(state.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ToList(state, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  FitHeight(combo, state);
  if (redraw) InvalidateRect(combo, nullptr, TRUE);
}

void Enable(HWND combo, ComboState& state, bool enabled) {
  if (state.edit != nullptr) EnableWindow(state.edit, enabled ? TRUE : FALSE);
  if (!enabled) CloseUp(combo, state);
  InvalidateRect(combo, nullptr, TRUE);
}

LRESULT DroppedRect(const ComboState& state, LPARAM lParam) {
  auto* rect = reinterpret_cast<RECT*>(lParam);
  if (rect == nullptr) return CB_ERR;
  GetWindowRect(state.list, rect);
  return TRUE;
}

}  // namespace

LRESULT ComboBoxWindowProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowExtra(combo, std::make_unique<ComboState>());
    return DefWindowProc(combo, message, wParam, lParam);
  }
  ComboState* state = StateOf(combo);
  if (state == nullptr) return DefWindowProc(combo, message, wParam, lParam);
  switch (message) {
    case WM_CREATE: return CreateParts(combo, *state, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_DESTROY:
      if (IsWindow(state->list)) DestroyWindow(state->list);
      return 0;
    case WM_GETDLGCODE: return DialogCode(combo);
    case WM_SETFONT: SetFont(combo, *state, reinterpret_cast<HFONT>(wParam), lParam != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT: return SetText(*state, lParam);
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return GetText(*state, message, wParam, lParam);
    case WM_SIZE: PlaceEdit(combo, *state); return 0;
    case WM_ENABLE: Enable(combo, *state, wParam != 0); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(combo, *state); return 0;
    case WM_SETFOCUS: FocusGained(combo, *state, reinterpret_cast<HWND>(wParam)); return 0;
    case WM_KILLFOCUS: FocusLeft(combo, reinterpret_cast<HWND>(wParam)); return 0;
    case WM_LBUTTONDOWN: MouseDown(combo, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_KEYDOWN: ComboKey(combo, static_cast<UINT>(wParam)); return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == state->list) ListReport(combo, *state, HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<LRESULT>(AskControlColours(combo, reinterpret_cast<HDC>(wParam), message));
    case EM_SETSEL: return state->edit != nullptr ? SendMessage(state->edit, message, wParam, lParam) : 0;
    case CB_ADDSTRING: return ChangeItems(combo, *state, LB_ADDSTRING, wParam, lParam);
    case CB_ADDSTRINGS: return ChangeItems(combo, *state, LB_ADDSTRINGS, wParam, lParam);
    case CB_INSERTSTRING: return ChangeItems(combo, *state, LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: return ChangeItems(combo, *state, LB_DELETESTRING, wParam, lParam);
    case CB_RESETCONTENT: ResetContent(combo, *state); return 0;
    case CB_GETCOUNT: return ToList(*state, LB_GETCOUNT);
    case CB_GETCURSEL: return ToList(*state, LB_GETCURSEL);
    case CB_SETCURSEL: return SetCurrentSelection(combo, *state, wParam);
    case CB_GETLBTEXT: return ToList(*state, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return ToList(*state, LB_GETTEXTLEN, wParam);
    case CB_FINDSTRINGEXACT: return ToList(*state, LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SHOWDROPDOWN: ShowDropDown(combo, *state, wParam != 0); return TRUE;
    case CB_GETDROPPEDSTATE: return state->dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: return DroppedRect(*state, lParam);
    default: return DefWindowProc(combo, message, wParam, lParam);
  }
}
