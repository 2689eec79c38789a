#pragma once
// The set-up that every generated window runs when its window is made: the window's own fields,
// its members attached to their controls in order, then each member's colours, font and pictures.
#include <initializer_list>

#include "platform/gdi/look3d_colours.h"
#include "platform/win/cwnd.h"
#include "runtime/sim_control_style.h"
#include "runtime/sim_dialog_fields.h"

inline constexpr COLORREF DialogGray = look3d::kFace;
inline constexpr COLORREF FieldWhite = 0xFFFFFF;
inline constexpr COLORREF LinkBlue = 0xFF0000;
inline constexpr const char* HelvFace = "Helv";
inline constexpr const char* FixedsysFace = "Fixedsys";
inline constexpr UINT GeneratedHelpContextId = 1;

// Help context 1, a stock background brush that is not owned, no scrolling.
void PrepareGeneratedWindow(SimDialogFields& fields, int stockBrush = LTGRAY_BRUSH);

struct MemberBinding {
  int id;
  CWnd& member;
};
// Attaches each member to the dialog's control of its id, in the order given.
void AttachMembers(CWnd& dialog, std::initializer_list<MemberBinding> members);

// Light gray behind the control's text, drawn transparently; the text colour stays as it is.
void UseDefaultColours(SimControlStyle& member);
// White behind the text: the edit fields that show white.
void UseWhiteField(SimControlStyle& member);
// Like the default colours, with its own text colour.
void UseTextColour(SimControlStyle& member, COLORREF textColour);
// A font of the face, height and weight; every other value of the font 0.
void UseFont(SimControlStyle& member, int height, int weight, bool underline = false, LPCSTR face = HelvFace);
