#include "resources/dialog_templates.h"
#include "resources/settings_dialog_ids.h"
#include "resources/template_items.h"

// The settings dialog. Only the close and save buttons show; the start-up tool radio buttons, their
// group box and OK stay hidden and disabled.
DialogTemplate TavrparaTemplate() {
  DialogTemplate dialog = ModalDialog("OPPSETT", 151, 105);
  dialog.items = {
      DefaultPushButton("OK", IDOK, 4, 2, 15, 11, HiddenDisabled),
      PushButton("Lukk", SetupCloseId, 112, 1, 36, 12),
      PushButton("Spare alle valg", SaveSettingsId, 47, 88, 58, 12),
      GroupBox("Autoaktiver ved oppstart:", StartupGroupId, 1, 13, 148, 72, HiddenDisabled),
      RadioButton("Ingen", StartupNoneId, 3, 21, 67, 12, true, HiddenDisabled),
      RadioButton("Periodesystemet", StartupPeriodicTableId, 3, 34, 67, 12, false, HiddenDisabled),
      RadioButton("Molekylkalkulator", StartupMolecularCalculatorId, 3, 47, 67, 12, false, HiddenDisabled),
      RadioButton("Balansere", StartupBalanceId, 3, 60, 64, 12, false, HiddenDisabled),
      RadioButton("Termodynamikk", StartupThermochemistryId, 3, 73, 63, 12, false, HiddenDisabled),
      RadioButton("L\xF8"
                  "selighetsprodukt",
                  StartupSolubilityProductId, 73, 21, 73, 12, false, HiddenDisabled),
      RadioButton("Syre-base", StartupWeakAcidBaseId, 73, 34, 43, 12, false, HiddenDisabled),
      RadioButton("Ordliste", StartupDictionaryId, 73, 47, 40, 12, false, HiddenDisabled),
      RadioButton("Kjemikaliedatabase", StartupChemicalsDatabaseId, 73, 60, 73, 12, false, HiddenDisabled),
  };
  return dialog;
}

namespace {

constexpr MemberSetup TavrparaMembers[] = {
    {.id = StartupPeriodicTableId, .colours = ColourKind::Gray},
    {.id = StartupChemicalsDatabaseId, .colours = ColourKind::Gray},
    {.id = StartupBalanceId, .colours = ColourKind::Gray},
    {.id = StartupMolecularCalculatorId, .colours = ColourKind::Gray},
    {.id = StartupNoneId, .colours = ColourKind::Gray},
    {.id = StartupGroupId, .colours = ColourKind::Gray},
    {.id = StartupThermochemistryId, .colours = ColourKind::Gray},
    {.id = StartupSolubilityProductId, .colours = ColourKind::Gray},
    {.id = StartupWeakAcidBaseId, .colours = ColourKind::Gray},
    {.id = StartupDictionaryId, .colours = ColourKind::Gray},
};

constexpr EnglishText TavrparaEnglish[] = {
    {SetupCloseId, "Close"},
    {SaveSettingsId, "Save settings"},
};

}  // namespace

const WindowSetup TavrparaSetup{.members = TavrparaMembers, .englishCaption = "SETUP", .englishTexts = TavrparaEnglish};
