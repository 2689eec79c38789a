#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/elements/element_tables.h"

// The formula parser: molar mass, amounts, atom counts and charge of a formula text.

inline constexpr std::size_t FormulaTextLimit = 77;
inline constexpr int IsotopeRowCount = 10;
inline constexpr int PlainElementRow = 10;  // atoms written without a mass number

// Atoms per element (column Z-1): row 10 without mass number, rows 0 to 9 per
// isotope index of the elements flagged in IsotopeUsedFlags.
using FormulaCounts = std::array<std::array<float, ElementCount>, IsotopeRowCount + 1>;
using IsotopeUsedFlags = std::array<std::uint8_t, ElementCount>;

// FormulaResultKind: what dcalk's result and amount mean.
inline constexpr int PlainFormula = 0;
inline constexpr int GramAmount = 1;
inline constexpr int CommaForm = 2;
inline constexpr int AmountPrefixGiven = 3;  // added when an amount prefix was read

// Formula counts requested by the type argument (bit 1 or bit 2 set).
inline constexpr int CountsTypeBits = 6;

// Returns the molar mass (plain formula), the mass of a mole amount, the amount
// of a gram amount, or the amount of the compound (comma form); -1.0 on failure,
// with the error line written through FormatErrorText unless quiet is 1.
// mode 0 scales counts by the amount, 1 also writes the normalised formula back,
// 2 gives counts per formula unit. electrons -1.0 on entry asks for the
// electron count.
float dcalk(FormulaCounts& counts, IsotopeUsedFlags& isotopeFlags, int mode, std::string& formula, int quiet, int type,
            int& kind, float& electrons, float& amount);
