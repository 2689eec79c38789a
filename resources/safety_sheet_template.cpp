#include "platform/win/control_constants.h"
#include "resources/safety_sheet_ids.h"
#include "resources/dialog_templates.h"
#include "resources/template_items.h"

namespace {

// The label column holds the widest label ("Destruering") whole at every scale; the fields take the
// rest of the window's width.
constexpr short LabelX = 1;
constexpr short LabelWidth = 42;
constexpr short FieldX = 45;
constexpr short FieldWidth = 315;

struct SectionPlace {
  int fieldId;
  const char* upperLabel;
  const char* lowerLabel;
  short height;
};

// From top to bottom.
constexpr SectionPlace SectionPlaces[] = {
    {RiskPhrasesFieldId, "Risiko-", "setninger", 19},
    {SafetyPhrasesFieldId, "Sikkerhets-", "setninger", 19},
    {HealthHazardFieldId, "Helsefare", "", 19},
    {FireHazardFieldId, "Brann/fare", "", 20},
    {FirstAidFieldId, "F\xF8rstehjelp", "", 43},
    {PreventiveMeasuresFieldId, "Forebygg.", "tiltak", 43},
    {StorageFieldId, "Lagring", "", 11},
    {DisposalFieldId, "Destruering", "", 19},
    {HealthInstructionsFieldId, "Instruk. til", "helsepers.", 19},
    {OtherFieldId, "Annet", "", 11},
};

constexpr short ClassLabelY = 227;
constexpr short ClassRowY = 235;
constexpr short ButtonRowY = 249;

DialogItemTemplate ClassList(int id, short x, short cx) {
  return Item("COMBOBOX", "", id, Shown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, x, ClassRowY, cx, 80);
}

}  // namespace

// The ten sections of the safety text, one field each with its label on the left, and below them
// the three hazard classes, each list under its label, and the buttons.
DialogTemplate DatabladTemplate() {
  DialogTemplate dialog = ModalDialog("RISIKO/SIKKERHET", 362, 263);
  dialog.x = 0;
  dialog.y = 2;
  short y = 1;
  int labelId = FirstSectionLabelId;
  for (const SectionPlace& section : SectionPlaces) {
    dialog.items.push_back(StaticText(section.upperLabel, labelId++, LabelX, y + 1, LabelWidth, 8));
    if (section.lowerLabel[0] != '\0') {
      dialog.items.push_back(StaticText(section.lowerLabel, labelId++, LabelX, y + 9, LabelWidth, 8));
    }
    dialog.items.push_back(Item("EDIT", "", section.fieldId,
                                Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                    ES_WANTRETURN,
                                FieldX, y, FieldWidth, section.height));
    y = static_cast<short>(y + section.height);
  }
  const DialogItemTemplate rest[] = {
      StaticText("Faremerking", HazardHeadingId, LabelX, ClassRowY + 2, 44, 8),
      StaticText("Helsefare", HealthClassLabelId, 47, ClassLabelY, 60, 8),
      ClassList(HealthClassListId, 47, 96),
      StaticText("Brannfare", FireClassLabelId, 147, ClassLabelY, 60, 8),
      ClassList(FireClassListId, 147, 108),
      StaticText("Milj\xF8" "fare", EnvironmentClassLabelId, 259, ClassLabelY, 60, 8),
      ClassList(EnvironmentClassListId, 259, 102),
      PushButton("Fjern tekst", ClearSectionsId, FieldX, ButtonRowY, 50, 13),
      PushButton("Fjern tekst og insett mal", InsertTemplatesId, 99, ButtonRowY, 92, 13),
      PushButton("Hurtigredigering", QuickEditButtonId, 195, ButtonRowY, 66, 13),
      PushButton("Lukk", SheetCloseId, 320, ButtonRowY, 40, 13),
      PushButton("OK", SheetOkId, 280, ButtonRowY, 30, 13, HiddenDisabled),
  };
  dialog.items.insert(dialog.items.end(), std::begin(rest), std::end(rest));
  return dialog;
}

namespace {

constexpr MemberSetup DatabladMembers[] = {
    {.id = FirstSectionLabelId, .count = SectionLabelCount, .colours = ColourKind::Gray},
    {.id = HazardHeadingId, .colours = ColourKind::Gray, .font = HelvSmallBold},
    {.id = FireClassLabelId, .count = 2, .colours = ColourKind::Gray},
    {.id = EnvironmentClassLabelId, .colours = ColourKind::Gray},
};

}  // namespace

const WindowSetup DatabladSetup{.members = DatabladMembers};
