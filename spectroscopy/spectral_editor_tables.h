#pragma once
// The spectroscopy window's way into its table editors: the table the IR and NMR editors work on,
// and the openers of the three editors. Each editor runs modally with the spectroscopy window as
// its owner and rewrites its table at every change; the window reads the tables anew at its next
// interpretation.
#include "platform/win/cwnd.h"

// The table the IR and NMR editors edit; the spectroscopy window sets it before it opens one of
// them, and it keeps its last value after that window closes.
inline int SpectralKind = 0;

inline constexpr int IrSpectralKind = 1;
inline constexpr int UvSpectralKind = 2;
inline constexpr int H1SpectralKind = 3;
inline constexpr int C13SpectralKind = 4;

// The MS fragment table of the current language; does not read SpectralKind.
int OpenMsFragmentDataDialog(CWnd* parent);
// The IR table (SpectralKind IrSpectralKind; UvSpectralKind names the UV table).
int OpenIrDataDialog(CWnd* parent);
// The 1H table (SpectralKind H1SpectralKind) or the 13C table (C13SpectralKind).
int OpenNmrDataDialog(CWnd* parent);
