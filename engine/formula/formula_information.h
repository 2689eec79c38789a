#pragma once
// What the formula windows show of one formula: its result line and its composition report.
#include <string>

struct FormulaInformation {
  std::string resultLine;   // the formula's mass or amount line; the error text when it does not parse
  std::string composition;  // the composition report with CR LF line ends; empty when it does not parse
};

// Leaves the engine's error line cleared, as every calculation of the windows does.
FormulaInformation DescribeFormula(std::string formula);
