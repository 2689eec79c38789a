#include "engine/reaction/equation_species.h"

#include <array>
#include <cfloat>

#include "engine/formcalc.h"
#include "engine/formtext.h"
#include "engine/reaction.h"

namespace {

// A species of this many characters or more is refused after parsing (code 16).
constexpr std::size_t LongSpeciesText = 31;
constexpr std::size_t LongSpeciesShown = 15;

bool BeginsWithNumber(const std::string& text) {
  return !text.empty() && ((text[0] >= '0' && text[0] <= '9') || text[0] == '.');
}

// The species text after its amount prefix ("2gC3H8" gives "C3H8", "10gC,CO2"
// gives "CO2"), wrapped in brackets when it begins with a number; prefixSeen
// tells whether a prefix was cut.
std::string DisplayNameOf(const std::string& text, bool& prefixSeen) {
  std::size_t cutAfter = std::string::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool unit = (c == 'm' || c == 'g') && !(i > 0 && text[i - 1] >= 'A' && text[i - 1] <= 'Z');
    if (unit || c == ',') cutAfter = i;
  }
  prefixSeen = cutAfter != std::string::npos;
  std::string name = prefixSeen ? text.substr(cutAfter + 1) : text;
  if (BeginsWithNumber(name)) name = "(" + name + ")";
  return name;
}

// Reads one species through the formula parser; 0, or the code to return.
int ReadSpecies(std::int8_t mode, EquationSpecies& species, bool amountWritten) {
  FormulaCounts counts;
  IsotopeUsedFlags isotopeFlags;
  int kind = 0;
  float electrons = -1.0f;
  float amount = 0.0f;
  std::string formula = species.text;
  const float result = dcalk(counts, isotopeFlags, mode, formula, 1, 2, kind, electrons, amount);
  if (result <= 0.0f) {
    if (species.text.empty())
      FormatErrorText(EquationError, "");
    else
      FormatErrorText(SpeciesFormulaError, species.text);
    return EquationMissingOrWrong;
  }
  if (species.text.size() >= LongSpeciesText) {
    FormatErrorText(SpeciesTooLongError, species.text.substr(0, LongSpeciesShown) + ".....");
    return EquationMissingOrWrong;
  }
  species.electrons = species.product ? -electrons : electrons;
  for (int Z = 1; Z <= ElementCount; ++Z) {
    float atoms = counts[PlainElementRow][Z - 1];
    if (isotopeFlags[Z - 1])
      for (int row = 0; row < IsotopeRowCount; ++row) atoms += counts[row][Z - 1];
    if (atoms != 0.0f) species.elementCounts.emplace_back(Z, atoms);
  }
  if (kind >= AmountPrefixGiven) kind -= AmountPrefixGiven;
  if (kind == PlainFormula) {
    species.availableMoles = amount;
    species.availableMass = result;
    species.molarMass = result / amount;
  } else if (kind == GramAmount) {
    species.availableMoles = result;
    species.molarMass = amount;
    species.availableMass = result * amount;
  } else {
    species.availableMoles = result;
    species.availableMass = amount;
    species.molarMass = amount / result;
  }
  if (amountWritten && !BeginsWithNumber(species.text)) species.availableMoles = FLT_MAX;
  return EquationBalanced;
}

// Code 26 for an element that stands on one side only; the highest such Z is reported.
int CheckBothSides(const PreparedEquation& prepared) {
  std::array<bool, ElementCount> inReactants{}, inProducts{};
  for (const auto& species : prepared.species)
    for (const auto& [Z, atoms] : species.elementCounts) (species.product ? inProducts : inReactants)[Z - 1] = true;
  int code = EquationBalanced;
  int reported = 0;
  for (int Z = 1; Z <= ElementCount; ++Z) {
    if (inReactants[Z - 1] == inProducts[Z - 1]) continue;
    code = inReactants[Z - 1] ? ElementOnlyAmongReactants : ElementOnlyAmongProducts;
    reported = Z;
  }
  if (code != EquationBalanced) FormatErrorText(ElementOnOneSideError, ElementByNumber(reported).symbol);
  return code;
}

}  // namespace

int PrepareEquation(std::int8_t mode, const std::string& equation, int maxSpecies, PreparedEquation& prepared) {
  prepared = PreparedEquation{};
  if (equation.empty()) {
    FormatErrorText(MissingEquationError, "");
    return EquationMissingOrWrong;
  }
  std::string text = equation;
  int reactants = 0, products = 0;
  std::vector<std::string> phases;
  std::vector<int> starts;
  if (const int code = ParseEquation(text, reactants, phases, starts, products); code != EquationBalanced) return code;
  if (reactants + products > maxSpecies) {
    FormatErrorText(TooManySpeciesError, "");
    return EquationTooManySpecies;
  }
  prepared.reactants = reactants;
  prepared.reversed = reactants > products;

  bool amountWritten = false;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t begin = static_cast<std::size_t>(starts[i]);
    const std::size_t end = i + 1 < starts.size() ? static_cast<std::size_t>(starts[i + 1]) - 1 : text.size();
    EquationSpecies species;
    species.text = text.substr(begin, end - begin);
    species.phase = phases[i];
    species.product = static_cast<int>(i) >= reactants;
    if (species.text.size() >= SpeciesTextLimit) {
      FormatErrorText(FormulaCharactersLimitError, std::to_string(SpeciesTextLimit));
      return EquationTextTooLong;
    }
    amountWritten = amountWritten || BeginsWithNumber(species.text);
    prepared.species.push_back(std::move(species));
  }

  for (auto& species : prepared.species) {
    if (const int code = ReadSpecies(mode, species, amountWritten); code != EquationBalanced) return code;
    bool prefixSeen = false;
    species.displayName = DisplayNameOf(species.text, prefixSeen);
    prepared.anyAmountPrefix = prepared.anyAmountPrefix || prefixSeen;
  }
  // The first of equal amounts in the order the engine takes the species.
  const int count = static_cast<int>(prepared.species.size());
  prepared.reference = prepared.reversed ? count - 1 : 0;
  for (int step = 1; step < count; ++step) {
    const int i = prepared.reversed ? count - 1 - step : step;
    if (prepared.species[i].availableMoles < prepared.species[prepared.reference].availableMoles)
      prepared.reference = i;
  }
  return CheckBothSides(prepared);
}
