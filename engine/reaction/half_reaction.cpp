#include <array>
#include <string_view>

#include "engine/reaction.h"
#include "engine/textutil.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNumberCharacter(char c) { return (c >= '0' && c <= '9') || c == '.'; }

std::size_t ArrowOf(const std::string& equation) { return equation.find_first_of(">="); }

void SplitSides(const std::string& equation, std::string& left, std::string& right) {
  const std::size_t arrow = ArrowOf(equation);
  left = equation.substr(0, arrow);
  right = arrow == std::string::npos ? std::string() : equation.substr(arrow + 1);
}

// Does a letter come after index before the next '+' (so the '+' at index separates species)?
bool LetterBeforeNextPlus(const std::string& text, std::size_t index) {
  for (std::size_t j = index + 1; j < text.size() && text[j] != '+'; ++j)
    if (IsLetter(text[j])) return true;
  return false;
}

}  // namespace

void AddHalfReactions(std::string& first, const std::string& second) {
  std::string left1, right1, left2, right2;
  SplitSides(first, left1, right1);
  SplitSides(second, left2, right2);
  first = left1 + "+" + left2 + ">" + right1 + "+" + right2;
  RemoveBlanks(first);
}

int BlankPhaseSuffixes(std::string& equation) {
  for (std::string_view phase : std::array<std::string_view, 4>{"(g)", "(s)", "(l)", "(aq)"}) {
    for (std::size_t at = equation.find(phase); at != std::string::npos; at = equation.find(phase, at))
      equation.replace(at, phase.size(), phase.size(), ' ');
  }
  return static_cast<int>(equation.size());
}

void RemoveElectrons(std::string& equation) {
  RemoveBlanks(equation);
  equation.insert(0, 1, ' ');
  for (std::size_t at = equation.find("e-"); at != std::string::npos; at = equation.find("e-", at + 2)) {
    if (IsLetter(equation[at - 1])) continue;
    std::size_t coefficient = at;
    while (coefficient > 0 && IsNumberCharacter(equation[coefficient - 1])) --coefficient;
    if (coefficient > 0 && equation[coefficient - 1] == '+')
      equation[coefficient - 1] = ' ';
    else if (at + 2 < equation.size() && equation[at + 2] == '+')
      equation[at + 2] = ' ';
    for (std::size_t i = coefficient; i < at + 2; ++i) equation[i] = ' ';
  }
}

void EquationSpeciesOnly(std::string& equation) {
  RemoveBlanks(equation);
  SpaceOperators(equation);
  RemoveBlanks(equation);
  const std::size_t arrow = ArrowOf(equation);
  if (arrow != std::string::npos) equation[arrow] = '+';
  equation += '+';
  // At the start and after every separating '+', the number up to the next letter is a coefficient.
  bool inCoefficient = true;
  for (std::size_t i = 0; i < equation.size(); ++i) {
    const char c = equation[i];
    if (c == '+') {
      inCoefficient = LetterBeforeNextPlus(equation, i);
    } else if (IsLetter(c)) {
      inCoefficient = false;
    } else if (inCoefficient && IsNumberCharacter(c)) {
      equation[i] = ' ';
    }
  }
  if (arrow != std::string::npos) equation[arrow] = '>';
  equation.pop_back();
  RemoveBlanks(equation);
}
