#include "solution_chemistry/acid_base_window.h"

#include "platform/controls/heading_spacing.h"
#include <string>

#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "resources/acid_base_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "solution_chemistry/acid_base_calculation.h"
#include "solution_chemistry/dissociation_check.h"
#include "solution_chemistry/dissociation_messages.h"
#include "solution_chemistry/dissociation_tables.h"
#include "solution_chemistry/acid_base_constants_editor.h"

namespace {

constexpr std::initializer_list<int> Inputs = {InitialInputId, IonInputId,  ConjugateInputId, AddedConjugateId,
                                               AddedIonId,     PHInputId,   ConstantInputId};
constexpr std::initializer_list<int> Results = {ResultIonId,      ResultConjugateId, ResultUndissociatedId,
                                                ResultConstantId, ResultPKId,        ResultPHId};

struct AcidBaseExample {
  const char* formula;
  const char* conjugate;
  std::initializer_list<std::pair<int, const char*>> values;
};

const AcidBaseExample Examples[] = {
    {"CH3COOH", "CH3COO-", {{InitialInputId, "0.1"}, {ConstantInputId, "1.75E-5"}}},
    {"CH3COOH", "CH3COO-", {{IonInputId, "0.002"}, {ConstantInputId, "1.75E-5"}}},
    {"CH3COOH", "CH3COO-", {{PHInputId, "4"}, {ConstantInputId, "1.75E-5"}}},
    {"CH3COOH", "CH3COO-", {{AddedConjugateId, "0.1"}, {InitialInputId, "0.1"}, {ConstantInputId, "1.75E-5"}}},
    {"CH3COOH", "CH3COO-", {{PHInputId, "7"}, {InitialInputId, "0.001"}, {ConstantInputId, "1.75E-5"}}},
    {"HCN", "CN-", {{IonInputId, "1E-6"}, {InitialInputId, "0.2"}, {ConstantInputId, "5.85E-10"}}},
};

bool English() { return LanguageCode == EnglishLanguage; }

std::string MessageText(AcidBaseMessage message) {
  const bool english = English();
  switch (message) {
    case AcidBaseMessage::Coefficient:
      return english ? "ILLEGAL USE OF COEFFICIENT IN DISSOCATION FIELD\n\n"
                     : "ULOVLIG BRUK AV KOEFFISIENTER I DISSOSIASJONSFELT\n\n";
    case AcidBaseMessage::MissingIon:
      return english ? "MISSING H3O+ OR OH- IN DISSOCATION FIELD\n\n"
                     : "MANGLENDE H3O+ ELLER OH- I DISSOSIASJONSFELT\n\n";
    case AcidBaseMessage::BadPHOrConcentration:
      return english ? "ILLEGAL H3O+/OH- CONC. OR pH-VALUE \n\nLegal pH-values and [H3O+/OH-]:\n\nACID: pH<=7 og "
                       "[H3O+]>=1E-7\nBASE: pH>=7 and [OH-]>=1E-7"
                     : "UGYLDIG H3O+/OH- KONS. ELLER pH-VERDI \n\nLovlige pH-verdier og [H3O+/OH-]:\n\nSYRE: pH<=7 og "
                       "[H3O+]>=1E-7\nBASE: pH>=7 og [OH-]>=1E-7";
    case AcidBaseMessage::BadNumber:
      return IllegalNumberMessage();
    case AcidBaseMessage::BalanceError:
      return BalanceErrorMessage();
    case AcidBaseMessage::FormulaError:
      return FormulaErrorMessage();
    case AcidBaseMessage::UnknownCombination:
      return english ? "UNKNOWN COMBINATION OF NUMBERS\n\nPossible errors:\nNumber fields contain to few numbers, to "
                       "many numbers,\nor unknown combination of numb."
                     : "UKJENTE TALLKOMBINASJONER\n\nFeil oppst\xE5tt som f\xF8lge av at:\nTallfeltene inneholder for "
                       "f\xE5 tall, for mange tall,\neller ukjente tallkombinasjoner";
    case AcidBaseMessage::IllegalValue:
      return english ? "ILLEGAL NUMB. IN EXPR.\n\nProblem caused by:\nNumbers to high/low"
                     : "UGYLDIG(E) TALLVERDI(ER) I UTTRYKK\n\nBeregning lar seg ikke gjennomf\xF8re fordi:\nTallverdien "
                       "i ett eller flere av feltene er for h\xF8y eller for lav";
  }
  return {};
}

}  // namespace

BEGIN_MESSAGE_MAP(Cwm_SYREBASEBaseDlg, CSimModalDlg)
ON_BN_CLICKED(OpenAcidBaseDataId, OpenAcidBaseData)
END_MESSAGE_MAP()

void Cwm_SYREBASEBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, SyrebaseSetup,
                      {m_englishName, m_norwegianName, m_temperature, m_equationStatics, m_symbolicIon,
                       m_symbolicConjugate, m_symbolicAcid, m_symbolicStatics, m_inputBrackets, m_constantEquals,
                       m_resultPHLabel, m_pHLabel, m_bufferBrackets, m_bufferGroup, m_resultBrackets, m_resultIon,
                       m_resultConjugate, m_resultUndissociated, m_resultConstant, m_resultPH, m_resultGroup,
                       m_resultPK, m_resultPKLabel, m_examplesLabel, m_beforeDissociationMark, m_equationGroup});
}

void Cwm_SYREBASEBaseDlg::ArrangeTexts() {
  SpaceHeadingOverFields(m_hWnd, AcidColumnHeadsId, {AcidFormulaId, AcidIonFieldId});
}

void Cwm_SYREBASEBaseDlg::OpenAcidBaseData() { OpenAcidBaseDataDialog(this); }

BEGIN_MESSAGE_MAP(Cwm_SYREBASEDlg, Cwm_SYREBASEBaseDlg)
ON_CONTROL(CBN_DROPDOWN, AcidFormulaId, FillAcidBaseCombo)
ON_CONTROL(CBN_SELCHANGE, AcidFormulaId, LoadAcidBaseRecord)
ON_BN_CLICKED(CalculateAcidBaseId, CalculateWeakAcidBase)
ON_COMMAND_RANGE(FirstAcidExampleId, LastAcidExampleId, PutExample)
ON_BN_CLICKED(EraseAcidInputsId, EraseInputs)
END_MESSAGE_MAP()

BOOL Cwm_SYREBASEDlg::OnUserInit(int) {
  return TRUE;
}

std::string Cwm_SYREBASEDlg::FieldText(int id) const { return DialogItemText(*this, id, SlotReadLimit); }

void Cwm_SYREBASEDlg::Empty(std::initializer_list<int> ids) {
  for (int id : ids) SetDlgItemText(id, "");
}

// The list shows the table's keys as they are now, also after the editor has rewritten it.
void Cwm_SYREBASEDlg::FillAcidBaseCombo() {
  if (auto* combo = static_cast<CComboBox*>(GetDlgItem(AcidFormulaId))) RefillKeyCombo(*combo, AcidBaseTable);
}

// The chosen acid or base at concentration 1 before dissociation, with its stored K.
void Cwm_SYREBASEDlg::LoadAcidBaseRecord() {
  auto* combo = static_cast<CComboBox*>(GetDlgItem(AcidFormulaId));
  const int selected = combo != nullptr ? combo->GetCurSel() : CB_ERR;
  if (selected >= 0) {
    std::string key;
    combo->GetLBText(selected, key);
    std::vector<std::string> record = FindEditorRecord(AcidBaseTable, key);
    const bool damaged = EmptyDamagedNumbers(record);
    if (!record.empty()) {
      const std::pair<int, int> shown[] = {
          {FormulaLine, AcidFormulaId},         {EnglishNameLine, AcidEnglishNameId},
          {NorwegianNameLine, AcidNorwegianNameId}, {CrystalWaterLine, AcidLineFiveId},
          {CationLine, AcidIonFieldId},         {AnionLine, AcidConjugateFieldId},
          {ConstantLine, ConstantInputId},      {TemperatureLine, AcidTemperatureId},
      };
      for (const auto& [line, id] : shown) SetDlgItemText(id, RecordLine(record, line).c_str());
    }
    if (damaged) ShowDissociationMessage(*this, DamagedRecordsMessage(AcidBaseTable.fileName, {key}));
  }
  Empty({AddedIonId, AddedConjugateId, PHInputId, IonInputId, ConjugateInputId});
  SetDlgItemText(InitialInputId, "1");
  CalculateWeakAcidBase();
}

void Cwm_SYREBASEDlg::CalculateWeakAcidBase() {
  const AcidBaseInput input{
      .formula = FieldText(AcidFormulaId),
      .ion = FieldText(AcidIonFieldId),
      .conjugate = FieldText(AcidConjugateFieldId),
      .addedIon = FieldText(AddedIonId),
      .addedConjugate = FieldText(AddedConjugateId),
      .pH = FieldText(PHInputId),
      .ionConcentration = FieldText(IonInputId),
      .conjugateConcentration = FieldText(ConjugateInputId),
      .initial = FieldText(InitialInputId),
      .constant = FieldText(ConstantInputId),
  };
  const AcidBaseResult result = ::CalculateWeakAcidBase(input);
  if (result.ion != input.ion || result.conjugate != input.conjugate) {
    SetDlgItemText(AcidIonFieldId, result.ion.c_str());
    SetDlgItemText(AcidConjugateFieldId, result.conjugate.c_str());
  }
  for (AcidBaseMessage message : result.messages) ShowDissociationMessage(*this, MessageText(message));
  SetDlgItemText(SymbolicIonId, result.symbolicIon.c_str());
  SetDlgItemText(SymbolicConjugateId, result.symbolicConjugate.c_str());
  SetDlgItemText(SymbolicAcidId, result.symbolicFormula.c_str());
  const std::pair<int, const std::string*> shown[] = {
      {ResultIonId, &result.ionConcentration}, {ResultConjugateId, &result.conjugateConcentration},
      {ResultUndissociatedId, &result.undissociated}, {ResultConstantId, &result.constant},
      {ResultPKId, &result.pK}, {ResultPHId, &result.pH},
  };
  for (const auto& [id, text] : shown) SetDlgItemText(id, text->c_str());
}

void Cwm_SYREBASEDlg::PutExample(UINT id) {
  const int index = static_cast<int>(id) - FirstAcidExampleId;
  const AcidBaseExample& example = Examples[index];
  const std::string number = std::to_string(index + 1);
  SetDlgItemText(AcidEnglishNameId, ("Example " + number).c_str());
  SetDlgItemText(AcidNorwegianNameId, ("Eksempel " + number).c_str());
  Empty(Inputs);
  SetDlgItemText(AcidFormulaId, example.formula);
  SetDlgItemText(AcidIonFieldId, "H3O+");
  SetDlgItemText(AcidConjugateFieldId, example.conjugate);
  for (const auto& [field, value] : example.values) SetDlgItemText(field, value);
  Empty({SymbolicIonId, SymbolicConjugateId, SymbolicAcidId});
  Empty(Results);
}

void Cwm_SYREBASEDlg::EraseInputs() { Empty(Inputs); }

int OpenWeakAcidBaseDialog(CWnd* parent) { return OpenModalDialog<Cwm_SYREBASEDlg>(SyrebaseTemplateName, parent); }
