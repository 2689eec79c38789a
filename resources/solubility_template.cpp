#include <string>

#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/solubility_ids.h"
#include "resources/template_items.h"

namespace {

constexpr short FieldHeight = 13;
constexpr short BracketWidth = 7;
constexpr short BracketHeight = 19;
// The lower three rows read "left = [cation] a * [anion] b"; these are their columns.
constexpr short LeftColumn = 6;
constexpr short LeftWidth = 90;
constexpr short EqualsColumn = 100;
constexpr short CationOpen = 110;
constexpr short CationColumn = 118;
constexpr short IonWidth = 96;
constexpr short CationClose = 215;
constexpr short CationExponent = 223;
constexpr short TimesColumn = 240;
constexpr short AnionOpen = 252;
constexpr short AnionColumn = 260;
constexpr short AnionClose = 357;
constexpr short AnionExponent = 365;
constexpr short ExponentWidth = 14;
// The equation row and the amount and mass rows below it share four columns.
constexpr short SaltColumn = 50;
constexpr short SaltWidth = 92;
constexpr short CationFieldColumn = 154;
constexpr short AnionFieldColumn = 254;
constexpr short WaterColumn = 354;
constexpr short RowFieldWidth = 88;
constexpr short WaterWidth = 90;

DialogItemTemplate ReadOnlyField(int id, short x, short y, short cx) {
  return Item("EDIT", "", id, Shown | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, x, y, cx, FieldHeight);
}

DialogItemTemplate InputField(int id, short x, short y, short cx) { return EditField(id, x, y, cx, FieldHeight); }

DialogItemTemplate Bracket(const char* text, int id, short x, short fieldY) {
  return StaticText(text, id, x, static_cast<short>(fieldY - 4), BracketWidth, BracketHeight);
}

DialogItemTemplate Exponent(int id, short x, short fieldY) {
  return StaticText("", id, x, static_cast<short>(fieldY - 5), ExponentWidth, 9);
}

DialogItemTemplate Operator(const char* text, int id, short x, short fieldY) {
  return StaticText(text, id, x, static_cast<short>(fieldY + 2), 8, 9);
}

const std::string ColumnHeads = "Formel" + std::string(36, ' ') + "Kation (+?)" + std::string(30, ' ') + "Anion (-?)" +
                                std::string(32, ' ') + "krystallvann etc.";

}  // namespace

// The solubility-product window: the loaded record's names on top, the dissociation equation with
// the amount and mass of each species under it, then the symbolic row, the common-ion inputs, the
// input row and the calculated row, each read as Ksp = [cation] a * [anion] b.
DialogTemplate SoluprodTemplate() {
  DialogTemplate dialog = ModalDialog("L\xD8SELIGHETSPRODUKT", 452, 304);
  constexpr short symbolicY = 174;
  constexpr short commonY = 210;
  constexpr short inputY = 240;
  constexpr short resultY = 278;
  dialog.items = {
      StaticText("Navn (Eng.)", SaltEnglishNameLabelId, 6, 6, 66, 9),
      ReadOnlyField(SaltEnglishNameId, 74, 4, 176),
      StaticText("Navn (No.)", SaltNorwegianNameLabelId, 6, 22, 66, 9),
      ReadOnlyField(SaltNorwegianNameId, 74, 20, 176),
      StaticText("Temp.", SaltTemperatureLabelId, 262, 6, 24, 9),
      StaticText("o", SaltDegreeSignId, 287, 2, 6, 8),
      StaticText("C", SaltCelsiusId, 293, 6, 8, 9),
      ReadOnlyField(SaltTemperatureId, 304, 4, 40),
      PushButton("Lukk", IDCANCEL, 398, 4, 48, 14),
      PushButton("OK", IDOK, 350, 20, 30, 12, HiddenDisabled),

      GroupBox("Dissosiasjonsligning", DissociationGroupId, 4, 36, 444, 52),
      StaticText("Ikke-dissosiert komponent", UndissociatedHeadId, WaterColumn, 45, WaterWidth, 9),
      StaticText(ColumnHeads.c_str(), SaltColumnHeadsId, SaltColumn, 56, 394, 9),
      Item("COMBOBOX", "", SaltFormulaId, Shown | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL, SaltColumn,
           68, SaltWidth, 96),
      Operator("=", SaltEqualsId, 145, 68),
      InputField(CationFieldId, CationFieldColumn, 68, RowFieldWidth),
      Operator("+", AnionPlusId, 245, 68),
      InputField(AnionFieldId, AnionFieldColumn, 68, RowFieldWidth),
      Operator("+", CrystalWaterPlusId, 345, 68),
      InputField(CrystalWaterFieldId, WaterColumn, 68, WaterWidth),
      StaticText("krystallvann etc.", HiddenCrystalWaterHeadId, WaterColumn, 45, 60, 9, HiddenDisabled),

      StaticText("Mol", AmountHeadId, 6, 98, 40, 9),
      InputField(SaltAmountId, SaltColumn, 96, SaltWidth),
      ReadOnlyField(CationAmountId, CationFieldColumn, 96, RowFieldWidth),
      ReadOnlyField(AnionAmountId, AnionFieldColumn, 96, RowFieldWidth),
      ReadOnlyField(CrystalWaterAmountId, WaterColumn, 96, WaterWidth),
      StaticText("Masse(g)", MassHeadId, 6, 114, 42, 9),
      InputField(SaltMassId, SaltColumn, 112, SaltWidth),
      ReadOnlyField(CationMassId, CationFieldColumn, 112, RowFieldWidth),
      ReadOnlyField(AnionMassId, AnionFieldColumn, 112, RowFieldWidth),
      ReadOnlyField(CrystalWaterMassId, WaterColumn, 112, WaterWidth),
      StaticText("Masse (l\xF8sn.middel)", SolventLabelId, 6, 133, 80, 9),
      InputField(SolventMassId, 88, 131, 54),
      StaticText("kg", SolventUnitId, 145, 133, 12, 9),
      DefaultPushButton("Beregn", CalculateSolubilityId, AnionFieldColumn, 130, RowFieldWidth, 15),
      PushButton("L\xF8selighetsdata", OpenSolubilityDataId, WaterColumn, 130, WaterWidth, 15),
      StaticText("Eksempler:", SolubilityExamplesLabelId, 6, 152, 44, 9),

      StaticText("K", KspSymbolId, 80, symbolicY + 2, 7, 9),
      StaticText("sp", KspSubscriptId, 87, symbolicY + 6, 11, 8),
      Operator("=", SymbolicEqualsId, EqualsColumn, symbolicY),
      Bracket("[", SymbolicCationOpenId, CationOpen, symbolicY),
      ReadOnlyField(SymbolicCationId, CationColumn, symbolicY, IonWidth),
      Bracket("]", SymbolicCationCloseId, CationClose, symbolicY),
      Exponent(SymbolicCationExponentId, CationExponent, symbolicY),
      Operator("*", SymbolicTimesId, TimesColumn, symbolicY),
      Bracket("[", SymbolicAnionOpenId, AnionOpen, symbolicY),
      ReadOnlyField(SymbolicAnionId, AnionColumn, symbolicY, IonWidth),
      Bracket("]", SymbolicAnionCloseId, AnionClose, symbolicY),
      Exponent(SymbolicAnionExponentId, AnionExponent, symbolicY),

      GroupBox("Eksternt ionebidrag (fellesioneffekt)", CommonIonGroupId, 104, 196, 292, 34),
      Bracket("[", CommonCationOpenId, CationOpen, commonY),
      InputField(CationCommonIonId, CationColumn, commonY, IonWidth),
      Bracket("]", CommonCationCloseId, CationClose, commonY),
      Bracket("[", CommonAnionOpenId, AnionOpen, commonY),
      InputField(AnionCommonIonId, AnionColumn, commonY, IonWidth),
      Bracket("]", CommonAnionCloseId, AnionClose, commonY),
      GroupBox("              tomme felter", HiddenEmptyFieldsGroupId, 400, 196, 46, 34, HiddenDisabled),
      StaticText("3", HiddenThreeId, 404, 210, 8, 9, HiddenDisabled),

      InputField(KspInputId, LeftColumn, inputY, LeftWidth),
      Operator("=", InputEqualsId, EqualsColumn, inputY),
      Bracket("[", InputCationOpenId, CationOpen, inputY),
      InputField(CationConcentrationId, CationColumn, inputY, IonWidth),
      Bracket("]", InputCationCloseId, CationClose, inputY),
      Exponent(InputCationExponentId, CationExponent, inputY),
      Operator("*", InputTimesId, TimesColumn, inputY),
      Bracket("[", InputAnionOpenId, AnionOpen, inputY),
      InputField(AnionConcentrationId, AnionColumn, inputY, IonWidth),
      Bracket("]", InputAnionCloseId, AnionClose, inputY),
      Exponent(InputAnionExponentId, AnionExponent, inputY),

      GroupBox("Beregnede verdier", ResultGroupId, 2, 262, 394, 38),
      ReadOnlyField(ResultKspId, LeftColumn, resultY, LeftWidth),
      Operator("=", ResultEqualsId, EqualsColumn, resultY),
      Bracket("[", ResultCationOpenId, CationOpen, resultY),
      ReadOnlyField(ResultCationId, CationColumn, resultY, IonWidth),
      Bracket("]", ResultCationCloseId, CationClose, resultY),
      Exponent(ResultCationExponentId, CationExponent, resultY),
      Operator("*", ResultTimesId, TimesColumn, resultY),
      Bracket("[", ResultAnionOpenId, AnionOpen, resultY),
      ReadOnlyField(ResultAnionId, AnionColumn, resultY, IonWidth),
      Bracket("]", ResultAnionCloseId, AnionClose, resultY),
      Exponent(ResultAnionExponentId, AnionExponent, resultY),
  };
  for (int i = 0; i <= LastSolubilityExampleId - FirstSolubilityExampleId; ++i) {
    const std::string number = std::to_string(i + 1);
    dialog.items.push_back(
        PushButton(number.c_str(), FirstSolubilityExampleId + i, static_cast<short>(52 + 15 * i), 150, 12, 13));
  }
  return dialog;
}

namespace {

constexpr MemberFont TallBracket{-24};

constexpr MemberSetup Brackets(int id) { return {.id = id, .colours = ColourKind::Gray, .font = TallBracket}; }
constexpr MemberSetup Gray(int id, int count = 1) { return {.id = id, .count = count, .colours = ColourKind::Gray}; }
constexpr MemberSetup SmallGray(int id) { return {.id = id, .colours = ColourKind::Gray, .font = HelvSmall}; }

constexpr MemberSetup SoluprodMembers[] = {
    Gray(SaltEqualsId),
    SmallGray(HiddenCrystalWaterHeadId),
    SmallGray(UndissociatedHeadId),
    Gray(CrystalWaterPlusId, SaltCelsiusId - CrystalWaterPlusId + 1),
    SmallGray(SaltColumnHeadsId),
    Gray(SaltEnglishNameId),
    Gray(SaltNorwegianNameId),
    Gray(SaltTemperatureId),
    Gray(DissociationGroupId),
    Gray(InputCationExponentId),
    Gray(InputAnionExponentId),
    Gray(InputEqualsId),
    Gray(InputTimesId),
    Gray(SymbolicCationId),
    Gray(SymbolicAnionId),
    Gray(CationAmountId),
    Gray(KspSymbolId),
    Gray(KspSubscriptId),
    Brackets(SymbolicAnionOpenId),
    Brackets(SymbolicCationOpenId),
    Brackets(SymbolicAnionCloseId),
    Brackets(SymbolicCationCloseId),
    Gray(SymbolicCationExponentId),
    Gray(SymbolicAnionExponentId),
    Gray(SymbolicTimesId),
    Gray(SymbolicEqualsId),
    Gray(AnionAmountId),
    Gray(CommonIonGroupId),
    Gray(SolventLabelId, 3),
    Gray(CationMassId),
    Gray(AnionMassId),
    Brackets(InputCationOpenId),
    Brackets(InputAnionOpenId),
    Brackets(InputCationCloseId),
    Brackets(InputAnionCloseId),
    Gray(AmountHeadId),
    Gray(HiddenEmptyFieldsGroupId),
    Gray(MassHeadId),
    Brackets(CommonCationCloseId),
    Brackets(CommonCationOpenId),
    Brackets(CommonAnionCloseId),
    Brackets(CommonAnionOpenId),
    Gray(CrystalWaterMassId),
    Gray(CrystalWaterAmountId),
    Gray(ResultGroupId),
    Gray(SolubilityExamplesLabelId),
    Gray(ResultKspId),
    Gray(ResultCationId),
    Gray(ResultAnionId),
    Brackets(ResultCationOpenId),
    Brackets(ResultCationCloseId),
    Brackets(ResultAnionOpenId),
    Brackets(ResultAnionCloseId),
    Gray(ResultTimesId),
    Gray(ResultEqualsId),
    Gray(ResultAnionExponentId),
    Gray(ResultCationExponentId),
};

constexpr const char* EnglishColumnHeads =
    "Formula                                   Cation (+?)                               "
    "Anion (-?)                                crystal water etc.";

constexpr EnglishText SoluprodEnglish[] = {
    {SaltEnglishNameLabelId, "Name:"},
    {SaltNorwegianNameLabelId, "Trivial name etc:"},
    {IDCANCEL, "Close"},
    {DissociationGroupId, "Equation of dissociation"},
    {SaltColumnHeadsId, EnglishColumnHeads},
    {UndissociatedHeadId, "Undissociated component"},
    {MassHeadId, "Mass(g)"},
    {SolventLabelId, "Mass (solvent)"},
    {CalculateSolubilityId, "Calculate"},
    {SolubilityExamplesLabelId, "Examples:"},
    {CommonIonGroupId, "Additional ion supply (Common Ion Effect)"},
    {ResultGroupId, "Calculated values"},
    {OpenSolubilityDataId, "Solubility data"},
};

}  // namespace

const WindowSetup SoluprodSetup{
    .members = SoluprodMembers, .englishCaption = "SOLUBILITY PRODUCT", .englishTexts = SoluprodEnglish};
