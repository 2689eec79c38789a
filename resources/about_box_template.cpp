#include "resources/about_texts.h"
#include "resources/dialog_templates.h"
#include "resources/about_box_ids.h"
#include "resources/template_items.h"

// The about box: the logo and the name, and the link lines, each with an invisible owner-draw
// button lying over it that opens the link.
DialogTemplate OmtavrinTemplate() {
  DialogTemplate dialog = ModalDialog("OM TAVRIN", 270, 255);
  dialog.items = {
      PushButton("Lukk", AboutCloseId, 232, 2, 36, 12),
      DefaultPushButton("OK", IDOK, 3, 4, 36, 12, HiddenDisabled),
      OwnerDrawButton("WMPGRAPHIC", AboutLogoId, 110, 4, 44, 44),
      StaticText("TAVRIN", AboutTitleId, 92, 52, 76, 23),
      StaticText("E-mail:", MailLabelId, 11, 219, 21, 8),
      StaticText("Mirror: ", MirrorLabelId, 114, 219, 21, 8),
      StaticText(HomePageLineNorwegian, HomePageLineId, 11, 204, 249, 9),
      StaticText(ContactLine, ContactLineId, 34, 219, 53, 9),
      StaticText(MirrorLine, MirrorLineId, 138, 219, 86, 9),
      StaticText(SecondContactLine, SecondContactLineId, 5, 240, 52, 10, HiddenDisabled),
      OwnerDrawButton("", HomePageLinkId, 11, 205, 246, 7),
      OwnerDrawButton("", ContactLinkId, 35, 220, 51, 7),
      OwnerDrawButton("", MirrorLinkId, 140, 220, 81, 6),
      OwnerDrawButton("", SecondContactLinkId, 19, 242, 48, 6, HiddenDisabled),
      GroupBox("Kontakt", LinkGroupId, 7, 194, 257, 37),
  };
  return dialog;
}

namespace {

constexpr MemberSetup OmtavrinMembers[] = {
    {.id = AboutLogoId, .picture = {"TVRNLOGO", PictureLook::Centred}},
    {.id = AboutTitleId, .font = HelvTitle},
    {.id = MailLabelId, .colours = ColourKind::Gray},
    {.id = MirrorLabelId, .colours = ColourKind::Gray},
    {.id = HomePageLineId, .colours = ColourKind::BlueText, .font = HelvSmallUnderlined},
    {.id = ContactLineId, .colours = ColourKind::BlueText, .font = HelvSmallUnderlined},
    {.id = MirrorLineId, .colours = ColourKind::BlueText, .font = HelvSmallUnderlined},
    {.id = SecondContactLineId, .colours = ColourKind::BlueText, .font = HelvSmallUnderlined},
    {.id = LinkGroupId, .colours = ColourKind::Gray},
};

constexpr EnglishText OmtavrinEnglish[] = {
    {AboutCloseId, "Close"},
    {HomePageLineId, HomePageLineEnglish},
    {LinkGroupId, "Contact"},
};

}  // namespace

const WindowSetup OmtavrinSetup{
    .members = OmtavrinMembers, .englishCaption = "ABOUT TAVRIN", .englishTexts = OmtavrinEnglish};
