#include <string>
#include <vector>

#include "engine/reaction.h"
#include "engine/textutil.h"

namespace {

// One species of an equation with its whole-number coefficient; 0 once it has
// been merged, cancelled or turned into water.
struct Term {
  int coefficient = 1;
  std::string species;
  bool product = false;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::vector<Term> ReadTerms(std::string equation) {
  RemoveBlanks(equation);
  SpaceOperators(equation);
  std::vector<Term> terms;
  bool products = false;
  std::size_t i = 0;
  while (i < equation.size()) {
    while (i < equation.size() && equation[i] == ' ') ++i;
    std::size_t end = i;
    while (end < equation.size() && equation[end] != ' ') ++end;
    const std::string token = equation.substr(i, end - i);
    i = end;
    if (token.empty() || token == "+") continue;
    if (token == "=" || token == ">") {
      products = true;
      continue;
    }
    std::size_t digits = 0;
    long coefficient = 0;
    while (digits < token.size() && IsDigit(token[digits])) {
      if (coefficient < 1000000000) coefficient = coefficient * 10 + (token[digits] - '0');
      ++digits;
    }
    Term term;
    term.coefficient = coefficient > 0 ? static_cast<int>(coefficient) : 1;
    term.species = token.substr(digits);
    term.product = products;
    terms.push_back(std::move(term));
  }
  return terms;
}

void Empty(Term& term) {
  term.coefficient = 0;
  term.species.clear();
}

bool Present(const Term& term) { return term.coefficient > 0; }

void MergeEqualSpecies(std::vector<Term>& terms) {
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (!Present(terms[i])) continue;
    for (std::size_t j = i + 1; j < terms.size(); ++j) {
      if (!Present(terms[j]) || terms[j].product != terms[i].product || terms[j].species != terms[i].species) continue;
      terms[i].coefficient += terms[j].coefficient;
      Empty(terms[j]);
    }
  }
}

void CancelAcrossSides(std::vector<Term>& terms) {
  for (auto& reactant : terms) {
    for (auto& product : terms) {
      if (reactant.product || !product.product || !Present(reactant) || !Present(product) ||
          reactant.species != product.species)
        continue;
      if (reactant.coefficient > product.coefficient) {
        reactant.coefficient -= product.coefficient;
        Empty(product);
      } else if (reactant.coefficient < product.coefficient) {
        product.coefficient -= reactant.coefficient;
        Empty(reactant);
      } else {
        Empty(reactant);
        Empty(product);
      }
    }
  }
}

// An acid term and a later OH- on the same side: the smaller coefficient is
// taken from the larger term, and the smaller term (the first of equal ones)
// becomes water, waterPerPair molecules for each pair.
void FormWater(std::vector<Term>& terms, const std::string& acid, int waterPerPair) {
  const std::string hydroxide = "OH-";
  for (std::size_t i = 0; i < terms.size(); ++i) {
    for (std::size_t j = i + 1; j < terms.size(); ++j) {
      Term& first = terms[i];
      Term& second = terms[j];
      const bool pair = (first.species == acid && second.species == hydroxide) ||
                        (first.species == hydroxide && second.species == acid);
      if (!pair || first.product != second.product || !Present(first) || !Present(second)) continue;
      Term& smaller = first.coefficient <= second.coefficient ? first : second;
      Term& larger = &smaller == &first ? second : first;
      const int pairs = smaller.coefficient;
      larger.coefficient -= pairs;
      if (larger.coefficient == 0) larger.species.clear();
      smaller.species = "H2O";
      smaller.coefficient = pairs * waterPerPair;
    }
  }
}

int Rebuild(const std::vector<Term>& terms, std::string& equation) {
  std::string text;
  std::size_t reactantCount = 0;
  while (reactantCount < terms.size() && !terms[reactantCount].product) ++reactantCount;
  if (reactantCount == 0) text += " = ";
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const Term& term = terms[i];
    if (term.coefficient > 1) text += std::to_string(term.coefficient);
    if (Present(term)) {
      text += term.species;
      for (std::size_t j = i + 1; j < terms.size() && terms[j].product == term.product; ++j) {
        if (Present(terms[j])) {
          text += " + ";
          break;
        }
      }
    }
    if (i + 1 == reactantCount) text += " = ";
  }
  bool anyLetter = false;
  for (char c : text) anyLetter = anyLetter || IsLetter(c);
  if (!anyLetter) {
    equation = "   ? = ?";
    return 1;
  }
  equation = std::move(text);
  return 0;
}

}  // namespace

int SimplifyEquation(int mode, std::string& equation) {
  std::vector<Term> terms = ReadTerms(equation);
  if (mode == 0 || mode == 1) MergeEqualSpecies(terms);
  if (mode == 0 || mode == 2) CancelAcrossSides(terms);
  return Rebuild(terms, equation);
}

int SimplifyEquationWithWater(std::string& equation) {
  std::vector<Term> terms = ReadTerms(equation);
  FormWater(terms, "H+", 1);
  FormWater(terms, "H3O+", 2);
  return Rebuild(terms, equation);
}
