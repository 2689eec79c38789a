#include "engine/formtext.h"
#include "engine/numbers/number_text.h"
#include "engine/settings/settings.h"

namespace {

struct ResultLabels {
  const char* formulaMass;
  const char* mass;
  const char* amount;
};

constexpr ResultLabels EnglishLabels{"Formula mass = ", "Mass = ", "Amount(n) = "};
constexpr ResultLabels NorwegianLabels{"Formelmasse = ", "Masse = ", "Mengde(n) = "};

}  // namespace

void FormatFormulaResult(int kind, std::string& text, float amount, float result) {
  const ResultLabels& labels = LanguageCode == EnglishLanguage ? EnglishLabels : NorwegianLabels;
  text.clear();
  switch (kind) {
    case PlainFormula: text = labels.formulaMass + FormatNumberG(result) + "g/mol"; break;
    case PlainFormula + AmountPrefixGiven: text = labels.mass + FormatNumberG(result) + "g"; break;
    case GramAmount:
    case GramAmount + AmountPrefixGiven: text = labels.amount + FormatNumberG(result) + "mol"; break;
    case CommaForm:
      text = labels.formulaMass + FormatNumberG(amount) + "g/mol  " + labels.amount + FormatNumberG(result) + "mol";
      break;
    case CommaForm + AmountPrefixGiven:
      text = labels.mass + FormatNumberG(amount) + "g  " + labels.amount + FormatNumberG(result) + "mol";
      break;
    default: break;
  }
}
