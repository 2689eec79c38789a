#include "chemicals_database/chemicals_database_window.h"

#include <algorithm>

#include "chemicals_database/database_group.h"
#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/model/record_names.h"
#include "chemicals_database/model/record_number.h"
#include "chemicals_database/model/search_command.h"
#include "chemicals_database/model/search_request.h"
#include "engine/formula/formula_mass.h"
#include "engine/numbers/number_text.h"
#include "engine/formtext.h"
#include "engine/reaction.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"
#include "platform/win/message_box.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/resource_message.h"

namespace {

// The record line each record field shows, in the order of RecordFieldIds.
constexpr int RecordFieldLines[] = {
    3,   4,   7,   8,   5,   181, 10,  53,  54,  72,  73,  40,  41,  44,  45,  85,  86,  87,  88,  189,
    191, 190, 184, 180, 185, 14,  22,  27,  183, 182, 188, 187, 195, 196, 193, 175, 159, 160, 157, 194,
};
static_assert(std::size(RecordFieldLines) == std::size(RecordFieldIds));

constexpr std::size_t HazardCodeShown = 3;
constexpr std::size_t FieldReadLimit = ChemDbFieldLimit + 1;  // one more than a field holds, to see it is too long
constexpr std::size_t NumberReadLimit = 37;
constexpr std::size_t HtmNameReadLimit = 9;
constexpr std::size_t HtmNameLimit = 7;

// The fields whose numbers are checked when they lose the focus.
constexpr int NumericFieldIds[] = {ToleranceFieldId, NumericValue1Id, NumericValue2Id, HiddenNumericCheckId,
                                   FormulaMassFieldId, MeltingPointId, BoilingPointId, FlashPointId,
                                   VapourPressureId, DensityId, PermittivityTempId, PermittivityId,
                                   AirDensityId, TlvId, AdmNormId, SolubilityTempId, SheetNumberId};

constexpr const char* TextTooLongForStore =
    "TEKSTFELTINNOLD FOR STORT\n\nEtt eller flere tekstfelt\ninneholder for mye tekst.\nReduser tekstmengden f\xF8r "
    "lagring!";
constexpr const char* SearchTextTooLong =
    "TEKSTFELTINNOLD FOR STORT\n\nEtt eller flere s\xF8ketekstfelt\ninneholder for mye tekst.\nDu m\xE5 redusere "
    "tekstmengden!";
constexpr const char* ReservedCharacters =
    "FOREKOMST AV RESERVERTE TEGN:\n\nEtt eller flere av s\xF8kefeltene\ninneholder reserverte tegn.\nFjern eller "
    "erstatt tegnene (|) og (\\)!";
constexpr const char* FormulaSearchError =
    "FORMELFEIL I FORMELS\xD8KEFELT:\n\nFors\xF8k p\xE5 \xE5 s\xF8ke etter en ugyldig formel!\nS\xF8king i "
    "kval./kvant.-modus krever korrekt intastet formel.\nErstatt innholdet i formels\xF8kefeltet med gyldig formel!";
constexpr const char* NothingFound =
    "INGEN TREFF\n\nIngen (flere) poster oppfyller s\xF8kekriteriene.\nF\xF8rste post i databasen vises.";
constexpr const char* WriteFailed =
    "SKRIVEFEIL\n\nDatabasefilen kunne ikke skrives om.\nFilen er uendret, og feltene beholder det du skrev.";
constexpr const char* DatabaseChangedElsewhere =
    "DATABASEN ER ENDRET\n\nDatabasefilen er endret utenfor dette vinduet\netter at posten ble vist, og ingenting er "
    "skrevet.\nNavnelisten og posten er lest inn p\xE5 nytt: gj\xF8r endringen igjen.";
constexpr const char* NoDatabaseList =
    "DATABASELISTE MANGLER\n\nListen over databasefiler, dats\\opendats.dat,\nfinnes ikke eller nevner ingen "
    "databasefil.\nDatabasen har ingen poster.";
constexpr const char* UnreachableFilesHeadline =
    "DATABASEFIL MANGLER\n\nDisse databasefilene finnes ikke eller kan ikke leses:\n";
constexpr const char* UnreachableFilesEnd = "Postene i de andre filene vises.";
constexpr const char* NameListFull =
    "COMBOBOXINNOLD FOR STORT\n\nCombobox-tekstlisteoverskridelse\nNye tekstfelt vil bli avvist!";
constexpr const char* NumberError = "TALLFEIL\n\nTAVRIN har registrert feilaktig bruk av tallfelt!";
constexpr const char* DeleteQuestion = "SLETTING AV POST\n\nVil du virkelig slette denne posten?";
constexpr const char* NewRecordQuestion =
    "FJERNING AV INNHOLDET I TEKSTFELTENE\n\nVil du i denne operasjonen ogs\xE5 fjerne\nRISIKO/SIKKERHET "
    "tekstfeltinnhold?";
constexpr const char* HtmNameTooLong = "TEGNSTRENGOVERSKRIDELSE:\n\nFilnavn kan ikke inneholde mer enn 7 tegn!";
constexpr const char* NothingSought = "Manglende s\xF8kedata";

// The questions before a store when the safety data sheet changed what was typed, by SafetyTextWarning.
constexpr const char* SafetyTextQuestions[] = {
    "RESERVERTE TEGN\n\nLagre, selv om databladets\n'|'-tegn er eller vil bli\nerstattet med '#'-tegn?",
    "TEKSTOVERSKRIDELSE\n\nLagre, selv om tekst er blitt fjernet\nfra RISIKO/SIKKERHET?",
    "TEKSTOVERSKRIDELSE SAMT BRUK AV RESERVERTE TEGN\n\nLagre, selv om tekst er blitt fjernet fra databladet og det "
    "reserverte\ntegnet '|' erstattes med det lovlige tegnet '#' ?",
};

void SetCheck(CWnd& dialog, int id, int checked) { dialog.SendDlgItemMessage(id, BM_SETCHECK, checked != 0 ? 1 : 0); }

std::string Slot(int line) { return ChemDbRecord.slots[static_cast<std::size_t>(line)]; }

}  // namespace

void Cwm_KjemikaliedatabaseBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(
      *this, KjemikaliedatabaseSetup,
      {m_nameSearchLabel, m_nameSearch, m_formulaSearchLabel, m_formulaSearch, m_casSearchLabel, m_casSearch,
       m_labelSearchLabel, m_labelSearch, m_numericGroup, m_toleranceLabel, m_tolerance, m_quantity1, m_value1,
       m_unit1Degree, m_unit1Text, m_unit1Cube, m_quantity2, m_value2, m_unit2Degree, m_unit2Text, m_unit2Cube,
       m_clearSearch, m_formulaModeGroup, m_formulaModePlain, m_formulaModeCounts, m_formulaModeQualitative,
       m_wholeWord, m_deleteWarning, m_autoFormulaMass, m_storeAfter, m_hasSafetyText, m_showSafetySheet, m_logo,
       m_close, m_searchFromStart, m_searchOnward, m_first, m_previous, m_next, m_last, m_previousFile, m_fileName,
       m_nextFile, m_recordPositionLabel, m_recordPosition, m_filePositionLabel, m_filePosition,
       m_formulaErrorGroup, m_formulaError, m_recordGroup, m_formulaInfo, m_odourLabel, m_otherLabel, m_storeGroup,
       m_store, m_overwrite, m_delete, m_newRecord, m_htmGroup, m_writeHtm, m_htmName, m_htmSuffix, m_recordFields,
       m_recordLabels});
}

BEGIN_MESSAGE_MAP(Cwm_KjemikaliedatabaseDlg, Cwm_KjemikaliedatabaseBaseDlg)
ON_BN_CLICKED(SearchFromStartId, OnSearchFromStart)
ON_BN_CLICKED(SearchOnwardId, OnSearchOnward)
ON_BN_CLICKED(FirstRecordId, OnFirstRecord)
ON_BN_CLICKED(PreviousRecordId, OnPreviousRecord)
ON_BN_CLICKED(NextRecordId, OnNextRecord)
ON_BN_CLICKED(LastRecordId, OnLastRecord)
ON_BN_CLICKED(NextFileId, OnNextFile)
ON_BN_CLICKED(PreviousFileId, OnPreviousFile)
ON_BN_CLICKED(ClearSearchId, OnClearSearch)
ON_BN_CLICKED(StoreRecordId, OnStore)
ON_BN_CLICKED(OverwriteRecordId, OnOverwrite)
ON_BN_CLICKED(DeleteRecordId, OnDelete)
ON_BN_CLICKED(NewRecordId, OnNewRecord)
ON_BN_CLICKED(WriteHtmId, OnWriteHtm)
ON_BN_CLICKED(FormulaInfoButtonId, OnShowFormulaInfo)
ON_BN_CLICKED(ShowSafetySheetButtonId, OnShowSafetySheet)
ON_BN_CLICKED(FormulaModePlainId, OnFormulaModePlain)
ON_BN_CLICKED(FormulaModeCountsId, OnFormulaModeCounts)
ON_BN_CLICKED(FormulaModeQualitativeId, OnFormulaModeQualitative)
ON_BN_CLICKED(WholeWordCheckId, OnWholeWord)
ON_BN_CLICKED(AutoFormulaMassCheckId, OnAutoFormulaMass)
ON_BN_CLICKED(StoreAfterCheckId, OnStoreAfter)
ON_BN_CLICKED(DeleteWarningCheckId, OnDeleteWarning)
ON_CONTROL(CBN_SETFOCUS, NumericQuantity1Id, OnNumericQuantityChange)
ON_CONTROL(CBN_SELCHANGE, NumericQuantity1Id, OnNumericQuantityChange)
ON_CONTROL(CBN_SETFOCUS, NumericQuantity2Id, OnNumericQuantityChange)
ON_CONTROL(CBN_SELCHANGE, NumericQuantity2Id, OnNumericQuantityChange)
ON_CONTROL(EN_KILLFOCUS, FormulaFieldId, OnFormulaFieldLeft)
END_MESSAGE_MAP()

BOOL Cwm_KjemikaliedatabaseDlg::OnUserInit(int) {
  FillNameList(true);
  if (ChemDbNumericField1 == 0) ChemDbNumericField1 = 1;
  if (ChemDbNumericField2 == 0) ChemDbNumericField2 = 2;
  FillNumericSearchCombos();
  SetDlgItemText(ToleranceFieldId, FormatNumberFixed(SkDev).c_str());
  SetDlgItemText(HtmNameFieldId, "compund");

  if (ChemDbFormulaSearchMode < FormulaSearchAsTyped || ChemDbFormulaSearchMode > FormulaSearchQualitative)
    ChemDbFormulaSearchMode = FormulaSearchAsTyped;
  SetCheck(*this, FormulaModePlainId + ChemDbFormulaSearchMode, 1);
  if (ChemDbWholeWordSearch != 1) ChemDbWholeWordSearch = 0;
  SetCheck(*this, WholeWordCheckId, ChemDbWholeWordSearch);
  if (AutoFormulaMass != 1) AutoFormulaMass = 1;
  SetCheck(*this, AutoFormulaMassCheckId, 1);
  if (StoreAfterRecord != 1) StoreAfterRecord = 1;
  SetCheck(*this, StoreAfterCheckId, 1);
  if (ChemDbNoDeleteWarning != 1) ChemDbNoDeleteWarning = 0;
  SetCheck(*this, DeleteWarningCheckId, ChemDbNoDeleteWarning == 0 ? 1 : 0);

  ResetDatabaseGroupState();
  SkDef = 2;
  ErrorText.clear();
  auto& state = ChemDbState;
  state.RecordBase = 0;
  state.NavigationStep = 1;
  state.FileIndex = 0;
  state.PendingOp = PendingNone;
  state.NumericFieldId = 0;
  state.GlobalTarget = NoGlobalTarget;
  state.FileStepMode = FileStepNone;
  ExecuteDatabaseCommand();
  return TRUE;
}

void Cwm_KjemikaliedatabaseDlg::ShowMessage(const char* text) { ::MessageBox(m_hWnd, text, MessageCaption, MB_OK); }

// Fills the name list; on opening, says once what of the database cannot be reached.
void Cwm_KjemikaliedatabaseDlg::FillNameList(bool opening) {
  m_nameSearch.ResetContent();
  DatabaseNames database = ReadRecordNames(LanguageCode);
  m_nameSearch.AddStrings(database.names);
  if (!opening) return;
  if (!database.listed) ShowMessage(NoDatabaseList);
  if (database.unreachable.empty()) return;
  std::string text = UnreachableFilesHeadline;
  for (const std::string& entry : database.unreachable) text += entry + "\n";
  ShowMessage((text + UnreachableFilesEnd).c_str());
}

// The fields into the record buffer for a write; false when a field is too long for the record
// or the user does not want to store what the safety data sheet changed.
bool Cwm_KjemikaliedatabaseDlg::GatherRecordFields(bool deleting) {
  ChemDbRecord.Clear();
  for (std::size_t i = 0; i < std::size(RecordFieldIds); ++i)
    ChemDbRecord.slots[static_cast<std::size_t>(RecordFieldLines[i])] = DialogItemText(*this, RecordFieldIds[i], FieldReadLimit);
  ChemDbRecord.slots[EnvironmentHazardLine] = EnvironmentHazardCode;
  ChemDbRecord.slots[HealthHazardLine] = HealthHazardCode;
  ChemDbRecord.slots[FireHazardLine] = FireHazardCode;
  if (deleting) return true;
  if (std::ranges::any_of(ChemDbRecord.slots, [](const std::string& slot) { return slot.size() > ChemDbFieldLimit; })) {
    ShowMessage(TextTooLongForStore);
    return false;
  }
  return ConfirmSafetyTextWarning();
}

bool Cwm_KjemikaliedatabaseDlg::ConfirmSafetyTextWarning() {
  const int warning = SafetyTextWarning;
  SafetyTextWarning = 0;
  if (warning < SafetyTextBarsReplaced || warning > SafetyTextBothWarnings) return true;
  return ::MessageBox(m_hWnd, SafetyTextQuestions[warning - 1], MessageCaption, MB_YESNO) == IDYES;
}

Cwm_KjemikaliedatabaseDlg::StepOutcome Cwm_KjemikaliedatabaseDlg::ExecuteDatabaseCommand(bool search) {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  auto& state = ChemDbState;
  const auto stop = [this](StepOutcome outcome) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return outcome;
  };

  if (state.PendingOp > PendingNone) {
    const bool gathering = state.PendingOp == PendingGather;
    const char storeLetter = StoreAfterRecord == 1 ? StoreAfterLetter : StoreBeforeLetter;
    const char operation = state.PendingOp == PendingStore       ? storeLetter
                           : state.PendingOp == PendingOverwrite ? OverwriteLetter
                                                                 : DeleteLetter;
    const bool gathered = GatherRecordFields(!gathering && operation == DeleteLetter);
    bool written = false;
    if (gathered && !gathering) {
      state.NavigationStep = 1;
      const int result = ChemDbRun("", std::string(1, operation));
      written = result == ChemDbDone;
      if (result == ChemDbChangedElsewhere) {
        state.PendingOp = PendingNone;
        ShowMessage(DatabaseChangedElsewhere);
        ReloadChangedDatabase();
        return stop(StepOutcome::Refused);
      }
      // A failed write leaves the file as it was; the fields keep what the user typed.
      if (!written) ShowMessage(WriteFailed);
    }
    state.PendingOp = PendingNone;
    if (!written) {
      state.NavigationStep = 0;
      return stop(gathering && gathered ? StepOutcome::Done : StepOutcome::Refused);
    }
  }

  ChemDbRecord.Clear();
  if (state.FileIndex == 0) ChemDbResetCursor();
  std::string command = "s ";
  if (state.NavigationStep != 1) {
    const std::array<SearchField, SearchFieldCount> fields = {{
        {DialogItemText(*this, NameSearchComboId, FieldReadLimit), std::string(NameKey)},
        {DialogItemText(*this, CasSearchFieldId, FieldReadLimit), std::string(CasNumberKey)},
        {DialogItemText(*this, LabelSearchFieldId, FieldReadLimit), std::string(LabelKey)},
        {DialogItemText(*this, FormulaSearchFieldId, FieldReadLimit), FormulaSearchKey(ChemDbFormulaSearchMode)},
        {DialogItemText(*this, NumericValue1Id, FieldReadLimit), NumericQuantityOf(ChemDbNumericField1, 1).key},
        {DialogItemText(*this, NumericValue2Id, FieldReadLimit), NumericQuantityOf(ChemDbNumericField2, 2).key},
    }};
    const SearchRequest request = BuildSearchRequest(fields, ChemDbWholeWordSearch == 1);
    switch (request.fault) {
      case SearchRequestFault::ReservedCharacter: ShowMessage(ReservedCharacters); return stop(StepOutcome::Stopped);
      case SearchRequestFault::FieldTooLong: ShowMessage(SearchTextTooLong); return stop(StepOutcome::Stopped);
      case SearchRequestFault::NothingSought: break;  // the step to another file without criteria
      case SearchRequestFault::None: command = request.command; break;
    }
  }

  int result = ChemDbRun(command);
  if (result == SearchFormulaInvalid) ShowMessage(FormulaSearchError);
  if (state.FileIndex == 0) {
    if (search && result == ChemDbNothingFound) ShowMessage(NothingFound);
    ChemDbResetCursor();
    result = ChemDbRun("s ");
  }
  ShowRecord(result);
  RefreshDatabaseCompanions(*this);
  state.NavigationStep = 0;
  return stop(StepOutcome::Done);
}

void Cwm_KjemikaliedatabaseDlg::ShowRecord(int runResult) {
  const bool hasSafetyText =
      std::ranges::any_of(SafetyDataText, [](char c) { return static_cast<unsigned char>(c) > 20 && c != '|'; });
  SetCheck(*this, HasSafetyTextCheckId, hasSafetyText ? 1 : 0);
  if (runResult != SearchFormulaInvalid) {
    const auto& state = ChemDbState;
    SetDlgItemText(RecordPositionFieldId, std::to_string(state.RecordBase + state.RecordIndex).c_str());
    ErrorText.clear();
    FormulaMass(Slot(FormulaLine));
    SetDlgItemText(FileNameFieldId, ChemDbFileName.c_str());
    SetDlgItemText(FormulaErrorFieldId, ErrorText.c_str());
    SetDlgItemText(FilePositionFieldId, std::to_string(state.RecordIndex).c_str());
    for (std::size_t i = 0; i < std::size(RecordFieldIds); ++i)
      SetDlgItemText(RecordFieldIds[i], Slot(RecordFieldLines[i]).c_str());
    EnvironmentHazardCode = Slot(EnvironmentHazardLine).substr(0, HazardCodeShown);
    HealthHazardCode = Slot(HealthHazardLine).substr(0, HazardCodeShown);
    FireHazardCode = Slot(FireHazardLine).substr(0, HazardCodeShown);
    shownName_ = Slot(NameLine);
  }
  CurrentFormulaText = DialogItemText(*this, FormulaFieldId, CurrentFormulaLimit);
}

// After another instance changed the file: the names as they are now, and the record now at the
// place of the one shown.
void Cwm_KjemikaliedatabaseDlg::ReloadChangedDatabase() {
  FillNameList(false);
  auto& state = ChemDbState;
  state.RecordIndex = std::max(0, state.RecordIndex - 1);
  state.LastOp = 0;
  RunStep();
}

bool Cwm_KjemikaliedatabaseDlg::SearchFieldsEmpty() {
  for (const int id : {NameSearchComboId, FormulaSearchFieldId, CasSearchFieldId, LabelSearchFieldId, NumericValue1Id,
                       NumericValue2Id}) {
    std::string text = DialogItemText(*this, id, FieldReadLimit);
    RemoveBlanks(text);
    if (!text.empty()) return false;
  }
  SetDlgItemText(FormulaErrorFieldId, NothingSought);
  return true;
}

// "Søke" examines the database from its first record on.
void Cwm_KjemikaliedatabaseDlg::OnSearchFromStart() {
  if (SearchFieldsEmpty()) return;
  ChemDbResetCursor();
  ExecuteDatabaseCommand(true);
}

void Cwm_KjemikaliedatabaseDlg::OnSearchOnward() {
  if (SearchFieldsEmpty()) return;
  ExecuteDatabaseCommand(true);
}

void Cwm_KjemikaliedatabaseDlg::RunStep() {
  ChemDbState.NavigationStep = 1;
  ExecuteDatabaseCommand();
}

void Cwm_KjemikaliedatabaseDlg::OnFirstRecord() {
  ChemDbState.FileIndex = 0;
  RunStep();
}

void Cwm_KjemikaliedatabaseDlg::OnNextRecord() { RunStep(); }

void Cwm_KjemikaliedatabaseDlg::OnPreviousRecord() {
  auto& state = ChemDbState;
  const bool restart = state.FileIndex > 1 && state.RecordBase != 1 && state.RecordIndex <= 1;
  ChemDbStep('<');
  if (restart) OnFirstRecord();
  RunStep();
  state.GlobalTarget = NoGlobalTarget;
}

void Cwm_KjemikaliedatabaseDlg::OnLastRecord() {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  auto& state = ChemDbState;
  state.GlobalTarget = CountingRun;
  ChemDbStep('l');
  state.FileIndex = 0;
  state.GlobalTarget += 1;
  RunStep();
  state.GlobalTarget = NoGlobalTarget;
  state.NavigationStep = 0;
}

void Cwm_KjemikaliedatabaseDlg::OnNextFile() {
  auto& state = ChemDbState;
  state.FileStepMode = FileStepLeaving;
  state.GlobalTarget = CountingRun;
  ExecuteDatabaseCommand();
  state.FileStepMode = FileStepNone;
  state.GlobalTarget = NoGlobalTarget;
}

void Cwm_KjemikaliedatabaseDlg::OnPreviousFile() {
  auto& state = ChemDbState;
  state.RecordIndex = 1;
  state.FileStepMode = FileStepPrevious;
  OnPreviousRecord();
  state.FileStepMode = FileStepNone;
}

void Cwm_KjemikaliedatabaseDlg::OnClearSearch() {
  for (const int id : {NameSearchComboId, CasSearchFieldId, LabelSearchFieldId, FormulaSearchFieldId, NumericValue1Id,
                       NumericValue2Id})
    SetDlgItemText(id, "");
}

void Cwm_KjemikaliedatabaseDlg::AddShownNameToList() {
  if (shownName_.empty()) return;
  if (m_nameSearch.AddString(shownName_.c_str()) == CB_ERRSPACE) ShowMessage(NameListFull);
}

void Cwm_KjemikaliedatabaseDlg::RemoveNameFromList(const std::string& name) {
  if (name.empty()) return;
  if (const int index = m_nameSearch.FindStringExact(-1, name.c_str()); index >= 0) m_nameSearch.DeleteString(index);
}

// The name list changes only when the write was done.
void Cwm_KjemikaliedatabaseDlg::OnStore() {
  ChemDbState.PendingOp = PendingStore;
  if (ExecuteDatabaseCommand() == StepOutcome::Done) AddShownNameToList();
}

void Cwm_KjemikaliedatabaseDlg::OnOverwrite() {
  const std::string oldName = shownName_;
  ChemDbState.PendingOp = PendingOverwrite;
  if (ExecuteDatabaseCommand() != StepOutcome::Done) return;
  RemoveNameFromList(oldName);
  AddShownNameToList();
}

void Cwm_KjemikaliedatabaseDlg::OnDelete() {
  if (ChemDbNoDeleteWarning != 1 && ::MessageBox(m_hWnd, DeleteQuestion, MessageCaption, MB_YESNO) != IDYES) return;
  const std::string oldName = shownName_;
  ChemDbState.PendingOp = PendingDelete;
  if (ExecuteDatabaseCommand() == StepOutcome::Done) RemoveNameFromList(oldName);
}

// Empties the record fields for a new record; the cursor stays, so that "Lagre" stores the new
// record beside the one that was current. Without the question the safety text goes too.
void Cwm_KjemikaliedatabaseDlg::OnNewRecord() {
  int answer = IDYES;
  if (ChemDbNoDeleteWarning != 1) answer = ::MessageBox(m_hWnd, NewRecordQuestion, MessageCaption, MB_YESNOCANCEL);
  if (answer == IDCANCEL) return;
  for (const int id : RecordFieldIds) SetDlgItemText(id, "");
  if (answer == IDYES) {
    SafetyDataText.clear();
    HealthHazardCode.clear();
    FireHazardCode.clear();
    EnvironmentHazardCode.clear();
  }
  CurrentFormulaText.clear();
  RefreshDatabaseCompanions(*this);
}

void Cwm_KjemikaliedatabaseDlg::OnWriteHtm() {
  const std::string name = DialogItemText(*this, HtmNameFieldId, HtmNameReadLimit);
  if (name.size() > HtmNameLimit) {
    ShowMessage(HtmNameTooLong);
    return;
  }
  ChemDbState.PendingOp = PendingGather;
  if (ExecuteDatabaseCommand() == StepOutcome::Done) WriteHtmlDatasheet(ChemDbRecord, name);
}

void Cwm_KjemikaliedatabaseDlg::OnShowFormulaInfo() { ShowFormulaInfoWindow(this); }

void Cwm_KjemikaliedatabaseDlg::OnShowSafetySheet() { ShowSafetyDataSheetWindow(this); }

void Cwm_KjemikaliedatabaseDlg::OnFormulaModePlain() { ChemDbFormulaSearchMode = FormulaSearchAsTyped; }
void Cwm_KjemikaliedatabaseDlg::OnFormulaModeCounts() { ChemDbFormulaSearchMode = FormulaSearchEmpirical; }
void Cwm_KjemikaliedatabaseDlg::OnFormulaModeQualitative() { ChemDbFormulaSearchMode = FormulaSearchQualitative; }
void Cwm_KjemikaliedatabaseDlg::OnWholeWord() { ChemDbWholeWordSearch = ChemDbWholeWordSearch == 1 ? 0 : 1; }
void Cwm_KjemikaliedatabaseDlg::OnAutoFormulaMass() { AutoFormulaMass = AutoFormulaMass == 1 ? 0 : 1; }
void Cwm_KjemikaliedatabaseDlg::OnStoreAfter() { StoreAfterRecord = StoreAfterRecord == 1 ? 0 : 1; }
void Cwm_KjemikaliedatabaseDlg::OnDeleteWarning() { ChemDbNoDeleteWarning = ChemDbNoDeleteWarning == 1 ? 0 : 1; }

void Cwm_KjemikaliedatabaseDlg::ShowUnit(const NumericQuantity& quantity, int degreeId, int textId, int cubeId) {
  SetDlgItemText(degreeId, quantity.degree);
  SetDlgItemText(textId, quantity.unit);
  SetDlgItemText(cubeId, quantity.cube);
}

void Cwm_KjemikaliedatabaseDlg::OnNumericQuantityChange() { FillNumericSearchCombos(); }

// Both lists offer every quantity but the one the other list has chosen.
void Cwm_KjemikaliedatabaseDlg::FillNumericSearchCombos() {
  if (ChemDbNumericField1 != 0) {
    std::string first;
    std::string second;
    m_quantity1.GetWindowText(first);
    m_quantity2.GetWindowText(second);
    if (const int number = NumericQuantityNumber(first)) ChemDbNumericField1 = number;
    if (const int number = NumericQuantityNumber(second)) ChemDbNumericField2 = number;
  }
  if (ChemDbNumericField1 < 1 || ChemDbNumericField1 > NumericQuantityCount) ChemDbNumericField1 = 1;
  if (ChemDbNumericField2 < 1 || ChemDbNumericField2 > NumericQuantityCount || ChemDbNumericField2 == ChemDbNumericField1)
    ChemDbNumericField2 = ChemDbNumericField1 % NumericQuantityCount + 1;
  const NumericQuantity& first = NumericQuantityOf(ChemDbNumericField1, 1);
  const NumericQuantity& second = NumericQuantityOf(ChemDbNumericField2, 2);
  m_quantity1.ResetContent();
  m_quantity2.ResetContent();
  for (const NumericQuantity& quantity : NumericQuantities) {
    if (&quantity != &second) m_quantity1.AddString(quantity.text);
    if (&quantity != &first) m_quantity2.AddString(quantity.text);
  }
  m_quantity1.SetCurSel(m_quantity1.FindStringExact(-1, first.text));
  m_quantity2.SetCurSel(m_quantity2.FindStringExact(-1, second.text));
  ShowUnit(first, Unit1DegreeId, Unit1TextId, Unit1CubeId);
  ShowUnit(second, Unit2DegreeId, Unit2TextId, Unit2CubeId);
}

void Cwm_KjemikaliedatabaseDlg::OnFormulaFieldLeft() {
  CurrentFormulaText = DialogItemText(*this, FormulaFieldId, CurrentFormulaLimit);
  ErrorText.clear();
  const float mass = FormulaMass(CurrentFormulaText);
  if (mass > 0.0f) {
    SetDlgItemText(FormulaErrorFieldId, "");
    if (AutoFormulaMass == 1) SetDlgItemText(FormulaMassFieldId, FormatNumberFixed(mass).c_str());
  } else {
    SetDlgItemText(FormulaErrorFieldId, ErrorText.c_str());
    if (AutoFormulaMass == 1) SetDlgItemText(FormulaMassFieldId, "");
  }
  ErrorText.clear();
}

// A number field that lost the focus shows the number as the number parser reads it; a field that
// holds no valid number is emptied after the message, the tolerance gets its value back.
void Cwm_KjemikaliedatabaseDlg::CheckNumericField(int fieldId) {
  ChemDbState.NumericFieldId = fieldId;
  const std::string text = DialogItemText(*this, fieldId, NumberReadLimit);
  // The rule the search matches numbers by, so that every number the field keeps can be found.
  const std::optional<double> value = DatabaseNumber(text);
  if (!value && !text.empty()) {
    ShowMessage(NumberError);
    SetDlgItemText(fieldId, fieldId == ToleranceFieldId ? FormatNumberFixed(SkDev).c_str() : "");
  } else if (value && fieldId == ToleranceFieldId) {
    SkDev = static_cast<float>(*value);
  }
  ChemDbState.NumericFieldId = 0;
}

BOOL Cwm_KjemikaliedatabaseDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == EN_KILLFOCUS) {
    const int id = LOWORD(wParam);
    if (std::ranges::find(NumericFieldIds, id) != std::end(NumericFieldIds)) {
      CheckNumericField(id);
      return TRUE;
    }
  }
  return Cwm_KjemikaliedatabaseBaseDlg::OnCommand(wParam, lParam);
}

int OpenChemicalsDatabaseDialog(CWnd* parent) {
  return OpenModalDialog<Cwm_KjemikaliedatabaseDlg>(KjemikaliedatabaseTemplateName, parent);
}
