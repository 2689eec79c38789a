#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/formcalc.h"

// Numbered computation errors and the texts the windows show for formula results.

using ErrorCode = std::uint8_t;

// The computation errors, by the number each is stored and shown with. Codes
// 1 to 10 are the formula parser's (its error slots, the lowest reported).
inline constexpr ErrorCode IllegalSymbolError = 1;
inline constexpr ErrorCode UnknownIsotopeError = 2;
inline constexpr ErrorCode BracketError = 3;
inline constexpr ErrorCode LeadingStarError = 4;
inline constexpr ErrorCode StarInBracketsError = 5;
inline constexpr ErrorCode FormulaTooLongError = 6;
inline constexpr ErrorCode MissingFormulaError = 7;
inline constexpr ErrorCode MisusedStarError = 8;
inline constexpr ErrorCode IllegalCombinationError = 9;
inline constexpr ErrorCode TooManyPositiveChargesError = 10;
inline constexpr ErrorCode MissingEquationError = 11;
inline constexpr ErrorCode NumberTooLongError = 12;
inline constexpr ErrorCode NumberNotPositiveError = 13;
inline constexpr ErrorCode EquationError = 14;
inline constexpr ErrorCode SpeciesFormulaError = 15;
inline constexpr ErrorCode SpeciesTooLongError = 16;
inline constexpr ErrorCode FormulaCharactersLimitError = 17;
inline constexpr ErrorCode TextLengthLimitError = 18;
inline constexpr ErrorCode UnknownCommandError = 19;
inline constexpr ErrorCode MissingArgumentError = 20;
inline constexpr ErrorCode AtomicNumberArgumentError = 21;
inline constexpr ErrorCode StringTooLongError = 22;
inline constexpr ErrorCode DeuteriumIsHydrogenError = 23;
inline constexpr ErrorCode IntegerArgumentLimitError = 24;
inline constexpr ErrorCode TooManyCombinedElementsError = 25;
inline constexpr ErrorCode ElementOnOneSideError = 26;
inline constexpr ErrorCode NoBalanceSolutionError = 27;
inline constexpr ErrorCode TooManySpeciesError = 31;
inline constexpr ErrorCode TooManyGroupsError = 32;
inline constexpr ErrorCode IntegerArgumentError = 33;
inline constexpr ErrorCode IntegerArgumentRangeError = 34;
inline constexpr ErrorCode RealArgumentRangeError = 35;
inline constexpr ErrorCode ArgumentTooLongError = 40;
inline constexpr ErrorCode TooManyArgumentsError = 41;
inline constexpr ErrorCode EmptyArgumentError = 42;
inline constexpr ErrorCode ArgumentInputError = 43;
inline constexpr ErrorCode QuestionMarkInFormulaError = 44;
inline constexpr ErrorCode RepeatedTopicError = 45;
inline constexpr ErrorCode UnknownTopicError = 46;
inline constexpr ErrorCode TooManyTopicsError = 47;
inline constexpr ErrorCode SingleArgumentSearchError = 48;
inline constexpr ErrorCode UnevenBracketsError = 50;
inline constexpr ErrorCode MissingCompoundDataError = 51;
inline constexpr ErrorCode TextAfterPhaseError = 52;
inline constexpr ErrorCode SpeciesRemovedError = 53;
inline constexpr ErrorCode UnspecifiedError = 99;
// Has no text: FormatErrorText(NoError, "") empties the error line.
inline constexpr ErrorCode NoError = 0;

// The line of the latest FormatErrorText call, "Error 7 :Missing formula/element !";
// empty for a code without a text.
extern std::string ErrorText;

// Writes the line of code into ErrorText in the current language ("Feil " when
// LanguageCode is 47, else "Error "); detail is used only by the codes that
// take one. ErrorText is emptied first in every case.
void FormatErrorText(ErrorCode code, std::string_view detail);

// The one-line result of a successful dcalk call, by its FormulaResultKind.
void FormatFormulaResult(int kind, std::string& text, float amount, float result);

// The composition table (empirical 0: one line per element and isotope with
// count, mass and mass percentage) or the empirical formula (empirical 1) of
// the counts that dcalk filled.
void FormatCompositionReport(const FormulaCounts& counts, int empirical, std::string& report,
                             const IsotopeUsedFlags& isotopeFlags);

// The English name of element Z where it differs from the table name: returns 1
// with the name, or 0 with an empty text. Only when LanguageCode is 44.
int GetEnglishElementName(std::string& text, int Z);
