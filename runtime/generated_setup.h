#pragma once
// The set-up every generated window runs when its window is made, from its template's set-up table
// (resources/window_setup.h): help context 1, the table's stock brush behind the window (not owned),
// no scrolling; every member attached to its control in member order; then each member's colours,
// font and picture; and, when the language is English, the English caption and control texts.
#include <array>
#include <concepts>
#include <initializer_list>
#include <vector>

#include "platform/gdi/look3d_colours.h"
#include "platform/win/cwnd.h"
#include "resources/window_setup.h"
#include "runtime/sim_control_style.h"
#include "runtime/sim_dialog_fields.h"
#include "runtime/sim_graphic_button.h"

inline constexpr COLORREF DialogGray = look3d::Face;
inline constexpr COLORREF FieldWhite = 0xFFFFFF;
inline constexpr COLORREF LinkBlue = 0xFF0000;
inline constexpr UINT GeneratedHelpContextId = 1;

// One member of a generated window, or an array of members, as the set-up reaches it: the window,
// and its colours and font or its pictures where its kind has them.
class GeneratedMembers {
 public:
  struct Member {
    CWnd* window;
    SimControlStyle* style;
    CSimGraphicButton* pictures;
  };

  template <std::derived_from<CWnd> Control>
  GeneratedMembers(Control& control) : members_{Reach(control)} {}
  template <std::derived_from<CWnd> Control, std::size_t Count>
  GeneratedMembers(std::array<Control, Count>& controls) {
    for (Control& control : controls) members_.push_back(Reach(control));
  }

  const std::vector<Member>& Members() const { return members_; }

 private:
  template <class Control>
  static Member Reach(Control& control) {
    Member member{&control, nullptr, nullptr};
    if constexpr (std::derived_from<Control, SimControlStyle>) member.style = &control;
    if constexpr (std::derived_from<Control, CSimGraphicButton>) member.pictures = &control;
    return member;
  }

  std::vector<Member> members_;
};

// Sets the dialog up from the table, its members given in member order. A table that does not fit
// the members (another number of them, or colours for a member without any) is a fault of the
// program: std::logic_error, before anything is changed.
void ApplyGeneratedSetup(CWnd& dialog, SimDialogFields& fields, const WindowSetup& setup,
                         std::initializer_list<GeneratedMembers> members);

template <class Dialog>
void ApplyGeneratedSetup(Dialog& dialog, const WindowSetup& setup, std::initializer_list<GeneratedMembers> members) {
  ApplyGeneratedSetup(dialog, dialog.Fields(), setup, members);
}

// The pieces of a member's set-up.
// Light gray behind the control's text, drawn transparently; the text colour stays as it is.
void UseDefaultColours(SimControlStyle& member);
// White behind the text: the edit fields that show white.
void UseWhiteField(SimControlStyle& member);
// Like the default colours, with its own text colour.
void UseTextColour(SimControlStyle& member, COLORREF textColour);
// A font of the face, height and weight; every other value of the font 0.
void UseFont(SimControlStyle& member, int height, int weight, bool underline = false, LPCSTR face = HelvFace);
