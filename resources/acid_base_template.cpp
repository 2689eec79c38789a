#include <string>

#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/acid_base_ids.h"
#include "resources/template_items.h"

namespace {

constexpr short FieldHeight = 13;
constexpr short BracketWidth = 7;
constexpr short BracketHeight = 19;
// Each of the three rows is a fraction K = [conjugate][H3O+/OH-] / [acid or base]: the numerator's
// two brackets side by side, the denominator's centred under them.
constexpr short LeftColumn = 6;
constexpr short LeftWidth = 90;
constexpr short EqualsColumn = 100;
constexpr short ConjugateOpen = 110;
constexpr short IonOpen = 226;
constexpr short DenominatorOpen = 168;
constexpr short IonWidth = 96;
constexpr short DenominatorGap = 22;

DialogItemTemplate ReadOnlyField(int id, short x, short y, short cx) {
  return Item("EDIT", "", id, Shown | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, x, y, cx, FieldHeight);
}

// The result fields are ordinary edits the window only writes.
DialogItemTemplate ResultField(int id, short x, short y, short cx) {
  return Item("EDIT", "", id, Shown | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL, x, y, cx, FieldHeight);
}

DialogItemTemplate InputField(int id, short x, short y, short cx) { return EditField(id, x, y, cx, FieldHeight); }

DialogItemTemplate Label(const char* text, int id, short x, short fieldY, short cx) {
  return StaticText(text, id, x, static_cast<short>(fieldY + 2), cx, 9);
}

// "[", the field, "]" from the opening bracket's column.
void AddBracketed(DialogTemplate& dialog, DialogItemTemplate field, int openId, int closeId, short open, short y) {
  dialog.items.push_back(StaticText("[", openId, open, static_cast<short>(y - 4), BracketWidth, BracketHeight));
  field.x = static_cast<short>(open + BracketWidth + 1);
  field.y = y;
  field.cx = IonWidth;
  dialog.items.push_back(field);
  dialog.items.push_back(StaticText("]", closeId, static_cast<short>(open + BracketWidth + IonWidth + 2),
                                    static_cast<short>(y - 4), BracketWidth, BracketHeight));
}

}  // namespace

// The weak acid/base window: the loaded record's names on top, the dissociation equation in water,
// then the symbolic row, the buffer's added amounts, the input row and the calculated row, each a
// fraction K = [conjugate][H3O+/OH-] / [acid or base]; the pH, the examples and the commands on the right.
DialogTemplate SyrebaseTemplate() {
  DialogTemplate dialog = ModalDialog("SVAK SYRE/BASE", 452, 280);
  constexpr short symbolicY = 90;
  constexpr short bufferY = 144;
  constexpr short inputY = 174;
  constexpr short resultY = 230;
  constexpr short rightColumn = 354;
  dialog.items = {
      StaticText("Navn (Eng.)", AcidEnglishNameLabelId, 6, 6, 66, 9),
      ReadOnlyField(AcidEnglishNameId, 74, 4, 176),
      StaticText("Navn (No.)", AcidNorwegianNameLabelId, 6, 22, 66, 9),
      ReadOnlyField(AcidNorwegianNameId, 74, 20, 176),
      StaticText("Temp.", AcidTemperatureLabelId, 262, 6, 24, 9),
      StaticText("o", AcidDegreeSignId, 287, 2, 6, 8),
      StaticText("C", AcidCelsiusId, 293, 6, 8, 9),
      ReadOnlyField(AcidTemperatureId, 304, 4, 40),
      EditField(AcidLineFiveId, 304, 20, 10, 12, HiddenDisabled),
      PushButton("Lukk", IDCANCEL, 398, 4, 48, 14),
      PushButton("OK", IDOK, 350, 20, 30, 12, HiddenDisabled),

      GroupBox("Dissosiasjonsligning", AcidEquationGroupId, 4, 36, 444, 44),
      StaticText(AcidNorwegianColumnHeads, AcidColumnHeadsId, 8, 47, 436, 9),
      Item("COMBOBOX", "", AcidFormulaId, Shown | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 8, 59, 110, 96),
      Label("+", AcidWaterPlusId, 121, 59, 7),
      Label("H", AcidWaterHId, 130, 59, 7),
      StaticText("2", AcidWaterTwoId, 137, 65, 5, 8),
      Label("O", AcidWaterOId, 142, 59, 8),
      Label("=", AcidEqualsId, 153, 59, 8),
      InputField(AcidConjugateFieldId, 163, 59, 120),
      Label("+", AcidIonPlusId, 287, 59, 8),
      InputField(AcidIonFieldId, 298, 59, 100),

      Label("K", SymbolicKId, 88, symbolicY + DenominatorGap / 2, 8),
      Label("=", SymbolicConstantEqualsId, EqualsColumn, symbolicY + DenominatorGap / 2, 8),

      GroupBox("Fellesioneffekt (buffer)", BufferGroupId, 104, bufferY - 14, 240, 34),

      InputField(ConstantInputId, LeftColumn, inputY + DenominatorGap / 2, LeftWidth),
      Label("=", ConstantEqualsId, EqualsColumn, inputY + DenominatorGap / 2, 8),
      StaticText("->F\xF8r diss.", BeforeDissociationMarkId, 284, inputY + DenominatorGap + 3, 60, 9),

      GroupBox("Beregnede verdier", AcidResultGroupId, 2, resultY - 14, 446, 60),
      ResultField(ResultConstantId, LeftColumn, resultY + DenominatorGap / 2, LeftWidth),
      Label("=", ResultConstantEqualsId, EqualsColumn, resultY + DenominatorGap / 2, 8),
      Label("pH =", ResultPHLabelId, rightColumn, resultY, 22),
      ResultField(ResultPHId, 378, resultY, 64),
      Label("pK =", ResultPKLabelId, rightColumn, resultY + DenominatorGap, 22),
      ResultField(ResultPKId, 378, resultY + DenominatorGap, 64),

      StaticText("Eksempler:", AcidExamplesLabelId, rightColumn, 88, 50, 9),
      DefaultPushButton("Beregn", CalculateAcidBaseId, rightColumn, 116, 92, 15),
      PushButton("Fjerne feltinnhold", EraseAcidInputsId, rightColumn, 134, 92, 15),
      Label("pH =", PHLabelId, rightColumn, inputY, 22),
      InputField(PHInputId, 378, inputY, 64),
      PushButton("Syre/base data", OpenAcidBaseDataId, rightColumn, 192, 92, 15),
      EditField(HiddenAcidFieldId, 420, 20, 10, 12, HiddenDisabled),
  };
  const DialogItemTemplate readOnly = ReadOnlyField(0, 0, 0, 0);
  const DialogItemTemplate input = InputField(0, 0, 0, 0);
  const DialogItemTemplate result = ResultField(0, 0, 0, 0);
  const auto bracketed = [&](DialogItemTemplate field, int id, int openId, int closeId, short open, short y) {
    field.id = id;
    AddBracketed(dialog, field, openId, closeId, open, y);
  };
  bracketed(readOnly, SymbolicConjugateId, SymbolicConjugateOpenId, SymbolicConjugateCloseId, ConjugateOpen, symbolicY);
  bracketed(readOnly, SymbolicIonId, SymbolicIonOpenId, SymbolicIonCloseId, IonOpen, symbolicY);
  bracketed(readOnly, SymbolicAcidId, SymbolicAcidOpenId, SymbolicAcidCloseId, DenominatorOpen,
            symbolicY + DenominatorGap);
  bracketed(input, AddedConjugateId, AddedConjugateOpenId, AddedConjugateCloseId, ConjugateOpen, bufferY);
  bracketed(input, AddedIonId, AddedIonOpenId, AddedIonCloseId, IonOpen, bufferY);
  bracketed(input, ConjugateInputId, InputConjugateOpenId, InputConjugateCloseId, ConjugateOpen, inputY);
  bracketed(input, IonInputId, InputIonOpenId, InputIonCloseId, IonOpen, inputY);
  bracketed(input, InitialInputId, InputInitialOpenId, InputInitialCloseId, DenominatorOpen, inputY + DenominatorGap);
  bracketed(result, ResultConjugateId, ResultConjugateOpenId, ResultConjugateCloseId, ConjugateOpen, resultY);
  bracketed(result, ResultIonId, ResultIonOpenId, ResultIonCloseId, IonOpen, resultY);
  bracketed(result, ResultUndissociatedId, ResultAcidOpenId, ResultAcidCloseId, DenominatorOpen,
            resultY + DenominatorGap);
  for (int i = 0; i <= LastAcidExampleId - FirstAcidExampleId; ++i) {
    const std::string number = std::to_string(i + 1);
    dialog.items.push_back(
        PushButton(number.c_str(), FirstAcidExampleId + i, static_cast<short>(rightColumn + 15 * i), 99, 12, 13));
  }
  return dialog;
}

namespace {

constexpr MemberFont TallBracket{-24};

constexpr MemberSetup Gray(int id, int count = 1) { return {.id = id, .count = count, .colours = ColourKind::Gray}; }
constexpr MemberSetup SmallGray(int id) { return {.id = id, .colours = ColourKind::Gray, .font = HelvSmall}; }
constexpr MemberSetup Brackets(int id, int count) {
  return {.id = id, .count = count, .colours = ColourKind::Gray, .font = TallBracket};
}

constexpr MemberSetup SyrebaseMembers[] = {
    Gray(AcidEnglishNameId),
    Gray(AcidNorwegianNameId),
    Gray(AcidTemperatureId),
    Gray(AcidEnglishNameLabelId, AcidWaterPlusId - AcidEnglishNameLabelId + 1),
    Gray(SymbolicIonId),
    Gray(SymbolicConjugateId),
    Gray(SymbolicAcidId),
    SmallGray(ResultConstantEqualsId),
    Gray(SymbolicKId),
    SmallGray(AcidColumnHeadsId),
    Gray(SymbolicConstantEqualsId),
    Brackets(SymbolicConjugateOpenId, 6),
    Brackets(InputIonOpenId, 6),
    Gray(ConstantEqualsId),
    Gray(ResultPHLabelId),
    Gray(PHLabelId),
    Brackets(AddedConjugateOpenId, 4),
    Gray(BufferGroupId),
    Brackets(ResultIonOpenId, 6),
    Gray(ResultIonId),
    Gray(ResultConjugateId),
    Gray(ResultUndissociatedId),
    Gray(ResultConstantId),
    Gray(ResultPHId),
    Gray(AcidResultGroupId),
    Gray(ResultPKId),
    Gray(ResultPKLabelId),
    Gray(AcidExamplesLabelId),
    SmallGray(BeforeDissociationMarkId),
    Gray(AcidEquationGroupId),
};

constexpr EnglishText SyrebaseEnglish[] = {
    {AcidEnglishNameLabelId, "Name:"},
    {AcidNorwegianNameLabelId, "Trivial name etc.:"},
    {IDCANCEL, "Close"},
    {AcidEquationGroupId, "Equation of dissociation"},
    {AcidColumnHeadsId, AcidEnglishColumnHeads},
    {BufferGroupId, "Common ion effect (buffer)"},
    {AcidExamplesLabelId, "Examples:"},
    {BeforeDissociationMarkId, "->Before dissoc."},
    {EraseAcidInputsId, "Erase text"},
    {CalculateAcidBaseId, "Calculate"},
    {AcidResultGroupId, "Calculated values"},
    {OpenAcidBaseDataId, "Acid/base data"},
};

}  // namespace

const WindowSetup SyrebaseSetup{
    .members = SyrebaseMembers, .englishCaption = "WEAK ACID/BASE", .englishTexts = SyrebaseEnglish};
