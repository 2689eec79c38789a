#include "platform/win/dialog_manager.h"

#include <algorithm>

#include "platform/gdi/dialog_face.h"
#include "platform/win/window_system.h"

namespace {

struct DialogState : WindowExtra {
  ~DialogState() override {
    if (font != nullptr) DeleteObject(font);
  }
  HFONT font = nullptr;          // the template's font, owned
  HFONT assignedFont = nullptr;  // a font the program set with WM_SETFONT
  HWND savedFocus = nullptr;
  int defaultId = 0;
  SIZE baseUnits{7, 13};
};

DialogState* StateOf(HWND dialog) { return GetWindowExtraAs<DialogState>(dialog); }

bool IsUsable(HWND control) {
  const WindowRecord* record = FindWindowRecord(control);
  return record != nullptr && (record->style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

bool IsInside(HWND dialog, HWND window) { return window != nullptr && IsChild(dialog, window); }

// The direct child of the dialog that holds `window`.
HWND DirectChild(HWND dialog, HWND window) {
  while (window != nullptr && GetParent(window) != dialog) {
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || IsTopLevel(*record)) return nullptr;
    window = record->parent;
  }
  return window;
}

// The default push button that answers Enter: the first one shown and enabled; without one, the
// first enabled one kept hidden for the keyboard; without that, the first one at all (a disabled
// button then takes no Enter).
int FirstDefaultPushButton(HWND dialog) {
  const WindowRecord* record = FindWindowRecord(dialog);
  if (record == nullptr) return 0;
  int hiddenEnabled = 0;
  int any = 0;
  for (HWND child : record->children) {
    const WindowRecord* control = FindWindowRecord(child);
    char name[16] = {};
    GetClassName(child, name, sizeof name);
    if (control == nullptr || std::string(name) != "BUTTON" || (control->style & BS_TYPEMASK) != BS_DEFPUSHBUTTON) {
      continue;
    }
    const int id = static_cast<int>(control->id);
    if (IsUsable(child)) return id;
    if (hiddenEnabled == 0 && (control->style & WS_DISABLED) == 0) hiddenEnabled = id;
    if (any == 0) any = id;
  }
  return hiddenEnabled != 0 ? hiddenEnabled : any;
}

void RestoreFocus(HWND dialog) {
  DialogState* state = StateOf(dialog);
  HWND target = state != nullptr && IsInside(dialog, state->savedFocus) && IsUsable(state->savedFocus)
                    ? state->savedFocus
                    : GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (target != nullptr) {
    DialogSetFocus(target);
  } else if (GetFocus() != dialog) {
    SetFocus(dialog);
  }
}

void PressEnter(HWND dialog, HWND focus, UINT code) {
  if (focus != nullptr && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0 && IsWindowEnabled(focus)) {
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID(focus)), BN_CLICKED),
                reinterpret_cast<LPARAM>(focus));
    return;
  }
  const LRESULT answer = SendMessage(dialog, DM_GETDEFID, 0, 0);
  const int id = HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : IDOK;
  const HWND button = GetDlgItem(dialog, id);
  // The default button answers Enter also while hidden, but not while disabled.
  if (button != nullptr && !IsWindowEnabled(button)) return;
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void PressEscape(HWND dialog) {
  const HWND cancel = GetDlgItem(dialog, IDCANCEL);
  if (cancel != nullptr && !IsWindowEnabled(cancel)) return;
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

LRESULT DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogState* state = StateOf(dialog);
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_SETFONT:
      if (state != nullptr) state->assignedFont = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      if (state == nullptr) return 0;
      return reinterpret_cast<LRESULT>(state->assignedFont != nullptr ? state->assignedFont : state->font);
    case WM_ERASEBKGND: {
      const auto brush =
          reinterpret_cast<HBRUSH>(SendMessage(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog)));
      if (brush == nullptr) return 0;
      RECT client{};
      GetClientRect(dialog, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
      return 1;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (state != nullptr && IsInside(dialog, GetFocus())) state->savedFocus = GetFocus();
      } else if (HIWORD(wParam) == 0) {
        RestoreFocus(dialog);
      }
      return 0;
    case WM_SETFOCUS: RestoreFocus(dialog); return 0;
    case WM_KILLFOCUS: return 0;
    case WM_CLOSE: PressEscape(dialog); return 0;
    case DM_GETDEFID: {
      const int id = state != nullptr && state->defaultId != 0 ? state->defaultId : FirstDefaultPushButton(dialog);
      return id == 0 ? 0 : MAKELRESULT(static_cast<unsigned>(id), DC_HASDEFID);
    }
    case DM_SETDEFID:
      if (state != nullptr) state->defaultId = static_cast<int>(wParam);
      return TRUE;
    case WM_NEXTDLGCTL: {
      HWND target = nullptr;
      if (LOWORD(lParam) != 0) {
        target = reinterpret_cast<HWND>(wParam);
      } else {
        target = GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
      }
      if (IsInside(dialog, target)) DialogSetFocus(target);
      return 0;
    }
    default: return DefWindowProc(dialog, message, wParam, lParam);
  }
}

void RegisterDialogClass() {
  static const bool registered = [] {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = DialogProc;
    windowClass.lpszClassName = DialogClassName;
    windowClass.style = CS_DBLCLKS;
    return RegisterClass(&windowClass) != FALSE;
  }();
  (void)registered;
}

std::vector<HWND> ChildrenOf(HWND dialog) {
  const WindowRecord* record = FindWindowRecord(dialog);
  return record == nullptr ? std::vector<HWND>() : record->children;
}

bool HasStyle(HWND window, DWORD style) { return (static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)) & style) != 0; }

bool IsRadio(HWND window) { return (SendMessage(window, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0; }

}  // namespace

SIZE DialogBaseUnits(int pointSize) {
  const int size = pointSize <= 0 ? 8 : pointSize;
  return SIZE{MulDiv(7, size, 8), MulDiv(13, size, 8)};
}

SIZE DialogPixelSize(const DialogTemplate& dialog) {
  const SIZE units = DialogBaseUnits(dialog.pointSize);
  return SIZE{MulDiv(dialog.cx, units.cx, 4), MulDiv(dialog.cy, units.cy, 8)};
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
  const DialogState* state = StateOf(dialog);
  if (state == nullptr || rect == nullptr) return FALSE;
  rect->left = MulDiv(rect->left, state->baseUnits.cx, 4);
  rect->right = MulDiv(rect->right, state->baseUnits.cx, 4);
  rect->top = MulDiv(rect->top, state->baseUnits.cy, 8);
  rect->bottom = MulDiv(rect->bottom, state->baseUnits.cy, 8);
  return TRUE;
}

void DialogSetFocus(HWND control) {
  if ((SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) SendMessage(control, EM_SETSEL, 0, -1);
  SetFocus(control);
}

HWND CreateDialogFromTemplate(const DialogTemplate& dialog, const std::string& name, HWND parent,
                              const std::function<void(HWND)>& beforeFirstMessage) {
  RegisterDialogClass();
  const SIZE units = DialogBaseUnits(dialog.pointSize);
  auto pixelsX = [&](int value) { return MulDiv(value, units.cx, 4); };
  auto pixelsY = [&](int value) { return MulDiv(value, units.cy, 8); };
  DWORD style = dialog.style;
  DWORD exStyle = dialog.exStyle;
  if ((style & DS_MODALFRAME) != 0) exStyle |= WS_EX_DLGMODALFRAME;
  const bool visible = (style & WS_VISIBLE) != 0;
  style &= ~WS_VISIBLE;
  const bool child = (style & WS_CHILD) != 0;
  RECT frame{0, 0, pixelsX(dialog.cx), pixelsY(dialog.cy)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int x = pixelsX(dialog.x);
  int y = pixelsY(dialog.y);
  const HWND owner = child ? parent : GetTopLevel(parent);
  if (!child) {
    RECT ownerRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr) {
      POINT origin{0, 0};
      ClientToScreen(owner, &origin);
      x += origin.x;
      y += origin.y;
      GetWindowRect(owner, &ownerRect);
    }
    if ((style & DS_CENTER) != 0) {
      x = ownerRect.left + (ownerRect.right - ownerRect.left - width) / 2;
      y = ownerRect.top + (ownerRect.bottom - ownerRect.top - height) / 2;
    }
    // A dialog is kept on the screen where it fits.
    x = std::max(0, std::min(x, GetSystemMetrics(SM_CXSCREEN) - width));
    y = std::max(0, std::min(y, GetSystemMetrics(SM_CYSCREEN) - height));
  }
  const HWND window = CreateWindowWith(exStyle, DialogClassName, dialog.caption.c_str(), style, x, y, width, height,
                                       owner, nullptr, nullptr, beforeFirstMessage);
  if (window == nullptr) return nullptr;
  SetTemplateName(window, name);
  auto state = std::make_unique<DialogState>();
  state->baseUnits = units;
  state->font = CreateFont(-MulDiv(dialog.pointSize, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                           DialogFontFace(dialog.faceName).c_str());
  const HFONT font = state->font;
  SetWindowExtra(window, std::move(state));
  for (const DialogItemTemplate& item : dialog.items) {
    const HWND control =
        CreateWindowEx(item.exStyle, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD, pixelsX(item.x),
                       pixelsY(item.y), pixelsX(item.cx), pixelsY(item.cy), window,
                       HandleFromNumber<HMENU>(static_cast<unsigned>(item.id) & 0xFFFF), nullptr, nullptr);
    if (control == nullptr) {
      DestroyWindow(window);
      return nullptr;
    }
    SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  const HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
  const bool focusFirst = SendMessage(window, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), 0) != 0;
  if (!IsWindow(window)) return nullptr;
  if (focusFirst && first != nullptr) {
    if (DialogState* made = StateOf(window)) made->savedFocus = first;
  }
  if (visible) ShowWindow(window, SW_SHOWNORMAL);
  return window;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  std::vector<HWND> stops;
  for (HWND child : ChildrenOf(dialog)) {
    if (IsUsable(child) && HasStyle(child, WS_TABSTOP)) stops.push_back(child);
  }
  if (stops.empty()) return nullptr;
  const HWND from = DirectChild(dialog, control);
  auto at = std::find(stops.begin(), stops.end(), from);
  HWND next = nullptr;
  if (at == stops.end()) {
    if (from != nullptr) {
      // Not a tab stop itself: the next stop after its place among the children.
      const std::vector<HWND> children = ChildrenOf(dialog);
      auto place = std::find(children.begin(), children.end(), from);
      if (!previous) {
        for (auto walk = place; walk != children.end(); ++walk) {
          if (std::find(stops.begin(), stops.end(), *walk) != stops.end()) {
            next = *walk;
            break;
          }
        }
      } else {
        for (auto walk = std::make_reverse_iterator(place); walk != children.rend(); ++walk) {
          if (std::find(stops.begin(), stops.end(), *walk) != stops.end()) {
            next = *walk;
            break;
          }
        }
      }
    }
    if (next == nullptr) next = previous ? stops.back() : stops.front();
  } else if (previous) {
    next = at == stops.begin() ? stops.back() : *(at - 1);
  } else {
    next = at + 1 == stops.end() ? stops.front() : *(at + 1);
  }
  // A group of radio buttons is entered at its checked button.
  if (IsRadio(next) && SendMessage(next, BM_GETCHECK, 0, 0) == 0) {
    HWND walk = next;
    for (size_t guard = 0; guard < 256; ++guard) {
      walk = GetNextDlgGroupItem(dialog, walk, FALSE);
      if (walk == nullptr || walk == next) break;
      if (IsRadio(walk) && SendMessage(walk, BM_GETCHECK, 0, 0) != 0) return walk;
    }
  }
  return next;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  const std::vector<HWND> children = ChildrenOf(dialog);
  const HWND from = DirectChild(dialog, control);
  auto at = std::find(children.begin(), children.end(), from);
  if (at == children.end()) return nullptr;
  // The group runs from the nearest WS_GROUP control at or before this one to the next one.
  auto first = at;
  while (first != children.begin() && !HasStyle(*first, WS_GROUP)) --first;
  auto last = at + 1;
  while (last != children.end() && !HasStyle(*last, WS_GROUP)) ++last;
  std::vector<HWND> group(first, last);
  auto here = std::find(group.begin(), group.end(), from);
  const size_t count = group.size();
  const size_t start = static_cast<size_t>(here - group.begin());
  for (size_t step = 1; step <= count; ++step) {
    const size_t index = previous ? (start + count - step) % count : (start + step) % count;
    if (IsUsable(group[index])) return group[index];
  }
  return from;
}

BOOL IsDialogMessage(HWND dialog, MSG* message) {
  if (message == nullptr || dialog == nullptr || !IsWindow(dialog)) return FALSE;
  if (message->hwnd != dialog && !IsChild(dialog, message->hwnd)) return FALSE;
  if (message->message == WM_KEYDOWN) {
    HWND focus = GetFocus();
    if (!IsInside(dialog, focus)) focus = nullptr;
    const UINT code =
        focus == nullptr
            ? 0
            : static_cast<UINT>(SendMessage(focus, WM_GETDLGCODE, message->wParam, reinterpret_cast<LPARAM>(message)));
    if ((code & DLGC_WANTALLKEYS) == 0) {
      switch (message->wParam) {
        case VK_TAB:
          if ((code & DLGC_WANTTAB) != 0) break;
          if (const HWND next = GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0)) DialogSetFocus(next);
          return TRUE;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
          if ((code & DLGC_WANTARROWS) != 0 || focus == nullptr) break;
          const bool back = message->wParam == VK_LEFT || message->wParam == VK_UP;
          const HWND next = GetNextDlgGroupItem(dialog, focus, back);
          if (next != nullptr && next != DirectChild(dialog, focus)) {
            DialogSetFocus(next);
            if (IsRadio(next)) SendMessage(next, BM_CLICK, 0, 0);
          }
          return TRUE;
        }
        case VK_RETURN: PressEnter(dialog, focus, code); return TRUE;
        case VK_ESCAPE: PressEscape(dialog); return TRUE;
        default: break;
      }
    }
  }
  TranslateMessage(message);
  DispatchMessage(message);
  return TRUE;
}
