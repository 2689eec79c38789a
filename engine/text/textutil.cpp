#include "engine/textutil.h"

#include <algorithm>

#include "engine/formtext.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string& csplit(std::string& line, int& wordStart, std::string& word, int& position) {
  word.clear();
  if (line.size() > CsplitLineLimit) {
    line.clear();
    position = 1;
    FormatErrorText(TextLengthLimitError, std::to_string(CsplitLineLimit) + " (csplit func.)");
    return word;
  }
  // The line is read as if one blank followed it, so that a blank ends the last word.
  const std::size_t size = line.size() + 1;
  auto at = [&](std::size_t index) { return index < line.size() ? line[index] : ' '; };
  std::size_t i = static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(size) + 1));
  wordStart = static_cast<int>(i);
  while (i < size && at(i) == ' ') ++i;
  if (i >= size) {
    position = static_cast<int>(size) + 1;
    return word;
  }
  while (i < size && at(i) != ' ') word += at(i++);
  position = static_cast<int>(i) + 1;
  return word;
}

int ChangeCase(std::string& text, int kind) {
  for (char& c : text) {
    if (c == '\n') return 1;
    if (kind != 0) continue;
    const unsigned char letter = static_cast<unsigned char>(c);
    if (letter >= 'a' && letter <= 'z')
      c = static_cast<char>(letter - ('a' - 'A'));
    else if (letter == 0xE6)
      c = static_cast<char>(0xC6);  // æ
    else if (letter == 0xF8)
      c = static_cast<char>(0xD8);  // ø
    else if (letter == 0xE5)
      c = static_cast<char>(0xC5);  // å
  }
  return 0;
}

int SplitPhaseSuffix(std::string& formula, std::string& phase) {
  phase.clear();
  RemoveBlanks(formula);
  if (formula.size() < 4) return 1;
  for (const char* suffix : {"(s)", "(l)", "(g)", "(aq)"}) {
    const std::string_view ending(suffix);
    if (formula.ends_with(ending)) {
      phase = ending;
      formula.erase(formula.size() - ending.size());
      return 0;
    }
  }
  return 1;
}

int RemoveBlanks(std::string& text) {
  const auto removed = std::erase(text, ' ');
  return static_cast<int>(removed);
}

std::string WithoutBlanksOrControls(const std::string& typed) {
  std::string compact;
  for (char c : typed) {
    if (static_cast<unsigned char>(c) > ' ') compact += c;
  }
  return compact;
}

std::string WithCrLfLineEnds(std::string rows) {
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (rows[i] == '\n') rows[i - 1] = '\r';
  }
  return rows;
}

int SpaceOperators(std::string& equation) {
  RemoveBlanks(equation);
  std::string spaced;
  spaced.reserve(equation.size() * 2);
  for (std::size_t i = 0; i < equation.size(); ++i) {
    const char c = equation[i];
    if (i == 0 || (c != '+' && c != '=' && c != '>')) {
      spaced += c;
      continue;
    }
    bool separates = c != '+';
    for (std::size_t j = i + 1; !separates && j < equation.size(); ++j) {
      const char ahead = equation[j];
      if (ahead == '+' || ahead == '=' || ahead == '>') break;
      separates = IsAsciiLetter(ahead);
    }
    if (separates) {
      spaced += ' ';
      spaced += c;
      spaced += ' ';
    } else {
      spaced += c;
    }
  }
  equation = std::move(spaced);
  return 1;
}
