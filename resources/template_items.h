#pragma once
// Building blocks of the dialog templates: one function per kind of control, in dialog units.
#include "platform/win/resources.h"

enum ItemFlags : DWORD {
  Shown = WS_VISIBLE,
  HiddenDisabled = WS_DISABLED,
};

// Any control: its class ("EDIT", "LISTBOX", "COMBOBOX", ...), text, id and styles besides WS_CHILD.
DialogItemTemplate Item(const char* className, const char* text, int id, DWORD style, short x, short y, short cx,
                        short cy);

DialogItemTemplate PushButton(const char* text, int id, short x, short y, short cx, short cy, DWORD shown = Shown);
DialogItemTemplate DefaultPushButton(const char* text, int id, short x, short y, short cx, short cy,
                                     DWORD shown = Shown);
// An owner-draw button; `tabStop` false for pictures that only show.
DialogItemTemplate OwnerDrawButton(const char* text, int id, short x, short y, short cx, short cy, DWORD shown = Shown,
                                   bool tabStop = true);
DialogItemTemplate StaticText(const char* text, int id, short x, short y, short cx, short cy, DWORD shown = Shown);
DialogItemTemplate GroupBox(const char* text, int id, short x, short y, short cx, short cy, DWORD shown = Shown);
// An automatic radio button; the first of a group starts the group.
DialogItemTemplate RadioButton(const char* text, int id, short x, short y, short cx, short cy, bool firstOfGroup,
                               DWORD shown = Shown);
DialogItemTemplate EditField(int id, short x, short y, short cx, short cy, DWORD shown = Shown);

// A dialog with a caption and a modal frame, the 8-point "Helv" font.
DialogTemplate ModalDialog(const char* caption, short cx, short cy);
