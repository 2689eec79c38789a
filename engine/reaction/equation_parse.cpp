#include <array>
#include <string_view>

#include "engine/elements/element_symbols.h"
#include "engine/formtext.h"
#include "engine/reaction.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsLowerCase(char c) { return c >= 'a' && c <= 'z'; }

// An upper-case letter, with the lower-case letter after it when there is one,
// that names an element or deuterium.
bool ElementSymbolAt(const std::string& text, std::size_t i) {
  if (text[i] < 'A' || text[i] > 'Z') return false;
  const std::size_t length = i + 1 < text.size() && IsLowerCase(text[i + 1]) ? 2 : 1;
  const std::string_view symbol(text.data() + i, length);
  return symbol == DeuteriumSymbol || FindElementBySymbol(symbol) != 0;
}

// Where a species can begin: an element symbol, or the electron "e-" (also
// after a coefficient, "2e-"). A '+' followed by anything else up to the next
// '+' is a charge.
bool SpeciesStartsAt(const std::string& text, std::size_t i) {
  if (ElementSymbolAt(text, i)) return true;
  return text[i] == 'e' && i + 1 < text.size() && text[i + 1] == '-' && (i == 0 || !IsLetter(text[i - 1]));
}

// From the '+' at index, past the '+' signs that belong to a charge: the '+'
// that decides whether a new species follows.
std::size_t DecidingPlus(const std::string& text, std::size_t index) {
  while (index + 1 < text.size() && text[index + 1] != 'e') {
    std::size_t next = std::string::npos;
    for (std::size_t j = index + 1; j < text.size(); ++j) {
      if (text[j] == '+') {
        next = j;
        break;
      }
      if (SpeciesStartsAt(text, j)) break;
    }
    if (next == std::string::npos) break;
    index = next;
  }
  return index;
}

// Turns every '+' that separates two species into a blank.
void BlankSeparators(std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '+') continue;
    const std::size_t decision = DecidingPlus(text, i);
    i = decision;
    const bool phaseFollows =
        decision + 2 < text.size() && text[decision + 1] == '(' && IsLowerCase(text[decision + 2]);
    if (phaseFollows) continue;
    std::size_t letter = decision;
    while (letter < text.size() && !IsLetter(text[letter])) ++letter;
    if (letter == text.size()) continue;
    const std::size_t separator = text.rfind('+', letter);
    text[separator] = ' ';
  }
}

constexpr std::array<std::string_view, 4> PhaseTexts = {"(g)", "(l)", "(s)", "(aq)"};

// Cuts the phases out of the text into one slot per species; false when a phase
// is followed by more of its species.
bool CutPhases(std::string& text, std::vector<std::string>& phases) {
  bool valid = true;
  std::size_t species = 0;
  phases.assign(1, "");
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == ' ' || text[i] == '>') {
      ++species;
      phases.resize(species + 1);
      ++i;
      continue;
    }
    bool cut = false;
    for (std::string_view phase : PhaseTexts) {
      if (text.compare(i, phase.size(), phase) != 0) continue;
      phases[species] = phase;
      text.erase(i, phase.size());
      if (i < text.size() && text[i] != ' ' && text[i] != '>') valid = false;
      cut = true;
      break;
    }
    if (!cut) ++i;
  }
  return valid;
}

bool BracketsBalance(std::string_view text) {
  int depth = 0;
  for (char c : text) {
    if (c == '(' || c == '[') ++depth;
    if (c == ')' || c == ']') --depth;
  }
  return depth == 0;
}

}  // namespace

int ParseEquation(std::string& text, int& reactants, std::vector<std::string>& phases, std::vector<int>& starts,
                  int& products) {
  text += '+';
  const std::size_t arrow = text.find('>');
  if (arrow != std::string::npos) text[arrow] = '+';
  BlankSeparators(text);
  if (arrow != std::string::npos) text[arrow] = '>';
  text.pop_back();

  int code = EquationBalanced;
  if (!CutPhases(text, phases)) {
    FormatErrorText(TextAfterPhaseError, "");
    code = EquationTextAfterPhase;
  }
  if (!BracketsBalance(text)) {
    FormatErrorText(UnevenBracketsError, "");
    code = EquationUnbalancedBrackets;
  }
  std::size_t arrowAt = std::string::npos;
  int arrows = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '>') continue;
    text[i] = ' ';
    if (arrows++ == 0) arrowAt = i;
  }
  if (arrows > 1) {
    FormatErrorText(IllegalSymbolError, "");
    code = EquationTwoArrows;
  }
  if (arrows == 0) {
    FormatErrorText(EquationError, "");
    code = EquationMissingOrWrong;
  }

  reactants = 1;
  products = arrows == 0 ? 0 : 1;
  starts.assign(1, 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ' ') continue;
    starts.push_back(static_cast<int>(i + 1));
    if (i < arrowAt)
      ++reactants;
    else if (i > arrowAt)
      ++products;
  }
  phases.resize(starts.size());
  return code;
}
