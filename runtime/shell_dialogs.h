#pragma once
// Dialogs of the application shell that tool windows open; the shell defines them.
#include "platform/win/cwnd.h"

// The print options (PRINTOPT), opened from the curve-fit window; modal with `parent` as the parent.
int OpenPrintOptionsDialog(CWnd* parent);
