// Tools whose windows are not written yet: each opens its template on the runtime's modal
// dialog base, and without the template reports "Cannot create dialog box " and its name.
#include "runtime/dialog_openers.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/window_openers.h"

int OpenThermochemistryDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("TERMODYNAMIKK", parent); }
int OpenElectrochemistryDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("REDOKS", parent); }
int OpenSolubilityProductDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("SOLUPROD", parent); }
int OpenWeakAcidBaseDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("SYREBASE", parent); }
int OpenSpectroscopyDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("MASSSP", parent); }
int OpenCurveFitDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("FUNCPLOT", parent); }
int OpenChemicalsDatabaseDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("KJEMIKALIEDATABASE", parent); }
int OpenDictionaryDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("ORDLISTE", parent); }
int OpenIndicatorsDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("INDIKATORER", parent); }
int OpenConversionDialog(CWnd* parent) { return OpenModalDialog<CSimModalDlg>("CONVERT", parent); }
