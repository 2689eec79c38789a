#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/electrochemistry_ids.h"
#include "resources/template_items.h"

namespace {

constexpr DWORD CheckBoxStyle = Shown | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD HalfReactionListStyle = Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY;
constexpr DWORD ResultStyle = Shown | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;

DialogItemTemplate CheckBox(const char* text, int id, short x, short y, short cx) {
  return Item("BUTTON", text, id, CheckBoxStyle, x, y, cx, 10);
}

DialogItemTemplate Delta(int id, short x, short y) { return OwnerDrawButton("", id, x, y, 7, 8, Shown, false); }

// The columns of the two solver rows: the button, then the fields with the units between them.
constexpr short RowButtonX = 4;
constexpr short FirstFieldX = 62;
constexpr short SecondFieldX = 148;
constexpr short ThirdFieldX = 264;
// The equilibrium row's heading stands so that R is over the gas constant and T over the temperature.
constexpr short EquilibriumHeadingX = 119;
constexpr short LnKFieldX = 274;

}  // namespace

// The electrochemistry window: two lists of half reactions, the two half reactions with their
// potentials, the cell reaction with its potential, the balance options, and the two rows that solve
// the Gibbs-energy and the equilibrium relations.
DialogTemplate RedoksTemplate() {
  DialogTemplate dialog = ModalDialog("ELEKTROKJEMI", 420, 324);
  dialog.items = {
      DefaultPushButton("OK", RedoxOkId, 180, 1, 30, 12, HiddenDisabled),
      EditField(UnusedRedoxField1Id, 214, 1, 8, 12, HiddenDisabled),
      EditField(UnusedRedoxField2Id, 224, 1, 8, 12, HiddenDisabled),
      EditField(UnusedRedoxField3Id, 234, 1, 8, 12, HiddenDisabled),
      EditField(UnusedRedoxField4Id, 244, 1, 8, 12, HiddenDisabled),
      CheckBox("Snu ligning ved valg", TurnLeftOnSelectionId, 4, 4, 120),
      CheckBox("Snu ligning ved valg", TurnRightOnSelectionId, 214, 4, 120),
      Item("LISTBOX", "", LeftHalfReactionListId, HalfReactionListStyle, 4, 16, 202, 64),
      Item("LISTBOX", "", RightHalfReactionListId, HalfReactionListStyle, 214, 16, 202, 64),
      PushButton("Fjerne tekstfeltinnhold", EraseRedoxFieldsId, 4, 84, 104, 14),
      DefaultPushButton("Beregn", CalculateCellId, 116, 84, 60, 14),
      StaticText("Eksempler:", RedoxExamplesLabelId, 300, 87, 50, 9),
      PushButton("1", FirstRedoxExampleId, 352, 85, 14, 12),
      PushButton("2", FirstRedoxExampleId + 1, 368, 85, 14, 12),
      PushButton("3", FirstRedoxExampleId + 2, 384, 85, 14, 12),
      PushButton("4", LastRedoxExampleId, 400, 85, 14, 12),
      GroupBox("Halvcellereaksjoner", HalfReactionsGroupId, 4, 102, 412, 50),
      EditField(LeftHalfReactionId, 10, 114, 262, 12),
      PushButton("Snu", TurnLeftId, 278, 114, 36, 12),
      EditField(LeftPotentialId, 320, 114, 76, 12),
      StaticText("V", LeftPotentialUnitId, 400, 116, 10, 9),
      EditField(RightHalfReactionId, 10, 132, 262, 12),
      PushButton("Snu", TurnRightId, 278, 132, 36, 12),
      EditField(RightPotentialId, 320, 132, 76, 12),
      StaticText("V", RightPotentialUnitId, 400, 134, 10, 9),
      Item("EDIT", "", CellReactionId, ResultStyle, 4, 158, 310, 12),
      Item("EDIT", "", CellPotentialId, ResultStyle, 320, 158, 76, 12),
      StaticText("V", CellPotentialUnitId, 400, 160, 10, 9),
      GroupBox("Balansere - Valg", BalanceOptionsGroupId, 4, 176, 130, 44),
      CheckBox("Fjern multiple forb.", RemoveMultipleSpeciesId, 10, 193, 120),
      GroupBox("Vann", WaterGroupId, 142, 176, 150, 44),
      CheckBox("   H  +  OH", CombineIntoWaterId, 148, 190, 46),
      StaticText("+", WaterHydrogenPlusId, 167, 183, 5, 7),
      StaticText("-", WaterHydroxideMinusId, 187, 183, 5, 7),
      StaticText("=  H2O", WaterEqualsId, 196, 191, 36, 9),
      StaticText("   H3O + OH ", WaterSecondLineId, 158, 206, 54, 9),
      StaticText("+", WaterHydroniumPlusId, 175, 199, 5, 7),
      StaticText("-", WaterSecondMinusId, 192, 199, 5, 7),
      Delta(GibbsRowDeltaId, FirstFieldX + 20, 230),
      StaticText("G           =                -n               *       F           *", GibbsRowTextId,
                 FirstFieldX + 27, 231, 170, 9),
      StaticText("E", GibbsRowEId, ThirdFieldX + 30, 231, 7, 9),
      StaticText("o", GibbsRowOId, ThirdFieldX + 37, 227, 5, 9),
      PushButton("Beregn-->", SolveGibbsRowId, RowButtonX, 241, 54, 13),
      EditField(GibbsEnergyFieldId, FirstFieldX, 242, 62, 12),
      StaticText("J  =", GibbsRowUnitId, FirstFieldX + 64, 244, 20, 9),
      EditField(ElectronsFieldId, SecondFieldX, 242, 32, 12),
      StaticText("mol * 96485 C/mol *", ElectronsUnitId, SecondFieldX + 34, 244, 82, 9),
      EditField(PotentialFieldId, ThirdFieldX, 242, 76, 12),
      StaticText("V", PotentialRowUnitId, ThirdFieldX + 78, 244, 10, 9),
      StaticText("-", EquilibriumRowMinusId, EquilibriumHeadingX - 12, 263, 5, 9),
      Delta(EquilibriumRowDeltaId, EquilibriumHeadingX - 7, 262),
      StaticText("G           =         R                 *         T           *", EquilibriumRowTextId,
                 EquilibriumHeadingX, 263, 170, 9),
      StaticText("ln K", EquilibriumRowLnKId, LnKFieldX + 22, 263, 20, 9),
      PushButton("Beregn-->", SolveEquilibriumRowId, RowButtonX, 273, 54, 13),
      EditField(EquilibriumGibbsFieldId, FirstFieldX, 274, 62, 12),
      StaticText("J  =", EquilibriumGibbsUnitId, FirstFieldX + 64, 276, 20, 9),
      StaticText("8.31451 J/(mol K) *", GasConstantId, SecondFieldX, 276, 66, 9),
      EditField(TemperatureFieldId, SecondFieldX + 68, 274, 36, 12),
      StaticText("K *", TemperatureUnitId, SecondFieldX + 106, 276, 16, 9),
      EditField(LnKFieldId, LnKFieldX, 274, 60, 12),
      StaticText("K =", EquilibriumConstantLabelId, LnKFieldX + 64, 276, 16, 9),
      Item("EDIT", "", EquilibriumConstantId, ResultStyle, LnKFieldX + 82, 274, 60, 12),
      PushButton("Elektrokjemiske data", ElectrochemicalDataId, 4, 304, 100, 15),
      PushButton("Lukk", RedoxCloseId, 372, 304, 44, 15),
  };
  return dialog;
}

namespace {

constexpr MemberSetup RedoksMembers[] = {
    {.id = TurnLeftOnSelectionId, .colours = ColourKind::Gray},
    {.id = TurnRightOnSelectionId, .colours = ColourKind::Gray},
    {.id = LeftHalfReactionListId, .colours = ColourKind::White},
    {.id = RightHalfReactionListId, .colours = ColourKind::White},
    {.id = EraseRedoxFieldsId},
    {.id = CalculateCellId},
    {.id = RedoxExamplesLabelId, .colours = ColourKind::Gray},
    {.id = FirstRedoxExampleId, .count = 4},
    {.id = HalfReactionsGroupId, .colours = ColourKind::Gray},
    {.id = LeftHalfReactionId, .colours = ColourKind::White},
    {.id = TurnLeftId},
    {.id = LeftPotentialId, .colours = ColourKind::White},
    {.id = LeftPotentialUnitId, .colours = ColourKind::Gray},
    {.id = RightHalfReactionId, .colours = ColourKind::White},
    {.id = TurnRightId},
    {.id = RightPotentialId, .colours = ColourKind::White},
    {.id = RightPotentialUnitId, .colours = ColourKind::Gray},
    {.id = CellReactionId, .colours = ColourKind::Gray},
    {.id = CellPotentialId, .colours = ColourKind::Gray},
    {.id = CellPotentialUnitId, .colours = ColourKind::Gray},
    {.id = BalanceOptionsGroupId, .colours = ColourKind::Gray},
    {.id = RemoveMultipleSpeciesId, .colours = ColourKind::Gray},
    {.id = WaterGroupId, .colours = ColourKind::Gray},
    {.id = CombineIntoWaterId, .colours = ColourKind::Gray},
    {.id = WaterHydrogenPlusId, .colours = ColourKind::Gray},
    {.id = WaterHydroxideMinusId, .colours = ColourKind::Gray},
    {.id = WaterEqualsId, .colours = ColourKind::Gray},
    {.id = WaterSecondLineId, .colours = ColourKind::Gray},
    {.id = WaterHydroniumPlusId, .colours = ColourKind::Gray},
    {.id = WaterSecondMinusId, .colours = ColourKind::Gray},
    {.id = GibbsRowDeltaId, .picture = {"DELTA", PictureLook::Stretched}},
    {.id = GibbsRowTextId, .colours = ColourKind::Gray},
    {.id = GibbsRowEId, .colours = ColourKind::Gray},
    {.id = GibbsRowOId, .colours = ColourKind::Gray},
    {.id = SolveGibbsRowId},
    {.id = GibbsEnergyFieldId, .colours = ColourKind::White},
    {.id = GibbsRowUnitId, .colours = ColourKind::Gray},
    {.id = ElectronsFieldId, .colours = ColourKind::White},
    {.id = ElectronsUnitId, .colours = ColourKind::Gray},
    {.id = PotentialFieldId, .colours = ColourKind::White},
    {.id = PotentialRowUnitId, .colours = ColourKind::Gray},
    {.id = EquilibriumRowMinusId, .colours = ColourKind::Gray},
    {.id = EquilibriumRowDeltaId, .picture = {"DELTA", PictureLook::Stretched}},
    {.id = EquilibriumRowTextId, .colours = ColourKind::Gray},
    {.id = EquilibriumRowLnKId, .colours = ColourKind::Gray},
    {.id = SolveEquilibriumRowId},
    {.id = EquilibriumGibbsFieldId, .colours = ColourKind::White},
    {.id = EquilibriumGibbsUnitId, .colours = ColourKind::Gray},
    {.id = GasConstantId, .colours = ColourKind::Gray},
    {.id = TemperatureFieldId, .colours = ColourKind::White},
    {.id = TemperatureUnitId, .colours = ColourKind::Gray},
    {.id = LnKFieldId, .colours = ColourKind::White},
    {.id = EquilibriumConstantLabelId, .colours = ColourKind::Gray},
    {.id = EquilibriumConstantId, .colours = ColourKind::Gray},
    {.id = ElectrochemicalDataId},
};

constexpr EnglishText RedoksEnglish[] = {
    {TurnLeftOnSelectionId, "Turn eq. by selection"},
    {TurnRightOnSelectionId, "Turn eq. by selection"},
    {EraseRedoxFieldsId, "Erase text"},
    {CalculateCellId, "Calculate"},
    {RedoxExamplesLabelId, "Examples:"},
    {HalfReactionsGroupId, "Half cell reactions"},
    {TurnLeftId, "Turn"},
    {TurnRightId, "Turn"},
    {BalanceOptionsGroupId, "Balance-Options"},
    {RemoveMultipleSpeciesId, "Remove mult.species"},
    {WaterGroupId, "Water"},
    {SolveGibbsRowId, "Calculate-->"},
    {SolveEquilibriumRowId, "Calculate-->"},
    {ElectrochemicalDataId, "Electrochemical data"},
    {RedoxCloseId, "Close"},
};

}  // namespace

const WindowSetup RedoksSetup{
    .members = RedoksMembers, .englishCaption = "ELECTROCHEMISTRY", .englishTexts = RedoksEnglish};
