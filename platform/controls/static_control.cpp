#include "platform/controls/static_control.h"

#include "platform/gdi/cdc.h"
#include "platform/controls/control_colours.h"
#include "platform/gdi/look3d.h"
#include "platform/win/window_extra.h"

namespace {

struct StaticState : WindowExtra {
  HFONT font = nullptr;
};

UINT TextFormat(DWORD style) {
  UINT format = DT_EXPANDTABS;
  if ((style & SS_NOPREFIX) != 0) format |= DT_NOPREFIX;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: return format | DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT: return format | DT_RIGHT | DT_WORDBREAK;
    case SS_SIMPLE: return format | DT_LEFT | DT_SINGLELINE;
    case SS_LEFTNOWORDWRAP: return format | DT_LEFT;
    default: return format | DT_LEFT | DT_WORDBREAK;
  }
}

void Paint(HWND control, const StaticState& state) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(control, &paint);
  CDC* painter = CDC::FromHandle(dc);
  if (painter != nullptr) {
    const HBRUSH brush = AskControlColours(control, dc, WM_CTLCOLORSTATIC);
    RECT client{};
    GetClientRect(control, &client);
    if (brush != nullptr) FillRect(dc, &client, brush);
    const HGDIOBJ previous = SelectObject(dc, state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT));
    const std::string text = GetWindowTextString(control);
    const UINT format = TextFormat(static_cast<DWORD>(GetWindowLong(control, GWL_STYLE)));
    if (IsWindowEnabled(control)) {
      painter->DrawText(text, &client, format);
    } else {
      look3d::DrawFaceText(*painter, text, client, format, true);
    }
    if (previous != nullptr) SelectObject(dc, previous);
  }
  EndPaint(control, &paint);
}

}  // namespace

LRESULT StaticWindowProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  StaticState* state = GetWindowExtraAs<StaticState>(control);
  switch (message) {
    case WM_NCCREATE:
      SetWindowExtra(control, std::make_unique<StaticState>());
      return DefWindowProc(control, message, wParam, lParam);
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_SETFONT:
      if (state != nullptr) state->font = reinterpret_cast<HFONT>(wParam);
      if (lParam != 0) InvalidateRect(control, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return state == nullptr ? 0 : reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProc(control, message, wParam, lParam);
      InvalidateRect(control, nullptr, TRUE);
      return result;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
      if (state != nullptr) {
        Paint(control, *state);
        return 0;
      }
      return DefWindowProc(control, message, wParam, lParam);
    default: return DefWindowProc(control, message, wParam, lParam);
  }
}
