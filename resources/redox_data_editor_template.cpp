#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/redox_data_editor_ids.h"
#include "resources/template_items.h"

// The redox data editor: the half reaction with its two comments, its potential and temperature,
// the list of half reactions and the list buttons framed below it.
DialogTemplate RedoxdatTemplate() {
  DialogTemplate dialog = ModalDialog("ELEKTROKJEMI - ELEKTROKJEMISKE DATA", 290, 250);
  dialog.items = {
      DefaultPushButton("OK", RedoxDataOkId, 150, 1, 30, 12, HiddenDisabled),
      PushButton("filskr", RedoxDataRewriteId, 190, 1, 30, 12, HiddenDisabled),
      PushButton("Lukk", RedoxDataCloseId, 246, 2, 40, 14),
      StaticText("Ligning:", HalfReactionLabelId, 4, 8, 100, 9),
      EditField(HalfReactionFieldId, 4, 18, 282, 12),
      StaticText("Kommentar (Eng.):", EnglishCommentLabelId, 4, 34, 100, 9),
      EditField(EnglishCommentId, 4, 44, 282, 12),
      StaticText("Kommentar (No.):", NorwegianCommentLabelId, 4, 60, 100, 9),
      EditField(NorwegianCommentId, 4, 70, 282, 12),
      StaticText("E", StandardPotentialEId, 4, 92, 7, 9),
      StaticText("o", StandardPotentialOId, 11, 88, 5, 9),
      EditField(StandardPotentialId, 18, 90, 64, 12),
      StaticText("V", StandardPotentialUnitId, 85, 92, 10, 9),
      StaticText("Temp. :", RedoxTemperatureLabelId, 102, 92, 32, 9),
      EditField(RedoxTemperatureFieldId, 136, 90, 40, 12),
      StaticText("o", RedoxTemperatureOId, 179, 88, 5, 9),
      StaticText("C", RedoxTemperatureCId, 184, 92, 8, 9),
      PushButton("Fjerne tekst", RedoxDataEraseId, 214, 89, 72, 14),
      Item("LISTBOX", "", RedoxDataListId, Shown | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 4, 110, 282, 94),
      GroupBox("Editere listeboks", RedoxDataEditGroupId, 4, 208, 282, 38),
      GroupBox("Legge til ny ligning", RedoxDataAddGroupId, 34, 217, 104, 26),
      PushButton("F\xF8r", RedoxDataBeforeId, 40, 227, 44, 12),
      PushButton("Etter", RedoxDataAfterId, 88, 227, 44, 12),
      PushButton("Erstatte", RedoxDataReplaceId, 148, 227, 54, 12),
      PushButton("Fjerne", RedoxDataDeleteId, 208, 227, 54, 12),
  };
  return dialog;
}

namespace {

constexpr MemberSetup RedoxdatMembers[] = {
    {.id = HalfReactionLabelId, .colours = ColourKind::Gray},
    {.id = HalfReactionFieldId, .colours = ColourKind::White},
    {.id = EnglishCommentLabelId, .colours = ColourKind::Gray},
    {.id = EnglishCommentId, .colours = ColourKind::White},
    {.id = NorwegianCommentLabelId, .colours = ColourKind::Gray},
    {.id = NorwegianCommentId, .colours = ColourKind::White},
    {.id = StandardPotentialEId, .colours = ColourKind::Gray},
    {.id = StandardPotentialOId, .colours = ColourKind::Gray},
    {.id = StandardPotentialUnitId, .colours = ColourKind::Gray},
    {.id = StandardPotentialId, .colours = ColourKind::White},
    {.id = RedoxTemperatureLabelId, .colours = ColourKind::Gray},
    {.id = RedoxTemperatureCId, .colours = ColourKind::Gray},
    {.id = RedoxTemperatureOId, .colours = ColourKind::Gray},
    {.id = RedoxTemperatureFieldId, .colours = ColourKind::White},
    {.id = RedoxDataEraseId},
    {.id = RedoxDataListId},
    {.id = RedoxDataEditGroupId, .colours = ColourKind::Gray},
    {.id = RedoxDataAddGroupId, .colours = ColourKind::Gray},
    {.id = RedoxDataBeforeId},
    {.id = RedoxDataAfterId},
    {.id = RedoxDataReplaceId},
    {.id = RedoxDataDeleteId},
};

constexpr EnglishText RedoxdatEnglish[] = {
    {HalfReactionLabelId, "Equation:"},
    {EnglishCommentLabelId, "Comment:"},
    {NorwegianCommentLabelId, "Comment, misc.:"},
    {RedoxDataEraseId, "Erase text"},
    {RedoxDataEditGroupId, "Edit list box"},
    {RedoxDataAddGroupId, "Add formula"},
    {RedoxDataBeforeId, "Before"},
    {RedoxDataAfterId, "After"},
    {RedoxDataReplaceId, "Replace"},
    {RedoxDataDeleteId, "Delete"},
    {RedoxDataCloseId, "Close"},
};

}  // namespace

const WindowSetup RedoxdatSetup{.members = RedoxdatMembers,
                                .englishCaption = "ELECTROCHEMISTRY - ELECTROCHEMICAL DATA",
                                .englishTexts = RedoxdatEnglish};
