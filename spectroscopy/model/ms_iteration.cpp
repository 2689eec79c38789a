#include "spectroscopy/model/ms_iteration.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "engine/elements/element_symbols.h"
#include "engine/elements/element_tables.h"
#include "engine/formcalc.h"
#include "engine/numbers/number_text.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"

namespace {

constexpr float ParentMassLimit = 100000000.0f;
constexpr int ParentTokenLimit = 20;
constexpr std::size_t ResultFullLength = 944;
constexpr std::size_t FormulaColumn = 29;
constexpr std::size_t TabWidth = 8;
constexpr std::size_t SumWidth = 10;
constexpr const char* ResultFullMark = "....... \n";

struct TokenKey {
  int element = 0;    // Z
  int isotope = -1;   // isotope index, -1 for the element without mass number
  bool operator==(const TokenKey&) const = default;
};

float QuietMass(std::string text, FormulaCounts& counts, IsotopeUsedFlags& flags, float& electrons) {
  int kind = 0;
  float amount = 0;
  electrons = 0;
  return dcalk(counts, flags, 0, text, 1, 2, kind, electrons, amount);
}

float CountOf(const FormulaCounts& counts, const IsotopeUsedFlags& flags, const TokenKey& key) {
  if (key.isotope < 0) return counts[PlainElementRow][key.element - 1];
  return flags[key.element - 1] ? counts[key.isotope][key.element - 1] : 0.0f;
}

std::string SymbolText(const TokenKey& key) {
  std::string symbol = ElementByNumber(key.element).symbol;
  if (key.isotope >= 0)
    symbol += "[" + std::to_string(IsotopeMassNumber(IsotopesByNumber(key.element).mass[key.isotope])) + "]";
  return symbol;
}

// The elements and isotopes of the formula text in the order they first appear.
std::vector<TokenKey> KeysInTextOrder(std::string_view text) {
  std::vector<TokenKey> keys;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!std::isupper(static_cast<unsigned char>(text[i]))) continue;
    std::size_t end = i + 1;
    if (end < text.size() && std::islower(static_cast<unsigned char>(text[end]))) ++end;
    const std::string symbol(text.substr(i, end - i));
    TokenKey key;
    if (symbol == DeuteriumSymbol) {
      key = {1, DeuteriumIsotopeIndex};
    } else {
      key.element = FindElementBySymbol(symbol);
      if (key.element == 0) continue;
      if (end < text.size() && (text[end] == '(' || text[end] == '[')) {
        std::size_t digits = end + 1;
        while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
        if (digits > end + 1 && digits < text.size() && (text[digits] == ')' || text[digits] == ']'))
          key.isotope = FindIsotopeByMassNumber(key.element, std::atol(std::string(text.substr(end + 1)).c_str()));
      }
    }
    if (std::ranges::find(keys, key) == keys.end()) keys.push_back(key);
  }
  return keys;
}

std::string PaddedSum(float sum) {
  std::string padded = FormatNumberG(sum);
  if (padded.size() < SumWidth) padded.resize(SumWidth, ' ');
  return padded;
}

std::string WithoutBracketParts(const std::string& formula) {
  std::string kept;
  bool inBracket = false;
  for (const char c : formula) {
    if (!inBracket && (c == '[' || c == '(')) {
      inBracket = true;
    } else if (inBracket) {
      if (c == ']' || c == ')') inBracket = false;
    } else {
      kept += c;
    }
  }
  return kept;
}

std::string MatchLine(const FragmentParent& parent, const std::vector<int>& counters, float sum, bool showIsoFormula) {
  std::string formula;
  for (std::size_t t = 0; t < parent.tokens.size(); ++t) {
    if (counters[t] <= 0) continue;
    formula += parent.tokens[t].symbol;
    if (counters[t] > 1) formula += std::to_string(counters[t]);
  }
  if (!showIsoFormula) formula = WithoutBracketParts(formula);
  std::string line = PaddedSum(sum) + formula;
  if (formula.size() <= FormulaColumn) line.append((FormulaColumn - formula.size()) / TabWidth, '\t');
  return line + " \n";
}

const char* StepLimitText() {
  return LanguageCode == NorwegianLanguage ? "(iterasjonen stanset ved grensen for antall trinn) \n"
                                           : "(iteration stopped at its step limit) \n";
}

// The odometer, walked from its slowest token down to its fastest: a branch whose counted mass
// already passes peak + tolerance, or cannot reach peak - tolerance with every faster token at
// its most, holds no match and is skipped. The sum of a candidate is taken as the plain odometer
// takes it, in single precision in token order, so the matches and their sums are the same.
class FragmentSearch {
 public:
  FragmentSearch(const FragmentParent& parent, bool showIsoFormula, float tolerance, float peak,
                 IterationBudget& budget)
      : parent_(parent), showIsoFormula_(showIsoFormula), lower_(peak - tolerance), upper_(peak + tolerance),
        budget_(budget), counters_(parent.tokens.size(), 0), choices_(parent.tokens.size(), 0),
        reachBelow_(parent.tokens.size() + 1, 0.0) {
    margin_ = 1e-5 * (std::fabs(static_cast<double>(upper_)) + 1.0);
    for (std::size_t t = 0; t < parent.tokens.size(); ++t) choices_[t] = PrunedChoices(parent.tokens[t]);
    for (std::size_t t = 0; t < parent.tokens.size(); ++t)
      reachBelow_[t + 1] = reachBelow_[t] + (choices_[t] - 1) * static_cast<double>(parent.tokens[t].mass);
  }

  std::string Run() {
    if (!parent_.tokens.empty()) Walk(parent_.tokens.size() - 1, parent_.base);
    return result_;
  }

 private:
  // A token's counts 0 to N - 1, N cut one past where its own multiples pass peak + tolerance;
  // counted, not summed, so that a count of millions costs nothing.
  long long PrunedChoices(const FragmentToken& token) const {
    const long long choices = static_cast<long long>(token.count) + 1;
    const double room = (static_cast<double>(upper_) - parent_.base) / token.mass;
    if (room < 0) return 1;
    if (room >= static_cast<double>(choices)) return choices;
    return std::min(choices, static_cast<long long>(room) + 2);
  }

  // Sets counters of token t and below, the slower tokens' mass being counted.
  void Walk(std::size_t t, double counted) {
    const double mass = parent_.tokens[t].mass;
    for (long long c = 0; c < choices_[t] && !stopped_; ++c) {
      const double sum = counted + c * mass;
      if (sum > upper_ + margin_) return;
      if (!TakeStep()) return;
      if (sum + reachBelow_[t] < lower_ - margin_) continue;
      counters_[t] = static_cast<int>(c);
      if (t == 0)
        Check();
      else
        Walk(t - 1, sum);
    }
  }

  bool TakeStep() {
    if (budget_.stepsLeft == 0) {
      result_ += StepLimitText();
      stopped_ = true;
      return false;
    }
    --budget_.stepsLeft;
    return true;
  }

  void Check() {
    float sum = parent_.base;
    for (std::size_t t = 0; t < parent_.tokens.size(); ++t)
      sum = sum + static_cast<float>(counters_[t]) * parent_.tokens[t].mass;
    if (!(lower_ < sum && sum < upper_)) return;
    result_ += MatchLine(parent_, counters_, sum, showIsoFormula_);
    if (result_.size() > ResultFullLength) {
      result_ += ResultFullMark;
      stopped_ = true;
    }
  }

  const FragmentParent& parent_;
  bool showIsoFormula_;
  float lower_;
  float upper_;
  IterationBudget& budget_;
  std::vector<int> counters_;
  std::vector<long long> choices_;
  std::vector<double> reachBelow_;  // reachBelow_[t]: the most the tokens below t can add
  double margin_ = 0;
  std::string result_;
  bool stopped_ = false;
};

}  // namespace

std::optional<FragmentParent> ReadFragmentParent(std::string_view parentFormula) {
  std::string formula(parentFormula);
  RemoveBlanks(formula);
  FormulaCounts counts{};
  IsotopeUsedFlags flags{};
  float electrons = 0;
  const float mass = QuietMass(formula, counts, flags, electrons);
  if (mass <= 0 || mass >= ParentMassLimit) return std::nullopt;

  std::vector<TokenKey> keys = KeysInTextOrder(formula);
  std::erase_if(keys, [&](const TokenKey& key) { return CountOf(counts, flags, key) <= 0; });
  for (int z = 1; z <= ElementCount; ++z) {
    for (int row = -1; row < IsotopeRowCount; ++row) {
      const TokenKey key{z, row};
      if (CountOf(counts, flags, key) > 0 && std::ranges::find(keys, key) == keys.end()) keys.push_back(key);
    }
  }
  if (static_cast<int>(keys.size()) >= ParentTokenLimit) return std::nullopt;

  FragmentParent parent;
  parent.base = -electrons * ElectronMassU;
  for (const TokenKey& key : keys) {
    FragmentToken token;
    token.symbol = SymbolText(key);
    token.count = std::max(1, static_cast<int>(std::min(CountOf(counts, flags, key), 1e9f)));
    FormulaCounts unused{};
    IsotopeUsedFlags unusedFlags{};
    float unusedElectrons = 0;
    token.mass = QuietMass(token.symbol, unused, unusedFlags, unusedElectrons);
    if (token.mass <= 0) return std::nullopt;
    parent.tokens.push_back(std::move(token));
  }
  return parent;
}

std::string IterateFragmentFormulas(const FragmentParent& parent, bool showIsoFormula, float tolerance, float peak,
                                    IterationBudget& budget) {
  return FragmentSearch(parent, showIsoFormula, tolerance, peak, budget).Run();
}
