#pragma once
// Controls of the launcher form CLIENT.
#include "resources/dialog_templates.h"

inline constexpr int UnusedButton1Id = 101;
inline constexpr int UnusedButton2Id = 102;
inline constexpr int LogoId = 103;
inline constexpr int TitleId = 104;
inline constexpr int PeriodicTableButtonId = 105;
inline constexpr int ChemicalsDatabaseButtonId = 106;
inline constexpr int BalanceButtonId = 107;
inline constexpr int MolecularCalculatorButtonId = 108;
inline constexpr int ThermochemistryButtonId = 109;
inline constexpr int SolubilityProductButtonId = 110;
inline constexpr int WeakAcidBaseButtonId = 111;
inline constexpr int WeakAcidBaseCaptionId = 112;
inline constexpr int DictionaryButtonId = 113;
inline constexpr int SpectroscopyButtonId = 114;
inline constexpr int SpectroscopyCaptionId = 115;
inline constexpr int CurveFitButtonId = 116;
inline constexpr int CurveFitCaptionId = 117;
inline constexpr int PeriodicTableCaptionId = 10157;
inline constexpr int ChemicalsDatabaseCaptionId = 10159;
inline constexpr int ThermochemistryCaptionId = 10160;
inline constexpr int BalanceCaptionId = 10161;
inline constexpr int MolecularCalculatorCaptionId = 10162;
inline constexpr int SolubilityProductCaptionId = 10239;
inline constexpr int DictionaryCaptionId = 10278;
inline constexpr int ElectrochemistryButtonId = 10281;
inline constexpr int ElectrochemistryCaptionId = 10282;

// The picture buttons of the tools, each with its caption beneath it.
inline constexpr int LauncherToolCount = 11;
