#include "platform/win/message_box.h"

#include <algorithm>
#include <map>

#include "platform/gdi/dialog_face.h"
#include "platform/win/dialog_manager.h"
#include "platform/win/window_system.h"

namespace {

constexpr int TextId = 0xFFFF;

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

const char* ButtonText(int result) {
  switch (result) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    default: return "&No";
  }
}

struct BoxState {
  UINT type = MB_OK;
  int result = 0;
  WNDPROC dialogProcedure = nullptr;
};

// The boxes on the screen; a box can be opened from within another's loop.
std::map<HWND, BoxState>& Boxes() {
  static std::map<HWND, BoxState> boxes;
  return boxes;
}

BoxState* BoxOf(HWND box) {
  auto found = Boxes().find(box);
  return found == Boxes().end() ? nullptr : &found->second;
}

// The answer for Escape and the close box: Cancel where the box has it, OK for a box with OK alone.
int CancelAnswer(UINT type) {
  const std::vector<int> buttons = MessageBoxButtons(type);
  if (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end()) return IDCANCEL;
  return buttons.size() == 1 ? buttons.front() : 0;
}

void DrawBoxIcon(CDC& dc, UINT icon, int x, int y) {
  COLORREF fill = RGB(255, 255, 255);
  const char* mark = "i";
  COLORREF ink = RGB(0, 0, 255);
  switch (icon) {
    case MB_ICONHAND:
      fill = RGB(255, 0, 0);
      mark = "X";
      ink = RGB(255, 255, 255);
      break;
    case MB_ICONQUESTION:
      mark = "?";
      ink = RGB(0, 0, 128);
      break;
    case MB_ICONEXCLAMATION:
      fill = RGB(255, 255, 0);
      mark = "!";
      ink = RGB(0, 0, 0);
      break;
    default: break;
  }
  CBrush brush(fill);
  CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
  CBrush* oldBrush = dc.SelectObject(&brush);
  CPen* oldPen = dc.SelectObject(&pen);
  dc.Ellipse(x, y, x + 32, y + 32);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
  CFont font;
  font.CreateFont(-22, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Times New Roman");
  CFont* oldFont = dc.SelectObject(&font);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(ink);
  RECT box{x, y, x + 32, y + 32};
  dc.DrawText(mark, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  dc.SelectObject(oldFont);
}

LRESULT BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  BoxState* state = BoxOf(box);
  if (state == nullptr) return DefWindowProc(box, message, wParam, lParam);
  const WNDPROC dialogProcedure = state->dialogProcedure;
  switch (message) {
    case WM_COMMAND: {
      int answer = static_cast<int>(LOWORD(wParam));
      if (answer == IDCANCEL) answer = CancelAnswer(state->type);
      const std::vector<int> buttons = MessageBoxButtons(state->type);
      if (std::find(buttons.begin(), buttons.end(), answer) != buttons.end()) state->result = answer;
      return 0;
    }
    case WM_PAINT: {
      const LRESULT painted = CallWindowProc(dialogProcedure, box, message, wParam, lParam);
      if ((state->type & MB_ICONMASK) != 0) {
        const HDC dc = GetDC(box);
        DrawBoxIcon(*CDC::FromHandle(dc), state->type & MB_ICONMASK, 12, 12);
        ReleaseDC(box, dc);
      }
      return painted;
    }
    default: return CallWindowProc(dialogProcedure, box, message, wParam, lParam);
  }
}

DialogTemplate LayOut(const std::string& text, const std::string& caption, UINT type) {
  DialogTemplate layout;
  layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
  layout.caption = caption;
  const SIZE units = DialogBaseUnits(layout.pointSize);
  // Measure the text in the dialog font, wrapping lines wider than about half the screen.
  const HDC measure = GetDC(nullptr);
  const HFONT font = CreateFont(-MulDiv(layout.pointSize, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                0, DialogFontFace(layout.faceName).c_str());
  const HGDIOBJ previous = SelectObject(measure, font);
  RECT bounds{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  DrawText(measure, text.c_str(), -1, &bounds, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(measure, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, measure);
  auto unitsX = [&](int pixels) { return static_cast<short>((pixels * 4 + units.cx - 1) / units.cx); };
  auto unitsY = [&](int pixels) { return static_cast<short>((pixels * 8 + units.cy - 1) / units.cy); };
  const bool icon = (type & MB_ICONMASK) != 0;
  const short textX = icon ? unitsX(56) : 8;
  const short textWidth = std::max<short>(unitsX(bounds.right - bounds.left) + 2, 20);
  const short textHeight = std::max<short>(unitsY(bounds.bottom - bounds.top), icon ? unitsY(32) : 8);
  const std::vector<int> buttons = MessageBoxButtons(type);
  constexpr short ButtonWidth = 42;
  constexpr short ButtonHeight = 14;
  constexpr short Gap = 4;
  const short rowWidth = static_cast<short>(buttons.size() * ButtonWidth + (buttons.size() - 1) * Gap);
  layout.cx = std::max<short>(static_cast<short>(textX + textWidth + 8), static_cast<short>(rowWidth + 16));
  layout.cy = static_cast<short>(8 + textHeight + 8 + ButtonHeight + 7);
  DialogItemTemplate label;
  label.className = "STATIC";
  label.text = text;
  label.id = TextId;
  label.style = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
  label.x = textX;
  label.y = 8;
  label.cx = textWidth;
  label.cy = textHeight;
  layout.items.push_back(label);
  const size_t defaultIndex = std::min<size_t>((type & MB_DEFMASK) >> 8, buttons.size() - 1);
  short x = static_cast<short>((layout.cx - rowWidth) / 2);
  for (size_t index = 0; index < buttons.size(); ++index) {
    DialogItemTemplate button;
    button.className = "BUTTON";
    button.text = ButtonText(buttons[index]);
    button.id = buttons[index];
    button.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (index == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                   (index == 0 ? WS_GROUP : 0);
    button.x = x;
    button.y = static_cast<short>(8 + textHeight + 8);
    button.cx = ButtonWidth;
    button.cy = ButtonHeight;
    layout.items.push_back(button);
    x = static_cast<short>(x + ButtonWidth + Gap);
  }
  return layout;
}

int ShowBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  const HWND ownerTop = GetTopLevel(owner);
  // The windows this box keeps from input while it is up: its owner, or all for a system-modal box.
  std::vector<HWND> disabled;
  for (HWND top : TopLevelWindows()) {
    const bool blocked = (type & MB_SYSTEMMODAL) != 0 || top == ownerTop;
    if (blocked && IsWindowEnabled(top)) {
      EnableWindow(top, FALSE);
      disabled.push_back(top);
    }
  }
  const DialogTemplate layout = LayOut(text, caption, type);
  const HWND box = CreateDialogFromTemplate(layout, std::string(), ownerTop, {});
  int result = CancelAnswer(type);
  if (box != nullptr) {
    BoxState& state = Boxes()[box];
    state.type = type;
    state.dialogProcedure = SubclassWindowProc(box, BoxProc);
    ShowWindow(box, SW_SHOWNORMAL);
    const std::vector<int> buttons = MessageBoxButtons(type);
    const int defaultId = buttons[std::min<size_t>((type & MB_DEFMASK) >> 8, buttons.size() - 1)];
    if (const HWND button = GetDlgItem(box, defaultId)) DialogSetFocus(button);
    MSG message;
    while (IsWindow(box) && BoxOf(box)->result == 0) {
      if (!GetMessage(&message, nullptr, 0, 0)) {
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      if (!IsDialogMessage(box, &message)) {
        TranslateMessage(&message);
        DispatchMessage(&message);
      }
    }
    if (BoxOf(box)->result != 0) result = BoxOf(box)->result;
  }
  for (HWND top : disabled) EnableWindow(top, TRUE);
  if (ownerTop != nullptr && IsWindow(ownerTop)) SetActiveWindow(ownerTop);
  if (box != nullptr) {
    DestroyWindow(box);
    Boxes().erase(box);
  }
  return result;
}

}  // namespace

std::vector<int> MessageBoxButtons(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
  }
}

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  const std::string body = text == nullptr ? std::string() : std::string(text);
  const std::string title = caption == nullptr ? std::string("Error") : std::string(caption);
  if (Hook()) return Hook()(MessageBoxRequest{owner, body, title, type});
  return ShowBox(owner, body, title, type);
}
