#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The reaction engine: the number parser and number check through which
// windows and the formula parser read typed numbers, the reaction equations
// with their balancing, amounts and reaction sums, the solubility routines and
// the half-reaction routines.

// Limits of ParseNumberText.
inline constexpr int SinglePrecisionLimits = 0;
inline constexpr int DoublePrecisionLimits = 1;
// Modes of ParseNumberText.
inline constexpr int WholeNumberMode = 0;
inline constexpr int NextNumberMode = 1;

// Results of ParseNumberText.
inline constexpr int ValidNumber = 0;
inline constexpr int NumberBeyondLimits = 6;
inline constexpr int NumberWithTwoPoints = 10;
inline constexpr int NumberUnderflow = 11;
inline constexpr int MalformedNumber = 12;
inline constexpr int NoNumberInText = 13;

// Reads a decimal number with an optional sign, one '.' and an optional
// exponent: in whole mode (0) the whole text, with its blanks removed in place;
// in next mode (1) the number that starts at position. Returns 0 for a valid
// number, else 6 (too long or too large), 10 (two '.'), 11 (underflow),
// 12 (no number or malformed) or 13 (whole mode: no number at all); the value is
// 0 on any code. numberText receives the characters accepted, nextChar the
// character after them, position the index one past the character that ended
// the number, and intClass the smallest integer class that holds an integral
// value (left unchanged otherwise).
int ParseNumberText(std::string& text, int limits, std::string& numberText, int mode, char& nextChar,
                    std::int8_t& intClass, int& position, double& value);

// Results of CheckNumberText.
inline constexpr int WholeNumberInRange = 0;
inline constexpr int NotWholeNumber = 1;
inline constexpr int NotNumeric = 2;
inline constexpr int NumberOutOfRange = 3;
inline constexpr int QuestionMarkText = 4;
inline constexpr int BeginsWithLetter = 5;
inline constexpr int EmptyNumberText = 6;
inline constexpr int TwoOrMorePoints = 7;

// Is text a whole number inside [low, high] (the range tested only when low and
// high differ)? 0 yes; 1 not whole; 2 not numeric; 3 out of range; 4 "?";
// 5 begins with a letter; 6 empty; 7 two or more '.'.
int CheckNumberText(std::string_view text, float low, float high);

// ---- Reaction equations ----

// An equation text holds at most this many characters, also once balanced.
inline constexpr std::size_t EquationTextLimit = 254;
inline constexpr int MaxEquationSpecies = 12;
inline constexpr int MaxEquationGroups = 8;
inline constexpr int MaxSmallEquationSpecies = 6;
inline constexpr int MaxSmallEquationGroups = 4;
// A species text, and a display name with its phase, is shorter than this.
inline constexpr std::size_t SpeciesTextLimit = 40;
inline constexpr const char* ThermochemicalTableName = "dats\\datfiles\\atomdata\\thermody.dat";
// The species whose record in the thermochemical table held a value that is no number, in the
// order met, from the latest balance with thermochemical sums: those values counted as missing.
extern std::vector<std::string> DamagedThermochemicalRecords;

// Results of ParseEquation and BalanceEquation.
inline constexpr int EquationBalanced = 0;
inline constexpr int ElementOnlyAmongReactants = 1;
inline constexpr int ElementOnlyAmongProducts = 2;
inline constexpr int EquationTextTooLong = 3;
inline constexpr int EquationMissingOrWrong = 4;  // empty, a formula error, or no arrow
inline constexpr int EquationNoSolution = 5;
inline constexpr int EquationTooManySpecies = 6;
inline constexpr int EquationTooManyGroups = 8;
inline constexpr int EquationTwoArrows = 9;
inline constexpr int EquationUnbalancedBrackets = 22;
inline constexpr int EquationTextAfterPhase = 23;

// Splits an equation ("FeS2+O2>Fe3O4+SO2") into species: text is rewritten with
// one blank between species and the arrow as a blank; phases receives each
// species' phase ("(aq)" or empty) and starts the index where each species
// begins. Returns 0, or 4 no arrow, 9 two arrows, 22 unbalanced brackets, 23
// text after a phase, each with its error line.
int ParseEquation(std::string& text, int& reactants, std::vector<std::string>& phases, std::vector<int>& starts,
                  int& products);

// Balances equation in place ("3FeS2 + 8O2 = Fe3O4 + 6SO2") and writes the
// amounts table, one row per species: its name with phase, moles and grams
// (scaled to the amounts written in the equation). With thermo 1 the rows and
// the sums come from the thermochemical table: dH (kJ, products minus
// reactants) and dS (J/K) are set, the heat term is appended to the equation,
// and enthalpyMissing / entropyMissing are set to 1 when some species lacks
// the value. balMin, balMid and balMax bound the group multipliers. Returns 0;
// 1 or 2 an element on the reactant or product side only; 3 a species, name
// or balanced equation too long; 4 empty equation, formula error or no arrow;
// 5 no solution; 6 more than 12 species; 8 more than 8 groups; 9, 22, 23 parse
// errors. ErrorText holds the line of every failure; equation and table are
// changed only on success.
int BalanceEquation(std::int8_t mode, int& enthalpyMissing, int& entropyMissing, int thermo, int balMin, int balMid,
                    int balMax, double& dH, double& dS, std::string& equation, std::string& table);

// The same for at most 6 species and 4 groups, writing "+" and "=" without blanks.
int BalanceEquationSix(std::int8_t mode, int& enthalpyMissing, int& entropyMissing, int thermo, int balMin, int balMid,
                       int balMax, double& dH, double& dS, std::string& equation, std::string& table);

// ---- Solubility and stoichiometry ----
// The rows of a dissociation: 0 the salt, 1 the cation, 2 the anion, 3 the
// crystal water (may be empty); each a coefficient and a formula. Concentrations:
// 0 Ksp, 1 cation, 2 common ion on the cation, 3 anion, 4 common ion on the
// anion (mol/kg). Amounts and masses per row, solvent in kg. Results are
// written as "%G" texts.

inline constexpr int DissociationRowCount = 4;
inline constexpr int ConcentrationCount = 5;
using DissociationRows = std::array<std::string, DissociationRowCount>;
using ConcentrationTexts = std::array<std::string, ConcentrationCount>;
using RowTexts = std::array<std::string, DissociationRowCount>;
using CoefficientTexts = std::array<std::string, 2>;
using FormulaTexts = std::array<std::string, 2>;

// SolubilityWithCommonIon: the search did not reach Ksp; no result was written.
inline constexpr int SolubilityNotFound = 1;

int SolubilityFromKsp(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                      ConcentrationTexts& concentrations, const std::string& solvent);
int SolveKspFirstIon(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                     ConcentrationTexts& concentrations, const std::string& solvent);
int SolveKspSecondIon(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                      ConcentrationTexts& concentrations, const std::string& solvent);
int SolubilityWithCommonIon(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                            ConcentrationTexts& concentrations, const std::string& solvent);
int ConvertAmountMass(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                      ConcentrationTexts& concentrations, const std::string& solvent);
int FillMolarMassColumns(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses);
int FormulaMassText(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses);
int SplitCoefficientFormula(const DissociationRows& rows, FormulaTexts& formulas, CoefficientTexts& coefficients);
// Results of BalanceReactionRows.
inline constexpr int RowsBalanceAsWritten = 0;
inline constexpr int RowsBalanceOtherwise = 1;
inline constexpr int RowsCannotBalance = 2;
int BalanceReactionRows(const DissociationRows& rows, const CoefficientTexts& coefficients);

// ---- Half reactions ----

// first := the two left sides joined by "+", ">", the two right sides joined by "+"; blanks removed.
void AddHalfReactions(std::string& first, const std::string& second);
// Every "(g)", "(s)", "(l)" and "(aq)" replaced by as many blanks; returns the length.
int BlankPhaseSuffixes(std::string& equation);
// Removes the electron terms with their coefficients and '+', leaving blanks.
void RemoveElectrons(std::string& equation);
// Removes the coefficients of the species; the arrow is written '>'.
void EquationSpeciesOnly(std::string& equation);
// Mode 0 merges equal species on each side and cancels species on both sides,
// 1 only merges, 2 only cancels. Returns 1 when nothing is left ("   ? = ?").
int SimplifyEquation(int mode, std::string& equation);
// Turns H+ with OH- (and H3O+ with OH-) on one side into water. Returns 1 when nothing is left.
int SimplifyEquationWithWater(std::string& equation);
