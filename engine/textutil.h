#pragma once

#include <string>

// Small text routines shared by the engine and the windows.

inline constexpr std::size_t CsplitLineLimit = 2047;

// The next blank-separated word of line, from position on: word receives it
// (and is returned), wordStart the position the call began at, and position
// moves past the blank that ended the word. At the end of the line the word is
// empty. A line of more than 2047 characters is refused: it is emptied,
// position becomes 1 and code 18 is written.
std::string& csplit(std::string& line, int& wordStart, std::string& word, int& position);

// Kind 0: upper-cases text up to its end or its first line feed, ASCII letters
// and æ, ø, å. Returns 1 when it stopped at a line feed, 0 at the end.
int ChangeCase(std::string& text, int kind);

// Removes the blanks of formula and cuts a phase "(s)", "(l)", "(g)" or "(aq)"
// off its end into phase: 0 when a phase was cut off, 1 when there was none.
int SplitPhaseSuffix(std::string& formula, std::string& phase);

// Deletes every blank (not tabs); returns how many.
int RemoveBlanks(std::string& text);

// The typed text without blanks, tabs and control characters, which carry no meaning in a formula
// or an equation.
std::string WithoutBlanksOrControls(const std::string& typed);

// The engine ends every row of a table or report with a blank and a line feed; an edit field breaks
// lines at CR LF, so each such blank becomes a carriage return.
std::string WithCrLfLineEnds(std::string rows);

// Removes the blanks of an equation and writes " + " for a '+' that separates
// two species, " = " and " > " for '=' and '>'. Returns 1.
int SpaceOperators(std::string& equation);
