#include <cmath>

#include "engine/formcalc.h"
#include "engine/formtext.h"
#include "engine/formula/formula_steps.h"

using namespace formula;

namespace {

constexpr double AvogadroNumber = 6.02205e23;
constexpr double ElectronMassKg = 9.1093897e-31;
constexpr double GramsPerKg = 1000.0;
constexpr double ElectronMolarMass = AvogadroNumber * ElectronMassKg * GramsPerKg;  // g/mol per unit of charge
constexpr float ElectronMass = 9.10939e-31f;  // the whole mass of the formula "e-"
constexpr const char* ErrorDetail = " (dcalk.func.)";

bool IsElectron(std::string_view formula) { return formula == "e-"; }

// What the text steps make of the formula.
struct ParsedFormula {
  Amount amount;
  CommaTarget target;
  bool commaForm = false;
  bool hasQuestionMark = false;
  bool electron = false;
  float charge = 0.0f;
  std::string normalised;
  GroupResult groups;
};

void ParseFormulaText(const std::string& formula, ErrorSlots& errors, ParsedFormula& parsed) {
  ScanMisplacedMarks(formula, errors, parsed.hasQuestionMark);
  if (!formula.empty() && (formula.front() == '+' || formula.front() == '-')) errors.Set(IllegalCombinationError);
  parsed.electron = IsElectron(formula);

  // Prefix and charge are read inside the brackets that wrap the formula.
  std::string text = formula;
  MarkExponents(text);
  parsed.commaForm = text.find(',') != std::string::npos;
  const bool startsWithNumber = !text.empty() && (IsDigit(text.front()) || text.front() == '.');
  if (parsed.commaForm && !startsWithNumber) text.insert(0, "1m");
  ReadAmountPrefix(text, parsed.commaForm, parsed.amount, parsed.target, errors);
  if (!parsed.electron) ReadCharge(text, parsed.charge, errors);

  std::string wrapped = CleanUp("(" + text + ")", errors);
  MarkCoefficient(wrapped, errors);
  wrapped = RewriteAdducts(wrapped, errors);
  std::vector<MassNumberMark> marks;
  parsed.normalised = ExtractMassNumbers(wrapped, marks, errors);
  CheckBrackets(parsed.normalised, errors);
  if (!errors.Has(IllegalSymbolError) && !errors.Has(BracketError) && !errors.Has(StarInBracketsError) &&
      !parsed.electron)
    EvaluateGroups(parsed.normalised, marks, errors, parsed.groups);
}

float AtomsOf(const GroupResult& groups, AtomCell cell) {
  for (const auto& atom : groups.atoms)
    if (atom.cell == cell) return atom.count;
  return 0.0f;
}

float ElectronsOfAtoms(const GroupResult& groups) {
  float electrons = 0.0f;
  for (const auto& atom : groups.atoms) electrons += static_cast<float>(atom.cell.index + 1) * atom.count;
  return electrons;
}

void FillCounts(const ParsedFormula& parsed, int mode, float total, FormulaCounts& counts,
                IsotopeUsedFlags& isotopeFlags) {
  const Amount& amount = parsed.amount;
  for (const auto& atom : parsed.groups.atoms) {
    float count = atom.count;
    if (mode != 2)
      count = amount.grams != 0.0f ? amount.moles * amount.grams * atom.count / total : atom.count * amount.moles;
    counts[atom.cell.row][atom.cell.index] = count;
    if (atom.cell.row != PlainElementRow) isotopeFlags[atom.cell.index] = 1;
  }
}

}  // namespace

float dcalk(FormulaCounts& counts, IsotopeUsedFlags& isotopeFlags, int mode, std::string& formula, int quiet, int type,
            int& kind, float& electrons, float& amount) {
  kind = PlainFormula;
  amount = 0.0f;
  const bool electronsAsked = electrons == -1.0f;
  electrons = 0.0f;
  const bool countsAsked = (type & CountsTypeBits) != 0;
  if (countsAsked) {
    for (auto& row : counts) row.fill(0.0f);
    isotopeFlags.fill(0);
  }
  ErrorSlots errors;
  errors.Set(MissingFormulaError);

  ParsedFormula parsed;
  if (formula.size() > FormulaTextLimit) {
    errors.Set(FormulaTooLongError);
  } else {
    ParseFormulaText(formula, errors, parsed);
  }
  float molarMass = parsed.groups.molarMass;
  float& charge = parsed.charge;
  if (parsed.electron) {
    errors.Clear(MissingFormulaError);
    molarMass = ElectronMass;
    charge = -1.0f;
  }
  Amount& prefix = parsed.amount;
  float total = static_cast<float>(prefix.moles * (molarMass - charge * ElectronMolarMass));
  electrons = prefix.moles * charge;

  float targetAtoms = 0.0f;
  if (parsed.commaForm) {
    targetAtoms = parsed.target.valid() ? AtomsOf(parsed.groups, parsed.target.cell) : 0.0f;
    if (targetAtoms == 0.0f) errors.Set(MissingFormulaError);
  }
  // Counts or multipliers beyond single precision, or grams of a formula without mass, have no result.
  if (!std::isfinite(total) || !std::isfinite(prefix.moles) || (prefix.grams != 0.0f && total == 0.0f))
    errors.Set(IllegalCombinationError);

  float result = -1.0f;
  if (const int code = errors.Lowest(); code != 0) {
    if (quiet != 1) FormatErrorText(static_cast<ErrorCode>(code), ErrorDetail);
  } else {
    if (parsed.commaForm) {
      prefix.moles /= targetAtoms;
      total /= targetAtoms;
    }
    if (countsAsked && total != 0.0f) FillCounts(parsed, mode, total, counts, isotopeFlags);
    if (parsed.commaForm) {
      kind = CommaForm;
      result = prefix.moles;
      amount = total;
    } else if (prefix.grams != 0.0f) {
      kind = GramAmount;
      result = prefix.grams / total;
      amount = total;
    } else {
      result = total;
      amount = prefix.moles;
    }
  }

  if (parsed.hasQuestionMark && result > 0.0f) {
    result = -1.0f;
    FormatErrorText(IllegalSymbolError, ErrorDetail);
  }
  if ((charge != 0.0f || electronsAsked) && result != -1.0f) {
    // Electrons per formula unit, whatever amount the counts were scaled to.
    const float atomElectrons = ElectronsOfAtoms(parsed.groups);
    if (electronsAsked) electrons = atomElectrons - charge;
    if (charge > atomElectrons) {
      result = -1.0f;
      if (quiet != 1) FormatErrorText(TooManyPositiveChargesError, ErrorDetail);
    }
  }
  if (prefix.given) kind += AmountPrefixGiven;
  if (mode == 1 && result != -1.0f) formula = parsed.normalised;
  return result;
}
