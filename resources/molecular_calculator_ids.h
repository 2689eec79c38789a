#pragma once
// Controls of the molecular calculator MOLEKYLKALKULATOR.
#include "resources/dialog_templates.h"

inline constexpr int CalculateMoleculeId = 100;
inline constexpr int CompositionHeadingId = 101;
inline constexpr int FormulaLabelId = 102;
inline constexpr int ResultLabelId = 103;
inline constexpr int FirstExampleId = 104;
inline constexpr int LastExampleId = 109;
inline constexpr int ExamplesLabelId = 110;
inline constexpr int MoleculeFormulaId = 10000;
inline constexpr int MoleculeResultId = 10001;
inline constexpr int CompositionId = 10114;
inline constexpr int MoleculeNamesListId = 10120;
inline constexpr int OpenMoleculeNamesId = 10312;
