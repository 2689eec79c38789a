#include "platform/controls/list_box.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gdi/cdc.h"
#include "platform/controls/control_colours.h"
#include "platform/controls/control_font.h"
#include "platform/controls/control_notify.h"
#include "platform/controls/list_items.h"
#include "platform/gdi/look3d.h"
#include "platform/controls/scroll_bar.h"
#include "platform/services/windows1252_case.h"

namespace {

// Item indices travel as ints; below that, memory is the limit.
constexpr size_t MostItems = INT_MAX;
constexpr int TextMargin = 2;

struct ListBoxState : ScrollingState {
  ListItems items;
  int selection = -1;  // single selection: the selected item, or -1
  int caretItem = -1;  // the item with the focus rectangle: the keyboard's place
  int topIndex = 0;
  int itemHeight = 1;
  int horizontalExtent = 0;  // the width the items can be scrolled across, in pixels
  int scrollX = 0;           // how far they are scrolled to the left
  HFONT font = nullptr;
  HWND combo = nullptr;   // the combo box whose drop-down list this is
  bool tracking = false;  // the mouse button went down on the list and holds the capture
};

ListBoxState* StateOf(HWND list) { return GetWindowExtraAs<ListBoxState>(list); }
DWORD Style(HWND list) { return static_cast<DWORD>(GetWindowLong(list, GWL_STYLE)); }
bool IsMultiple(HWND list) { return (Style(list) & LBS_MULTIPLESEL) != 0; }
int Count(const ListBoxState& state) { return static_cast<int>(state.items.Size()); }
bool IsItem(const ListBoxState& state, LRESULT index) { return index >= 0 && index < Count(state); }

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
POINT ToScreen(HWND list, POINT point) {
  ClientToScreen(list, &point);
  return point;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t index = 0; index < common; ++index) {
    const int difference =
        platform::LowerCase1252Table[static_cast<unsigned char>(a[index])] - platform::LowerCase1252Table[static_cast<unsigned char>(b[index])];
    if (difference != 0) return difference;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// Drawing takes an int length; a text longer than that is drawn as far as that reaches.
int TextLength(std::string_view text) { return static_cast<int>(std::min<size_t>(text.size(), INT_MAX)); }

bool IsSelected(HWND list, const ListBoxState& state, int index) {
  return IsMultiple(list) ? state.items.Selected(static_cast<size_t>(index)) : state.selection == index;
}

int VisibleRows(HWND list, const ListBoxState& state) {
  RECT client{};
  GetClientRect(list, &client);
  return std::max(1, static_cast<int>(client.bottom) / state.itemHeight);
}

int LastTopIndex(HWND list, const ListBoxState& state) { return std::max(0, Count(state) - VisibleRows(list, state)); }

int ClientWidth(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  return static_cast<int>(client.right);
}

bool ScrollsSideways(HWND list) { return (Style(list) & WS_HSCROLL) != 0; }

int LastScrollX(HWND list, const ListBoxState& state) {
  return ScrollsSideways(list) ? std::max(0, state.horizontalExtent - ClientWidth(list)) : 0;
}

void UpdateScrollBar(HWND list, const ListBoxState& state) {
  if ((Style(list) & WS_VSCROLL) != 0) {
    SetScrollBarState(list, SB_VERT, ScrollBarState{0, Count(state) - 1, VisibleRows(list, state), state.topIndex});
  }
  if (ScrollsSideways(list)) {
    SetScrollBarState(list, SB_HORZ, ScrollBarState{0, state.horizontalExtent - 1, ClientWidth(list), state.scrollX});
  }
}

void Refresh(HWND list, ListBoxState& state) {
  state.topIndex = std::clamp(state.topIndex, 0, LastTopIndex(list, state));
  state.scrollX = std::clamp(state.scrollX, 0, LastScrollX(list, state));
  InvalidateRect(list, nullptr, TRUE);
  UpdateScrollBar(list, state);
}

void ShowItem(HWND list, ListBoxState& state, int index) {
  const int rows = VisibleRows(list, state);
  if (index < state.topIndex) {
    state.topIndex = index;
  } else if (index >= state.topIndex + rows) {
    state.topIndex = index - rows + 1;
  }
  Refresh(list, state);
}

// A plain list tells its parent when it has LBS_NOTIFY; a drop-down list always tells its combo box.
bool Notify(HWND list, const ListBoxState& state, UINT code) {
  if (state.combo != nullptr) return SendNotification(list, state.combo, code);
  return (Style(list) & LBS_NOTIFY) != 0 ? NotifyParent(list, code) : true;
}

// The item in its place, without the repaint; false when there is no room for it.
bool InsertItem(ListBoxState& state, int index, std::string_view text) {
  if (state.items.Size() >= MostItems) return false;
  try {
    state.items.Insert(static_cast<size_t>(index), text);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (state.selection >= index) ++state.selection;
  if (state.caretItem >= index) ++state.caretItem;
  return true;
}

LRESULT Insert(HWND list, ListBoxState& state, int index, LPCSTR text) {
  if (!InsertItem(state, index, text == nullptr ? std::string_view() : std::string_view(text))) return LB_ERRSPACE;
  Refresh(list, state);
  return index;
}

// A sorted list puts the item after those equal to it, letter case ignored.
LRESULT AddString(HWND list, ListBoxState& state, LPCSTR text) {
  int index = Count(state);
  if ((Style(list) & LBS_SORT) != 0 && text != nullptr) {
    const std::string_view added(text);
    index = static_cast<int>(
        state.items.PartitionPoint([&](std::string_view item) { return CompareIgnoringCase(added, item) >= 0; }));
  }
  return Insert(list, state, index, text);
}

// The texts in the order a sorted list gives them: by their letters, case ignored, equal ones in
// their order. Each text is paired with its folded form, made once into one buffer, so that the
// sort compares bytes.
void SortIgnoringCase(std::vector<std::string_view>& texts) {
  size_t bytes = 0;
  for (const std::string_view text : texts) bytes += text.size();
  std::string folded;
  folded.reserve(bytes);
  for (const std::string_view text : texts)
    for (const char c : text) folded += static_cast<char>(platform::LowerCase1252Table[static_cast<unsigned char>(c)]);
  std::vector<std::pair<std::string_view, std::string_view>> keyed;  // folded form, text
  keyed.reserve(texts.size());
  size_t begin = 0;
  for (const std::string_view text : texts) {
    keyed.emplace_back(std::string_view(folded).substr(begin, text.size()), text);
    begin += text.size();
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t index = 0; index < texts.size(); ++index) texts[index] = keyed[index].second;
}

// Each text placed as AddString places it (ending at a NUL, as a C string does), with one repaint:
// a sorted list sorts the texts first, so that each one's place is after the one before, at the
// end of a list that was empty.
LRESULT AddStrings(HWND list, ListBoxState& state, const std::span<const std::string_view>* given) {
  if (given == nullptr) return LB_ERR;
  const bool sorted = (Style(list) & LBS_SORT) != 0;
  std::vector<std::string_view> sortedTexts;
  if (sorted) {
    sortedTexts.assign(given->begin(), given->end());
    for (std::string_view& text : sortedTexts) text = UpToNul(text);
    SortIgnoringCase(sortedTexts);
  }
  // Sorted texts given to an empty list keep their order there: each one's place is at the end.
  const bool merging = sorted && Count(state) > 0;
  LRESULT result = 0;
  for (const std::string_view each : sorted ? std::span<const std::string_view>(sortedTexts) : *given) {
    const std::string_view text = UpToNul(each);
    int index = Count(state);
    if (merging && CompareIgnoringCase(text, state.items.Text(static_cast<size_t>(index) - 1)) < 0) {
      index = static_cast<int>(
          state.items.PartitionPoint([&](std::string_view item) { return CompareIgnoringCase(text, item) >= 0; }));
    }
    if (!InsertItem(state, index, text)) {
      result = LB_ERRSPACE;
      break;
    }
  }
  Refresh(list, state);
  return result == LB_ERRSPACE ? result : Count(state);
}

LRESULT InsertString(HWND list, ListBoxState& state, WPARAM wParam, LPCSTR text) {
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  if (index == -1) return Insert(list, state, Count(state), text);
  if (index < 0 || index > Count(state)) return LB_ERR;
  return Insert(list, state, static_cast<int>(index), text);
}

LRESULT DeleteString(HWND list, ListBoxState& state, WPARAM wParam) {
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  if (!IsItem(state, index)) return LB_ERR;
  state.items.Erase(static_cast<size_t>(index));
  if (state.selection == index) {
    state.selection = -1;
  } else if (state.selection > index) {
    --state.selection;
  }
  if (state.caretItem > index || state.caretItem >= Count(state)) --state.caretItem;
  Refresh(list, state);
  return Count(state);
}

void ResetContent(HWND list, ListBoxState& state) {
  state.items.Clear();
  state.selection = -1;
  state.caretItem = -1;
  state.topIndex = 0;
  Refresh(list, state);
}

LRESULT GetText(const ListBoxState& state, WPARAM wParam, LPARAM lParam) {
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  auto* buffer = reinterpret_cast<LPSTR>(lParam);
  if (!IsItem(state, index) || buffer == nullptr) return LB_ERR;
  const std::string_view text = state.items.Text(static_cast<size_t>(index));
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  return static_cast<LRESULT>(text.size());
}

LRESULT GetTextLength(const ListBoxState& state, WPARAM wParam) {
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  return IsItem(state, index) ? static_cast<LRESULT>(state.items.Text(static_cast<size_t>(index)).size()) : LB_ERR;
}

// The program's choice: no notification. -1, or an index past the list, selects nothing.
LRESULT SetCurrentSelection(HWND list, ListBoxState& state, WPARAM wParam) {
  if (IsMultiple(list)) return LB_ERR;
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  if (!IsItem(state, index)) {
    state.selection = -1;
    Refresh(list, state);
    return LB_ERR;
  }
  state.selection = state.caretItem = static_cast<int>(index);
  ShowItem(list, state, state.selection);
  return index;
}

LRESULT GetCurrentSelection(HWND list, const ListBoxState& state) {
  const int index = IsMultiple(list) ? state.caretItem : state.selection;
  return IsItem(state, index) ? index : LB_ERR;
}

LRESULT GetSelected(HWND list, const ListBoxState& state, WPARAM wParam) {
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  if (!IsItem(state, index)) return LB_ERR;
  return IsSelected(list, state, static_cast<int>(index)) ? 1 : 0;
}

// Multiple selection only; index -1 is every item.
LRESULT SetSelected(HWND list, ListBoxState& state, WPARAM select, LPARAM index) {
  if (!IsMultiple(list)) return LB_ERR;
  if (index == -1) {
    state.items.SelectAll(select != 0);
  } else if (IsItem(state, index)) {
    state.items.Select(static_cast<size_t>(index), select != 0);
  } else {
    return LB_ERR;
  }
  Refresh(list, state);
  return 0;
}

LRESULT SelectedCount(HWND list, const ListBoxState& state) {
  if (!IsMultiple(list)) return LB_ERR;
  return static_cast<LRESULT>(state.items.SelectedCount());
}

// The first item after `start` whose whole text equals `text`, letter case ignored, going on from
// the top after the last item and ending at `start`; from the top when start is -1 or not an item.
LRESULT FindStringExact(const ListBoxState& state, WPARAM wParam, LPARAM lParam) {
  const auto* text = reinterpret_cast<LPCSTR>(lParam);
  const int count = Count(state);
  if (text == nullptr || count == 0) return LB_ERR;
  const std::string_view wanted(text);
  const auto start = static_cast<LRESULT>(static_cast<int>(wParam));
  const int first = IsItem(state, start) ? static_cast<int>(start) + 1 : 0;
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    if (CompareIgnoringCase(state.items.Text(static_cast<size_t>(index)), wanted) == 0) return index;
  }
  return LB_ERR;
}

LRESULT SetTopIndex(HWND list, ListBoxState& state, WPARAM wParam) {
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  if (!IsItem(state, index)) return LB_ERR;
  state.topIndex = static_cast<int>(index);
  Refresh(list, state);
  return 0;
}

LRESULT GetItemRect(HWND list, const ListBoxState& state, WPARAM wParam, LPARAM lParam) {
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  auto* rect = reinterpret_cast<RECT*>(lParam);
  if (!IsItem(state, index) || rect == nullptr) return LB_ERR;
  RECT client{};
  GetClientRect(list, &client);
  const int top = (static_cast<int>(index) - state.topIndex) * state.itemHeight;
  *rect = RECT{0, top, client.right, top + state.itemHeight};
  return 0;
}

void ScrollTo(HWND list, ListBoxState& state, UINT request, int thumb) {
  const int rows = VisibleRows(list, state);
  switch (request) {
    case SB_LINEUP: --state.topIndex; break;
    case SB_LINEDOWN: ++state.topIndex; break;
    case SB_PAGEUP: state.topIndex -= rows; break;
    case SB_PAGEDOWN: state.topIndex += rows; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: state.topIndex = thumb; break;
    case SB_TOP: state.topIndex = 0; break;
    case SB_BOTTOM: state.topIndex = LastTopIndex(list, state); break;
    default: return;
  }
  Refresh(list, state);
}

void ScrollSideways(HWND list, ListBoxState& state, UINT request, int thumb) {
  const int step = FontAverageWidth(state.font);
  switch (request) {
    case SB_LINELEFT: state.scrollX -= step; break;
    case SB_LINERIGHT: state.scrollX += step; break;
    case SB_PAGELEFT: state.scrollX -= ClientWidth(list); break;
    case SB_PAGERIGHT: state.scrollX += ClientWidth(list); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: state.scrollX = thumb; break;
    case SB_LEFT: state.scrollX = 0; break;
    case SB_RIGHT: state.scrollX = LastScrollX(list, state); break;
    default: return;
  }
  Refresh(list, state);
}

void SetHorizontalExtent(HWND list, ListBoxState& state, WPARAM extent) {
  state.horizontalExtent = static_cast<int>(std::min<WPARAM>(extent, INT_MAX));
  Refresh(list, state);
}

// The item under a client point, or -1; above and below the list, the item just outside the view.
int ItemAt(HWND list, const ListBoxState& state, POINT point, bool beyond) {
  RECT client{};
  GetClientRect(list, &client);
  if (!beyond && !PtInRect(&client, point)) return -1;
  int row = point.y < 0 ? -1 : static_cast<int>(point.y) / state.itemHeight;
  if (beyond) row = std::min(row, VisibleRows(list, state));
  const int index = state.topIndex + row;
  if (beyond) return Count(state) == 0 ? -1 : std::clamp(index, 0, Count(state) - 1);
  return IsItem(state, index) ? index : -1;
}

// The user chose an item: a single selection moves to it, a multiple one turns it on or off.
bool Choose(HWND list, ListBoxState& state, int index) {
  if (IsMultiple(list)) {
    state.items.Select(static_cast<size_t>(index), !state.items.Selected(static_cast<size_t>(index)));
  } else {
    state.selection = index;
  }
  state.caretItem = index;
  ShowItem(list, state, index);
  return Notify(list, state, LBN_SELCHANGE);
}

void MouseDown(HWND list, POINT point, bool doubleClick) {
  if (!MoveFocus(list, list)) return;
  ListBoxState* state = StateOf(list);
  const int index = ItemAt(list, *state, point, false);
  if (index < 0) return;
  state->tracking = !IsMultiple(list);
  if (state->tracking) SetCapture(list);
  if (!Choose(list, *state, index)) return;
  if (doubleClick) Notify(list, *state, LBN_DBLCLK);
}

// Dragging with the button down moves a single selection with the pointer.
void MouseMove(HWND list, ListBoxState& state, POINT point) {
  if (!state.tracking) return;
  const int index = ItemAt(list, state, point, true);
  if (index >= 0 && index != state.selection) Choose(list, state, index);
}

void MouseUp(HWND list, ListBoxState& state) {
  if (!state.tracking) return;
  state.tracking = false;
  if (GetCapture() == list) ReleaseCapture();
}

// The drop-down list holds the mouse while it is open: the highlight follows the pointer, a
// release on an item chooses it, a press outside the list and its scroll bar dismisses it.
void DroppedMouse(HWND list, ListBoxState& state, UINT message, POINT point) {
  const POINT screen = ToScreen(list, point);
  if (ContinueScrollTracking(list, message, screen)) return;
  const int index = ItemAt(list, state, point, false);
  switch (message) {
    case WM_MOUSEMOVE:
      if (index >= 0 && index != state.selection) {
        state.selection = index;
        InvalidateRect(list, nullptr, TRUE);
      }
      break;
    case WM_LBUTTONDOWN: {
      RECT client{};
      GetClientRect(list, &client);
      if (PtInRect(&client, point)) break;
      if (ScrollBarHitTest(list, screen) == HTVSCROLL) {
        BeginScrollTracking(list, SB_VERT, screen);
      } else {
        Notify(list, state, LBN_SELCANCEL);
      }
      break;
    }
    case WM_LBUTTONUP:
      if (index >= 0) {
        state.selection = index;
        Notify(list, state, LBN_SELCHANGE);
      }
      break;
    default: break;
  }
}

void KeyDown(HWND list, ListBoxState& state, UINT key) {
  // Left and right scroll a list that scrolls sideways.
  if ((key == VK_LEFT || key == VK_RIGHT) && ScrollsSideways(list)) {
    ScrollSideways(list, state, key == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT, 0);
    return;
  }
  const int count = Count(state);
  if (count == 0) return;
  const int from = IsMultiple(list) ? state.caretItem : state.selection;
  if (key == VK_SPACE) {
    if (IsMultiple(list) && IsItem(state, from)) Choose(list, state, from);
    return;
  }
  const int target = ListKeyTarget(key, from, count, std::max(1, VisibleRows(list, state) - 1));
  if (target < 0) return;
  if (IsMultiple(list)) {
    state.caretItem = target;
    ShowItem(list, state, target);
  } else if (target != state.selection) {
    Choose(list, state, target);
  }
}

void Paint(HWND list, const ListBoxState& state) {
  PAINTSTRUCT paint;
  const HDC handle = BeginPaint(list, &paint);
  CDC* dc = CDC::FromHandle(handle);
  if (dc != nullptr) {
    const HBRUSH brush = AskControlColours(state.combo != nullptr ? state.combo : list, handle, WM_CTLCOLORLISTBOX);
    RECT client{};
    GetClientRect(list, &client);
    if (brush != nullptr) FillRect(handle, &client, brush);
    const HGDIOBJ previous = SelectObject(handle, ControlFont(state.font));
    const bool enabled = IsWindowEnabled(list) != FALSE;
    const COLORREF ink = enabled ? dc->GetTextColor() : look3d::GrayText;
    const bool focused = GetFocus() == list;
    for (int index = state.topIndex, y = 0; index < Count(state) && y < client.bottom; ++index, y += state.itemHeight) {
      const RECT row{0, y, client.right, y + state.itemHeight};
      const std::string_view text = state.items.Text(static_cast<size_t>(index));
      if (enabled && IsSelected(list, state, index)) {
        dc->FillSolidRect(&row, look3d::Selection);
        const int mode = dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(look3d::SelectionText);
        dc->TextOut(TextMargin - state.scrollX, y, text.data(), TextLength(text));
        dc->SetBkMode(mode);
      } else {
        dc->SetTextColor(ink);
        dc->TextOut(TextMargin - state.scrollX, y, text.data(), TextLength(text));
      }
      if (focused && index == state.caretItem) dc->DrawFocusRect(&row);
    }
    if (previous != nullptr) SelectObject(handle, previous);
  }
  EndPaint(list, &paint);
}

// Without LBS_NOINTEGRALHEIGHT a list is made shorter to its whole rows, so that no row shows cut
// off; a list lower than one row keeps its height.
void FitWholeRows(HWND list, const ListBoxState& state) {
  if (state.combo != nullptr || (Style(list) & LBS_NOINTEGRALHEIGHT) != 0) return;
  RECT client{};
  GetClientRect(list, &client);
  const int cut = static_cast<int>(client.bottom) % state.itemHeight;
  if (cut == 0 || client.bottom < state.itemHeight) return;
  RECT frame{};
  GetWindowRect(list, &frame);
  SetWindowPos(list, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top - cut,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetFont(HWND list, ListBoxState& state, HFONT font, bool redraw) {
  state.font = font;
  state.itemHeight = FontLineHeight(font);
  FitWholeRows(list, state);
  state.topIndex = std::clamp(state.topIndex, 0, LastTopIndex(list, state));
  UpdateScrollBar(list, state);
  if (redraw) InvalidateRect(list, nullptr, TRUE);
}

// A border is drawn as the sunken edge of the 3D look; a drop-down list keeps its thin frame.
LRESULT Create(HWND list, WPARAM wParam, LPARAM lParam) {
  auto state = std::make_unique<ListBoxState>();
  state->itemHeight = FontLineHeight(nullptr);
  const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
  char className[16] = {};
  GetClassName(list, className, sizeof className);
  if (std::strcmp(className, ComboListClassName) == 0 && create != nullptr) {
    state->combo = static_cast<HWND>(create->lpCreateParams);
  }
  const DWORD style = Style(list);
  if (state->combo == nullptr && (style & WS_BORDER) != 0) {
    SetWindowLong(list, GWL_STYLE, static_cast<LONG>(style & ~WS_BORDER));
    SetWindowLong(list, GWL_EXSTYLE, GetWindowLong(list, GWL_EXSTYLE) | static_cast<LONG>(WS_EX_CLIENTEDGE));
  }
  SetWindowExtra(list, std::move(state));
  return DefWindowProc(list, WM_NCCREATE, wParam, lParam);
}

LRESULT Mouse(HWND list, ListBoxState& state, UINT message, LPARAM lParam) {
  const POINT point = PointOf(lParam);
  if (state.combo != nullptr) {
    DroppedMouse(list, state, message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, point);
    return 0;
  }
  if (ContinueScrollTracking(list, message, ToScreen(list, point))) return 0;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: MouseDown(list, point, message == WM_LBUTTONDBLCLK); break;
    case WM_MOUSEMOVE: MouseMove(list, state, point); break;
    default: MouseUp(list, state); break;
  }
  return 0;
}

void CaptureLost(HWND list, ListBoxState& state) {
  ContinueScrollTracking(list, WM_CAPTURECHANGED, POINT{});
  state.tracking = false;
  if (state.combo != nullptr && IsWindowVisible(list)) Notify(list, state, LBN_SELCANCEL);
}

}  // namespace

int ListKeyTarget(UINT key, int from, int count, int page) {
  int target = from;
  switch (key) {
    case VK_UP: target = from - 1; break;
    case VK_DOWN: target = from + 1; break;
    case VK_PRIOR: target = from - page; break;
    case VK_NEXT: target = from + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    default: return -1;
  }
  return std::clamp(target, 0, count - 1);
}

LRESULT ListBoxWindowProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return Create(list, wParam, lParam);
  ListBoxState* state = StateOf(list);
  if (state == nullptr) return DefWindowProc(list, message, wParam, lParam);
  const auto text = reinterpret_cast<LPCSTR>(lParam);
  switch (message) {
    case WM_NCPAINT:
      DefWindowProc(list, message, wParam, lParam);
      PaintScrollBars(list);
      return 0;
    case WM_NCHITTEST: {
      const int code = ScrollBarHitTest(list, PointOf(lParam));
      return code != HTNOWHERE ? code : DefWindowProc(list, message, wParam, lParam);
    }
    case WM_NCLBUTTONDOWN:
      if (wParam == HTVSCROLL || wParam == HTHSCROLL) {
        BeginScrollTracking(list, wParam == HTVSCROLL ? SB_VERT : SB_HORZ, PointOf(lParam));
      }
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT: SetFont(list, *state, reinterpret_cast<HFONT>(wParam), lParam != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_CREATE: FitWholeRows(list, *state); return 0;
    case WM_SIZE:
      FitWholeRows(list, *state);
      Refresh(list, *state);
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(list, *state); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(list, nullptr, TRUE); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: return Mouse(list, *state, message, lParam);
    case WM_CAPTURECHANGED: CaptureLost(list, *state); return 0;
    case WM_KEYDOWN: KeyDown(list, *state, static_cast<UINT>(wParam)); return 0;
    case WM_VSCROLL: ScrollTo(list, *state, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_HSCROLL: ScrollSideways(list, *state, LOWORD(wParam), HIWORD(wParam)); return 0;
    case LB_ADDSTRING: return AddString(list, *state, text);
    case LB_INSERTSTRING: return InsertString(list, *state, wParam, text);
    case LB_ADDSTRINGS: return AddStrings(list, *state, reinterpret_cast<const std::span<const std::string_view>*>(lParam));
    case LB_DELETESTRING: return DeleteString(list, *state, wParam);
    case LB_RESETCONTENT: ResetContent(list, *state); return 0;
    case LB_GETCOUNT: return Count(*state);
    case LB_GETTEXT: return GetText(*state, wParam, lParam);
    case LB_GETTEXTLEN: return GetTextLength(*state, wParam);
    case LB_SETCURSEL: return SetCurrentSelection(list, *state, wParam);
    case LB_GETCURSEL: return GetCurrentSelection(list, *state);
    case LB_GETSEL: return GetSelected(list, *state, wParam);
    case LB_SETSEL: return SetSelected(list, *state, wParam, lParam);
    case LB_GETSELCOUNT: return SelectedCount(list, *state);
    case LB_FINDSTRINGEXACT: return FindStringExact(*state, wParam, lParam);
    case LB_GETTOPINDEX: return state->topIndex;
    case LB_SETTOPINDEX: return SetTopIndex(list, *state, wParam);
    case LB_GETITEMRECT: return GetItemRect(list, *state, wParam, lParam);
    case LB_GETITEMHEIGHT: return state->itemHeight;
    case LB_GETHORIZONTALEXTENT: return state->horizontalExtent;
    case LB_SETHORIZONTALEXTENT: SetHorizontalExtent(list, *state, wParam); return 0;
    default: return DefWindowProc(list, message, wParam, lParam);
  }
}
