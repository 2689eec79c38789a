#pragma once
// The texts of the electrochemistry window's half reactions: turning one with its potential, and
// the cell potential of two.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The half reaction with its sides swapped: "Br2 + 2e- > 2Br-" gives "2Br- > Br2 + 2e-". The blanks
// at the arrow stay at the arrow; the other blanks move with their side. None when the text does
// not hold exactly one '>'.
std::optional<std::string> TurnedHalfReaction(std::string_view equation);

// The value of a typed potential: the whole text without blanks read as one number, an empty text
// as 0; none when the text is no finite number ("abc", "12,5", "1.09V", "1E999").
std::optional<double> PotentialValue(std::string potential);

// The potential of the turned half reaction: the text without blanks with its sign changed,
// "-3.4E-1" giving "3.4E-1" and "+0.5" giving "-0.5"; a value of zero is "0", an empty text stays
// empty. None when the text is no potential (PotentialValue).
std::optional<std::string> NegatedPotential(std::string potential);

// The widest cell potential the potential fields show, in characters before the decimals.
inline constexpr std::size_t CellPotentialWidth = 37;

// The sum of the two potentials (each read by PotentialValue, summed in double precision), with as
// many decimals as the input with the most (cut, not rounded; at most six), or none when neither has
// a point: "1.09" and "-0.34" give "0.75". None when either text is no potential or the sum's whole
// part is wider than the fields show.
std::optional<std::string> CellPotentialText(const std::string& left, const std::string& right);

// Does the half reaction hold an electron term: an "e-" at the start or after a character that is
// not a letter?
bool HasElectronTerm(std::string_view halfReaction);
