#include <array>

#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/chemicals_database_ids.h"
#include "resources/template_items.h"

namespace {

constexpr DWORD CheckBoxStyle = Shown | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD ReadOnlyField = WS_DISABLED;
constexpr short RowPitch = 10;
constexpr short FieldHeight = 10;
constexpr short LabelHeight = 9;
// A push button's face holds a whole line, descenders included, at every scale.
constexpr short ButtonHeight = 12;

// The record area's two columns: labels, then the fields from FieldX to the column's end.
constexpr short FirstRecordRowY = 112;
constexpr short LeftLabelX = 6;
constexpr short LeftFieldX = 80;
constexpr short LeftEndX = 179;
constexpr short RightLabelX = 183;
constexpr short RightFieldX = 252;
constexpr short RightEndX = 358;

short RowY(int row) { return static_cast<short>(FirstRecordRowY + row * RowPitch); }

// The record area's labels and units without an id of their own are numbered in the order they
// are laid out, so that the window's array of them gets their font and colours.
int nextLabelId = RecordLabelFirstId;
int NextLabelId() { return nextLabelId++; }

DialogItemTemplate Label(const char* text, int id, short x, short y, short cx) {
  return StaticText(text, id, x, static_cast<short>(y + 1), cx, LabelHeight);
}

DialogItemTemplate Field(int id, short x, short y, short cx) { return EditField(id, x, y, cx, FieldHeight); }

// A record row with one field over the rest of its column.
void AddWideRow(DialogTemplate& dialog, const char* label, int labelId, int fieldId, int row, bool right) {
  const short labelX = right ? RightLabelX : LeftLabelX;
  const short fieldX = right ? RightFieldX : LeftFieldX;
  const short endX = right ? RightEndX : LeftEndX;
  dialog.items.push_back(Label(label, labelId, labelX, RowY(row), static_cast<short>(fieldX - labelX - 2)));
  dialog.items.push_back(Field(fieldId, fieldX, RowY(row), static_cast<short>(endX - fieldX)));
}

// A numeric record row of the left column: a short prefix field (a less-than sign and the like),
// the value, and its unit.
constexpr short PrefixWidth = 14;
constexpr short ValueX = LeftFieldX + PrefixWidth + 2;
constexpr short ValueWidth = 48;
constexpr short UnitX = ValueX + ValueWidth + 2;

void AddNumericRow(DialogTemplate& dialog, const char* label, int prefixId, int valueId, int row) {
  dialog.items.push_back(Label(label, NextLabelId(), LeftLabelX, RowY(row), LeftFieldX - LeftLabelX - 2));
  dialog.items.push_back(Field(prefixId, LeftFieldX, RowY(row), PrefixWidth));
  dialog.items.push_back(Field(valueId, ValueX, RowY(row), ValueWidth));
}

// A unit with a raised degree sign before it ("o" "C") or a raised 3 after it ("kg/dm" "3").
void AddDegreeUnit(DialogTemplate& dialog, short x, short y) {
  dialog.items.push_back(StaticText("o", NextLabelId(), x, static_cast<short>(y - 1), 5, 7));
  dialog.items.push_back(StaticText("C", NextLabelId(), static_cast<short>(x + 5), static_cast<short>(y + 1), 10, LabelHeight));
}

void AddSearchArea(DialogTemplate& dialog) {
  auto& items = dialog.items;
  items.insert(items.end(), {
      // Names, formula, CAS number and label sought.
      StaticText("Navn", NameSearchLabelId, 3, 4, 26, LabelHeight),
      Item("COMBOBOX", "", NameSearchComboId, Shown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL,
           30, 2, 120, 110),
      StaticText("Formel", FormulaSearchLabelId, 3, 17, 26, LabelHeight),
      EditField(FormulaSearchFieldId, 30, 15, 120, 11),
      StaticText("CAS-nr.", CasSearchLabelId, 3, 30, 26, LabelHeight),
      EditField(CasSearchFieldId, 30, 28, 52, 11),
      StaticText("Etikett", LabelSearchLabelId, 86, 30, 26, LabelHeight),
      EditField(LabelSearchFieldId, 113, 28, 37, 11),
      // Numeric search: the tolerance, and two quantities with the numbers sought.
      GroupBox("Talls\xF8k", NumericSearchGroupId, 3, 41, 147, 46),
      StaticText("Toleranse +/- ", ToleranceLabelId, 7, 51, 50, LabelHeight),
      EditField(ToleranceFieldId, 58, 50, 40, FieldHeight),
      Item("COMBOBOX", "", NumericQuantity1Id, Shown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 7, 62, 64, 90),
      EditField(NumericValue1Id, 73, 62, 38, 11),
      StaticText("", Unit1DegreeId, 113, 60, 5, 7),
      StaticText("", Unit1TextId, 118, 63, 19, LabelHeight),
      StaticText("", Unit1CubeId, 137, 60, 5, 7),
      Item("COMBOBOX", "", NumericQuantity2Id, Shown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 7, 74, 64, 90),
      EditField(NumericValue2Id, 73, 74, 38, 11),
      StaticText("", Unit2DegreeId, 113, 72, 5, 7),
      StaticText("", Unit2TextId, 118, 75, 19, LabelHeight),
      StaticText("", Unit2CubeId, 137, 72, 5, 7),
      PushButton("Fjerne s\xF8ketekst", ClearSearchId, 3, 88, 72, ButtonHeight),
      // Search options.
      GroupBox("Formels\xF8kemodus:", FormulaModeGroupId, 154, 1, 107, 22),
      RadioButton("Vanlig", FormulaModePlainId, 158, 10, 29, 10, true),
      RadioButton("Kval./kvant.", FormulaModeCountsId, 188, 10, 44, 10, false),
      RadioButton("Kval.", FormulaModeQualitativeId, 233, 10, 27, 10, false),
      Item("BUTTON", "S\xF8k p\xE5 hele navn/formler", WholeWordCheckId, CheckBoxStyle, 154, 25, 107, 10),
      Item("BUTTON", "Advarsel ved sletting", DeleteWarningCheckId, CheckBoxStyle, 154, 35, 107, 10),
      Item("BUTTON", "Aut.formelmasseberegning", AutoFormulaMassCheckId, CheckBoxStyle, 154, 45, 107, 10),
      Item("BUTTON", "Lagre i etterkant av post", StoreAfterCheckId, CheckBoxStyle, 154, 55, 107, 10),
      Item("BUTTON", "", HasSafetyTextCheckId, WS_VISIBLE | WS_DISABLED | BS_AUTOCHECKBOX, 154, 67, 10, 10),
      PushButton("Vise risiko/sikkerhet", ShowSafetySheetButtonId, 166, 66, 95, 12),
      // Logo, close, search and stepping.
      OwnerDrawButton("", DatabaseLogoId, 264, 2, 56, 24, Shown, false),
      PushButton("Lukk", DatabaseCloseId, 323, 2, 36, 12),
      PushButton("S\xF8ke", SearchFromStartId, 264, 28, 46, 12),
      DefaultPushButton("-->", SearchOnwardId, 313, 28, 46, 12),
      PushButton("<<", FirstRecordId, 264, 42, 22, 12),
      PushButton("<", PreviousRecordId, 288, 42, 22, 12),
      PushButton(">", NextRecordId, 312, 42, 22, 12),
      PushButton(">>", LastRecordId, 336, 42, 23, 12),
      PushButton("<", PreviousFileId, 264, 56, 14, 12),
      Item("EDIT", "", FileNameFieldId, Shown | WS_BORDER | ES_AUTOHSCROLL | ReadOnlyField, 280, 56, 63, 12),
      PushButton(">", NextFileId, 345, 56, 14, 12),
      StaticText("Postpos.", RecordPositionLabelId, 264, 71, 28, LabelHeight),
      Item("EDIT", "", RecordPositionFieldId, Shown | WS_BORDER | ES_AUTOHSCROLL | ReadOnlyField, 292, 70, 26, FieldHeight),
      StaticText("Filpos.", FilePositionLabelId, 320, 71, 22, LabelHeight),
      Item("EDIT", "", FilePositionFieldId, Shown | WS_BORDER | ES_AUTOHSCROLL | ReadOnlyField, 341, 70, 18, FieldHeight),
      // The formula check's error line, or the note that nothing was sought.
      GroupBox("Formelfeilmeldinger", FormulaErrorGroupId, 154, 80, 205, 20),
      Item("EDIT", "", FormulaErrorFieldId, Shown | WS_BORDER | ES_AUTOHSCROLL | ReadOnlyField, 158, 89, 197, FieldHeight),
  });
}

void AddRecordArea(DialogTemplate& dialog) {
  auto& items = dialog.items;
  nextLabelId = RecordLabelFirstId;
  items.push_back(GroupBox("Vise innhentede data  ,etablere ny post,  forandre gammel post,  fjerne gammel post",
                           RecordGroupId, 3, 102, 356, 172));
  // Left column: names, formula, identifiers and the physical data.
  AddWideRow(dialog, "Navn", NextLabelId(), NameFieldId3, 0, false);
  AddWideRow(dialog, "Alt. navn", NextLabelId(), AltNameFieldId, 1, false);
  AddWideRow(dialog, "Navn(Eng.)", NextLabelId(), EnglishNameFieldId, 2, false);
  items.push_back(PushButton("Formel", FormulaInfoButtonId, LeftLabelX, RowY(3), 40, FieldHeight));
  items.push_back(Field(FormulaFieldId, LeftFieldX, RowY(3), LeftEndX - LeftFieldX));
  items.push_back(Label("CAS-nr.", NextLabelId(), LeftLabelX, RowY(4), 40));
  items.push_back(Field(CasFieldId, LeftFieldX, RowY(4), 44));
  items.push_back(Label("Etikett", NextLabelId(), 127, RowY(4), 24));
  items.push_back(Field(LabelFieldId, 152, RowY(4), LeftEndX - 152));
  items.push_back(Label("Formelmasse", NextLabelId(), LeftLabelX, RowY(5), LeftFieldX - LeftLabelX - 2));
  items.push_back(Field(FormulaMassFieldId, ValueX, RowY(5), ValueWidth));
  items.push_back(Label("g/mol", NextLabelId(), UnitX, RowY(5), 28));
  AddNumericRow(dialog, "Smeltepunkt", MeltingPrefixId, MeltingPointId, 6);
  AddDegreeUnit(dialog, UnitX, RowY(6));
  AddNumericRow(dialog, "Kokepunkt", BoilingPrefixId, BoilingPointId, 7);
  AddDegreeUnit(dialog, UnitX, RowY(7));
  AddNumericRow(dialog, "Tetthet", DensityPrefixId, DensityId, 8);
  items.push_back(Label("kg/dm", NextLabelId(), UnitX, RowY(8), 20));
  items.push_back(StaticText("3", NextLabelId(), UnitX + 20, static_cast<short>(RowY(8) - 2), 5, 7));
  AddNumericRow(dialog, "Tetthet (Luft=1)", AirDensityPrefixId, AirDensityId, 9);
  AddNumericRow(dialog, "Damptrykk", VapourPrefixId, VapourPressureId, 10);
  items.push_back(Label("kPa", NextLabelId(), UnitX, RowY(10), 20));
  AddNumericRow(dialog, "Flammepunkt", FlashPrefixId, FlashPointId, 11);
  AddDegreeUnit(dialog, UnitX, RowY(11));
  items.push_back(Label("Brennbar grense i luft", NextLabelId(), LeftLabelX, RowY(12), LeftFieldX - LeftLabelX - 2));
  items.push_back(Field(FlammabilityLimitsId, LeftFieldX, RowY(12), 66));
  items.push_back(Label("vol.%", NextLabelId(), LeftFieldX + 68, RowY(12), 24));

  // Right column: solubility, appearance, toxicity, norms and the record's keeping.
  items.push_back(Label("Rel. permittivitet", NextLabelId(), RightLabelX, RowY(0), RightFieldX - RightLabelX - 2));
  items.push_back(Field(PermittivityId, RightFieldX, RowY(0), 42));
  items.push_back(Label("Temp.", NextLabelId(), 297, RowY(0), 20));
  items.push_back(Field(PermittivityTempId, 318, RowY(0), RightEndX - 318));
  items.push_back(Label("L\xF8selighet (vann)", NextLabelId(), RightLabelX, RowY(1), RightFieldX - RightLabelX - 2));
  items.push_back(Field(SolubilityId, RightFieldX, RowY(1), 42));
  items.push_back(Label("Temp.", NextLabelId(), 297, RowY(1), 20));
  items.push_back(Field(SolubilityTempId, 318, RowY(1), RightEndX - 318));
  AddWideRow(dialog, "L\xF8sningsmidler", NextLabelId(), SolventsId, 2, true);
  items.push_back(Label("Farge", NextLabelId(), RightLabelX, RowY(3), RightFieldX - RightLabelX - 2));
  items.push_back(Field(ColourId, RightFieldX, RowY(3), 44));
  items.push_back(Label("Lukt", OdourLabelId, 299, RowY(3), 17));
  items.push_back(Field(OdourId, 317, RowY(3), RightEndX - 317));
  AddWideRow(dialog, "Utseende/konsistens", NextLabelId(), AppearanceId, 4, true);
  items.push_back(Label("Giftighet - metode", NextLabelId(), RightLabelX, RowY(5), RightFieldX - RightLabelX - 2));
  items.push_back(Field(ToxicityId, RightFieldX, RowY(5), 52));
  items.push_back(Field(ToxicityMethodId, 306, RowY(5), RightEndX - 306));
  items.push_back(Label("Adm.norm - enhet", NextLabelId(), RightLabelX, RowY(6), RightFieldX - RightLabelX - 2));
  items.push_back(Field(AdmNormId, RightFieldX, RowY(6), 52));
  items.push_back(Field(AdmNormUnitId, 306, RowY(6), RightEndX - 306));
  items.push_back(Label("TLV - enhet", NextLabelId(), RightLabelX, RowY(7), RightFieldX - RightLabelX - 2));
  items.push_back(Field(TlvId, RightFieldX, RowY(7), 52));
  items.push_back(Field(TlvUnitId, 306, RowY(7), RightEndX - 306));
  AddWideRow(dialog, "Emballasje/mengde", NextLabelId(), PackagingId, 8, true);
  AddWideRow(dialog, "Produsent/import\xF8r", NextLabelId(), ProducerId, 9, true);
  items.push_back(Label("DB nr.", NextLabelId(), RightLabelX, RowY(10), RightFieldX - RightLabelX - 2));
  items.push_back(Field(SheetNumberId, RightFieldX, RowY(10), 30));
  items.push_back(Label("Ref.", NextLabelId(), 286, RowY(10), 16));
  items.push_back(Field(ReferencesId, 303, RowY(10), RightEndX - 303));
  AddWideRow(dialog, "Revidert (dato, navn)", NextLabelId(), RevisedId, 11, true);
  AddWideRow(dialog, "Annet", OtherLabelId, OtherId, 12, true);

  // The record's buttons, in a row of their own below both columns.
  constexpr short GroupY = 246;
  constexpr short ButtonY = GroupY + 10;
  constexpr short GroupHeight = ButtonHeight + 13;
  items.insert(items.end(), {
      GroupBox("Lagre/Slette", StoreGroupId, LeftLabelX, GroupY, 110, GroupHeight),
      PushButton("Lagre", StoreRecordId, 10, ButtonY, 28, ButtonHeight),
      PushButton("Overskrive", OverwriteRecordId, 40, ButtonY, 40, ButtonHeight),
      PushButton("Slette", DeleteRecordId, 82, ButtonY, 28, ButtonHeight),
      PushButton("Klargj\xF8re ny post", NewRecordId, 120, ButtonY, 59, ButtonHeight),
      GroupBox("        htm-filer", HtmGroupId, RightLabelX, GroupY, 120, GroupHeight),
      PushButton("Lage", WriteHtmId, 187, ButtonY, 26, ButtonHeight),
      EditField(HtmNameFieldId, 216, ButtonY + 1, 50, FieldHeight),
      StaticText(".htm", HtmSuffixId, 268, ButtonY + 2, 18, LabelHeight),
  });
}

void AddHiddenControls(DialogTemplate& dialog) {
  dialog.items.insert(dialog.items.end(), {
      PushButton("OK", IDOK, 0, 0, 2, 2, HiddenDisabled),
      PushButton("-->", DatabaseHiddenStepId, 0, 0, 2, 2, HiddenDisabled),
      EditField(HiddenNumericCheckId, 0, 0, 2, 2, HiddenDisabled),
      StaticText("x2", HiddenX2Id, 0, 0, 2, 2, HiddenDisabled),
      StaticText("Br", HiddenBrId, 0, 0, 2, 2, HiddenDisabled),
      StaticText("S.setn.", HiddenPhrasesId, 0, 0, 2, 2, HiddenDisabled),
      StaticText(".txt", HiddenTxtId, 0, 0, 2, 2, HiddenDisabled),
  });
}

}  // namespace

// The chemicals database: the search fields, options and stepping buttons on top; below them the
// record's fields in two columns with the record's buttons at the foot.
DialogTemplate KjemikaliedatabaseTemplate() {
  DialogTemplate dialog = ModalDialog("KJEMIKALIEDATABASE", 362, 276);
  dialog.x = 0;
  dialog.y = 9;
  AddSearchArea(dialog);
  AddRecordArea(dialog);
  AddHiddenControls(dialog);
  return dialog;
}

namespace {

constexpr MemberSetup GrayLabel(int id) { return {.id = id, .colours = ColourKind::Gray, .font = HelvSmall}; }
constexpr MemberSetup WhiteField(int id) { return {.id = id, .colours = ColourKind::White, .font = HelvSmall}; }
constexpr MemberSetup Plain(int id) { return {.id = id, .font = HelvSmall}; }

constexpr MemberSetup SearchMembers[] = {
    GrayLabel(NameSearchLabelId),     Plain(NameSearchComboId),      GrayLabel(FormulaSearchLabelId),
    WhiteField(FormulaSearchFieldId), GrayLabel(CasSearchLabelId),   WhiteField(CasSearchFieldId),
    GrayLabel(LabelSearchLabelId),    WhiteField(LabelSearchFieldId), GrayLabel(NumericSearchGroupId),
    GrayLabel(ToleranceLabelId),      WhiteField(ToleranceFieldId),  Plain(NumericQuantity1Id),
    WhiteField(NumericValue1Id),      GrayLabel(Unit1DegreeId),      GrayLabel(Unit1TextId),
    GrayLabel(Unit1CubeId),           Plain(NumericQuantity2Id),     WhiteField(NumericValue2Id),
    GrayLabel(Unit2DegreeId),         GrayLabel(Unit2TextId),        GrayLabel(Unit2CubeId),
    Plain(ClearSearchId),             GrayLabel(FormulaModeGroupId), GrayLabel(FormulaModePlainId),
    GrayLabel(FormulaModeCountsId),   GrayLabel(FormulaModeQualitativeId), GrayLabel(WholeWordCheckId),
    GrayLabel(DeleteWarningCheckId),  GrayLabel(AutoFormulaMassCheckId), GrayLabel(StoreAfterCheckId),
    GrayLabel(HasSafetyTextCheckId),  Plain(ShowSafetySheetButtonId),
    {.id = DatabaseLogoId, .picture = {"TVRNLOGO", PictureLook::Stretched}},
    Plain(DatabaseCloseId),           Plain(SearchFromStartId),      Plain(SearchOnwardId),
    Plain(FirstRecordId),             Plain(PreviousRecordId),       Plain(NextRecordId),
    Plain(LastRecordId),              Plain(PreviousFileId),         WhiteField(FileNameFieldId),
    Plain(NextFileId),                GrayLabel(RecordPositionLabelId), WhiteField(RecordPositionFieldId),
    GrayLabel(FilePositionLabelId),   WhiteField(FilePositionFieldId), GrayLabel(FormulaErrorGroupId),
    WhiteField(FormulaErrorFieldId),
};

constexpr MemberSetup RecordButtonMembers[] = {
    GrayLabel(RecordGroupId), Plain(FormulaInfoButtonId), GrayLabel(OdourLabelId), GrayLabel(OtherLabelId),
    GrayLabel(StoreGroupId),  Plain(StoreRecordId),       Plain(OverwriteRecordId), Plain(DeleteRecordId),
    Plain(NewRecordId),       GrayLabel(HtmGroupId),      Plain(WriteHtmId),       WhiteField(HtmNameFieldId),
    GrayLabel(HtmSuffixId),
};

// The search area's members, the record buttons and frames, the record fields, the record labels.
constexpr auto KjemikaliedatabaseMembers = [] {
  constexpr std::size_t count = std::size(SearchMembers) + std::size(RecordButtonMembers) + RecordFieldCount + 1;
  std::array<MemberSetup, count> members{};
  std::size_t next = 0;
  for (const MemberSetup& member : SearchMembers) members[next++] = member;
  for (const MemberSetup& member : RecordButtonMembers) members[next++] = member;
  for (const int id : RecordFieldIds) members[next++] = WhiteField(id);
  members[next] = {.id = RecordLabelFirstId, .count = RecordLabelCount, .colours = ColourKind::Gray, .font = HelvSmall};
  return members;
}();

}  // namespace

const WindowSetup KjemikaliedatabaseSetup{.members = KjemikaliedatabaseMembers};
