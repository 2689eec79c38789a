#pragma once
// The commands of the main menu (resource 2). Command 4010, the chemicals database, has no item.
#include "platform/gdi/wintypes.h"

inline constexpr UINT MainMenuId = 2;

inline constexpr UINT SetupCommand = 4000;
inline constexpr UINT ExitCommand = 4001;
inline constexpr UINT MolecularCalculatorCommand = 4002;
inline constexpr UINT BalanceCommand = 4003;
inline constexpr UINT ThermochemistryCommand = 4004;
inline constexpr UINT ElectrochemistryCommand = 4005;
inline constexpr UINT SolubilityProductCommand = 4006;
inline constexpr UINT WeakAcidBaseCommand = 4007;
inline constexpr UINT SpectroscopyCommand = 4008;
inline constexpr UINT CurveFitCommand = 4009;
inline constexpr UINT ChemicalsDatabaseCommand = 4010;
inline constexpr UINT DictionaryCommand = 4011;
inline constexpr UINT PeriodicTableCommand = 4012;
inline constexpr UINT IndicatorsCommand = 4013;
inline constexpr UINT ConversionCommand = 4014;
inline constexpr UINT AboutCommand = 4015;
