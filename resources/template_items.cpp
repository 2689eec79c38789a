#include "resources/template_items.h"

#include "platform/win/control_constants.h"

DialogItemTemplate Item(const char* className, const char* text, int id, DWORD style, short x, short y, short cx,
                        short cy) {
  DialogItemTemplate item;
  item.className = className;
  item.text = text;
  item.id = id;
  item.style = WS_CHILD | style;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  return item;
}

DialogItemTemplate PushButton(const char* text, int id, short x, short y, short cx, short cy, DWORD shown) {
  return Item("BUTTON", text, id, shown | WS_TABSTOP | BS_PUSHBUTTON, x, y, cx, cy);
}

DialogItemTemplate DefaultPushButton(const char* text, int id, short x, short y, short cx, short cy, DWORD shown) {
  return Item("BUTTON", text, id, shown | WS_TABSTOP | BS_DEFPUSHBUTTON, x, y, cx, cy);
}

DialogItemTemplate OwnerDrawButton(const char* text, int id, short x, short y, short cx, short cy, DWORD shown,
                                   bool tabStop) {
  return Item("BUTTON", text, id, shown | (tabStop ? WS_TABSTOP : 0) | BS_OWNERDRAW, x, y, cx, cy);
}

DialogItemTemplate StaticText(const char* text, int id, short x, short y, short cx, short cy, DWORD shown) {
  return Item("STATIC", text, id, shown | SS_LEFTNOWORDWRAP | SS_NOPREFIX, x, y, cx, cy);
}

DialogItemTemplate GroupBox(const char* text, int id, short x, short y, short cx, short cy, DWORD shown) {
  return Item("BUTTON", text, id, shown | BS_GROUPBOX, x, y, cx, cy);
}

DialogItemTemplate RadioButton(const char* text, int id, short x, short y, short cx, short cy, bool firstOfGroup,
                               DWORD shown) {
  return Item("BUTTON", text, id, shown | BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), x, y, cx,
              cy);
}

DialogItemTemplate EditField(int id, short x, short y, short cx, short cy, DWORD shown) {
  return Item("EDIT", "", id, shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, x, y, cx, cy);
}

DialogTemplate ModalDialog(const char* caption, short cx, short cy) {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  dialog.cx = cx;
  dialog.cy = cy;
  dialog.caption = caption;
  dialog.pointSize = 8;
  dialog.faceName = "Helv";
  return dialog;
}
