#pragma once
// Styles, messages and notifications of the standard controls, shared by the controls, the dialog
// manager and the test driver.
#include "wintypes.h"

// Buttons.
constexpr DWORD BS_PUSHBUTTON = 0x00;
constexpr DWORD BS_DEFPUSHBUTTON = 0x01;
constexpr DWORD BS_CHECKBOX = 0x02;
constexpr DWORD BS_AUTOCHECKBOX = 0x03;
constexpr DWORD BS_RADIOBUTTON = 0x04;
constexpr DWORD BS_GROUPBOX = 0x07;
constexpr DWORD BS_AUTORADIOBUTTON = 0x09;
constexpr DWORD BS_OWNERDRAW = 0x0B;
constexpr DWORD BS_TYPEMASK = 0x0F;
constexpr DWORD BS_LEFTTEXT = 0x20;
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr UINT BM_SETSTATE = 0x00F3;
constexpr UINT BM_SETSTYLE = 0x00F4;
constexpr UINT BM_CLICK = 0x00F5;
constexpr UINT BST_UNCHECKED = 0x0000;
constexpr UINT BST_CHECKED = 0x0001;
constexpr UINT BST_PUSHED = 0x0004;
constexpr UINT BST_FOCUS = 0x0008;
constexpr UINT BN_CLICKED = 0;
constexpr UINT BN_DOUBLECLICKED = 5;

// Statics.
constexpr DWORD SS_LEFT = 0x00;
constexpr DWORD SS_CENTER = 0x01;
constexpr DWORD SS_RIGHT = 0x02;
constexpr DWORD SS_SIMPLE = 0x0B;
constexpr DWORD SS_LEFTNOWORDWRAP = 0x0C;
constexpr DWORD SS_TYPEMASK = 0x1F;
constexpr DWORD SS_NOPREFIX = 0x80;

// Edits: selecting the whole text, as the dialog manager does when the focus arrives.
constexpr UINT EM_SETSEL = 0x00B1;

// List boxes and combo boxes: what the test driver asks of them.
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETLBTEXT = 0x0148;
constexpr UINT CB_GETLBTEXTLEN = 0x0149;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CBN_SELCHANGE = 1;
constexpr LRESULT LB_ERR = -1;
constexpr LRESULT CB_ERR = -1;
