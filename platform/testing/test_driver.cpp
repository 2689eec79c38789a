#include "platform/testing/test_driver.h"

#include <algorithm>
#include <cctype>

#include "platform/win/cwinapp.h"
#include "platform/win/dialog_manager.h"
#include "platform/win/menu.h"
#include "platform/gdi/png_writer.h"
#include "platform/controls/standard_controls.h"
#include "platform/win/window_api.h"

namespace {

constexpr DWORD BetweenActions = 1000;  // far apart enough that two clicks never make a double click
constexpr DWORD WithinDoubleClick = 50;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

HWND FindDescendant(HWND parent, int id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id) return child;
    if (const HWND nested = FindDescendant(child, id)) return nested;
  }
  return nullptr;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassName(window, name, sizeof name);
  std::string text(name);
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

UINT KeyForCharacter(char character) {
  const unsigned char c = static_cast<unsigned char>(character);
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  if (c == ' ') return VK_SPACE;
  return 0;
}

}  // namespace

TestDriver::TestDriver() {
  RegisterStandardControls();
  backend_.SetStepSource(this);
  InstallBackend(&backend_);
  SetMessageBoxHook([this](const MessageBoxRequest& request) { return AnswerBox(request); });
  SetShellExecuteHook([this](const ShellRequest& request) {
    shellCalls_.push_back(request);
    if (shellListener_) shellListener_(request);
    return HandleFromNumber<HINSTANCE>(ShellExecuteSucceeded);
  });
}

TestDriver::~TestDriver() {
  SetMessageBoxHook(nullptr);
  SetShellExecuteHook(nullptr);
  if (CurrentBackend() == &backend_) InstallBackend(nullptr);
}

void TestDriver::Then(std::function<void()> step) { steps_.push_back(std::move(step)); }

bool TestDriver::RunNextStep() {
  if (steps_.empty()) return false;
  std::function<void()> step = std::move(steps_.front());
  steps_.pop_front();
  ++stepDepth_;
  step();
  --stepDepth_;
  return true;
}

void TestDriver::Pump() {
  // Inside a step the running loop takes the input itself, with its own handling of dialog keys.
  if (stepDepth_ > 0) return;
  MSG message;
  while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Left for the program's own loop, which ends on it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (!AfxPreTranslateMessage(&message)) {
      TranslateMessage(&message);
      DispatchMessage(&message);
    }
  }
}

bool TestDriver::Fail(const std::string& why) {
  lastError_ = why;
  return false;
}

void TestDriver::Deliver(InputEvent event) {
  event.time = backend_.Now();
  PostInput(event);
}

HWND TestDriver::RequireControl(int id) {
  if (GetActiveWindow() == nullptr) {
    Fail("no active window");
    return nullptr;
  }
  const HWND control = FindControl(id);
  if (control == nullptr) Fail("no control " + std::to_string(id) + " in the active window");
  return control;
}

HWND TestDriver::FindControl(int id) {
  const HWND active = GetActiveWindow();
  return active == nullptr ? nullptr : FindDescendant(active, id);
}

void TestDriver::ClickAt(POINT screen) { PressAt(screen, 1); }

// Presses of a double click lie WithinDoubleClick apart; a single click and the action after the
// last press lie BetweenActions apart.
void TestDriver::PressAt(POINT screen, int presses) {
  InputEvent event;
  event.point = screen;
  event.kind = InputEvent::Kind::MouseMove;
  Deliver(event);
  for (int press = 0; press < presses; ++press) {
    event.kind = InputEvent::Kind::MouseDown;
    Deliver(event);
    event.kind = InputEvent::Kind::MouseUp;
    Deliver(event);
    if (presses > 1) backend_.Advance(WithinDoubleClick);
  }
  backend_.Advance(BetweenActions);
  Pump();
}

void TestDriver::DragAt(POINT from, POINT to) {
  InputEvent event;
  event.point = from;
  event.kind = InputEvent::Kind::MouseMove;
  Deliver(event);
  event.kind = InputEvent::Kind::MouseDown;
  Deliver(event);
  event.point = to;
  event.kind = InputEvent::Kind::MouseMove;
  Deliver(event);
  event.kind = InputEvent::Kind::MouseUp;
  Deliver(event);
  backend_.Advance(BetweenActions);
  Pump();
}

bool TestDriver::Click(int id) { return PressControl(id, 1); }

bool TestDriver::DoubleClick(int id) { return PressControl(id, 2); }

bool TestDriver::PressControl(int id, int presses) {
  const HWND control = RequireControl(id);
  if (control == nullptr) return false;
  RECT rect{};
  GetWindowRect(control, &rect);
  const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  const HWND hit = WindowFromPoint(centre);
  if (hit != control && !IsChild(control, hit)) {
    return Fail("control " + std::to_string(id) + " cannot be clicked: it is hidden, disabled or covered");
  }
  PressAt(centre, presses);
  return true;
}

bool TestDriver::FocusControl(HWND control, int id) {
  const HWND parent = GetParent(control);
  char name[16] = {};
  GetClassName(parent, name, sizeof name);
  if (parent != nullptr && std::string(name) == DialogClassName) {
    SendMessage(parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  } else {
    SetFocus(control);
  }
  Pump();
  // A combo box passes the focus on to its edit field.
  const HWND focus = GetFocus();
  if (focus != control && !IsChild(control, focus))
    return Fail("control " + std::to_string(id) + " cannot take the focus");
  return true;
}

void TestDriver::PressKey(UINT key, char character) {
  InputEvent event;
  if (key != 0) {
    event.kind = InputEvent::Kind::KeyDown;
    event.key = key;
    Deliver(event);
  }
  if (character != 0) {
    event.kind = InputEvent::Kind::Character;
    event.character = character;
    Deliver(event);
  }
  if (key != 0) {
    event.kind = InputEvent::Kind::KeyUp;
    event.key = key;
    Deliver(event);
  }
}

bool TestDriver::Type(int id, const std::string& text) {
  const HWND control = RequireControl(id);
  if (control == nullptr) return false;
  if (!FocusControl(control, id)) return false;
  SendMessage(control, EM_SETSEL, 0, -1);
  for (char character : text) PressKey(KeyForCharacter(character), character);
  backend_.Advance(BetweenActions);
  Pump();
  return true;
}

bool TestDriver::Key(const std::string& name) {
  if (GetActiveWindow() == nullptr) return Fail("no active window");
  const std::string key = Lower(name);
  struct Named {
    const char* name;
    UINT key;
    char character;
  };
  static const Named Keys[] = {
      {"enter", VK_RETURN, 0},   {"escape", VK_ESCAPE, 0}, {"tab", VK_TAB, 0},   {"space", VK_SPACE, ' '},
      {"left", VK_LEFT, 0},      {"right", VK_RIGHT, 0},   {"up", VK_UP, 0},     {"down", VK_DOWN, 0},
      {"backspace", VK_BACK, 0}, {"delete", VK_DELETE, 0}, {"home", VK_HOME, 0}, {"end", VK_END, 0},
      {"pageup", VK_PRIOR, 0},   {"pagedown", VK_NEXT, 0}, {"f4", VK_F4, 0},
  };
  const bool shifted = key.rfind("shift+", 0) == 0;
  const std::string bare = shifted ? key.substr(6) : key;
  const auto found = std::find_if(std::begin(Keys), std::end(Keys), [&](const Named& k) { return bare == k.name; });
  if (found == std::end(Keys)) return Fail("no key called " + name);
  InputEvent shift;
  shift.key = VK_SHIFT;
  if (shifted) {
    shift.kind = InputEvent::Kind::KeyDown;
    Deliver(shift);
  }
  PressKey(found->key, found->character);
  if (shifted) {
    shift.kind = InputEvent::Kind::KeyUp;
    Deliver(shift);
  }
  backend_.Advance(BetweenActions);
  Pump();
  return true;
}

bool TestDriver::Select(int id, int index) {
  const HWND control = RequireControl(id);
  if (control == nullptr) return false;
  const std::string kind = ClassOf(control);
  const bool list = kind == "LISTBOX";
  if (!list && kind != "COMBOBOX") return Fail("control " + std::to_string(id) + " is not a list");
  if (!FocusControl(control, id)) return false;
  if (list) return ClickItem(control, id, index);
  // The list opens as the drop button opens it, telling the parent first, which may fill it.
  if (SendMessage(control, CB_GETDROPPEDSTATE, 0, 0) == 0) SendMessage(control, CB_SHOWDROPDOWN, TRUE, 0);
  RECT dropped{};
  SendMessage(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  const HWND popup = WindowFromPoint(POINT{(dropped.left + dropped.right) / 2, (dropped.top + dropped.bottom) / 2});
  if (SendMessage(control, CB_GETDROPPEDSTATE, 0, 0) == 0 || ClassOf(popup) != "COMBOLBOX") {
    return Fail("control " + std::to_string(id) + " does not open its list");
  }
  if (ClickItem(popup, id, index)) return true;
  SendMessage(control, CB_SHOWDROPDOWN, FALSE, 0);
  return false;
}

// Scrolls the item into view where it is not, and clicks the middle of the part that shows.
bool TestDriver::ClickItem(HWND list, int id, int index) {
  if (index < 0 || index >= SendMessage(list, LB_GETCOUNT, 0, 0)) {
    return Fail("control " + std::to_string(id) + " has no item " + std::to_string(index));
  }
  RECT client{};
  GetClientRect(list, &client);
  RECT item{};
  SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  if (item.top < 0 || (item.top + item.bottom) / 2 >= client.bottom) {
    SendMessage(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
  POINT middle{(item.left + item.right) / 2, (item.top + std::min(item.bottom, client.bottom)) / 2};
  ClientToScreen(list, &middle);
  if (WindowFromPoint(middle) != list) {
    return Fail("item " + std::to_string(index) + " of control " + std::to_string(id) + " cannot be clicked");
  }
  ClickAt(middle);
  return true;
}

bool TestDriver::Menu(int id) {
  const HWND active = GetActiveWindow();
  if (active == nullptr) return Fail("no active window");
  const HMENU menu = GetMenu(active);
  if (menu != nullptr) {
    int position = 0;
    const HMENU popup = FindPopupOfCommand(menu, static_cast<UINT>(id), &position);
    if (popup != nullptr) {
      SendMessage(active, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                  MAKELPARAM(static_cast<unsigned>(position), FALSE));
    }
    const UINT state = GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
    if (state == 0xFFFFFFFF) return Fail("no menu item " + std::to_string(id) + " in the active window");
    if ((state & (MF_GRAYED | MF_DISABLED)) != 0) return Fail("menu item " + std::to_string(id) + " is disabled");
  }
  PostMessage(active, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), 0), 0);
  backend_.Advance(BetweenActions);
  Pump();
  return true;
}

std::optional<std::string> TestDriver::Text(int id) {
  const HWND control = RequireControl(id);
  if (control == nullptr) return std::nullopt;
  return GetWindowTextString(control);
}

std::optional<std::vector<std::string>> TestDriver::Items(int id) {
  const HWND control = RequireControl(id);
  if (control == nullptr) return std::nullopt;
  const std::string kind = ClassOf(control);
  const bool list = kind == "LISTBOX";
  if (!list && kind != "COMBOBOX") {
    Fail("control " + std::to_string(id) + " is not a list");
    return std::nullopt;
  }
  const LRESULT count = SendMessage(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
  std::vector<std::string> items;
  for (LRESULT index = 0; index < count; ++index) {
    const LRESULT length = SendMessage(control, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::string item(static_cast<size_t>(std::max<LRESULT>(0, length)) + 1, '\0');
    const LRESULT copied = SendMessage(control, list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
    items.push_back(item);
  }
  return items;
}

std::optional<int> TestDriver::Checked(int id) {
  const HWND control = RequireControl(id);
  if (control == nullptr) return std::nullopt;
  return static_cast<int>(SendMessage(control, BM_GETCHECK, 0, 0));
}

std::optional<std::string> TestDriver::WindowCaption() {
  const HWND active = GetActiveWindow();
  if (active == nullptr) {
    Fail("no active window");
    return std::nullopt;
  }
  return GetWindowTextString(active);
}

std::optional<std::string> TestDriver::WindowTemplate() {
  const HWND active = GetActiveWindow();
  if (active == nullptr) {
    Fail("no active window");
    return std::nullopt;
  }
  std::string name = GetTemplateName(active);
  for (HWND child = GetWindow(active, GW_CHILD); name.empty() && child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    name = GetTemplateName(child);
  }
  return name;
}

bool TestDriver::Snapshot(const std::string& path) {
  const HWND active = GetActiveWindow();
  if (active == nullptr) return Fail("no active window");
  UpdateAllWindows();
  const Surface* pixels = WindowSurface(active);
  if (pixels == nullptr) return Fail("the active window has no picture");
  std::string error;
  if (!WritePng(*pixels, path, &error)) return Fail(error);
  return true;
}

int TestDriver::AnswerBox(const MessageBoxRequest& request) {
  const std::vector<int> buttons = MessageBoxButtons(request.type);
  int answer = std::find(buttons.begin(), buttons.end(), IDOK) != buttons.end() ? IDOK : buttons.back();
  std::string problem;
  if (pendingAnswer_) {
    if (std::find(buttons.begin(), buttons.end(), *pendingAnswer_) != buttons.end()) {
      answer = *pendingAnswer_;
    } else {
      problem = "the message box \"" + request.caption + "\" has no button for the answer given";
      lastError_ = problem;
    }
    pendingAnswer_.reset();
  }
  MessageBoxRecord record{request.caption, request.text, request.type, answer, problem};
  boxes_.push_back(record);
  if (boxListener_) boxListener_(record);
  return answer;
}
