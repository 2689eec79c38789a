#include "platform/win/menu.h"

#include <cstring>
#include <unordered_map>

#include "platform/gdi/look3d.h"
#include "platform/win/window_system.h"

namespace {

struct MenuItem {
  std::string text;
  UINT id = 0;
  UINT flags = 0;
  HMENU popup = nullptr;
};

struct MenuObject {
  std::vector<MenuItem> items;
};

constexpr int BarHeight = 19;
constexpr int PopupItemHeight = 18;
constexpr int SeparatorHeight = 8;
constexpr const char* PopupClass = "#32768";

struct MenuTable {
  std::unordered_map<std::uintptr_t, MenuObject> menus;
  std::uintptr_t next = 0x60000;
};

MenuTable& Menus() {
  static MenuTable table;
  return table;
}

MenuObject* FindMenu(HMENU menu) {
  auto& menus = Menus().menus;
  auto found = menus.find(NumberFromHandle(menu));
  return found == menus.end() ? nullptr : &found->second;
}

HMENU NewMenu() {
  MenuTable& table = Menus();
  const std::uintptr_t number = table.next++;
  table.menus.emplace(number, MenuObject{});
  return HandleFromNumber<HMENU>(number);
}

// The item named by position or by command (searched through nested popups).
MenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
  MenuObject* object = FindMenu(menu);
  if (object == nullptr) return nullptr;
  if ((flags & MF_BYPOSITION) != 0) return item < object->items.size() ? &object->items[item] : nullptr;
  for (MenuItem& entry : object->items) {
    if ((entry.flags & MF_POPUP) == 0 && (entry.flags & MF_SEPARATOR) == 0 && entry.id == item) return &entry;
    if ((entry.flags & MF_POPUP) != 0) {
      if (MenuItem* nested = FindItem(entry.popup, item, flags)) return nested;
    }
  }
  return nullptr;
}

HMENU BuildMenu(const std::vector<MenuTemplateItem>& items, bool popup) {
  const HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  for (const MenuTemplateItem& item : items) {
    if ((item.flags & MF_POPUP) != 0) {
      const HMENU child = BuildMenu(item.children, true);
      AppendMenu(menu, item.flags, NumberFromHandle(child), item.text.c_str());
    } else {
      AppendMenu(menu, item.flags, item.id, item.text.c_str());
    }
  }
  return menu;
}

LOGFONT MenuFont() {
  LOGFONT font;
  font.lfHeight = -11;
  font.lfWeight = FW_NORMAL;
  std::strncpy(font.lfFaceName, "Helv", LF_FACESIZE - 1);
  return font;
}

int TextWidth(const std::string& text) {
  const std::shared_ptr<SizedFont> font = ResolveFont(MenuFont());
  return font ? font->TextWidth(text.data(), text.size()) : static_cast<int>(text.size()) * 6;
}

// The rectangles of the bar's items, relative to the bar's left end.
std::vector<RECT> BarLayout(HMENU menu) {
  std::vector<RECT> rects;
  const MenuObject* object = FindMenu(menu);
  if (object == nullptr) return rects;
  int x = 2;
  for (const MenuItem& item : object->items) {
    const int width = TextWidth(item.text) + 14;
    rects.push_back(RECT{x, 0, x + width, BarHeight - 1});
    x += width;
  }
  return rects;
}

void DrawItemText(CDC& dc, const std::string& text, RECT rect, bool grayed, bool highlighted) {
  CFont font;
  const LOGFONT logFont = MenuFont();
  font.CreateFontIndirect(&logFont);
  CFont* previous = dc.SelectObject(&font);
  if (highlighted && !grayed) {
    dc.FillSolidRect(&rect, look3d::Selection);
    dc.SetTextColor(look3d::SelectionText);
  } else {
    dc.SetTextColor(RGB(0, 0, 0));
  }
  look3d::DrawFaceText(dc, text, rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT, grayed);
  dc.SelectObject(previous);
}

struct PopupState : WindowExtra {
  HMENU menu = nullptr;
  HWND owner = nullptr;
  int highlighted = -1;
  bool armed = false;
};

std::vector<RECT> PopupLayout(HMENU menu, int* width) {
  std::vector<RECT> rects;
  const MenuObject* object = FindMenu(menu);
  int widest = 60;
  int y = 2;
  if (object != nullptr) {
    for (const MenuItem& item : object->items) widest = std::max(widest, TextWidth(item.text) + 40);
    for (const MenuItem& item : object->items) {
      const int height = (item.flags & MF_SEPARATOR) != 0 ? SeparatorHeight : PopupItemHeight;
      rects.push_back(RECT{2, y, widest - 2, y + height});
      y += height;
    }
  }
  if (width != nullptr) *width = widest;
  rects.push_back(RECT{0, y + 2, 0, 0});
  return rects;
}

int PopupItemAt(HWND popup, POINT client) {
  const PopupState* state = GetWindowExtraAs<PopupState>(popup);
  if (state == nullptr) return -1;
  const std::vector<RECT> rects = PopupLayout(state->menu, nullptr);
  for (size_t index = 0; index + 1 < rects.size(); ++index) {
    if (PtInRect(&rects[index], client)) return static_cast<int>(index);
  }
  return -1;
}

void ChoosePopupItem(HWND popup, int index) {
  const PopupState* state = GetWindowExtraAs<PopupState>(popup);
  if (state == nullptr) return;
  const HWND owner = state->owner;
  const MenuItem* item = FindItem(state->menu, static_cast<UINT>(index), MF_BYPOSITION);
  const bool chosen = item != nullptr && (item->flags & (MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_DISABLED)) == 0;
  const UINT id = chosen ? item->id : 0;
  DestroyWindow(popup);
  if (chosen) PostMessage(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

LRESULT PopupProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
  PopupState* state = GetWindowExtraAs<PopupState>(popup);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT client{};
  GetClientRect(popup, &client);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      CDC* dc = CDC::FromHandle(BeginPaint(popup, &paint));
      if (dc != nullptr && state != nullptr) {
        dc->FillSolidRect(&client, look3d::Face);
        const std::vector<RECT> rects = PopupLayout(state->menu, nullptr);
        for (size_t index = 0; index + 1 < rects.size(); ++index) {
          const MenuItem* item = FindItem(state->menu, static_cast<UINT>(index), MF_BYPOSITION);
          RECT rect = rects[index];
          if ((item->flags & MF_SEPARATOR) != 0) {
            const int middle = (rect.top + rect.bottom) / 2;
            dc->FillSolidRect(rect.left + 1, middle - 1, rect.right - rect.left - 2, 1, look3d::Shadow);
            dc->FillSolidRect(rect.left + 1, middle, rect.right - rect.left - 2, 1, look3d::Highlight);
            continue;
          }
          const bool highlighted = static_cast<int>(index) == state->highlighted;
          if (highlighted) dc->FillSolidRect(&rect, look3d::Selection);
          rect.left += 18;
          DrawItemText(*dc, item->text, rect, (item->flags & (MF_GRAYED | MF_DISABLED)) != 0, highlighted);
        }
      }
      EndPaint(popup, &paint);
      return 0;
    }
    case WM_MOUSEMOVE: {
      if (state == nullptr) return 0;
      const int index = PtInRect(&client, point) ? PopupItemAt(popup, point) : -1;
      if (index >= 0) state->armed = true;
      if (index != state->highlighted) {
        state->highlighted = index;
        InvalidateRect(popup, nullptr, TRUE);
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
      if (!PtInRect(&client, point)) DestroyWindow(popup);
      return 0;
    case WM_LBUTTONUP: {
      if (state == nullptr) return 0;
      if (PtInRect(&client, point)) {
        ChoosePopupItem(popup, PopupItemAt(popup, point));
      } else if (state->armed) {
        DestroyWindow(popup);
      } else {
        // The release of the click that opened the popup.
        state->armed = true;
      }
      return 0;
    }
    case WM_CAPTURECHANGED: DestroyWindow(popup); return 0;
    default: return DefWindowProc(popup, message, wParam, lParam);
  }
}

void EnsurePopupClass() {
  static const bool registered = [] {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = PopupProc;
    windowClass.lpszClassName = PopupClass;
    return RegisterClass(&windowClass) != FALSE;
  }();
  (void)registered;
}

void OpenPopup(HWND owner, HMENU popup, int index, POINT screenTopLeft) {
  SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
              MAKELPARAM(static_cast<unsigned>(index), FALSE));
  EnsurePopupClass();
  int width = 0;
  const std::vector<RECT> rects = PopupLayout(popup, &width);
  const int height = rects.back().top + 2;
  const HWND window = CreateWindowEx(0, PopupClass, "", WS_POPUP | WS_BORDER, screenTopLeft.x, screenTopLeft.y, width,
                                     height, owner, nullptr, nullptr, nullptr);
  if (window == nullptr) return;
  auto state = std::make_unique<PopupState>();
  state->menu = popup;
  state->owner = owner;
  SetWindowExtra(window, std::move(state));
  FindWindowRecord(window)->neverActivate = true;
  ShowWindow(window, SW_SHOWNA);
  SetCapture(window);
}

}  // namespace

HMENU CreateMenu() { return NewMenu(); }

HMENU CreatePopupMenu() { return NewMenu(); }

BOOL DestroyMenu(HMENU menu) {
  MenuObject* object = FindMenu(menu);
  if (object == nullptr) return FALSE;
  const std::vector<MenuItem> items = object->items;
  Menus().menus.erase(NumberFromHandle(menu));
  for (const MenuItem& item : items) {
    if ((item.flags & MF_POPUP) != 0) DestroyMenu(item.popup);
  }
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return FindMenu(menu) != nullptr ? TRUE : FALSE; }

BOOL AppendMenu(HMENU menu, UINT flags, std::uintptr_t idOrPopup, LPCSTR text) {
  MenuObject* object = FindMenu(menu);
  if (object == nullptr) return FALSE;
  MenuItem item;
  item.flags = flags;
  if ((flags & MF_POPUP) != 0) {
    item.popup = HandleFromNumber<HMENU>(idOrPopup);
    if (!IsMenu(item.popup)) return FALSE;
  } else {
    item.id = static_cast<UINT>(idOrPopup);
  }
  if (text != nullptr && (flags & MF_SEPARATOR) == 0) item.text = text;
  object->items.push_back(std::move(item));
  return TRUE;
}

HMENU LoadMenu(HINSTANCE, LPCSTR name) {
  const std::vector<MenuTemplateItem>* items = Resources().FindMenu(ResourceName(name));
  return items == nullptr ? nullptr : BuildMenu(*items, false);
}

int GetMenuItemCount(HMENU menu) {
  const MenuObject* object = FindMenu(menu);
  return object == nullptr ? -1 : static_cast<int>(object->items.size());
}

UINT GetMenuItemID(HMENU menu, int position) {
  const MenuItem* item = position < 0 ? nullptr : FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (item == nullptr || (item->flags & MF_POPUP) != 0) return 0xFFFFFFFF;
  return (item->flags & MF_SEPARATOR) != 0 ? 0 : item->id;
}

HMENU GetSubMenu(HMENU menu, int position) {
  const MenuItem* item = position < 0 ? nullptr : FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return item == nullptr || (item->flags & MF_POPUP) == 0 ? nullptr : item->popup;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  MenuItem* entry = FindItem(menu, item, flags);
  if (entry == nullptr) return 0xFFFFFFFF;
  const UINT previous = entry->flags & (MF_GRAYED | MF_DISABLED);
  entry->flags = (entry->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return previous;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  MenuItem* entry = FindItem(menu, item, flags);
  if (entry == nullptr) return 0xFFFFFFFF;
  const DWORD previous = entry->flags & MF_CHECKED;
  entry->flags = (entry->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
  return previous;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  const MenuItem* entry = FindItem(menu, item, flags);
  return entry == nullptr ? 0xFFFFFFFF : entry->flags;
}

int GetMenuString(HMENU menu, UINT item, LPSTR text, int size, UINT flags) {
  const MenuItem* entry = FindItem(menu, item, flags);
  if (entry == nullptr || text == nullptr || size <= 0) return 0;
  const size_t copied = std::min(entry->text.size(), static_cast<size_t>(size - 1));
  std::memcpy(text, entry->text.data(), copied);
  text[copied] = '\0';
  return static_cast<int>(copied);
}

HMENU FindPopupOfCommand(HMENU menu, UINT id, int* position) {
  const MenuObject* object = FindMenu(menu);
  if (object == nullptr) return nullptr;
  for (size_t index = 0; index < object->items.size(); ++index) {
    const MenuItem& item = object->items[index];
    if ((item.flags & MF_POPUP) != 0) {
      if (FindItem(item.popup, id, MF_BYCOMMAND) != nullptr) {
        if (position != nullptr) *position = static_cast<int>(index);
        return item.popup;
      }
    }
  }
  return nullptr;
}

BOOL SetMenu(HWND window, HMENU menu) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || !IsTopLevel(*record)) return FALSE;
  record->menu = menu;
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  return TRUE;
}

HMENU GetMenu(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  return record == nullptr || !IsTopLevel(*record) ? nullptr : record->menu;
}

int MenuBarHeight(const WindowRecord& record) { return IsMenu(record.menu) ? BarHeight : 0; }

BOOL DrawMenuBar(HWND window) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  InvalidateArea(*record, RECT{}, false, true);
  return TRUE;
}

void PaintMenuBar(CDC& dc, WindowRecord& record, const RECT& barRect) {
  dc.FillSolidRect(&barRect, look3d::Face);
  dc.FillSolidRect(barRect.left, barRect.bottom - 1, barRect.right - barRect.left, 1, look3d::Shadow);
  const std::vector<RECT> rects = BarLayout(record.menu);
  for (size_t index = 0; index < rects.size(); ++index) {
    const MenuItem* item = FindItem(record.menu, static_cast<UINT>(index), MF_BYPOSITION);
    RECT rect = rects[index];
    OffsetRect(&rect, barRect.left, barRect.top);
    rect.left += 7;
    DrawItemText(dc, item->text, rect, (item->flags & (MF_GRAYED | MF_DISABLED)) != 0, false);
  }
}

void TrackMenuBarClick(HWND window, POINT screen) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || !IsMenu(record->menu)) return;
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  const int frame = FrameThickness(*record);
  const POINT barOrigin{windowRect.left + frame, windowRect.top + frame + CaptionHeight(*record)};
  const POINT at{screen.x - barOrigin.x, screen.y - barOrigin.y};
  const std::vector<RECT> rects = BarLayout(record->menu);
  for (size_t index = 0; index < rects.size(); ++index) {
    if (!PtInRect(&rects[index], at)) continue;
    const MenuItem* item = FindItem(record->menu, static_cast<UINT>(index), MF_BYPOSITION);
    if ((item->flags & (MF_GRAYED | MF_DISABLED)) != 0) return;
    if ((item->flags & MF_POPUP) != 0) {
      OpenPopup(window, item->popup, static_cast<int>(index),
                POINT{barOrigin.x + rects[index].left, barOrigin.y + BarHeight});
    } else {
      PostMessage(window, WM_COMMAND, MAKEWPARAM(item->id, 0), 0);
    }
    return;
  }
}

CMenu::~CMenu() {
  if (m_hMenu != nullptr && !temporary_) ::DestroyMenu(m_hMenu);
}

namespace {

std::unordered_map<std::uintptr_t, std::unique_ptr<CMenu>>& TemporaryMenus() {
  static std::unordered_map<std::uintptr_t, std::unique_ptr<CMenu>> wrappers;
  return wrappers;
}

}  // namespace

CMenu* CMenu::FromHandle(HMENU menu) {
  if (!IsMenu(menu)) return nullptr;
  auto& slot = TemporaryMenus()[NumberFromHandle(menu)];
  if (!slot) {
    slot = std::make_unique<CMenu>();
    slot->m_hMenu = menu;
    slot->temporary_ = true;
  }
  return slot.get();
}

BOOL CMenu::Attach(HMENU menu) {
  if (m_hMenu != nullptr || !IsMenu(menu)) return FALSE;
  m_hMenu = menu;
  return TRUE;
}

HMENU CMenu::Detach() {
  const HMENU menu = m_hMenu;
  m_hMenu = nullptr;
  return menu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(LPCSTR name) { return Attach(::LoadMenu(AfxGetResourceHandle(), name)); }

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT flags, std::uintptr_t idOrPopup, LPCSTR text) {
  return ::AppendMenu(m_hMenu, flags, idOrPopup, text);
}
