#include <set>

#include "engine/formtext.h"
#include "tests/engine/test_support.h"

namespace {

struct ExpectedLines {
  int code;
  const char* norwegian;
  const char* english;
};

// Every code with a text, each line written with the detail "<D>"; the codes
// that take no detail must leave it out.
const ExpectedLines ErrorLines[] = {
    {1, "Feil 1 :Feilplasserte eller ulovlige symboler/tegn i formel  !",
     "Error 1 :Misplaced or illegal symbol(s)/token(s) in formula  !"},
    {2, "Feil 2 :Isotopfeil: Ukjent el. ustabil isotop i formel !",
     "Error 2 :Unknown or unstable isotope in formula !"},
    {3, "Feil 3 :Parantesfeil: Feilplassert eller ulikt antall i formel  !",
     "Error 3 :Bracketerror:Misplaced or uneven number in formula  !"},
    {4, "Feil 4 :Plasseringsfeil: Fjern '*' fra venstre side i formel  !",
     "Error 4 :Remove first lefthanded '*' in formula !"},
    {5, "Feil 5 :Tegnet '*' kan ikke plasseres innenfor paranteser i formel !",
     "Error 5 :Character '*' must not be placed between brackets !"},
    {6, "Feil 6 :Kapasitetsfeil: For mange tegn i formel<D> !", "Error 6 :To many characters in formula<D> !"},
    {7, "Feil 7 :Manglende formel/grunnstoff !", "Error 7 :Missing formula/element !"},
    {8, "Feil 8 :Feilaktig bruk av '*' i formel !", "Error 8 :Illegal use of '*' in formula !"},
    {9, "Feil 9 :Ulovlig tegnkombinasjon i formel !", "Error 9 :Erroneous use of character comb. in formula !"},
    {10, "Feil 10 :Overdreven stripping av elektroner i formel !", "Error 10 :To many pos.charges in atom/molecule !"},
    {11, "Feil 11 :Manglende balanseuttrykk !", "Error 11 :Missing balance expr. !"},
    {12, "Feil 12 :For mange tallenheter i tallet !", "Error 12 :To many characters in a number !"},
    {13, "Feil 13 :Tallfeil:Forventer tall >0 !", "Error 13 :Number error:Expect number >0 !"},
    {14, "Feil 14 :Feil i balanseuttrykk !", "Error 14 :Error in balance expr. !"},
    {15, "Feil 15 :Feil i formelen: <D> !", "Error 15 :Error in formula: <D> !"},
    {16, "Feil 16 :Tegngrenseoverskridelse i formelen: <D> !", "Error 16 :To many characters in formula: <D> !"},
    {17, "Feil 17 :Maksimalt antall formelkarakterer = <D> !", "Error 17 :Max number of characters in formula = <D> !"},
    {18, "Feil 18 :Antall tegn kan ikke overskride <D> !", "Error 18 :Number of characters must not exeed <D> !"},
    {19, "Feil 19 :Ukjent kommando!<D>. Skriv 'help comm' !",
     "Error 19 :Unknown command!<D>. Type 'help' for more info. !"},
    {20, "Feil 20 :Manglende argument! Skriv 'help comm' for mer informasjon !",
     "Error 20 :Missing argument! Type 'help comm' for more info. !"},
    {21, "Feil 21 :Argumentet forventes heltallig 0..103 !", "Error 21 :Argument must be integer 0..103 !"},
    {22, "Feil 22 :Streng for lang !", "Error 22 :String to big !"},
    {23, "Feil 23 :Deuterium (H[2]) er en hydrogenisotop !", "Error 23 :Deuterium (H[2]) = isotope of hydrogen !"},
    {24, "Feil 24 :Argumentet forventes heltallig >=0 and <=<D> !",
     "Error 24 :Argument must be integer >=0 and <=<D> !"},
    {25, "Feil 25 :Max. <D> gr.stoffer kan bli kombinert !",
     "Error 25 :Calc. sum of ox.nb. a max. of <D> elements/symbols my be combined !"},
    {26, "Feil 26 :Mangler '<D>' paa en av sidene i ligning !", "Error 26 :Missing '<D>' in one side of expr. !"},
    {27, "Feil 27 :Problem skyldes:Iterativ grense, flyttall el. uloselig ligning !",
     "Error 27 :Problem caused by:Iterative limit, real numbers or unsolvable problem !"},
    {31, "Feil 31 :Ant. forbindelser overskrider pre-definert grense !",
     "Error 31 :Number of species exeed solvable limit !"},
    {32, "Feil 32 :Ant. grupper overskrider pre-definert grense !",
     "Error 32 :Number of groups exeed solvable limit !"},
    {33, "Feil 33 :Argument krever heltall !", "Error 33 :Argument must be an integer !"},
    {34, "Feil 34 :Argument maa vaere et heltall i omraadet <D> !",
     "Error 34 :Argument must be integer in range <D> !"},
    {35, "Feil 35 :Argument maa vaere et reelt tall i omraadet <D> !",
     "Error 35 :Argument must be a real number in range <D> !"},
    {40, "Feil 40 :Ant. tegn i argumentet maa ikke overskride <D> !",
     "Error 40 :No. of characters in arg. must not exeed <D> !"},
    {41, "Feil 41 :Antall argumenter maa ikke overskride <D> !", "Error 41 :Number of arguments must not exeed <D> !"},
    {42, "Feil 42 :Manglende argument mellom argument-separatorer !",
     "Error 42 :Missing argument between argument separators !"},
    {43, "Feil 43 :Feilaktig argument-innskrivning !", "Error 43 :Erroneous argument input !"},
    {44, "Feil 44 :Forventer et tall, ikke '?' i formel !", "Error 44 :Expect a number, not '?' !"},
    {45, "Feil 45 :Emnepeker er benyttet mer enn en gang i samme soek !",
     "Error 45 :Topicpointer used more than once in the same argument !"},
    {46, "Feil 46 :Ukjent emnepeker !", "Error 46 :Unknown topicpointer !"},
    {47, "Feil 47 :Ant. emnepekere i et sok overskrider lovlig grense !",
     "Error 47 :Too many topicpointers in argument !"},
    {48, "Feil 48 :For dette formaalet, benytt et enkeltargumentert sok !",
     "Error 48 :For this purpose use a singel argumented topicline !"},
    {50,
     "Feil 50 :Parentesfeil:Ulikt antall venste/h\xF8"
     "yre parenteser  !",
     "Error 50 :Bracket error:Uneven number of left/right brackets  !"},
    {51, "Feil 51 :Stoffdatamangel eller fasespesifikasjonsmangel (g),(l)..  !",
     "Error 51 :Missing compund data or phase description (g),(l).. !"},
    {52, "Feil 52 :Ugyldig tegn(sekvens) etter fasespesifikasjon (g).,(l).  !",
     "Error 52 :Illegal character(s) placed after phase (g),(l)..  !"},
    {53, "Feil 53 :Forbindelser kan ha blitt fjernet: H2O = H2O -->  ? = ?  !",
     "Error 53 :Species may have been removed i.e. H2O = H2O -->  ? = ?  !"},
    {99, "Feil 99 :USPESIFISERT FEIL !", "Error 99 :ERROR !"},
};

TEST(ErrorText, EveryCodeInBothLanguages) {
  for (const auto& expected : ErrorLines) {
    {
      LanguageScope norwegian(47);
      FormatErrorText(static_cast<ErrorCode>(expected.code), "<D>");
      EXPECT_EQ(ErrorText, expected.norwegian);
    }
    for (int other : {44, 1, 0}) {
      LanguageScope english(other);
      FormatErrorText(static_cast<ErrorCode>(expected.code), "<D>");
      EXPECT_EQ(ErrorText, expected.english) << "language " << other;
    }
  }
}

TEST(ErrorText, CodesWithoutTextLeaveTheBufferEmpty) {
  std::set<int> withText;
  for (const auto& expected : ErrorLines) withText.insert(expected.code);
  for (int code = 0; code <= 255; ++code) {
    if (withText.count(code)) continue;
    FormatErrorText(MissingFormulaError, "");
    ASSERT_FALSE(ErrorText.empty());
    FormatErrorText(static_cast<ErrorCode>(code), "detail");
    EXPECT_EQ(ErrorText, "") << code;
  }
}

TEST(ErrorText, LongestLinesAreWholeAndDetailsAreNotCut) {
  LanguageScope english(44);
  FormatErrorText(NoBalanceSolutionError, "");
  EXPECT_EQ(ErrorText, "Error 27 :Problem caused by:Iterative limit, real numbers or unsolvable problem !");
  EXPECT_EQ(ErrorText.size(), 81u);
  const std::string species(200, 'C');
  FormatErrorText(SpeciesFormulaError, species);
  EXPECT_EQ(ErrorText, "Error 15 :Error in formula: " + species + " !");
}

TEST(ErrorText, ExamplesOfTheRaisers) {
  {
    LanguageScope english(44);
    FormatErrorText(FormulaTooLongError, " (dcalk.func.)");
    EXPECT_EQ(ErrorText, "Error 6 :To many characters in formula (dcalk.func.) !");
    FormatErrorText(MissingFormulaError, "ignored");
    EXPECT_EQ(ErrorText, "Error 7 :Missing formula/element !");
    FormatErrorText(UnspecifiedError, "");
    EXPECT_EQ(ErrorText, "Error 99 :ERROR !");
  }
  LanguageScope norwegian(47);
  FormatErrorText(ElementOnOneSideError, "Fe");
  EXPECT_EQ(ErrorText, "Feil 26 :Mangler 'Fe' paa en av sidene i ligning !");
  FormatErrorText(UnspecifiedError, "");
  EXPECT_EQ(ErrorText, "Feil 99 :USPESIFISERT FEIL !");
}

}  // namespace
