#pragma once
// The messages the solubility and weak acid/base windows and their editors share, English when
// LanguageCode is 44 and Norwegian otherwise.
#include <string>

#include "platform/win/cwnd.h"

// The dissociation equation balances only with other coefficients.
std::string BalanceErrorMessage();
// The equation cannot be balanced or holds an unknown formula.
std::string FormulaErrorMessage();
// The editors refuse to store an equation with those faults: the same texts behind a headline
// that says nothing was stored.
std::string RefusedBalanceErrorMessage();
std::string RefusedFormulaErrorMessage();
std::string IllegalNumberMessage();
// An editor's formula key is longer than the table stores.
std::string FormulaTooLongMessage();
// One message box with the caption "TAVRIN" and an OK button, owned by the window.
void ShowDissociationMessage(CWnd& owner, const std::string& text);
