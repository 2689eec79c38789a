#include <array>
#include <string>

#include "engine/formtext.h"
#include "engine/settings/settings.h"

std::string ErrorText;

namespace {

// One numbered error: its text in both languages, and for the codes that take
// a detail, the part written after it.
struct ErrorEntry {
  ErrorCode code;
  bool takesDetail;
  const char* norwegian;
  const char* norwegianAfterDetail;
  const char* english;
  const char* englishAfterDetail;
};

constexpr std::array<ErrorEntry, 46> ErrorEntries = {{
    {1, false, "Feilplasserte eller ulovlige symboler/tegn i formel ", "",
     "Misplaced or illegal symbol(s)/token(s) in formula ", ""},
    {2, false, "Isotopfeil: Ukjent el. ustabil isotop i formel", "", "Unknown or unstable isotope in formula", ""},
    {3, false, "Parantesfeil: Feilplassert eller ulikt antall i formel ", "",
     "Bracketerror:Misplaced or uneven number in formula ", ""},
    {4, false, "Plasseringsfeil: Fjern '*' fra venstre side i formel ", "", "Remove first lefthanded '*' in formula",
     ""},
    {5, false, "Tegnet '*' kan ikke plasseres innenfor paranteser i formel", "",
     "Character '*' must not be placed between brackets", ""},
    {6, true, "Kapasitetsfeil: For mange tegn i formel", "", "To many characters in formula", ""},
    {7, false, "Manglende formel/grunnstoff", "", "Missing formula/element", ""},
    {8, false, "Feilaktig bruk av '*' i formel", "", "Illegal use of '*' in formula", ""},
    {9, false, "Ulovlig tegnkombinasjon i formel", "", "Erroneous use of character comb. in formula", ""},
    {10, false, "Overdreven stripping av elektroner i formel", "", "To many pos.charges in atom/molecule", ""},
    {11, false, "Manglende balanseuttrykk", "", "Missing balance expr.", ""},
    {12, false, "For mange tallenheter i tallet", "", "To many characters in a number", ""},
    {13, false, "Tallfeil:Forventer tall >0", "", "Number error:Expect number >0", ""},
    {14, false, "Feil i balanseuttrykk", "", "Error in balance expr.", ""},
    {15, true, "Feil i formelen: ", "", "Error in formula: ", ""},
    {16, true, "Tegngrenseoverskridelse i formelen: ", "", "To many characters in formula: ", ""},
    {17, true, "Maksimalt antall formelkarakterer = ", "", "Max number of characters in formula = ", ""},
    {18, true, "Antall tegn kan ikke overskride ", "", "Number of characters must not exeed ", ""},
    {19, true, "Ukjent kommando!", ". Skriv 'help comm'", "Unknown command!", ". Type 'help' for more info."},
    {20, false, "Manglende argument! Skriv 'help comm' for mer informasjon", "",
     "Missing argument! Type 'help comm' for more info.", ""},
    {21, false, "Argumentet forventes heltallig 0..103", "", "Argument must be integer 0..103", ""},
    {22, false, "Streng for lang", "", "String to big", ""},
    {23, false, "Deuterium (H[2]) er en hydrogenisotop", "", "Deuterium (H[2]) = isotope of hydrogen", ""},
    {24, true, "Argumentet forventes heltallig >=0 and <=", "", "Argument must be integer >=0 and <=", ""},
    {25, true, "Max. ", " gr.stoffer kan bli kombinert", "Calc. sum of ox.nb. a max. of ",
     " elements/symbols my be combined"},
    {26, true, "Mangler '", "' paa en av sidene i ligning", "Missing '", "' in one side of expr."},
    {27, false, "Problem skyldes:Iterativ grense, flyttall el. uloselig ligning", "",
     "Problem caused by:Iterative limit, real numbers or unsolvable problem", ""},
    {31, false, "Ant. forbindelser overskrider pre-definert grense", "", "Number of species exeed solvable limit", ""},
    {32, false, "Ant. grupper overskrider pre-definert grense", "", "Number of groups exeed solvable limit", ""},
    {33, false, "Argument krever heltall", "", "Argument must be an integer", ""},
    {34, true, "Argument maa vaere et heltall i omraadet ", "", "Argument must be integer in range ", ""},
    {35, true, "Argument maa vaere et reelt tall i omraadet ", "", "Argument must be a real number in range ", ""},
    {40, true, "Ant. tegn i argumentet maa ikke overskride ", "", "No. of characters in arg. must not exeed ", ""},
    {41, true, "Antall argumenter maa ikke overskride ", "", "Number of arguments must not exeed ", ""},
    {42, false, "Manglende argument mellom argument-separatorer", "", "Missing argument between argument separators",
     ""},
    {43, false, "Feilaktig argument-innskrivning", "", "Erroneous argument input", ""},
    {44, false, "Forventer et tall, ikke '?' i formel", "", "Expect a number, not '?'", ""},
    {45, false, "Emnepeker er benyttet mer enn en gang i samme soek", "",
     "Topicpointer used more than once in the same argument", ""},
    {46, false, "Ukjent emnepeker", "", "Unknown topicpointer", ""},
    {47, false, "Ant. emnepekere i et sok overskrider lovlig grense", "", "Too many topicpointers in argument", ""},
    {48, false, "For dette formaalet, benytt et enkeltargumentert sok", "",
     "For this purpose use a singel argumented topicline", ""},
    {50, false,
     "Parentesfeil:Ulikt antall venste/h\xF8"
     "yre parenteser ",
     "", "Bracket error:Uneven number of left/right brackets ", ""},
    {51, false, "Stoffdatamangel eller fasespesifikasjonsmangel (g),(l).. ", "",
     "Missing compund data or phase description (g),(l)..", ""},
    {52, false, "Ugyldig tegn(sekvens) etter fasespesifikasjon (g).,(l). ", "",
     "Illegal character(s) placed after phase (g),(l).. ", ""},
    {53, false, "Forbindelser kan ha blitt fjernet: H2O = H2O -->  ? = ? ", "",
     "Species may have been removed i.e. H2O = H2O -->  ? = ? ", ""},
    {99, false, "USPESIFISERT FEIL", "", "ERROR", ""},
}};

const ErrorEntry* FindErrorEntry(ErrorCode code) {
  for (const auto& entry : ErrorEntries) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

}  // namespace

void FormatErrorText(ErrorCode code, std::string_view detail) {
  ErrorText.clear();
  const ErrorEntry* entry = FindErrorEntry(code);
  if (!entry) return;
  const bool norwegian = LanguageCode == NorwegianLanguage;
  ErrorText = norwegian ? "Feil " : "Error ";
  ErrorText += std::to_string(code);
  ErrorText += " :";
  ErrorText += norwegian ? entry->norwegian : entry->english;
  if (entry->takesDetail) {
    ErrorText += detail;
    ErrorText += norwegian ? entry->norwegianAfterDetail : entry->englishAfterDetail;
  }
  ErrorText += " !";
}
