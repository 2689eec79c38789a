#include "solution_chemistry/solubility_window.h"

#include <string>

#include "platform/controls/heading_spacing.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "resources/solubility_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "solution_chemistry/dissociation_messages.h"
#include "solution_chemistry/dissociation_tables.h"
#include "solution_chemistry/solubility_calculation.h"
#include "solution_chemistry/solubility_data_editor.h"

namespace {

// Each field is read with at most 37 characters.
constexpr std::size_t FieldReadLimit = 37;

constexpr std::initializer_list<int> AmountRow = {SaltAmountId, CationAmountId, AnionAmountId, CrystalWaterAmountId};
constexpr std::initializer_list<int> MassRow = {SaltMassId, CationMassId, AnionMassId, CrystalWaterMassId};
constexpr std::initializer_list<int> Results = {ResultKspId, ResultCationId, ResultAnionId, ResultCationExponentId,
                                                ResultAnionExponentId};

struct SolubilityExample {
  const char* formula;
  const char* cation;
  const char* anion;
  int numberField;
  const char* number;
  const char* anionCommonIon;  // null: none
  const char* solvent;
};

constexpr SolubilityExample Examples[] = {
    {"AgCl", "Ag+", "Cl-", KspInputId, "1.77E-10", nullptr, "0.5"},
    {"Ag2S", "2Ag+", "S-2", SaltAmountId, "1.07722E-17", nullptr, "1"},
    {"BaSO4", "Ba+2", "SO4-2", KspInputId, "1.8E-10", nullptr, "1000"},
    {"BaSO4", "Ba+2", "SO4-2", KspInputId, "1.8E-10", "0.1", "1000"},
    {"MgF2", "Mg+2", "2F-", KspInputId, "7.42E-11", nullptr, "0.5"},
    {"MgF2", "Mg+2", "2F-", KspInputId, "7.42E-11", "0.1", "0.5"},
};

bool English() { return LanguageCode == EnglishLanguage; }

std::string MessageText(SolubilityMessage message) {
  const bool english = English();
  switch (message) {
    case SolubilityMessage::None:
      break;
    case SolubilityMessage::IllegalNumber:
      return IllegalNumberMessage();
    case SolubilityMessage::MissingSolvent:
      return english ? "MISSING SOLVENT\n\nSolvent mass >0 before calc.!"
                     : "MANGLENDE L\xD8SNINGSMIDDEL\n\nL\xF8sningsmiddelets masse >0 kreves angitt f\xF8r beregning!";
    case SolubilityMessage::IllegalCompound:
      return english ? "ILLEGAL COMPUND\n\nCompund/formula shouldn't be argumented by a number!"
                     : "ULOVLIG FORBINDELSE\n\nForbindelsen kan ikke v\xE6re argumentert med tall!";
    case SolubilityMessage::KspWithCommonIonOnly:
      return english ? "ERRONEOUS USE OF NUMBER FIELD\n\nFollowing values can/should be used reg. common ion effect "
                       "calc.:\nsolubility product + conc. of common ion!"
                     : "FEILAKTIG BRUK AV NUMMERFELTER\n\nVed fellesionberegninger skal kun "
                       "l\xF8selighetsproduktet\nsamt kons. av fellesionet angis!";
    case SolubilityMessage::OneNumberFieldOnly:
      return english ? "ERRONEOUS USE OF NUMBER FIELD\n\nOnly one of the following number fields can/should be\nused "
                       "during a non-common ion effect calc.:\n\n1)Comp. amount of mol\n2)Comp. dissolved mass\n3)Anion "
                       "conc.\n4)Cation conc.\n5)Solubility product"
                     : "FEILAKTIG BRUK AV NUMMERFELTER\n\nVed beregninger som ikke involverer\nfellesioneffekt, angis kun "
                       "en av f\xF8lgende verdier:\n\n1)Forbindelsens oppl\xF8ste molmengde\n2)Forbindelsens oppl\xF8ste "
                       "masse\n3)Anion-kons.\n4)Kation-kons.\n5)L\xF8selighetsproduktet";
    case SolubilityMessage::OneCommonIonOnly:
      return english ? "ERRONEOUS USE OF NUMBER FIELD (COMMON ION EFFECT CALC.)\n\nLegal used fields during common ion "
                       "calc.:\nTHE common ion + solubility product!"
                     : "FEILAKTIG PLASSERTE VERDIER VED FELLESIONBEREGNING\n\nVed beregninger som involverer fellesion "
                       "angis kun ett fellesion, samt l\xF8selighetsproduktet!";
    case SolubilityMessage::MissingKsp:
      return english ? "MISSING SOLUBILITY PRODUCT\n\nMissing solubility product (common ion effect calc.)!"
                     : "MANGLENDE L\xD8SELIGHETSPRODUKT\n\nVed fellesionberegninger kreves l\xF8selighetsproduktet "
                       "angitt!";
    case SolubilityMessage::BalanceError:
      return BalanceErrorMessage();
    case SolubilityMessage::FormulaError:
      return FormulaErrorMessage();
    case SolubilityMessage::CommonIonNotFound:
      return english ? "NO SOLUTION FOUND\n\nNo dissolved amount gives the solubility product\nbeside this common ion!"
                     : "INGEN L\xD8SNING\n\nIngen oppl\xF8st mengde gir l\xF8selighetsproduktet\nved siden av dette "
                       "fellesionet!";
  }
  return {};
}

// The field that stopped the reading, named as its label or its place in the window reads.
std::string FieldName(SolubilityNumberField field) {
  const bool english = English();
  switch (field) {
    case SolubilityNumberField::None:
      break;
    case SolubilityNumberField::Ksp:
      return "Ksp";
    case SolubilityNumberField::CationConcentration:
      return english ? "[cation]" : "[kation]";
    case SolubilityNumberField::AnionConcentration:
      return "[anion]";
    case SolubilityNumberField::AnionCommonIon:
      return english ? "[anion] (common ion)" : "[anion] (fellesion)";
    case SolubilityNumberField::CationCommonIon:
      return english ? "[cation] (common ion)" : "[kation] (fellesion)";
    case SolubilityNumberField::Solvent:
      return english ? "Mass (solvent)" : "Masse (l\xF8sn.middel)";
    case SolubilityNumberField::Amount:
      return "Mol";
    case SolubilityNumberField::Mass:
      return english ? "Mass(g)" : "Masse(g)";
  }
  return {};
}

}  // namespace

BEGIN_MESSAGE_MAP(Cwm_SOLUPRODBaseDlg, CSimModalDlg)
ON_BN_CLICKED(OpenSolubilityDataId, OpenSolubilityData)
END_MESSAGE_MAP()

void Cwm_SOLUPRODBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, SoluprodSetup,
                      {m_equationStatics, m_englishName, m_norwegianName, m_temperature, m_dissociationGroup,
                       m_inputCationExponent, m_inputAnionExponent, m_inputEquals, m_inputTimes, m_symbolicCation,
                       m_symbolicAnion, m_cationAmount, m_symbolicStatics, m_anionAmount, m_commonIonGroup,
                       m_solventStatics, m_cationMass, m_anionMass, m_inputStatics, m_hiddenGroup, m_commonIonStatics,
                       m_crystalWaterMass, m_crystalWaterAmount, m_resultGroup, m_examplesLabel, m_resultKsp,
                       m_resultCation, m_resultAnion, m_resultStatics});
}

void Cwm_SOLUPRODBaseDlg::ArrangeTexts() {
  SpaceHeadingOverFields(m_hWnd, SaltColumnHeadsId, {SaltFormulaId, CationFieldId, AnionFieldId, CrystalWaterFieldId});
}

void Cwm_SOLUPRODBaseDlg::OpenSolubilityData() { OpenSolubilityDataDialog(this); }

BEGIN_MESSAGE_MAP(Cwm_SOLUPRODDlg, Cwm_SOLUPRODBaseDlg)
ON_CONTROL(CBN_SELCHANGE, SaltFormulaId, LoadSolubilityRecord)
ON_CONTROL(CBN_DROPDOWN, SaltFormulaId, FillSolubilityCombo)
ON_BN_CLICKED(CalculateSolubilityId, CalculateSolubility)
ON_CONTROL(EN_SETFOCUS, KspInputId, EnterKsp)
ON_CONTROL(EN_SETFOCUS, CationConcentrationId, EnterCationConcentration)
ON_CONTROL(EN_SETFOCUS, AnionConcentrationId, EnterAnionConcentration)
ON_CONTROL(EN_SETFOCUS, CationCommonIonId, EnterCationCommonIon)
ON_CONTROL(EN_SETFOCUS, AnionCommonIonId, EnterAnionCommonIon)
ON_CONTROL(EN_SETFOCUS, SaltAmountId, EnterSaltAmount)
ON_CONTROL(EN_SETFOCUS, SaltMassId, EnterSaltMass)
ON_COMMAND_RANGE(FirstSolubilityExampleId, LastSolubilityExampleId, PutExample)
END_MESSAGE_MAP()

BOOL Cwm_SOLUPRODDlg::OnUserInit(int) {
  SetDlgItemText(SolventMassId, "1");
  return TRUE;
}

std::string Cwm_SOLUPRODDlg::FieldText(int id) const { return DialogItemText(*this, id, FieldReadLimit); }

void Cwm_SOLUPRODDlg::Empty(std::initializer_list<int> ids) {
  for (int id : ids) SetDlgItemText(id, "");
}

// The list shows the table's keys as they are now, also after the editor has rewritten it.
void Cwm_SOLUPRODDlg::FillSolubilityCombo() {
  if (auto* combo = static_cast<CComboBox*>(GetDlgItem(SaltFormulaId))) RefillKeyCombo(*combo, SolubilityTable);
}

void Cwm_SOLUPRODDlg::LoadSolubilityRecord() {
  Empty(AmountRow);
  Empty(MassRow);
  Empty({SymbolicCationId, SymbolicAnionId, KspInputId, CationConcentrationId, AnionConcentrationId,
         CationCommonIonId, AnionCommonIonId});
  auto* combo = static_cast<CComboBox*>(GetDlgItem(SaltFormulaId));
  const int selected = combo != nullptr ? combo->GetCurSel() : CB_ERR;
  if (selected >= 0) {
    std::string key;
    combo->GetLBText(selected, key);
    std::vector<std::string> record = FindEditorRecord(SolubilityTable, key);
    const bool damaged = EmptyDamagedNumbers(record);
    if (!record.empty()) {
      const std::pair<int, int> shown[] = {
          {FormulaLine, SaltFormulaId},      {EnglishNameLine, SaltEnglishNameId}, {NorwegianNameLine, SaltNorwegianNameId},
          {CrystalWaterLine, CrystalWaterFieldId}, {CationLine, CationFieldId},    {AnionLine, AnionFieldId},
          {ConstantLine, KspInputId},        {TemperatureLine, SaltTemperatureId},
      };
      for (const auto& [line, id] : shown) SetDlgItemText(id, RecordLine(record, line).c_str());
    }
    if (damaged) ShowDissociationMessage(*this, DamagedRecordsMessage(SolubilityTable.fileName, {key}));
  }
  CalculateSolubility();
}

void Cwm_SOLUPRODDlg::CalculateSolubility() {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  const SolubilityInput input{
      {FieldText(SaltFormulaId), FieldText(CationFieldId), FieldText(AnionFieldId), FieldText(CrystalWaterFieldId)},
      FieldText(KspInputId),
      FieldText(CationConcentrationId),
      FieldText(AnionConcentrationId),
      FieldText(CationCommonIonId),
      FieldText(AnionCommonIonId),
      FieldText(SolventMassId),
      FieldText(SaltAmountId),
      FieldText(SaltMassId),
  };
  const SolubilityResult result = ::CalculateSolubility(input);
  SetCursor(LoadCursor(nullptr, IDC_ARROW));

  // A bad number stops the calculation before anything is shown or emptied: what was typed stays.
  if (result.message == SolubilityMessage::IllegalNumber) {
    ShowDissociationMessage(*this, MessageText(result.message) + "\n\n" + FieldName(result.badField));
    return;
  }
  if (result.message != SolubilityMessage::None) ShowDissociationMessage(*this, MessageText(result.message));

  const bool balanceFault =
      result.message == SolubilityMessage::BalanceError || result.message == SolubilityMessage::FormulaError;
  if (balanceFault || result.message == SolubilityMessage::CommonIonNotFound) {
    Empty({CationAmountId, AnionAmountId, CrystalWaterAmountId, CationMassId, AnionMassId, CrystalWaterMassId});
    Empty({InputCationExponentId, InputAnionExponentId, ResultKspId, ResultCationId, ResultAnionId,
           ResultCationExponentId, ResultAnionExponentId});
    if (balanceFault)
      Empty({SymbolicCationId, SymbolicAnionId, SymbolicCationExponentId, SymbolicAnionExponentId});
    else
      Empty({SaltAmountId, SaltMassId});
  }
  if (result.balanced) {
    SetDlgItemText(SymbolicCationId, result.ions[0].c_str());
    SetDlgItemText(SymbolicAnionId, result.ions[1].c_str());
    for (int id : {SymbolicCationExponentId, InputCationExponentId, ResultCationExponentId})
      SetDlgItemText(id, result.computed || id == SymbolicCationExponentId ? result.coefficients[0].c_str() : "");
    for (int id : {SymbolicAnionExponentId, InputAnionExponentId, ResultAnionExponentId})
      SetDlgItemText(id, result.computed || id == SymbolicAnionExponentId ? result.coefficients[1].c_str() : "");
  }
  if (result.computed) {
    const int amountIds[] = {SaltAmountId, CationAmountId, AnionAmountId, CrystalWaterAmountId};
    const int massIds[] = {SaltMassId, CationMassId, AnionMassId, CrystalWaterMassId};
    for (std::size_t i = 0; i < DissociationRowCount; ++i) {
      SetDlgItemText(amountIds[i], result.amounts[i].c_str());
      SetDlgItemText(massIds[i], result.masses[i].c_str());
    }
    SetDlgItemText(ResultKspId, result.concentrations[0].c_str());
    SetDlgItemText(ResultCationId, result.totalCation.c_str());
    SetDlgItemText(ResultAnionId, result.totalAnion.c_str());
  }
  if (!result.numberGiven) {
    // The calculation ran for one mole only to show the dissociation expression.
    EnterSaltAmount();
    Empty({SaltAmountId, InputCationExponentId, InputAnionExponentId});
  }
}

void Cwm_SOLUPRODDlg::PutExample(UINT id) {
  const int index = static_cast<int>(id) - FirstSolubilityExampleId;
  const SolubilityExample& example = Examples[index];
  Empty(AmountRow);
  Empty(MassRow);
  Empty({SymbolicCationId, SymbolicAnionId, KspInputId, CationConcentrationId, AnionConcentrationId,
         CationCommonIonId, AnionCommonIonId});
  Empty(Results);
  SetDlgItemText(SaltFormulaId, example.formula);
  SetDlgItemText(CationFieldId, example.cation);
  SetDlgItemText(AnionFieldId, example.anion);
  SetDlgItemText(example.numberField, example.number);
  if (example.anionCommonIon != nullptr) SetDlgItemText(AnionCommonIonId, example.anionCommonIon);
  SetDlgItemText(SolventMassId, example.solvent);
  const std::string number = std::to_string(index + 1);
  SetDlgItemText(SaltEnglishNameId, ("Example " + number).c_str());
  SetDlgItemText(SaltNorwegianNameId, ("Eksempel " + number).c_str());
  SetDlgItemText(SaltTemperatureId, "25");
  SetDlgItemText(CrystalWaterFieldId, "");
}

// Entering an input field empties the fields that would contradict it.
void Cwm_SOLUPRODDlg::EnterKsp() {
  Empty(AmountRow);
  Empty(MassRow);
  Empty({CationConcentrationId, AnionConcentrationId});
  Empty(Results);
}

void Cwm_SOLUPRODDlg::EnterCationConcentration() {
  Empty(AmountRow);
  Empty(MassRow);
  Empty({KspInputId, AnionConcentrationId, CationCommonIonId, AnionCommonIonId});
  Empty(Results);
}

void Cwm_SOLUPRODDlg::EnterAnionConcentration() {
  Empty(AmountRow);
  Empty(MassRow);
  Empty({KspInputId, CationConcentrationId, CationCommonIonId, AnionCommonIonId});
  Empty(Results);
}

void Cwm_SOLUPRODDlg::EnterCationCommonIon() {
  Empty(AmountRow);
  Empty(MassRow);
  Empty({CationConcentrationId, AnionConcentrationId, AnionCommonIonId});
  Empty(Results);
}

void Cwm_SOLUPRODDlg::EnterAnionCommonIon() {
  Empty(AmountRow);
  Empty(MassRow);
  Empty({CationConcentrationId, AnionConcentrationId, CationCommonIonId});
  Empty(Results);
}

void Cwm_SOLUPRODDlg::EnterSaltAmount() {
  Empty({CationAmountId, AnionAmountId, CrystalWaterAmountId});
  Empty(MassRow);
  Empty({KspInputId, CationConcentrationId, AnionConcentrationId, CationCommonIonId, AnionCommonIonId});
  Empty(Results);
}

void Cwm_SOLUPRODDlg::EnterSaltMass() {
  Empty(AmountRow);
  Empty({CationMassId, AnionMassId, CrystalWaterMassId});
  Empty({KspInputId, CationConcentrationId, AnionConcentrationId, CationCommonIonId, AnionCommonIonId});
  Empty(Results);
}

int OpenSolubilityProductDialog(CWnd* parent) {
  return OpenModalDialog<Cwm_SOLUPRODDlg>(SoluprodTemplateName, parent);
}
