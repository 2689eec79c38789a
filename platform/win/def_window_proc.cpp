#include <cstring>

#include "platform/gdi/look3d_colours.h"
#include "platform/win/window_system.h"

namespace {

// A class background below 0x100 is a system colour index plus one, as classes name them.
HBRUSH ClassBackground(const WindowRecord& record) {
  const HBRUSH brush = record.windowClass->background;
  const std::uintptr_t number = NumberFromHandle(brush);
  if (number > 0 && number < 0x100) return GetSysColorBrush(static_cast<int>(number) - 1);
  return brush;
}

LRESULT DefaultColours(HDC dc, UINT kind) {
  ::SetTextColor(dc, RGB(0, 0, 0));
  if (kind == CTLCOLOR_EDIT || kind == CTLCOLOR_LISTBOX) {
    ::SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  ::SetBkColor(dc, look3d::Face);
  return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
}

}  // namespace

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return 0;
  switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_SETTEXT:
      record->text = lParam == 0 ? std::string() : std::string(reinterpret_cast<LPCSTR>(lParam));
      if (CaptionHeight(*record) > 0) InvalidateArea(*record, RECT{}, false, true);
      return TRUE;
    case WM_GETTEXT: {
      const int size = static_cast<int>(wParam);
      auto* out = reinterpret_cast<LPSTR>(lParam);
      if (out == nullptr || size <= 0) return 0;
      const size_t copied = std::min(record->text.size(), static_cast<size_t>(size - 1));
      std::memcpy(out, record->text.data(), copied);
      out[copied] = '\0';
      return static_cast<LRESULT>(copied);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(record->text.size());
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND: {
      const HBRUSH brush = ClassBackground(*record);
      if (brush == nullptr) return 0;
      RECT client{};
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
      return 1;
    }
    case WM_NCPAINT: PaintNonClient(*record); return 0;
    case WM_NCACTIVATE:
      record->captionActive = wParam != 0;
      if (CaptionHeight(*record) > 0) InvalidateArea(*record, RECT{}, false, true);
      return TRUE;
    case WM_NCHITTEST: {
      if (IsTopLevel(*record)) return NonClientHitTest(*record, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(window, &point);
      RECT client{};
      GetClientRect(window, &client);
      return PtInRect(&client, point) ? HTCLIENT : HTBORDER;
    }
    case WM_SETCURSOR:
      // The parent decides first, so a dialog sees the pointer over its controls.
      if (!IsTopLevel(*record) && SendMessage(record->parent, WM_SETCURSOR, wParam, lParam) != 0) return TRUE;
      record = FindWindowRecord(window);
      if (record == nullptr) return FALSE;
      if (LOWORD(lParam) == HTCLIENT && record->windowClass->cursor != nullptr) {
        SetCursor(record->windowClass->cursor);
      } else {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
      }
      return FALSE;
    case WM_MOUSEACTIVATE: return 1;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) SetFocus(window);
      return 0;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE: SendMessage(window, WM_CLOSE, 0, 0); break;
        case SC_MINIMIZE: ShowWindow(window, SW_MINIMIZE); break;
        case SC_RESTORE: ShowWindow(window, SW_RESTORE); break;
        default: break;
      }
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return DefaultColours(reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX);
    default: return 0;
  }
}
