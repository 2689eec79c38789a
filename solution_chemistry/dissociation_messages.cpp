#include "solution_chemistry/dissociation_messages.h"

#include "engine/settings/settings.h"
#include "platform/win/message_box.h"
#include "runtime/resource_message.h"

namespace {

bool English() { return LanguageCode == EnglishLanguage; }

}  // namespace

std::string BalanceErrorMessage() {
  if (English()) return "BALANCE ERROR IN DISSOC. EXPR.\n\nDissoc. expr. not in balance!";
  return "BALANSERINGSFEIL I DISSOSIASJONSUTTRYKKET\n\nTAVRIN har registrert at dissosiasjonsutrykket inneholder "
         "feile koeffisienter.!";
}

std::string FormulaErrorMessage() {
  if (English())
    return "FORMULA ERROR OR UNSOLVED DISSOC. EXPR.\n\nPossible errors:\n1) Unknown/missing token/symbols in dissoc. "
           "expr.\n2) Dissoc. expr. not in balance.";
  return "FORMELFEIL I ELLER UL\xD8SBART DISSOSIASJONSUTTRYKK\n\nF\xF8lgende feil er sannsynlig\n1) Ukjente/manglende "
         "tegn/symboler i et eller flere av dissosiasjonsutrykkets felter.\n2) Dissosiasjonsutrykket er ikke balansert.";
}

std::string RefusedBalanceErrorMessage() {
  return (English() ? "ILLEGAL ADD/REPLACE! " : "INGEN LAGRING! ") + BalanceErrorMessage();
}

std::string RefusedFormulaErrorMessage() {
  return (English() ? "ILLEGAL ADD/REPLACE! " : "INGEN LAGRING! ") + FormulaErrorMessage();
}

std::string IllegalNumberMessage() {
  if (English()) return "ILLEGAL NUMBER\n\nIllegal number or erroneous\nuse of number field!";
  return "TALLFEIL\n\nTAVRIN har registrert ugyldige tall\neller feilaktig bruk av tallfelt!";
}

std::string FormulaTooLongMessage() {
  if (English()) return "FORMULA TOO LONG\n\nA formula holds at most 35 characters!";
  return "FORMELEN ER FOR LANG\n\nEn formel har h\xF8yst 35 tegn!";
}

void ShowDissociationMessage(CWnd& owner, const std::string& text) {
  ::MessageBox(owner.m_hWnd, text.c_str(), MessageCaption, MB_OK);
}
