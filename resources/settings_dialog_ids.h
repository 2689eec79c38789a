#pragma once
// Controls of the settings dialog TAVRPARA. The radio button of start-up tool N has the id N + 100,
// except "none" (106).
#include "resources/dialog_templates.h"

inline constexpr int SetupCloseId = 2;
inline constexpr int StartupGroupId = 100;
inline constexpr int StartupPeriodicTableId = 101;
inline constexpr int StartupChemicalsDatabaseId = 102;
inline constexpr int StartupBalanceId = 103;
inline constexpr int StartupMolecularCalculatorId = 104;
inline constexpr int StartupNoneId = 106;
inline constexpr int StartupThermochemistryId = 110;
inline constexpr int StartupSolubilityProductId = 111;
inline constexpr int StartupWeakAcidBaseId = 112;
inline constexpr int StartupDictionaryId = 113;
inline constexpr int SaveSettingsId = 10101;
