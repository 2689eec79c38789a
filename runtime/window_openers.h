#pragma once
// The openers of the tool windows that the menu and the launcher form open, each with its
// window's module. Each opens its window modally with `parent` as the parent and returns the
// dialog's result. A tool module defines its own opener and deletes its entry from
// pending_window_openers.cpp, where the tools that have no window yet are opened from their
// template name alone.
#include "platform/win/cwnd.h"

int OpenPeriodicTableDialog(CWnd* parent);        // periodes: PERIODESYSTEMET
int OpenMolecularCalculatorDialog(CWnd* parent);  // molekylk: MOLEKYLKALKULATOR
int OpenBalanceDialog(CWnd* parent);              // balanser: BALANSERE
int OpenThermochemistryDialog(CWnd* parent);      // termodyn: TERMODYNAMIKK
int OpenElectrochemistryDialog(CWnd* parent);     // redoks: REDOKS
int OpenSolubilityProductDialog(CWnd* parent);    // soluprod: SOLUPROD
int OpenWeakAcidBaseDialog(CWnd* parent);         // syrebase: SYREBASE
int OpenSpectroscopyDialog(CWnd* parent);         // masssp: MASSSP
int OpenCurveFitDialog(CWnd* parent);             // funcplot: FUNCPLOT
int OpenChemicalsDatabaseDialog(CWnd* parent);    // kjemik1: KJEMIKALIEDATABASE
int OpenDictionaryDialog(CWnd* parent);           // ordliste: ORDLISTE
int OpenIndicatorsDialog(CWnd* parent);           // indikato: INDIKATORER
int OpenConversionDialog(CWnd* parent);           // convert: CONVERT

// The property graph, which the periodic table window opens; the module persysgr defines it.
int OpenPeriodicGraphDialog(CWnd* parent);  // persysgr: PERSYSGRAF

// The print options, which the curve-fit window opens; the shell's module printopt defines it.
int OpenPrintOptionsDialog(CWnd* parent);  // printopt: PRINTOPT
