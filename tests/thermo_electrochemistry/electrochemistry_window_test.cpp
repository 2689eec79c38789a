#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "platform/win/control_constants.h"
#include "resources/electrochemistry_ids.h"
#include "resources/redox_data_editor_ids.h"
#include "thermo_electrochemistry/electrochemistry_window.h"
#include "thermo_electrochemistry/redox_data_editor.h"
#include "tests/support/tool_window_fixture.h"

namespace {

std::string ShippedTable(const std::string& name) {
  std::ifstream file(std::string(TAVRIN_SOURCE_DIR) + "/dats/datfiles/atomdata/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// One record of redox.dat: the half reaction, two comments, four empty lines, potential, temperature.
std::string RedoxRecord(const std::string& halfReaction, const std::string& potential) {
  return halfReaction + "\nEnglish\nNorsk\n\n\n\n\n" + potential + "\n25\n\\\n";
}

const std::string CalculationErrorEnglish =
    "CALCULATION ERROR\n\nTwo of the fields must contain numeric data. \nThe third field must be empty.\n";
const std::string CalculationErrorNorwegian =
    "BEREGNINGSFEIL\n\nTo av feltene m\xE5 inneholde tall.\nDet tredje feltet skal v\xE6re tomt.\n";

class ElectrochemistryTest : public ToolWindowTest {
 protected:
  ElectrochemistryTest() {
    RedoxTurnOnSelection = 0;
    RedoxBalanceOptions = 0;
  }
  void InElectrochemistry(const Steps& steps) { InWindow(OpenElectrochemistryDialog, steps); }
  void InRedoxEditor(const Steps& steps) { InWindow(OpenElectrochemicalDataDialog, steps); }
  void Put(int id, const std::string& text) { SetWindowText(driver.FindControl(id), text.c_str()); }
  int IndexOf(int listId, const std::string& entry) {
    const std::vector<std::string> items = Items(listId);
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i] == entry) return static_cast<int>(i);
    ADD_FAILURE() << entry << " is not in the list";
    return 0;
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : driver.MessageBoxes()) texts.push_back(box.text);
    return texts;
  }
};

// The Daniell cell from the shipped table: zinc chosen on the left with its turn box checked gives
// Zn > Zn+2 + 2e- at 0.7618 V, copper on the right 0.3419 V; the cell is 1.1037 V.
// With E = 1.10 V and -n = -2: dG = -2 * 96485 * 1.10 = -212267 J. Then
// ln K = 212267 / (8.31451 * 298.15) = 85.6271 and K = e^85.6271 = 1.53942E+37.
TEST_F(ElectrochemistryTest, TheDaniellCellWithItsGibbsEnergyAndEquilibriumConstant) {
  WriteTable("redox.dat", ShippedTable("redox.dat"));
  RedoxTurnOnSelection = 1;
  std::vector<std::string> cell;
  std::vector<std::string> rows;
  InElectrochemistry(
      {[&] {
         driver.Select(LeftHalfReactionListId, IndexOf(LeftHalfReactionListId, "Zn+2 + 2e- > Zn"));
         driver.Select(RightHalfReactionListId, IndexOf(RightHalfReactionListId, "Cu+2 + 2e- > Cu"));
       },
       [&] { driver.Click(CalculateCellId); },
       [&] {
         cell = {Text(LeftHalfReactionId), Text(LeftPotentialId), Text(RightHalfReactionId), Text(RightPotentialId),
                 Text(CellReactionId),     Text(CellPotentialId), Text(PotentialFieldId)};
         Put(PotentialFieldId, "1.10");
         Put(ElectronsFieldId, "-2");
         driver.Click(SolveGibbsRowId);
       },
       [&] {
         Put(EquilibriumGibbsFieldId, "212267");
         driver.Click(SolveEquilibriumRowId);
       },
       [&] {
         rows = {Text(GibbsEnergyFieldId), Text(TemperatureFieldId), Text(LnKFieldId), Text(EquilibriumConstantId)};
       }});
  EXPECT_EQ(cell, (std::vector<std::string>{"Zn > Zn+2 + 2e-", "0.7618", "Cu+2 + 2e- > Cu", "0.3419",
                                            "Zn + Cu+2 = Zn+2 + Cu", "1.1037", "1.1037"}));
  EXPECT_EQ(rows, (std::vector<std::string>{"-212267", "298.15", "85.6271", "1.53942E+37"}));
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

// Every half reaction of the shipped table, chosen in the left list and calculated alone, balances
// with its electrons and gives a finite potential.
TEST_F(ElectrochemistryTest, EveryShippedHalfReactionGivesAFiniteResult) {
  WriteTable("redox.dat", ShippedTable("redox.dat"));
  const std::size_t count = ReadRecordFile("dats\\datfiles\\atomdata\\redox.dat").size();
  ASSERT_GE(count, 60u);
  std::vector<std::string> failures;
  Steps steps;
  for (std::size_t index = 0; index < count; ++index) {
    steps.push_back([&, index] { driver.Select(LeftHalfReactionListId, static_cast<int>(index)); });
    steps.push_back([&] { driver.Click(CalculateCellId); });
    steps.push_back([&] {
      const std::string reaction = Text(CellReactionId);
      const std::string potential = Text(CellPotentialId);
      char* end = nullptr;
      const double value = std::strtod(potential.c_str(), &end);
      if (reaction.find(" = ") == std::string::npos || reaction.find("e-") == std::string::npos || potential.empty() ||
          *end != '\0' || !std::isfinite(value))
        failures.push_back(Text(LeftHalfReactionId) + ": " + reaction + " " + potential);
    });
  }
  InElectrochemistry(steps);
  EXPECT_TRUE(failures.empty()) << ::testing::PrintToString(failures);
}

// A potential of 1E39 V gives a cell potential beyond what the fields show: the calculation-error
// message, and no "inf" in the fields.
TEST_F(ElectrochemistryTest, ACellPotentialBeyondTheFieldsGetsTheCalculationError) {
  std::vector<std::string> shown;
  InElectrochemistry({[&] {
                        Put(LeftHalfReactionId, "Br2 + 2e- > 2Br-");
                        Put(LeftPotentialId, "1E39");
                        Put(RightHalfReactionId, "Cu > Cu+2 + 2e-");
                        Put(RightPotentialId, "-0.34");
                        driver.Click(CalculateCellId);
                      },
                      [&] { shown = {Text(CellReactionId), Text(CellPotentialId), Text(PotentialFieldId)}; }});
  EXPECT_EQ(shown, (std::vector<std::string>{"Br2 + Cu = 2Br- + Cu+2", "", ""}));
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_TRUE(driver.MessageBoxes()[0].text.starts_with("CALCULATION ERROR")) << driver.MessageBoxes()[0].text;
}

// A temperature below absolute zero, typed or solved for (dG = 1000 J with ln K = -1 would need
// -120 K), gets the illegal-number message; nothing is computed. 298.15 K and ln K = -1 solve.
TEST_F(ElectrochemistryTest, ANegativeAbsoluteTemperatureIsRefused) {
  struct Case {
    const char* temperature;
    const char* gibbs;
    const char* lnK;
    const char* shownTemperature;
    const char* shownConstant;
    bool refused;
  };
  const Case cases[] = {
      {"-298.15", "1000", "", "-298.15", "", true},
      {"", "1000", "-1", "", "", true},
      {"298.15", "", "-1", "298.15", "0.367879", false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> shown;
    const std::size_t before = driver.MessageBoxes().size();
    InElectrochemistry({[&] {
                          Put(TemperatureFieldId, c.temperature);
                          Put(EquilibriumGibbsFieldId, c.gibbs);
                          Put(LnKFieldId, c.lnK);
                          driver.Click(SolveEquilibriumRowId);
                        },
                        [&] { shown = {Text(TemperatureFieldId), Text(EquilibriumConstantId)}; }});
    EXPECT_EQ(shown, (std::vector<std::string>{c.shownTemperature, c.shownConstant})) << c.temperature << c.lnK;
    const std::vector<std::string> boxes = BoxTexts();
    EXPECT_EQ(boxes.size() - before, c.refused ? 1u : 0u) << c.temperature << c.lnK;
    if (c.refused && boxes.size() > before) {
      EXPECT_TRUE(boxes.back().starts_with("ILLEGAL NUMBER")) << boxes.back();
    }
  }
}

// A half reaction typed alone keeps its electrons; joined with a second one it loses them. Both
// potential fields empty: no cell potential even when the reaction balances.
TEST_F(ElectrochemistryTest, ElectronsStayOnlyInASingleHalfReaction) {
  std::vector<std::string> shown;
  InElectrochemistry({[&] {
                        Put(LeftHalfReactionId, "Br2 + 2e- > 2Br-");
                        driver.Click(CalculateCellId);
                      },
                      [&] {
                        shown.push_back(Text(CellReactionId));
                        shown.push_back(Text(CellPotentialId));
                        Put(RightHalfReactionId, "Cu > Cu+2 + 2e- ");
                        driver.Click(CalculateCellId);
                      },
                      [&] { shown.push_back(Text(CellReactionId)); }});
  EXPECT_EQ(shown, (std::vector<std::string>{"Br2 + 2e- = 2Br-", "", "Br2 + Cu = 2Br- + Cu+2"}));
}

// A half reaction longer than the 93 characters a cut would keep is balanced whole; two whose join
// is longer than an equation holds get the engine's length error, never a cut reaction. A solver
// field takes no more than the 35 characters it is read with.
TEST_F(ElectrochemistryTest, LongHalfReactionsAreNeverCut) {
  const std::string longSide = "Fe+3 + " + std::string(45, ' ') + "e- " + std::string(45, ' ') + "> Fe+2";
  std::vector<std::string> shown;
  InElectrochemistry({[&] {
                        Put(LeftHalfReactionId, longSide);
                        driver.Click(CalculateCellId);
                      },
                      [&] {
                        shown.push_back(Text(CellReactionId));
                        std::string water;
                        for (int i = 0; i < 35; ++i) water += "+H2O";
                        Put(LeftHalfReactionId, "Fe+3+e->Fe+2" + water);
                        Put(RightHalfReactionId, "Fe+2>Fe+3+e-" + water);
                        driver.Click(CalculateCellId);
                      },
                      [&] {
                        shown.push_back(Text(CellReactionId).substr(0, 9));
                        driver.Type(LnKFieldId, "0." + std::string(40, '0') + "1");
                      },
                      [&] { shown.push_back(std::to_string(Text(LnKFieldId).size())); }});
  EXPECT_EQ(shown, (std::vector<std::string>{"Fe+3 + e- = Fe+2", "Error 17 ", "35"}));
}

// Turning swaps the sides with the arrow's blanks and changes the potential's sign only, an
// exponent kept; a field without one arrow gives the hint and changes nothing.
TEST_F(ElectrochemistryTest, TurningAHalfReactionAndItsPotential) {
  std::vector<std::string> shown;
  InElectrochemistry(
      {[&] {
         Put(LeftHalfReactionId, "Cu > Cu+2 + 2e- ");
         Put(LeftPotentialId, "-3.4E-1");
         Put(RightHalfReactionId, "Cu+2 + 2e- = Cu");
         Put(RightPotentialId, "+0.5");
         driver.Click(TurnLeftId);
       },
       [&] {
         shown = {Text(LeftHalfReactionId), Text(LeftPotentialId), Text(CellReactionId)};
         driver.Click(TurnRightId);
       },
       [&] {
         shown.insert(shown.end(), {Text(RightHalfReactionId), Text(RightPotentialId), Text(CellReactionId)});
       }});
  EXPECT_EQ(shown,
            (std::vector<std::string>{"Cu+2 + 2e-  > Cu", "3.4E-1", "", "Cu+2 + 2e- = Cu", "+0.5", "..... > ....."}));
}

// A typed potential that is no finite number gets the illegal-number message in the window's
// language, at a calculation and at a turn: nothing is calculated or turned, and every field keeps
// what it showed, the typed text too.
TEST_F(ElectrochemistryTest, ATypedPotentialThatIsNoNumberIsRefused) {
  struct Case {
    const char* typed;
    int language;
    const char* message;
  };
  const char* english = "ILLEGAL NUMBER\n\nIllegal number or erroneous\nuse of number field!";
  const char* norwegian = "TALLFEIL\n\nTAVRIN har registrert ugyldige tall\neller feilaktig bruk av tallfelt!";
  const Case cases[] = {
      {"abc", EnglishLanguage, english},    {"1e999", EnglishLanguage, english}, {"-1e999", EnglishLanguage, english},
      {"nan", EnglishLanguage, english},    {"inf", EnglishLanguage, english},   {"12,5", EnglishLanguage, english},
      {"1.09V", EnglishLanguage, english},  {"abc", NorwegianLanguage, norwegian},
  };
  const auto shown = [this] {
    return std::vector<std::string>{Text(LeftHalfReactionId),  Text(LeftPotentialId), Text(RightHalfReactionId),
                                    Text(RightPotentialId),    Text(CellReactionId),  Text(CellPotentialId),
                                    Text(PotentialFieldId)};
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const Language language(c.language);
    const std::size_t before = driver.MessageBoxes().size();
    std::vector<std::string> afterCalculation;
    std::vector<std::string> afterTurn;
    InElectrochemistry({[&] {
                          Put(LeftHalfReactionId, "Br2 + 2e- > 2Br-");
                          Put(LeftPotentialId, "1.09");
                          Put(RightHalfReactionId, "Cu > Cu+2 + 2e- ");
                          Put(RightPotentialId, "-0.34");
                          driver.Click(CalculateCellId);
                        },
                        [&] {
                          Put(RightPotentialId, c.typed);
                          driver.Click(CalculateCellId);
                        },
                        [&] {
                          afterCalculation = shown();
                          driver.Click(TurnRightId);
                        },
                        [&] { afterTurn = shown(); }});
    const std::vector<std::string> unchanged = {
        "Br2 + 2e- > 2Br-", "1.09", "Cu > Cu+2 + 2e- ", c.typed, "Br2 + Cu = 2Br- + Cu+2", "0.75", "0.75"};
    EXPECT_EQ(afterCalculation, unchanged);
    EXPECT_EQ(afterTurn, unchanged);
    const std::vector<std::string> boxes = BoxTexts();
    EXPECT_EQ(std::vector<std::string>(boxes.begin() + static_cast<long>(before), boxes.end()),
              (std::vector<std::string>{c.message, c.message}));
  }
}

// The solver rows: a field holding 0 counts as empty; anything but one empty field and two numbers
// gets the message in the window's language; with all three equilibrium fields filled K is shown
// first.
TEST_F(ElectrochemistryTest, TheSolverRowsNeedExactlyOneEmptyField) {
  for (int language : {EnglishLanguage, NorwegianLanguage}) {
    Language scope(language);
    const std::size_t before = driver.MessageBoxes().size();
    std::vector<std::string> shown;
    InElectrochemistry({[&] {
                          Put(GibbsEnergyFieldId, "-212267");
                          Put(ElectronsFieldId, "0");
                          Put(PotentialFieldId, "1.1");
                          driver.Click(SolveGibbsRowId);
                        },
                        [&] {
                          shown.push_back(Text(ElectronsFieldId));
                          Put(ElectronsFieldId, "");
                          Put(PotentialFieldId, "");
                          driver.Click(SolveGibbsRowId);
                        },
                        [&] {
                          Put(PotentialFieldId, "1.x");
                          Put(ElectronsFieldId, "-2");
                          Put(GibbsEnergyFieldId, "");
                          driver.Click(SolveGibbsRowId);
                        },
                        [&] {
                          shown.push_back(Text(GibbsEnergyFieldId));
                          Put(EquilibriumGibbsFieldId, "1000");
                          Put(LnKFieldId, "2");
                          driver.Click(SolveEquilibriumRowId);
                        },
                        [&] { shown.push_back(Text(EquilibriumConstantId)); }});
    EXPECT_EQ(shown, (std::vector<std::string>{"-2", "", "7.38906"})) << language;
    const std::string& message = language == EnglishLanguage ? CalculationErrorEnglish : CalculationErrorNorwegian;
    const std::vector<std::string> texts = BoxTexts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + static_cast<long>(before), texts.end()),
              (std::vector<std::string>{message, message, message}))
        << language;
  }
}

// A large ln K puts K beyond the numbers a double holds: the window says so in its language and
// never shows "INF". A cell of 2 V with six electrons stays within range.
TEST_F(ElectrochemistryTest, AnEquilibriumConstantBeyondRangeIsAMessage) {
  for (int language : {EnglishLanguage, NorwegianLanguage}) {
    Language scope(language);
    const std::size_t before = driver.MessageBoxes().size();
    std::vector<std::string> shown;
    InElectrochemistry({[&] {
                          Put(LnKFieldId, "800");
                          driver.Click(SolveEquilibriumRowId);
                        },
                        [&] {
                          shown = {Text(EquilibriumGibbsFieldId), Text(EquilibriumConstantId)};
                          Put(EquilibriumGibbsFieldId, "1157820");
                          Put(LnKFieldId, "");
                          driver.Click(SolveEquilibriumRowId);
                        },
                        [&] {
                          shown.insert(shown.end(), {Text(LnKFieldId), Text(EquilibriumConstantId)});
                        }});
    EXPECT_EQ(shown, (std::vector<std::string>{"1.98318E+06", "", "467.057", "6.92042E+202"})) << language;
    const std::vector<std::string> texts = BoxTexts();
    ASSERT_EQ(texts.size(), before + 1) << language;
    EXPECT_EQ(texts.back(),
              language == EnglishLanguage
                  ? "CALCULATION ERROR\n\nThe result lies outside the numbers\nthat can be calculated and "
                    "shown.\n"
                  : "BEREGNINGSFEIL\n\nResultatet ligger utenfor de tallene\nsom kan regnes med og vises.\n");
  }
}

// Cancelling every species leaves nothing: the species-removed line. The balance option boxes carry
// their settings, and a click toggles the value's bit and calculates again.
TEST_F(ElectrochemistryTest, BalanceOptionsCancelAndToggle) {
  RedoxBalanceOptions = 1;
  RedoxTurnOnSelection = 2;
  std::vector<std::string> shown;
  InElectrochemistry(
      {[&] {
         shown = {std::to_string(driver.Checked(RemoveMultipleSpeciesId).value_or(-1)),
                  std::to_string(driver.Checked(CombineIntoWaterId).value_or(-1)),
                  std::to_string(driver.Checked(TurnLeftOnSelectionId).value_or(-1)),
                  std::to_string(driver.Checked(TurnRightOnSelectionId).value_or(-1))};
         Put(LeftHalfReactionId, "Fe+3 + e- > Fe+2");
         Put(RightHalfReactionId, "Fe+2 > Fe+3 + e-");
         driver.Click(CalculateCellId);
       },
       [&] {
         shown.push_back(Text(CellReactionId));
         driver.Click(RemoveMultipleSpeciesId);
       },
       [&] {
         shown.push_back(std::to_string(RedoxBalanceOptions));
         driver.Click(CombineIntoWaterId);
         driver.Click(TurnLeftOnSelectionId);
       },
       [&] { shown.push_back(std::to_string(RedoxBalanceOptions) + std::to_string(RedoxTurnOnSelection)); }});
  EXPECT_EQ(shown, (std::vector<std::string>{"1", "0", "0", "1",
                                             "Error 53 :Species may have been removed i.e. H2O = H2O -->  ? = ?  !",
                                             "0", "23"}));
}

// The examples fill the fields without calculating; erasing empties them but keeps the temperature.
TEST_F(ElectrochemistryTest, ExamplesAndErase) {
  std::vector<std::string> shown;
  InElectrochemistry({[&] {
                        Put(CellReactionId, "old");
                        driver.Click(FirstRedoxExampleId + 2);
                      },
                      [&] {
                        shown = {Text(LeftHalfReactionId), Text(RightHalfReactionId), Text(LeftPotentialId),
                                 Text(RightPotentialId),   Text(ElectronsFieldId),    Text(CellReactionId)};
                        driver.Click(CalculateCellId);
                      },
                      [&] {
                        shown.push_back(Text(CellPotentialId));
                        driver.Click(EraseRedoxFieldsId);
                      },
                      [&] {
                        shown.insert(shown.end(), {Text(LeftHalfReactionId), Text(TemperatureFieldId)});
                      }});
  EXPECT_EQ(shown, (std::vector<std::string>{"Br2 + 2e- > 2Br-", "Cu > Cu+2 + 2e- ", "1.09", "-0.34", "-2", "", "0.75",
                                             "", "298.15"}));
}

// The half reactions the examples fill in are balanced as written: each, calculated alone, comes
// back as it stands.
TEST_F(ElectrochemistryTest, TheExamplesHalfReactionsAreBalancedAsWritten) {
  const auto compact = [](std::string text) {
    std::erase(text, ' ');
    std::replace(text.begin(), text.end(), '>', '=');
    return text;
  };
  std::vector<std::string> halfReactions;
  Steps steps;
  for (int example = FirstRedoxExampleId + 1; example <= LastRedoxExampleId; ++example)
    steps.push_back([&, example] {
      if (example > FirstRedoxExampleId + 1)
        halfReactions.insert(halfReactions.end(), {Text(LeftHalfReactionId), Text(RightHalfReactionId)});
      driver.Click(example);
    });
  steps.push_back([&] { halfReactions.insert(halfReactions.end(), {Text(LeftHalfReactionId), Text(RightHalfReactionId)}); });
  std::vector<std::pair<std::string, std::string>> calculated;
  for (std::size_t i = 0; i < 6; ++i) {
    steps.push_back([&, i] {
      Put(LeftHalfReactionId, halfReactions.at(i));
      Put(RightHalfReactionId, "");
      driver.Click(CalculateCellId);
    });
    steps.push_back([&, i] { calculated.emplace_back(compact(halfReactions.at(i)), compact(Text(CellReactionId))); });
  }
  InElectrochemistry(steps);
  ASSERT_EQ(calculated.size(), 6u);
  for (const auto& [written, balanced] : calculated) EXPECT_EQ(written, balanced);
}

// The editor opened from the window rewrites the table; back in the window both lists show it.
TEST_F(ElectrochemistryTest, TheListsReloadAfterTheEditorRewroteTheTable) {
  WriteTable("redox.dat", "\\\n" + RedoxRecord("Ag+ + e- > Ag", "0.7996"));
  std::vector<std::string> left;
  std::vector<std::string> right;
  InElectrochemistry({[&] { driver.Click(ElectrochemicalDataId); },
                      [&] {
                        Put(HalfReactionFieldId, "Au+ + e- > Au");
                        Put(StandardPotentialId, "1.692");
                        driver.Click(RedoxDataAfterId);
                      },
                      [&] { driver.Key("Escape"); },
                      [&] {
                        left = Items(LeftHalfReactionListId);
                        right = Items(RightHalfReactionListId);
                      }});
  const std::vector<std::string> both{"Ag+ + e- > Ag", "Au+ + e- > Au"};
  EXPECT_EQ(left, both);
  EXPECT_EQ(right, both);
  EXPECT_EQ(ListFileChanged, 0);
}

// ---- The redox data editor ----

// Numbers are stored without their blanks and the field shows the cleaned text; an empty potential
// is allowed; equations that differ only in letter case are different; a potential with a letter
// and the same equation again are refused. Every rewrite sets the shared flag.
TEST_F(ElectrochemistryTest, TheRedoxEditorChecksAndStores) {
  WriteTable("redox.dat", "\\\n" + RedoxRecord("Co+2 + 2e- > Co", "-0.28"));
  ListFileChanged = 0;
  std::string cleaned;
  InRedoxEditor({[&] {
                   Put(HalfReactionFieldId, "CO+2 + 2e- > CO");
                   Put(StandardPotentialId, "1. 09");
                   Put(RedoxTemperatureFieldId, "2 5");
                   driver.Click(RedoxDataAfterId);
                 },
                 [&] {
                   cleaned = Text(StandardPotentialId) + "|" + Text(RedoxTemperatureFieldId);
                   Put(HalfReactionFieldId, "Ni+2 + 2e- > Ni");
                   Put(StandardPotentialId, "");
                   Put(RedoxTemperatureFieldId, "");
                   driver.Click(RedoxDataAfterId);
                 },
                 [&] {
                   Put(HalfReactionFieldId, "Sn+2 + 2e- > Sn");
                   Put(StandardPotentialId, "1.09V");
                   driver.Click(RedoxDataAfterId);
                 },
                 [&] {
                   Put(HalfReactionFieldId, "Co+2 + 2e- > Co");
                   Put(StandardPotentialId, "-0.28");
                   driver.Click(RedoxDataBeforeId);
                 }});
  EXPECT_EQ(cleaned, "1.09|25");
  EXPECT_EQ(ReadTable("redox.dat"),
            "\\\n" + RedoxRecord("Co+2 + 2e- > Co", "-0.28") +
                "CO+2 + 2e- > CO\n\n\n\n\n\n\n1.09\n25\n\\\nNi+2 + 2e- > Ni\n\n\n\n\n\n\n\n\n\\\n");
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "ILLEGAL NUMBER\n\nIllegal number or erroneous\nuse of number field!",
                            "DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box equation!\n\n"}));
  EXPECT_EQ(ListFileChanged, 1);
}

// The equation field takes no more than the 219 characters a half reaction is stored with. The first
// record of a missing table follows its opening separator; deleting the only record leaves the
// separator alone.
TEST_F(ElectrochemistryTest, TheRedoxEditorsWidthsAndItsFirstAndLastRecord) {
  std::string typed;
  std::string afterAdd;
  InRedoxEditor({[&] { driver.Type(HalfReactionFieldId, std::string(230, 'A')); },
                 [&] {
                   typed = Text(HalfReactionFieldId);
                   Put(HalfReactionFieldId, "Ag+ + e- > Ag");
                   Put(StandardPotentialId, "0.7996");
                   driver.Click(RedoxDataBeforeId);
                 },
                 [&] {
                   afterAdd = ReadTable("redox.dat");
                   driver.Click(RedoxDataDeleteId);
                 }});
  EXPECT_EQ(typed.size(), 219u);
  EXPECT_EQ(afterAdd, "\\\nAg+ + e- > Ag\n\n\n\n\n\n\n0.7996\n\n\\\n");
  EXPECT_EQ(ReadTable("redox.dat"), "\\\n");
}

// A stored potential that is no number is shown as missing and named by its half reaction, turned
// or not; it never reaches the cell potential as 0, a NaN or an infinity: with one potential
// missing the cell potential is unknown.
TEST_F(ElectrochemistryTest, APotentialThatIsNoNumberIsNamedAndNeverAdded) {
  RedoxTurnOnSelection = 1;
  for (const char* damaged : {"NaN", "1e999", "abc", "12,5"}) {
    WriteTable("redox.dat",
               "\\\n" + RedoxRecord("Cu+2 + 2e- > Cu", "0.3419") + RedoxRecord("Zn+2 + 2e- > Zn", damaged));
    const std::size_t before = driver.MessageBoxes().size();
    std::vector<std::string> shown;
    InElectrochemistry({[&] { driver.Select(RightHalfReactionListId, 0); },
                        [&] { driver.Select(LeftHalfReactionListId, 1); }, [&] { driver.Click(CalculateCellId); },
                        [&] {
                          shown = {Text(LeftHalfReactionId), Text(LeftPotentialId), Text(RightPotentialId),
                                   Text(CellReactionId), Text(CellPotentialId)};
                        }});
    EXPECT_EQ(shown[0], "Zn > Zn+2 + 2e-") << damaged;
    EXPECT_EQ(shown[1], "") << damaged;
    EXPECT_EQ(shown[2], "0.3419") << damaged;
    EXPECT_EQ(shown[3], "Zn + Cu+2 = Zn+2 + Cu") << damaged;
    EXPECT_EQ(shown[4], "") << damaged << ": the cell potential is unknown, not the right one alone";
    const std::vector<std::string> boxes = BoxTexts();
    EXPECT_EQ(std::vector<std::string>(boxes.begin() + static_cast<long>(before), boxes.end()),
              std::vector<std::string>{"DAMAGED TABLE\n\nA value in redox.dat is no number\nand counts as missing "
                                       "for:\nZn+2 + 2e- > Zn"})
        << damaged;
  }
}

}  // namespace
