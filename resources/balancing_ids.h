#pragma once
// Controls of the balancing window BALANSERE.
#include "resources/dialog_templates.h"

inline constexpr int BalanceOkId = 1;
inline constexpr int BalanceCloseId = 2;
inline constexpr int CalculateBalanceId = 100;
inline constexpr int UnbalancedLabelId = 101;
inline constexpr int BalancedLabelId = 102;
inline constexpr int TableHeadingsId = 103;
// Examples 1 to 6 put their equation into the equation field.
inline constexpr int FirstExampleId = 104;
inline constexpr int LastExampleId = 109;
inline constexpr int ExamplesLabelId = 110;
inline constexpr int EquationListLabelId = 111;
inline constexpr int AddGroupId = 112;
inline constexpr int InvisibleLabelId = 114;
inline constexpr int EditListGroupId = 115;
inline constexpr int BalancedEquationId = 10003;
inline constexpr int EquationFieldId = 10006;
inline constexpr int AmountsTableId = 10112;
inline constexpr int EquationListId = 10120;
inline constexpr int DeleteEquationId = 10145;
inline constexpr int AddBeforeId = 10146;
inline constexpr int FileWriteId = 10148;
inline constexpr int AddAfterId = 10149;
inline constexpr int UnusedFieldId = 10154;
inline constexpr int ReplaceEquationId = 10179;
