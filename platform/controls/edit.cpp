#include "platform/controls/edit.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/gdi/cdc.h"
#include "platform/controls/control_colours.h"
#include "platform/controls/control_font.h"
#include "platform/controls/control_notify.h"
#include "platform/controls/edit_text.h"
#include "platform/gdi/look3d.h"
#include "platform/controls/scroll_bar.h"

namespace {

constexpr int Margin = 2;

struct EditState : ScrollingState {
  EditText model;
  size_t firstLine = 0;
  int scrollX = 0;
  int goalX = -1;          // the column that Up and Down keep, or -1
  bool selecting = false;  // the mouse button went down in the text and holds the capture
  HFONT font = nullptr;
  EditMetrics metrics;
  EditLayout layout;
};

DWORD Style(HWND edit) { return static_cast<DWORD>(GetWindowLong(edit, GWL_STYLE)); }
bool IsMultiLine(DWORD style) { return (style & ES_MULTILINE) != 0; }
bool IsReadOnly(DWORD style) { return (style & ES_READONLY) != 0; }
bool ScrollsHorizontally(DWORD style) { return (style & (ES_AUTOHSCROLL | WS_HSCROLL)) != 0; }
bool WrapsWords(DWORD style) { return IsMultiLine(style) && !ScrollsHorizontally(style); }
bool ScrollsVertically(DWORD style) { return IsMultiLine(style) && (style & (ES_AUTOVSCROLL | WS_VSCROLL)) != 0; }

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
POINT ToScreen(HWND edit, POINT point) {
  ClientToScreen(edit, &point);
  return point;
}

// Where the text is laid out, in client coordinates: inside small margins, and a single line
// in the middle of the field's height.
RECT TextRect(HWND edit, const EditState& state) {
  RECT client{};
  GetClientRect(edit, &client);
  RECT rect{client.left + Margin, client.top, std::max(client.left + Margin, client.right - Margin), client.bottom};
  if (!IsMultiLine(Style(edit))) rect.top = std::max(0, (client.bottom - state.metrics.lineHeight) / 2);
  return rect;
}

int TextWidth(HWND edit, const EditState& state) {
  const RECT rect = TextRect(edit, state);
  return rect.right - rect.left;
}

size_t VisibleRows(HWND edit, const EditState& state) {
  const RECT rect = TextRect(edit, state);
  return static_cast<size_t>(std::max(1, (rect.bottom - rect.top) / state.metrics.lineHeight));
}

size_t LastFirstLine(HWND edit, const EditState& state) {
  const size_t lines = state.layout.LineCount();
  const size_t rows = VisibleRows(edit, state);
  return lines > rows ? lines - rows : 0;
}

int LastScrollX(HWND edit, const EditState& state) {
  return std::max(0, state.layout.Widest() + 1 - TextWidth(edit, state));
}

void UpdateScrollBars(HWND edit, const EditState& state) {
  const DWORD style = Style(edit);
  if ((style & WS_VSCROLL) != 0) {
    SetScrollBarState(edit, SB_VERT,
                      ScrollBarState{0, static_cast<int>(state.layout.LineCount()) - 1,
                                     static_cast<int>(VisibleRows(edit, state)), static_cast<int>(state.firstLine)});
  }
  if ((style & WS_HSCROLL) != 0) {
    SetScrollBarState(edit, SB_HORZ, ScrollBarState{0, state.layout.Widest(), TextWidth(edit, state), state.scrollX});
  }
}

void Refresh(HWND edit, const EditState& state) {
  InvalidateRect(edit, nullptr, TRUE);
  UpdateScrollBars(edit, state);
}

void Relayout(HWND edit, EditState& state) {
  const DWORD style = Style(edit);
  state.layout.Build(state.model.Text(), IsMultiLine(style),
                     WrapsWords(style) ? std::max(1, TextWidth(edit, state)) : 0, state.metrics);
  state.firstLine = std::min(state.firstLine, LastFirstLine(edit, state));
  state.scrollX = std::clamp(state.scrollX, 0, LastScrollX(edit, state));
}

// Scrolls the fewest lines that bring the caret's line into view, and sideways by a third of the
// width when the caret leaves it.
void ShowCaretPlace(HWND edit, EditState& state) {
  const size_t line = state.layout.LineOf(state.model.Caret());
  const size_t rows = VisibleRows(edit, state);
  if (line < state.firstLine) {
    state.firstLine = line;
  } else if (line >= state.firstLine + rows) {
    state.firstLine = line + 1 - rows;
  }
  if (WrapsWords(Style(edit))) return;
  const int x = state.layout.XOf(state.model.Text(), state.model.Caret(), state.metrics);
  const int width = TextWidth(edit, state);
  if (x < state.scrollX) {
    state.scrollX = std::max(0, x - width / 3);
  } else if (x > state.scrollX + width - 1) {
    state.scrollX = std::min(LastScrollX(edit, state), x - width + 1 + width / 3);
  }
}

// Typed text goes in only where the field can show it: within its width when it does not scroll
// sideways, within its lines when it does not scroll down.
bool Fits(HWND edit, const EditState& state, const std::string& text) {
  const DWORD style = Style(edit);
  EditLayout trial;
  if (!IsMultiLine(style)) {
    if (ScrollsHorizontally(style)) return true;
    trial.Build(text, false, 0, state.metrics);
    return trial.Widest() <= TextWidth(edit, state);
  }
  if (ScrollsVertically(style)) return true;
  trial.Build(text, true, WrapsWords(style) ? std::max(1, TextWidth(edit, state)) : 0, state.metrics);
  return trial.LineCount() <= VisibleRows(edit, state);
}

// Replaces the selection with `insert` and reports EN_CHANGE; typed text that does not fit is refused.
bool ReplaceSelection(HWND edit, EditState& state, std::string insert, bool typed) {
  std::optional<EditText::Replacement> replacement = state.model.Replace(std::move(insert), typed);
  if (!replacement) return false;
  if (typed && replacement->inserts && !Fits(edit, state, replacement->text)) return false;
  state.model.Apply(std::move(*replacement));
  state.goalX = -1;
  Relayout(edit, state);
  ShowCaretPlace(edit, state);
  Refresh(edit, state);
  NotifyParent(edit, EN_CHANGE);
  return true;
}

void DeleteBeside(HWND edit, EditState& state, bool forward) {
  if (!state.model.HasSelection()) {
    const bool multiLine = IsMultiLine(Style(edit));
    const size_t caret = state.model.Caret();
    state.model.Select(forward ? state.model.Next(caret, multiLine) : state.model.Previous(caret, multiLine), caret);
  }
  ReplaceSelection(edit, state, std::string(), true);
}

void MoveCaret(HWND edit, EditState& state, size_t offset, bool extend, bool keepGoal = false) {
  state.model.MoveCaret(offset, extend);
  if (!keepGoal) state.goalX = -1;
  ShowCaretPlace(edit, state);
  Refresh(edit, state);
}

void MoveLines(HWND edit, EditState& state, long lines, bool extend) {
  const long line = static_cast<long>(state.layout.LineOf(state.model.Caret()));
  const long last = static_cast<long>(state.layout.LineCount()) - 1;
  if (state.goalX < 0) state.goalX = state.layout.XOf(state.model.Text(), state.model.Caret(), state.metrics);
  const size_t target = static_cast<size_t>(std::clamp(line + lines, 0L, last));
  MoveCaret(edit, state, state.layout.OffsetAt(state.model.Text(), target, state.goalX, state.metrics), extend, true);
}

void MovePage(HWND edit, EditState& state, bool down, bool extend) {
  const size_t rows = VisibleRows(edit, state);
  state.firstLine = down ? std::min(state.firstLine + rows, LastFirstLine(edit, state))
                         : state.firstLine - std::min(state.firstLine, rows);
  MoveLines(edit, state, down ? static_cast<long>(rows) : -static_cast<long>(rows), extend);
}

void KeyDown(HWND edit, EditState& state, UINT key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool selected = state.model.HasSelection();
  const bool multiLine = IsMultiLine(Style(edit));
  const size_t caret = state.model.Caret();
  const EditLine& line = state.layout.Lines()[state.layout.LineOf(state.model.Caret())];
  switch (key) {
    case VK_LEFT:
      MoveCaret(edit, state, selected && !shift ? state.model.SelectionStart() : state.model.Previous(caret, multiLine),
                shift);
      break;
    case VK_RIGHT:
      MoveCaret(edit, state, selected && !shift ? state.model.SelectionEnd() : state.model.Next(caret, multiLine),
                shift);
      break;
    case VK_UP: MoveLines(edit, state, -1, shift); break;
    case VK_DOWN: MoveLines(edit, state, 1, shift); break;
    case VK_PRIOR: MovePage(edit, state, false, shift); break;
    case VK_NEXT: MovePage(edit, state, true, shift); break;
    case VK_HOME: MoveCaret(edit, state, line.start, shift); break;
    case VK_END:
      MoveCaret(
          edit, state,
          state.layout.OffsetAt(state.model.Text(), state.layout.LineOf(state.model.Caret()), INT_MAX, state.metrics),
          shift);
      break;
    case VK_DELETE:
      if (!IsReadOnly(Style(edit))) DeleteBeside(edit, state, true);
      break;
    default: break;
  }
}

void Character(HWND edit, EditState& state, char character) {
  const DWORD style = Style(edit);
  if (IsReadOnly(style)) return;
  if (character == '\b') {
    DeleteBeside(edit, state, false);
  } else if (character == '\r' || character == '\t') {
    if (IsMultiLine(style)) ReplaceSelection(edit, state, character == '\r' ? "\r\n" : "\t", true);
  } else if (static_cast<unsigned char>(character) >= 0x20 && character != 0x7F) {
    ReplaceSelection(edit, state, std::string(1, character), true);
  }
}

size_t OffsetAtPoint(HWND edit, const EditState& state, POINT point) {
  const RECT rect = TextRect(edit, state);
  const int below = point.y - rect.top;
  const long row = below < 0 ? -1 - (-below - 1) / state.metrics.lineHeight : below / state.metrics.lineHeight;
  const long last = static_cast<long>(state.layout.LineCount()) - 1;
  const size_t line = static_cast<size_t>(std::clamp(static_cast<long>(state.firstLine) + row, 0L, last));
  return state.layout.OffsetAt(state.model.Text(), line, point.x - rect.left + state.scrollX, state.metrics);
}

void MouseDown(HWND edit, WPARAM keys, POINT point) {
  if (!MoveFocus(edit, edit)) return;
  EditState* state = GetWindowExtraAs<EditState>(edit);
  MoveCaret(edit, *state, OffsetAtPoint(edit, *state, point), (keys & MK_SHIFT) != 0);
  state->selecting = true;
  SetCapture(edit);
}

void MouseMove(HWND edit, EditState& state, POINT point) {
  if (state.selecting) MoveCaret(edit, state, OffsetAtPoint(edit, state, point), true);
}

void MouseUp(HWND edit, EditState& state) {
  if (!state.selecting) return;
  state.selecting = false;
  if (GetCapture() == edit) ReleaseCapture();
}

void SetText(HWND edit, EditState& state, LPCSTR text) {
  state.model.SetText(text == nullptr ? std::string() : std::string(text));
  state.firstLine = 0;
  state.scrollX = 0;
  state.goalX = -1;
  Relayout(edit, state);
  Refresh(edit, state);
}

void SetFont(HWND edit, EditState& state, HFONT font, bool redraw) {
  state.font = font;
  state.metrics = MeasureFont(font);
  Relayout(edit, state);
  UpdateScrollBars(edit, state);
  if (redraw) InvalidateRect(edit, nullptr, TRUE);
}

LRESULT GetSelection(const EditState& state, WPARAM startOut, LPARAM endOut) {
  const auto start = static_cast<DWORD>(state.model.SelectionStart());
  const auto end = static_cast<DWORD>(state.model.SelectionEnd());
  if (auto* out = reinterpret_cast<DWORD*>(startOut)) *out = start;
  if (auto* out = reinterpret_cast<DWORD*>(endOut)) *out = end;
  return MAKELRESULT(start, end);
}

// A start of -1 takes the selection away and leaves the caret; an end of -1 or past the text is its end.
void SetSelection(HWND edit, EditState& state, WPARAM start, LPARAM end) {
  const bool multiLine = IsMultiLine(Style(edit));
  if (static_cast<LPARAM>(start) == -1) {
    state.model.MoveCaret(state.model.Caret(), false);
  } else {
    state.model.Select(state.model.Valid(static_cast<LPARAM>(start), multiLine), state.model.Valid(end, multiLine));
  }
  state.goalX = -1;
  InvalidateRect(edit, nullptr, TRUE);
}

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM out) {
  auto* buffer = reinterpret_cast<LPSTR>(out);
  if (buffer == nullptr || size == 0) return 0;
  const size_t copied = std::min(text.size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, text.data(), copied);
  buffer[copied] = '\0';
  return static_cast<LRESULT>(copied);
}

void ScrollLines(HWND edit, EditState& state, UINT request, int thumb) {
  const size_t rows = VisibleRows(edit, state);
  const long last = static_cast<long>(LastFirstLine(edit, state));
  long first = static_cast<long>(state.firstLine);
  switch (request) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= static_cast<long>(rows); break;
    case SB_PAGEDOWN: first += static_cast<long>(rows); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: first = thumb; break;
    case SB_TOP: first = 0; break;
    case SB_BOTTOM: first = last; break;
    default: return;
  }
  state.firstLine = static_cast<size_t>(std::clamp(first, 0L, last));
  Refresh(edit, state);
}

void ScrollSideways(HWND edit, EditState& state, UINT request, int thumb) {
  const int width = TextWidth(edit, state);
  int x = state.scrollX;
  switch (request) {
    case SB_LINELEFT: x -= state.metrics.averageWidth; break;
    case SB_LINERIGHT: x += state.metrics.averageWidth; break;
    case SB_PAGELEFT: x -= width; break;
    case SB_PAGERIGHT: x += width; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: x = thumb; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = LastScrollX(edit, state); break;
    default: return;
  }
  state.scrollX = std::clamp(x, 0, LastScrollX(edit, state));
  Refresh(edit, state);
}

// Draws text[from, to) of one line, whose start is at lineX, tabs expanded.
void DrawRun(CDC& dc, const EditState& state, size_t from, size_t to, int lineX, int y) {
  int x = state.layout.XOf(state.model.Text(), from, state.metrics);
  size_t batch = from;
  int batchX = x;
  for (size_t index = from; index <= to; ++index) {
    if (index < to && state.model.Text()[index] != '\t') {
      x += state.metrics.widths[static_cast<unsigned char>(state.model.Text()[index])];
      continue;
    }
    if (index > batch)
      dc.TextOut(lineX + batchX, y, state.model.Text().data() + batch, static_cast<int>(index - batch));
    if (index < to) x += CharacterAdvance('\t', x, state.metrics);
    batch = index + 1;
    batchX = x;
  }
}

void DrawLine(CDC& dc, const EditState& state, size_t lineIndex, int lineX, int y, size_t selectionStart,
              size_t selectionEnd, COLORREF ink) {
  const EditLine& line = state.layout.Lines()[lineIndex];
  const size_t selectedFrom = std::clamp(selectionStart, line.start, line.end);
  const size_t selectedTo = std::clamp(selectionEnd, line.start, line.end);
  dc.SetTextColor(ink);
  DrawRun(dc, state, line.start, selectedFrom, lineX, y);
  DrawRun(dc, state, selectedTo, line.end, lineX, y);
  if (selectedFrom == selectedTo) return;
  const int left = state.layout.XOf(state.model.Text(), selectedFrom, state.metrics);
  const int right = selectedTo == line.end ? state.layout.LineWidth(state.model.Text(), lineIndex, state.metrics)
                                           : state.layout.XOf(state.model.Text(), selectedTo, state.metrics);
  dc.FillSolidRect(lineX + left, y, right - left, state.metrics.lineHeight, look3d::Selection);
  const int mode = dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(look3d::SelectionText);
  DrawRun(dc, state, selectedFrom, selectedTo, lineX, y);
  dc.SetBkMode(mode);
  dc.SetTextColor(ink);
}

// Read-only and disabled fields ask for the colours of a static text, the others for an edit's.
// The offset of a line's first character; a line of -1 is the caret's, a line past the last -1.
LRESULT LineIndex(const EditState& state, WPARAM line) {
  const size_t shown = static_cast<LPARAM>(line) == -1 ? state.layout.LineOf(state.model.Caret()) : line;
  if (shown >= state.layout.LineCount()) return -1;
  return static_cast<LRESULT>(state.layout.Lines()[shown].start);
}

// The client place where the character at the offset is drawn, x in the low word and y in the
// high one; -1 for an offset past the text.
LRESULT PositionOfCharacter(HWND edit, const EditState& state, size_t offset) {
  if (offset > state.model.Text().size()) return -1;
  const RECT rect = TextRect(edit, state);
  const int x = rect.left - state.scrollX + state.layout.XOf(state.model.Text(), offset, state.metrics);
  const int line = static_cast<int>(state.layout.LineOf(offset)) - static_cast<int>(state.firstLine);
  return MAKELRESULT(static_cast<unsigned>(x), static_cast<unsigned>(rect.top + line * state.metrics.lineHeight));
}

void Paint(HWND edit, const EditState& state) {
  PAINTSTRUCT paint;
  const HDC handle = BeginPaint(edit, &paint);
  CDC* dc = CDC::FromHandle(handle);
  if (dc != nullptr) {
    const DWORD style = Style(edit);
    const bool enabled = IsWindowEnabled(edit) != FALSE;
    const bool focused = GetFocus() == edit;
    const HBRUSH brush =
        AskControlColours(edit, handle, IsReadOnly(style) || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    RECT client{};
    GetClientRect(edit, &client);
    if (brush != nullptr) FillRect(handle, &client, brush);
    const HGDIOBJ previous = SelectObject(handle, ControlFont(state.font));
    const COLORREF ink = enabled ? dc->GetTextColor() : look3d::GrayText;
    const bool showSelection = focused || (style & ES_NOHIDESEL) != 0;
    const size_t selectionStart = showSelection ? state.model.SelectionStart() : 0;
    const size_t selectionEnd = showSelection ? state.model.SelectionEnd() : 0;
    const RECT rect = TextRect(edit, state);
    const int lineX = rect.left - state.scrollX;
    const int lineHeight = state.metrics.lineHeight;
    int y = rect.top;
    for (size_t line = state.firstLine; line < state.layout.LineCount() && y < client.bottom; ++line) {
      DrawLine(*dc, state, line, lineX, y, selectionStart, selectionEnd, ink);
      y += lineHeight;
    }
    const size_t caretLine = state.layout.LineOf(state.model.Caret());
    if (focused && !state.model.HasSelection() && caretLine >= state.firstLine) {
      const int caretX = lineX + state.layout.XOf(state.model.Text(), state.model.Caret(), state.metrics);
      const int caretY = rect.top + static_cast<int>(caretLine - state.firstLine) * lineHeight;
      dc->FillSolidRect(caretX, caretY, 1, lineHeight, ink);
    }
    if (previous != nullptr) SelectObject(handle, previous);
  }
  EndPaint(edit, &paint);
}

// A multi-line field keeps Enter for itself only with ES_WANTRETURN; Tab and Escape stay the dialog's.
LRESULT DialogCode(HWND edit, WPARAM key) {
  LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  const DWORD style = Style(edit);
  if (IsMultiLine(style) && (style & ES_WANTRETURN) != 0 && key == VK_RETURN) code |= DLGC_WANTALLKEYS;
  return code;
}

// A border is drawn as the sunken edge of the 3D look.
LRESULT Create(HWND edit, WPARAM wParam, LPARAM lParam) {
  auto state = std::make_unique<EditState>();
  state->metrics = MeasureFont(nullptr);
  SetWindowExtra(edit, std::move(state));
  const DWORD style = Style(edit);
  if ((style & WS_BORDER) != 0) {
    SetWindowLong(edit, GWL_STYLE, static_cast<LONG>(style & ~WS_BORDER));
    SetWindowLong(edit, GWL_EXSTYLE, GetWindowLong(edit, GWL_EXSTYLE) | static_cast<LONG>(WS_EX_CLIENTEDGE));
  }
  return DefWindowProc(edit, WM_NCCREATE, wParam, lParam);
}

void FocusChanged(HWND edit, const EditState& state, UINT notification) {
  Refresh(edit, state);
  NotifyParent(edit, notification);
}

}  // namespace

LRESULT EditWindowProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return Create(edit, wParam, lParam);
  EditState* state = GetWindowExtraAs<EditState>(edit);
  if (state == nullptr) return DefWindowProc(edit, message, wParam, lParam);
  switch (message) {
    case WM_CREATE: SetText(edit, *state, reinterpret_cast<LPCREATESTRUCT>(lParam)->lpszName); return 0;
    case WM_NCPAINT:
      DefWindowProc(edit, message, wParam, lParam);
      PaintScrollBars(edit);
      return 0;
    case WM_NCHITTEST: {
      const int code = ScrollBarHitTest(edit, PointOf(lParam));
      return code != HTNOWHERE ? code : DefWindowProc(edit, message, wParam, lParam);
    }
    case WM_NCLBUTTONDOWN:
      if (wParam == HTVSCROLL || wParam == HTHSCROLL) {
        BeginScrollTracking(edit, wParam == HTVSCROLL ? SB_VERT : SB_HORZ, PointOf(lParam));
      }
      return 0;
    case WM_GETDLGCODE: return DialogCode(edit, wParam);
    case WM_SETFONT: SetFont(edit, *state, reinterpret_cast<HFONT>(wParam), lParam != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT:
      SetText(edit, *state, reinterpret_cast<LPCSTR>(lParam));
      NotifyParent(edit, EN_CHANGE);
      return TRUE;
    case WM_GETTEXT: return CopyText(state->model.Text(), wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(state->model.Text().size());
    case WM_SIZE:
      Relayout(edit, *state);
      Refresh(edit, *state);
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(edit, *state); return 0;
    case WM_SETFOCUS: FocusChanged(edit, *state, EN_SETFOCUS); return 0;
    case WM_KILLFOCUS: FocusChanged(edit, *state, EN_KILLFOCUS); return 0;
    case WM_LBUTTONDOWN: MouseDown(edit, wParam, PointOf(lParam)); return 0;
    case WM_MOUSEMOVE:
      if (!ContinueScrollTracking(edit, message, ToScreen(edit, PointOf(lParam)))) {
        MouseMove(edit, *state, PointOf(lParam));
      }
      return 0;
    case WM_LBUTTONUP:
      if (!ContinueScrollTracking(edit, message, ToScreen(edit, PointOf(lParam)))) MouseUp(edit, *state);
      return 0;
    case WM_CAPTURECHANGED:
      ContinueScrollTracking(edit, message, POINT{});
      state->selecting = false;
      return 0;
    case WM_KEYDOWN: KeyDown(edit, *state, static_cast<UINT>(wParam)); return 0;
    case WM_CHAR: Character(edit, *state, static_cast<char>(wParam)); return 0;
    case WM_VSCROLL: ScrollLines(edit, *state, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_HSCROLL: ScrollSideways(edit, *state, LOWORD(wParam), HIWORD(wParam)); return 0;
    case EM_GETSEL: return GetSelection(*state, wParam, lParam);
    case EM_SETSEL: SetSelection(edit, *state, wParam, lParam); return 0;
    case EM_REPLACESEL:
      ReplaceSelection(edit, *state, lParam == 0 ? std::string() : std::string(reinterpret_cast<LPCSTR>(lParam)),
                       false);
      return 0;
    case EM_LIMITTEXT: state->model.SetLimit(static_cast<size_t>(wParam)); return 0;
    case EM_GETLINECOUNT: return static_cast<LRESULT>(state->layout.LineCount());
    case EM_LINEINDEX: return LineIndex(*state, wParam);
    case EM_POSFROMCHAR: return PositionOfCharacter(edit, *state, static_cast<size_t>(wParam));
    default: return DefWindowProc(edit, message, wParam, lParam);
  }
}
