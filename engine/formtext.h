#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/formcalc.h"

// Numbered computation errors and the texts the windows show for formula results.

using ErrorCode = std::uint8_t;

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
