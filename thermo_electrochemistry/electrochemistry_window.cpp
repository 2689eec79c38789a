#include "thermo_electrochemistry/electrochemistry_window.h"

#include <cmath>
#include <initializer_list>
#include <optional>

#include "engine/formtext.h"
#include "engine/numbers/number_text.h"
#include "engine/reaction.h"
#include "engine/records/record_file.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"
#include "platform/win/message_box.h"
#include "platform/win/wait_cursor.h"
#include "resources/electrochemistry_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/editor_list_box.h"
#include "runtime/generated_setup.h"
#include "runtime/resource_message.h"
#include "thermo_electrochemistry/model/half_reaction_text.h"
#include "thermo_electrochemistry/redox_data_editor.h"
#include "engine/numbers/typed_number.h"

namespace {

constexpr double FaradayConstant = 96485.0;
constexpr double GasConstant = 8.31451;
constexpr const char* DefaultTemperature = "298.15";

constexpr std::int8_t BalanceParserMode = 2;
constexpr int NoThermochemicalSums = 0;

// Characters read from the fields: a half reaction to join (whole: a cut one would be another
// reaction; the engine refuses an equation longer than it holds), one to turn, a potential, a solver
// field (which takes no more, so that no number is read cut).
constexpr std::size_t JoinedHalfReactionLimit = EquationTextLimit;
constexpr std::size_t TurnedHalfReactionLimit = 254;
constexpr std::size_t PotentialLimit = 37;
constexpr std::size_t TurnedPotentialLimit = 254;
constexpr std::size_t SolverFieldLimit = 35;

constexpr int HalfReactionLine = 1;
constexpr int PotentialLine = 8;

// RedoxTurnOnSelection and RedoxBalanceOptions hold two bits each, values 0 to 3.
constexpr int FirstBit = 1;
constexpr int SecondBit = 2;
constexpr int HighestOptionsValue = 3;

constexpr const char* TurnHint = "..... > .....";

struct Example {
  const char* left;
  const char* right;
  const char* leftPotential;
  const char* rightPotential;
  const char* electrons;
};

constexpr Example Examples[] = {
    {"Fe+2 + MnO4- + H+ > Fe+3 + Mn+2 + H2O", "", "", "", ""},
    {"H2C2O4 > 2CO2 + 2H+ + 2e-", "Cr2O7-2 + 14H+ + 6e- > 2Cr+3 + 7H2O", "", "", ""},
    {"Br2 + 2e- > 2Br-", "Cu > Cu+2 + 2e- ", "1.09", "-0.34", "-2"},
    {"Fe+2 > Fe+3 + e-", "O2 + 4H+ + 4e- > 2H2O", "-0.77", "1.23", "-4"},
};

constexpr int SolverFieldIds[] = {GibbsEnergyFieldId,      ElectronsFieldId,   PotentialFieldId,
                                  EquilibriumGibbsFieldId, TemperatureFieldId, LnKFieldId};

// The fields an example or the erase button empties; the temperature stays.
constexpr int ErasedFields[] = {GibbsEnergyFieldId, ElectronsFieldId,      PotentialFieldId,   EquilibriumGibbsFieldId,
                                LnKFieldId,         EquilibriumConstantId, LeftHalfReactionId, RightHalfReactionId,
                                LeftPotentialId,    RightPotentialId,      CellPotentialId,    CellReactionId};

bool HasOption(int options, int bit) { return options == bit || options == HighestOptionsValue; }

void ToggleBit(int& options, int bit) {
  if (options >= 0 && options <= HighestOptionsValue) options ^= bit;
}

// One field of a solver row: its value, 0 for an empty field.
struct SolverField {
  int id;
  double value = 0;
};

// Reads the fields in their order. The status counts the fields whose value is 0 (empty ones
// too); a field that is no number makes it 4 or more.
int ReadSolverFields(const CWnd& dialog, std::initializer_list<SolverField*> fields) {
  int status = 0;
  for (SolverField* field : fields) {
    const std::string text = DialogItemText(dialog, field->id, SolverFieldLimit);
    field->value = 0;
    if (!text.empty()) {
      if (const std::optional<double> value = TypedNumber(text))
        field->value = *value;
      else
        status = 4;
    }
    if (field->value == 0) ++status;
  }
  return status;
}

}  // namespace

void Cwm_REDOKSBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, RedoksSetup,
                      {m_turnLeftOnSelection,
                       m_turnRightOnSelection,
                       m_leftList,
                       m_rightList,
                       m_eraseFields,
                       m_calculate,
                       m_examplesLabel,
                       m_examples,
                       m_halfReactionsGroup,
                       m_leftHalfReaction,
                       m_turnLeft,
                       m_leftPotential,
                       m_leftPotentialUnit,
                       m_rightHalfReaction,
                       m_turnRight,
                       m_rightPotential,
                       m_rightPotentialUnit,
                       m_cellReaction,
                       m_cellPotential,
                       m_cellPotentialUnit,
                       m_balanceOptionsGroup,
                       m_removeMultipleSpecies,
                       m_waterGroup,
                       m_combineIntoWater,
                       m_waterHydrogenPlus,
                       m_waterHydroxideMinus,
                       m_waterEquals,
                       m_waterSecondLine,
                       m_waterHydroniumPlus,
                       m_waterSecondMinus,
                       m_gibbsRowDelta,
                       m_gibbsRowText,
                       m_gibbsRowE,
                       m_gibbsRowO,
                       m_solveGibbsRow,
                       m_gibbsEnergy,
                       m_gibbsRowUnit,
                       m_electrons,
                       m_electronsUnit,
                       m_potential,
                       m_potentialUnit,
                       m_equilibriumRowMinus,
                       m_equilibriumRowDelta,
                       m_equilibriumRowText,
                       m_equilibriumRowLnK,
                       m_solveEquilibriumRow,
                       m_equilibriumGibbsEnergy,
                       m_equilibriumGibbsUnit,
                       m_gasConstant,
                       m_temperature,
                       m_temperatureUnit,
                       m_lnK,
                       m_equilibriumConstantLabel,
                       m_equilibriumConstant,
                       m_electrochemicalData});
}

BEGIN_MESSAGE_MAP(Cwm_REDOKSDlg, Cwm_REDOKSBaseDlg)
ON_BN_CLICKED(CalculateCellId, CalculateCellReaction)
ON_CONTROL(LBN_DBLCLK, LeftHalfReactionListId, CalculateCellReaction)
ON_CONTROL(LBN_DBLCLK, RightHalfReactionListId, CalculateCellReaction)
ON_CONTROL(LBN_SELCHANGE, LeftHalfReactionListId, SelectLeftHalfReaction)
ON_CONTROL(LBN_SELCHANGE, RightHalfReactionListId, SelectRightHalfReaction)
ON_BN_CLICKED(TurnLeftId, TurnLeftHalfReaction)
ON_BN_CLICKED(TurnRightId, TurnRightHalfReaction)
ON_BN_CLICKED(TurnLeftOnSelectionId, ToggleTurnLeftOnSelection)
ON_BN_CLICKED(TurnRightOnSelectionId, ToggleTurnRightOnSelection)
ON_BN_CLICKED(RemoveMultipleSpeciesId, ToggleRemoveMultipleSpecies)
ON_BN_CLICKED(CombineIntoWaterId, ToggleCombineIntoWater)
ON_BN_CLICKED(SolveGibbsRowId, SolveFaradayRelation)
ON_BN_CLICKED(SolveEquilibriumRowId, SolveEquilibriumRelation)
ON_COMMAND_RANGE(FirstRedoxExampleId, LastRedoxExampleId, ShowExample)
ON_BN_CLICKED(EraseRedoxFieldsId, EraseFields)
ON_BN_CLICKED(ElectrochemicalDataId, OpenDataEditor)
ON_WM_ACTIVATE()
END_MESSAGE_MAP()

BOOL Cwm_REDOKSDlg::OnUserInit(int) {
  ListFileChanged = 0;
  LoadRedoxLists();
  m_turnLeftOnSelection.SetCheck(HasOption(RedoxTurnOnSelection, FirstBit) ? BST_CHECKED : BST_UNCHECKED);
  m_turnRightOnSelection.SetCheck(HasOption(RedoxTurnOnSelection, SecondBit) ? BST_CHECKED : BST_UNCHECKED);
  for (int id : SolverFieldIds) static_cast<CEdit*>(GetDlgItem(id))->LimitText(static_cast<int>(SolverFieldLimit));
  SetDlgItemText(TemperatureFieldId, DefaultTemperature);
  m_removeMultipleSpecies.SetCheck(HasOption(RedoxBalanceOptions, FirstBit) ? BST_CHECKED : BST_UNCHECKED);
  m_combineIntoWater.SetCheck(HasOption(RedoxBalanceOptions, SecondBit) ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

// Both lists show the half reactions of the table in file order, the first selected.
void Cwm_REDOKSDlg::LoadRedoxLists() {
  m_leftList.ResetContent();
  m_rightList.ResetContent();
  const auto records = ReadRecordFile(RedoxDataEditor.fileName);
  for (const auto& record : records) {
    const std::string halfReaction = RecordLine(record, HalfReactionLine);
    m_leftList.AddString(halfReaction.c_str());
    m_rightList.AddString(halfReaction.c_str());
  }
  if (!records.empty()) {
    m_leftList.SetCurSel(0);
    m_rightList.SetCurSel(0);
  }
}

// The redox data editor, or another editor of a shared list, may have rewritten the table meanwhile.
void Cwm_REDOKSDlg::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  if (ListFileChanged != 0) {
    LoadRedoxLists();
    ListFileChanged = 0;
  }
  Cwm_REDOKSBaseDlg::OnActivate(state, other, minimized);
}

void Cwm_REDOKSDlg::SelectHalfReaction(CListBox& list, int equationId, int potentialId, int turnOnSelectionId) {
  const int selected = list.GetCurSel();
  if (selected == LB_ERR) return;
  std::string entry;
  list.GetText(selected, entry);
  const std::vector<std::string> record = FindEditorRecord(RedoxDataEditor, entry);
  if (record.empty()) return;
  SetDlgItemText(equationId, RecordLine(record, HalfReactionLine).c_str());
  // A stored potential that is no number is shown as missing, never added as 0 or an infinity.
  const std::string potential = RecordLine(record, PotentialLine);
  const bool damaged = IsDamagedTableNumber(potential);
  SetDlgItemText(potentialId, damaged ? "" : potential.c_str());
  if (damaged) MessageBoxEditorMessages(*this).Show(DamagedRecordsMessage(RedoxDataEditor.fileName, {entry}));
  if (SendDlgItemMessage(turnOnSelectionId, BM_GETCHECK) != BST_UNCHECKED) TurnHalfReaction(equationId, potentialId);
}

void Cwm_REDOKSDlg::SelectLeftHalfReaction() {
  SelectHalfReaction(m_leftList, LeftHalfReactionId, LeftPotentialId, TurnLeftOnSelectionId);
}

void Cwm_REDOKSDlg::SelectRightHalfReaction() {
  SelectHalfReaction(m_rightList, RightHalfReactionId, RightPotentialId, TurnRightOnSelectionId);
}

void Cwm_REDOKSDlg::TurnHalfReaction(int equationId, int potentialId) {
  const std::optional<std::string> turned =
      TurnedHalfReaction(DialogItemText(*this, equationId, TurnedHalfReactionLimit));
  if (!turned) {
    SetDlgItemText(CellReactionId, TurnHint);
    return;
  }
  // A potential that is no number is neither turned nor replaced; the half reaction stays as well.
  const std::optional<std::string> potential =
      NegatedPotential(DialogItemText(*this, potentialId, TurnedPotentialLimit));
  if (!potential) {
    ShowIllegalNumberError();
    return;
  }
  SetDlgItemText(equationId, turned->c_str());
  SetDlgItemText(potentialId, potential->c_str());
}

void Cwm_REDOKSDlg::TurnLeftHalfReaction() { TurnHalfReaction(LeftHalfReactionId, LeftPotentialId); }
void Cwm_REDOKSDlg::TurnRightHalfReaction() { TurnHalfReaction(RightHalfReactionId, RightPotentialId); }

void Cwm_REDOKSDlg::ToggleTurnLeftOnSelection() { ToggleBit(RedoxTurnOnSelection, FirstBit); }
void Cwm_REDOKSDlg::ToggleTurnRightOnSelection() { ToggleBit(RedoxTurnOnSelection, SecondBit); }

void Cwm_REDOKSDlg::ToggleRemoveMultipleSpecies() {
  ToggleBit(RedoxBalanceOptions, FirstBit);
  CalculateCellReaction();
}

void Cwm_REDOKSDlg::ToggleCombineIntoWater() {
  ToggleBit(RedoxBalanceOptions, SecondBit);
  CalculateCellReaction();
}

// Both potential fields hold a number or nothing.
bool Cwm_REDOKSDlg::TypedPotentialsAreNumbers() {
  return PotentialValue(DialogItemText(*this, LeftPotentialId, PotentialLimit)).has_value() &&
         PotentialValue(DialogItemText(*this, RightPotentialId, PotentialLimit)).has_value();
}

// A typed potential that is no number is said before anything is calculated: the window keeps
// what it shows.
void Cwm_REDOKSDlg::CalculateCellReaction() {
  if (!TypedPotentialsAreNumbers()) {
    ShowIllegalNumberError();
    return;
  }
  WaitCursor wait;
  std::string left = DialogItemText(*this, LeftHalfReactionId, JoinedHalfReactionLimit);
  std::string right = DialogItemText(*this, RightHalfReactionId, JoinedHalfReactionLimit);
  RemoveBlanks(left);
  RemoveBlanks(right);
  std::string reaction;
  bool halfReactionWithElectrons = false;
  if (!left.empty() && !right.empty()) {
    reaction = left;
    AddHalfReactions(reaction, right);
  } else if (!left.empty() || !right.empty()) {
    // A single half reaction keeps its electrons when it has them.
    reaction = DialogItemText(*this, left.empty() ? RightHalfReactionId : LeftHalfReactionId, JoinedHalfReactionLimit);
    halfReactionWithElectrons = HasElectronTerm(reaction);
  }
  RemoveBlanks(reaction);
  BlankPhaseSuffixes(reaction);
  RemoveBlanks(reaction);
  if (!halfReactionWithElectrons) RemoveElectrons(reaction);
  RemoveBlanks(reaction);

  ErrorText.clear();
  int enthalpyMissing = 0;
  int entropyMissing = 0;
  double enthalpy = 0;
  double entropy = 0;
  std::string table;
  EquationSpeciesOnly(reaction);
  RemoveBlanks(reaction);
  bool failed = BalanceEquation(BalanceParserMode, enthalpyMissing, entropyMissing, NoThermochemicalSums, BalMin,
                                BalMid, BalMax, enthalpy, entropy, reaction, table) != EquationBalanced;
  if (!failed) {
    int nothingLeft = 0;
    if (HasOption(RedoxBalanceOptions, SecondBit)) nothingLeft = SimplifyEquationWithWater(reaction);
    if (HasOption(RedoxBalanceOptions, FirstBit)) nothingLeft = SimplifyEquation(0, reaction);
    if (nothingLeft != 0) {
      FormatErrorText(SpeciesRemovedError, "");
      failed = true;
    } else {
      EquationSpeciesOnly(reaction);
      enthalpyMissing = entropyMissing = 0;
      enthalpy = entropy = 0;
      table.clear();
      RemoveBlanks(reaction);
      failed = BalanceEquation(BalanceParserMode, enthalpyMissing, entropyMissing, NoThermochemicalSums, BalMin, BalMid,
                               BalMax, enthalpy, entropy, reaction, table) != EquationBalanced;
      if (!failed) SetDlgItemText(CellReactionId, reaction.c_str());
    }
  }
  if (failed) SetDlgItemText(CellReactionId, ErrorText.c_str());
  // The error line that is left standing after a calculation.
  FormatErrorText(UnspecifiedError, "");

  std::string leftPotential = DialogItemText(*this, LeftPotentialId, PotentialLimit);
  std::string rightPotential = DialogItemText(*this, RightPotentialId, PotentialLimit);
  RemoveBlanks(leftPotential);
  RemoveBlanks(rightPotential);
  // A half reaction without its potential beside one with it leaves the cell potential unknown: it is
  // not the other potential alone.
  const bool potentialMissing = (!left.empty() && leftPotential.empty()) || (!right.empty() && rightPotential.empty());
  std::optional<std::string> cellPotential = std::string();
  if (!failed && !(leftPotential.empty() && rightPotential.empty()) && !potentialMissing)
    cellPotential = CellPotentialText(leftPotential, rightPotential);
  SetDlgItemText(CellPotentialId, cellPotential.value_or("").c_str());
  SetDlgItemText(PotentialFieldId, cellPotential.value_or("").c_str());
  if (!cellPotential) ShowNumberRangeError();
}

void Cwm_REDOKSDlg::ShowCalculationError() {
  ::MessageBox(
      m_hWnd,
      LanguageCode == NorwegianLanguage
          ? "BEREGNINGSFEIL\n\nTo av feltene m\xE5 inneholde tall.\nDet tredje feltet skal v\xE6re tomt.\n"
          : "CALCULATION ERROR\n\nTwo of the fields must contain numeric data. \nThe third field must be empty.\n",
      MessageCaption, MB_OK);
}

// A result beyond the numbers a double holds (K of a large ln K) is said, never shown as INF.
void Cwm_REDOKSDlg::ShowNumberRangeError() {
  ::MessageBox(m_hWnd,
               LanguageCode == NorwegianLanguage
                   ? "BEREGNINGSFEIL\n\nResultatet ligger utenfor de tallene\nsom kan regnes med og vises.\n"
                   : "CALCULATION ERROR\n\nThe result lies outside the numbers\nthat can be calculated and shown.\n",
               MessageCaption, MB_OK);
}

// A typed number the window cannot take: a potential that is no number, a temperature below
// absolute zero (typed or solved for).
void Cwm_REDOKSDlg::ShowIllegalNumberError() {
  ::MessageBox(m_hWnd,
               LanguageCode == NorwegianLanguage
                   ? "TALLFEIL\n\nTAVRIN har registrert ugyldige tall\neller feilaktig bruk av tallfelt!"
                   : "ILLEGAL NUMBER\n\nIllegal number or erroneous\nuse of number field!",
               MessageCaption, MB_OK);
}

// Gibbs-energy row: dG = (-n) * F * E, solved for its one empty (or zero) field.
void Cwm_REDOKSDlg::SolveFaradayRelation() {
  SolverField potential{PotentialFieldId};
  SolverField electrons{ElectronsFieldId};
  SolverField gibbs{GibbsEnergyFieldId};
  if (ReadSolverFields(*this, {&potential, &electrons, &gibbs}) != 1) {
    ShowCalculationError();
    return;
  }
  SolverField* unknown = &gibbs;
  double result = electrons.value * FaradayConstant * potential.value;
  if (potential.value == 0) {
    unknown = &potential;
    result = gibbs.value / (electrons.value * FaradayConstant);
  } else if (electrons.value == 0) {
    unknown = &electrons;
    result = gibbs.value / (potential.value * FaradayConstant);
  }
  if (!std::isfinite(result)) {
    ShowNumberRangeError();
    return;
  }
  SetDlgItemText(unknown->id, FormatNumberG(result).c_str());
}

// Equilibrium row: -dG = R * T * ln K, solved for its one empty (or zero) field; K = e^(ln K) is shown
// also when all three were given, before the message says that one must be empty.
void Cwm_REDOKSDlg::SolveEquilibriumRelation() {
  SolverField temperature{TemperatureFieldId};
  SolverField gibbs{EquilibriumGibbsFieldId};
  SolverField lnK{LnKFieldId};
  const int status = ReadSolverFields(*this, {&temperature, &gibbs, &lnK});
  if (temperature.value < 0) {
    ShowIllegalNumberError();
    return;
  }
  if (status < 2) {
    bool inRange = true;
    if (status == 1) {
      SolverField* unknown = &lnK;
      double result = gibbs.value / (temperature.value * GasConstant);
      if (gibbs.value == 0) {
        unknown = &gibbs;
        result = temperature.value * GasConstant * lnK.value;
      } else if (temperature.value == 0) {
        unknown = &temperature;
        result = gibbs.value / (lnK.value * GasConstant);
      }
      if (unknown == &temperature && result < 0) {
        ShowIllegalNumberError();
        return;
      }
      inRange = std::isfinite(result);
      if (inRange) {
        SetDlgItemText(unknown->id, FormatNumberG(result).c_str());
        if (unknown == &lnK) lnK.value = result;
      }
    }
    const double constant = std::exp(lnK.value);
    if (inRange && std::isfinite(constant) && constant > 0) {
      SetDlgItemText(EquilibriumConstantId, FormatNumberG(constant).c_str());
    } else {
      SetDlgItemText(EquilibriumConstantId, "");
      ShowNumberRangeError();
    }
  }
  if (status != 1) ShowCalculationError();
}

void Cwm_REDOKSDlg::ShowExample(UINT id) {
  EraseFields();
  const Example& example = Examples[id - FirstRedoxExampleId];
  SetDlgItemText(LeftHalfReactionId, example.left);
  SetDlgItemText(RightHalfReactionId, example.right);
  SetDlgItemText(LeftPotentialId, example.leftPotential);
  SetDlgItemText(RightPotentialId, example.rightPotential);
  SetDlgItemText(ElectronsFieldId, example.electrons);
}

void Cwm_REDOKSDlg::EraseFields() {
  for (int id : ErasedFields) SetDlgItemText(id, "");
}

void Cwm_REDOKSDlg::OpenDataEditor() { OpenElectrochemicalDataDialog(this); }

int OpenElectrochemistryDialog(CWnd* parent) { return OpenModalDialog<Cwm_REDOKSDlg>(RedoksTemplateName, parent); }
