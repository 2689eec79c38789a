#include "runtime/generated_setup.h"

#include <stdexcept>
#include <string>

#include "engine/settings/settings.h"
#include "runtime/bitmap_drawing.h"

namespace {

using Member = GeneratedMembers::Member;

struct Binding {
  int id;
  const MemberSetup* setup;
  Member member;
};

[[noreturn]] void RefuseTable(const std::string& why) { throw std::logic_error("generated set-up: " + why); }

// Pairs every member with its row, and checks that each row asks only what its member can do.
std::vector<Binding> BindMembers(const WindowSetup& setup, std::initializer_list<GeneratedMembers> members) {
  std::vector<Member> all;
  for (const GeneratedMembers& group : members) all.insert(all.end(), group.Members().begin(), group.Members().end());
  std::vector<Binding> bindings;
  for (const MemberSetup& row : setup.members) {
    for (int offset = 0; offset < row.count; ++offset) {
      const int id = row.id + offset;
      if (bindings.size() == all.size()) RefuseTable("more rows than members, from id " + std::to_string(id));
      const Member& member = all[bindings.size()];
      const bool styled = row.colours != ColourKind::Library || row.font.height != 0;
      if (styled && member.style == nullptr) RefuseTable("id " + std::to_string(id) + " has no colours or font");
      if (row.picture.look != PictureLook::None && member.pictures == nullptr) {
        RefuseTable("id " + std::to_string(id) + " shows no picture");
      }
      bindings.push_back({id, &row, member});
    }
  }
  if (bindings.size() != all.size())
    RefuseTable(std::to_string(all.size() - bindings.size()) + " members without a row");
  return bindings;
}

void UseColours(SimControlStyle& member, ColourKind colours) {
  switch (colours) {
    case ColourKind::Library: break;
    case ColourKind::Gray: UseDefaultColours(member); break;
    case ColourKind::White: UseWhiteField(member); break;
    case ColourKind::BlueText: UseTextColour(member, LinkBlue); break;
  }
}

void UsePicture(CSimGraphicButton& member, const MemberPicture& picture) {
  switch (picture.look) {
    case PictureLook::None: break;
    case PictureLook::Stretched: member.SetImage(picture.bitmap, true, StretchDrawMode); break;
    case PictureLook::Centred: member.SetImage(picture.bitmap, true, CentredDrawMode); break;
    case PictureLook::ButtonFace: member.SetStateImages(picture.bitmap, "", "", "", true, StretchDrawMode); break;
  }
}

void UseEnglishTexts(CWnd& dialog, const WindowSetup& setup) {
  if (setup.englishCaption != nullptr) dialog.SetWindowText(setup.englishCaption);
  for (const EnglishText& english : setup.englishTexts) dialog.SetDlgItemText(english.id, english.text);
}

}  // namespace

void ApplyGeneratedSetup(CWnd& dialog, SimDialogFields& fields, const WindowSetup& setup,
                         std::initializer_list<GeneratedMembers> members) {
  const std::vector<Binding> bindings = BindMembers(setup, members);
  fields.helpContextId = GeneratedHelpContextId;
  fields.SetBackgroundBrush(::GetStockObject(setup.backgroundBrush), false);
  fields.scrollingOn = false;
  for (const Binding& binding : bindings)
    binding.member.window->SubclassDlgItem(static_cast<UINT>(binding.id), &dialog);
  for (const Binding& binding : bindings) {
    const MemberSetup& row = *binding.setup;
    if (binding.member.style != nullptr) {
      UseColours(*binding.member.style, row.colours);
      if (row.font.height != 0) {
        UseFont(*binding.member.style, row.font.height, row.font.weight, row.font.underline, row.font.face);
      }
    }
    if (binding.member.pictures != nullptr) UsePicture(*binding.member.pictures, row.picture);
  }
  if (LanguageCode == EnglishLanguage) UseEnglishTexts(dialog, setup);
}

void UseDefaultColours(SimControlStyle& member) {
  member.SetColors(FALSE, 0, TRUE, DialogGray, TransparentBackground);
  member.SetBkBrushColor(DialogGray);
}

void UseWhiteField(SimControlStyle& member) {
  member.SetColors(FALSE, 0, TRUE, FieldWhite, TransparentBackground);
  member.SetBkBrushColor(FieldWhite);
}

void UseTextColour(SimControlStyle& member, COLORREF textColour) {
  member.SetColors(TRUE, textColour, TRUE, DialogGray, TransparentBackground);
  member.SetBkBrushColor(DialogGray);
}

void UseFont(SimControlStyle& member, int height, int weight, bool underline, LPCSTR face) {
  member.SetFont(height, 0, 0, 0, weight, 0, underline ? 1 : 0, 0, 0, 0, 0, 0, 0, face);
}
