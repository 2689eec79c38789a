#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "platform/win/control_constants.h"
#include "resources/thermochemical_data_editor_ids.h"
#include "resources/thermochemistry_ids.h"
#include "thermo_electrochemistry/thermochemical_data_editor.h"
#include "thermo_electrochemistry/thermochemistry_window.h"
#include "tests/support/tool_window_fixture.h"

namespace {

std::string ShippedTable(const std::string& name) {
  std::ifstream file(std::string(TAVRIN_SOURCE_DIR) + "/dats/datfiles/atomdata/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// One record of thermody.dat: key, names, "1", enthalpy, Gibbs energy, entropy, heat capacity.
std::string ThermoRecord(const std::string& key, const std::string& enthalpy, const std::string& gibbs,
                         const std::string& entropy, const std::string& heatCapacity) {
  return "\n" + key + "\n" + key + " name\n" + key + " navn\n1\n" + enthalpy + "\n" + gibbs + "\n" + entropy + "\n" +
         heatCapacity + "\n\\\n";
}

class ThermochemistryTest : public ToolWindowTest {
 protected:
  void InThermochemistry(const Steps& steps) { InWindow(OpenThermochemistryDialog, steps); }
  void InDataEditor(const Steps& steps) { InWindow(OpenThermochemicalDataDialog, steps); }
  void Put(int id, const std::string& text) { SetWindowText(driver.FindControl(id), text.c_str()); }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : driver.MessageBoxes()) texts.push_back(box.caption + ": " + box.text);
    return texts;
  }
};

// Methane burnt to liquid water, with the shipped NBS data:
//   dH = -393.51 + 2(-285.83) - (-74.6) = -890.57 kJ
//   dS = 213.785 + 2(69.95) - 186.3 - 2(205.152) = -242.919 J/K
// The equation carries the heat released. Choosing the entropy column recalculates the table at the
// next cursor message, not before: S0 times the moles of each species.
TEST_F(ThermochemistryTest, MethaneCombustionAndTheDeferredColumnChoice) {
  WriteTable("thermody.dat", ShippedTable("thermody.dat"));
  ThermoColumnChoice = 0;
  std::vector<std::string> first;
  std::string tableBeforeTheCursor;
  std::string tableAfter;
  int pendingAfterChoice = -1;
  InThermochemistry({[&] {
                       Put(ThermoEquationFieldId, "CH4(g) + O2(g) > CO2(g) + H2O(l)");
                       driver.Click(ThermoCalculateId);
                     },
                     [&] {
                       first = {Text(ThermoBalancedEquationId), Text(ThermoEnthalpyValueId), Text(ThermoEntropyValueId),
                                Text(ThermoTableId)};
                       driver.Select(ThermoColumnChoiceId, 3);
                     },
                     [&] {
                       pendingAfterChoice = ThermoRecalcPending;
                       tableBeforeTheCursor = Text(ThermoTableId);
                       driver.Click(ThermoTableId);
                     },
                     [&] { tableAfter = Text(ThermoTableId); }});
  EXPECT_EQ(first, (std::vector<std::string>{
                       "CH4(g) + 2O2(g) = CO2(g) + 2H2O(l) + 890.57kJ", "-890.57 kJ", "-242.919 J/K",
                       "CH4(g)\t\t\t\t\t-74.6\t\t1\r\nO2(g)\t\t\t\t\t0\t\t2\r\nCO2(g)\t\t\t\t\t-393.51\t\t1\r\n"
                       "H2O(l)\t\t\t\t\t-571.66\t\t2\r\n"}));
  EXPECT_EQ(pendingAfterChoice, 1);
  EXPECT_EQ(tableBeforeTheCursor, first[3]);
  EXPECT_EQ(tableAfter,
            "CH4(g)\t\t\t\t\t-74.6\t\t186.3\r\nO2(g)\t\t\t\t\t0\t\t410.304\r\nCO2(g)\t\t\t\t\t-393.51\t\t213.785\r\n"
            "H2O(l)\t\t\t\t\t-571.66\t\t139.9\r\n");
  EXPECT_EQ(ThermoColumnChoice, 3);
  EXPECT_EQ(ThermoRecalcPending, 0);
}

// 9E36 g of methane (5.61E+35 mol) release 4.99E+38 kJ, beyond a single-precision number: the
// reaction enthalpy is that heat with its sign changed, as the equation's heat term shows it.
TEST_F(ThermochemistryTest, AnEnthalpyBeyondSinglePrecisionIsShownAsTheHeatTermIs) {
  WriteTable("thermody.dat", ShippedTable("thermody.dat"));
  std::string balanced, enthalpy;
  InThermochemistry({[&] {
                       Put(ThermoEquationFieldId, "9E36gCH4(g) + O2(g) > CO2(g) + H2O(l)");
                       driver.Click(ThermoCalculateId);
                     },
                     [&] {
                       balanced = Text(ThermoBalancedEquationId);
                       enthalpy = Text(ThermoEnthalpyValueId);
                     }});
  const std::size_t heat = balanced.rfind(" + ");
  ASSERT_NE(heat, std::string::npos) << balanced;
  ASSERT_TRUE(balanced.ends_with("kJ")) << balanced;
  const std::string heatTerm = balanced.substr(heat + 3, balanced.size() - heat - 5);
  EXPECT_NEAR(std::strtod(heatTerm.c_str(), nullptr), 4.996E+38, 0.001E+38);
  EXPECT_EQ(enthalpy, "-" + heatTerm + " kJ");
}

// A species without a record: the equation still shows, cut after 49 characters, with the
// missing-data line; both sums show "?" and never a partial sum. A species with its enthalpy but no
// entropy: the enthalpy stands, the entropy is "?".
TEST_F(ThermochemistryTest, MissingStandardDataShowsQuestionMarks) {
  WriteTable("thermody.dat", "\\\n" + ThermoRecord("H2(g)", "0", "0", "130.684", "28.824") +
                                 ThermoRecord("O2(g)", "0", "0", "", "29.355") +
                                 ThermoRecord("H2O(l)", "-285.83", "-237.129", "69.91", "75.291") +
                                 ThermoRecord("CO2(g)", "-393.509", "-394.359", "213.74", "37.11") +
                                 ThermoRecord("H2O(g)", "-241.818", "-228.572", "188.825", "33.577"));
  struct Case {
    const char* equation;
    const char* balanced;
    const char* enthalpy;
    const char* entropy;
  };
  const std::string missingLine = "......Error 51 :Missing compund data or phase description (g),(l).. !";
  const std::string butanol = "CH3CH2CH2CH2OH(l) + 6O2(g) = 4CO2(g) + 5H2O(g) + ?kJ";
  const std::vector<Case> cases = {
      {"H2(g)+O2(g)>H2O(l)", "2H2(g) + O2(g) = 2H2O(l) + 571.66kJ", "-571.66 kJ", "? J/K"},
      {"CH3CH2CH2CH2OH(l)+O2(g)>CO2(g)+H2O(g)", "", "? kJ", "? J/K"},
  };
  std::vector<std::vector<std::string>> shown;
  Steps steps;
  for (const Case& c : cases) {
    steps.push_back([&, c] {
      Put(ThermoEquationFieldId, c.equation);
      driver.Click(ThermoCalculateId);
    });
    steps.push_back([&] {
      shown.push_back({Text(ThermoBalancedEquationId), Text(ThermoEnthalpyValueId), Text(ThermoEntropyValueId)});
    });
  }
  InThermochemistry(steps);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], (std::vector<std::string>{cases[0].balanced, cases[0].enthalpy, cases[0].entropy}));
  EXPECT_EQ(shown[1], (std::vector<std::string>{butanol.substr(0, 49) + missingLine, "? kJ", "? J/K"}));
}

// Every equation of the shipped list, read from the window's own list, balances within the shipped
// settings' bounds (the middle bound 1000: butane, octane and sucrose need multipliers above 10)
// with all its standard data and finite sums.
TEST_F(ThermochemistryTest, EveryShippedEquationGivesAFiniteResult) {
  WriteTable("thermody.dat", ShippedTable("thermody.dat"));
  const int defaultBalMid = BalMid;
  BalMid = 1000;
  WriteTable("thermequ.dat", ShippedTable("thermequ.dat"));
  const std::size_t count = ReadListFile("dats\\datfiles\\atomdata\\thermequ.dat").size();
  ASSERT_GE(count, 20u);
  std::vector<std::string> failures;
  Steps steps;
  for (std::size_t index = 0; index < count; ++index) {
    steps.push_back([&, index] { driver.Select(ThermoEquationListId, static_cast<int>(index)); });
    steps.push_back([&] { driver.Click(ThermoCalculateId); });
    steps.push_back([&] {
      const std::string enthalpy = Text(ThermoEnthalpyValueId);
      const std::string entropy = Text(ThermoEntropyValueId);
      char* end = nullptr;
      const double dH = std::strtod(enthalpy.c_str(), &end);
      const bool enthalpyFinite = end != enthalpy.c_str() && std::isfinite(dH) && enthalpy.ends_with(" kJ");
      const double dS = std::strtod(entropy.c_str(), &end);
      const bool entropyFinite = end != entropy.c_str() && std::isfinite(dS) && entropy.ends_with(" J/K");
      if (!enthalpyFinite || !entropyFinite)
        failures.push_back(Text(ThermoEquationFieldId) + ": " + Text(ThermoBalancedEquationId) + " " + enthalpy + " " +
                           entropy);
    });
  }
  InThermochemistry(steps);
  BalMid = defaultBalMid;
  EXPECT_TRUE(failures.empty()) << ::testing::PrintToString(failures);
}

// The list of equations: entries are added as typed (blanks kept) before, after or in place of the
// selected one; an equation that differs only in letter case names other species and is added; the
// same text again is refused; the field takes no more than an entry stores. Every rewrite tells the
// windows that watch shared lists.
TEST_F(ThermochemistryTest, TheEquationListIsEditedAndRewritten) {
  WriteTable("thermequ.dat", "CO(g)+O2(g)>CO2(g)\nH2(g)+O2(g)>H2O(l)\n");
  ListFileChanged = 0;
  std::string typedLong;
  InThermochemistry({[&] {
                       Put(ThermoEquationFieldId, "Co(s) + O2(g) > CoO(s)");
                       driver.Click(ThermoAfterId);
                     },
                     [&] {
                       Put(ThermoEquationFieldId, "CO(g)+O2(g)>CO2(g)");
                       driver.Click(ThermoBeforeId);
                     },
                     [&] { driver.Select(ThermoEquationListId, 2); },
                     [&] {
                       Put(ThermoEquationFieldId, "N2(g)+H2(g)>NH3(g)");
                       driver.Click(ThermoReplaceId);
                     },
                     [&] {
                       driver.Select(ThermoEquationListId, 0);
                       driver.Click(ThermoDeleteId);
                     },
                     [&] {
                       Put(ThermoEquationFieldId, "");
                       driver.Type(ThermoEquationFieldId, std::string(260, 'H'));
                     },
                     [&] { typedLong = Text(ThermoEquationFieldId); }});
  EXPECT_EQ(ReadTable("thermequ.dat"), "Co(s) + O2(g) > CoO(s)\nN2(g)+H2(g)>NH3(g)\n");
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"TAVRIN: DUPLICATION WARNING\n\nIllegal attempt to duplicate "
                                               "existing\nlist box equation!\n\n"}));
  EXPECT_EQ(ListFileChanged, 1);
  EXPECT_EQ(typedLong.size(), 251u);
}

// A missing list and a temporary file left by another editor: the first add writes the new line
// alone. Opening the window selects the first entry but leaves the field empty.
TEST_F(ThermochemistryTest, TheFirstAddToAMissingListKeepsNothingElse) {
  WriteTable("tmp.dat", "left over\nby another editor\n");
  std::vector<std::string> items;
  std::string field;
  InThermochemistry({[&] {
                       Put(ThermoEquationFieldId, "C(s)+O2(g)>CO2(g)");
                       driver.Click(ThermoAfterId);
                     },
                     [&] { items = Items(ThermoEquationListId); }});
  EXPECT_EQ(ReadTable("thermequ.dat"), "C(s)+O2(g)>CO2(g)\n");
  EXPECT_EQ(items, (std::vector<std::string>{"C(s)+O2(g)>CO2(g)"}));
  WriteTable("thermequ.dat", "A>B\nC>D\n");
  InThermochemistry({[&] {
    field = Text(ThermoEquationFieldId);
    items = {std::to_string(SelectedIndex(ThermoEquationListId))};
  }});
  EXPECT_EQ(field, "");
  EXPECT_EQ(items, (std::vector<std::string>{"0"}));
}

// A list the program may not change is never overwritten: the add is refused with the file message.
TEST_F(ThermochemistryTest, AReadOnlyListIsNeverOverwritten) {
  WriteTable("thermequ.dat", "H2(g)+O2(g)>H2O(l)\n");
  chmod(TablePath("thermequ.dat").c_str(), 0444);
  InThermochemistry({[&] {
    Put(ThermoEquationFieldId, "C(s)+O2(g)>CO2(g)");
    driver.Click(ThermoAfterId);
  }});
  chmod(TablePath("thermequ.dat").c_str(), 0644);
  EXPECT_EQ(ReadTable("thermequ.dat"), "H2(g)+O2(g)>H2O(l)\n");
  EXPECT_EQ(Boxes(),
            (std::vector<std::string>{"TAVRIN: FILE ERROR\n\nThe table could not be written\nand is unchanged!"}));
}

// The column choice: its names in each language, the stored choice selected, a choice beyond the
// list's five selecting none; a choice while the equation field is empty changes only the setting.
TEST_F(ThermochemistryTest, TheColumnChoiceListsItsNamesAndRemembers) {
  for (int language : {EnglishLanguage, NorwegianLanguage}) {
    Language scope(language);
    ThermoColumnChoice = 7;
    std::vector<std::string> names;
    std::string selected;
    int pending = -1;
    InThermochemistry({[&] {
                         names = Items(ThermoColumnChoiceId);
                         selected =
                             std::to_string(SendMessage(driver.FindControl(ThermoColumnChoiceId), CB_GETCURSEL, 0, 0));
                         driver.Select(ThermoColumnChoiceId, 1);
                       },
                       [&] { pending = ThermoRecalcPending; }});
    const char* mass = language == EnglishLanguage ? "Mass(g)" : "Masse(g)";
    EXPECT_EQ(names, (std::vector<std::string>{"Mol", mass, "Delta Gf0 (kJ)", "S0 (J/K)", "Cp0 (J/K)"}));
    EXPECT_EQ(selected, "-1");
    EXPECT_EQ(pending, 0);
    EXPECT_EQ(ThermoColumnChoice, 1);
  }
}

// ---- The thermochemical data editor ----

// A formula typed with a blank before its phase is stored under the normalised key, the numbers
// without their blanks; the field and the list show the key. Co(g) beside CO(g) is another species.
TEST_F(ThermochemistryTest, TheEditorStoresNormalisedKeysAndCleanNumbers) {
  WriteTable("thermody.dat", "\\\n" + ThermoRecord("CO(g)", "-110.525", "-137.168", "197.674", "29.142"));
  std::vector<std::string> shown;
  InDataEditor({[&] {
                  Put(ThermoDataFormulaId, "Co (g)");
                  Put(ThermoDataEnglishNameId, "Cobalt");
                  Put(ThermoDataNorwegianNameId, "Kobolt");
                  Put(EnthalpyFieldId, "424. 7");
                  Put(GibbsFieldId, "380.3");
                  Put(EntropyFieldId, "179.515");
                  Put(HeatCapacityFieldId, "");
                  driver.Click(ThermoDataAfterId);
                },
                [&] {
                  shown = {Text(ThermoDataFormulaId), Text(EnthalpyFieldId)};
                  const std::vector<std::string> items = Items(ThermoDataListId);
                  shown.insert(shown.end(), items.begin(), items.end());
                }});
  EXPECT_EQ(shown, (std::vector<std::string>{"Co(g)", "424.7", "CO(g)", "Co(g)"}));
  EXPECT_EQ(ReadTable("thermody.dat"), "\\\n" + ThermoRecord("CO(g)", "-110.525", "-137.168", "197.674", "29.142") +
                                           "\nCo(g)\nCobalt\nKobolt\n1\n424.7\n380.3\n179.515\n\n\\\n");
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

// The checks and their messages in both languages: a formula without its phase; a formula the
// parser cannot read, followed by the number message for a field that is no number; the same key
// again. Nothing is written after a refusal.
TEST_F(ThermochemistryTest, TheEditorRefusesWithItsMessages) {
  const std::string table = "\\\n" + ThermoRecord("NaCl(s)", "-411.153", "-384.138", "72.13", "50.5");
  struct Attempt {
    const char* formula;
    const char* enthalpy;
  };
  const Attempt attempts[] = {{"NaCl", "1"}, {"Xq2(s)", "1.09V"}, {"NaCl(s)", "1"}};
  for (int language : {EnglishLanguage, NorwegianLanguage}) {
    Language scope(language);
    WriteTable("thermody.dat", table);
    const std::size_t before = driver.MessageBoxes().size();
    Steps steps;
    for (const Attempt& attempt : attempts) {
      steps.push_back([&, attempt] {
        Put(ThermoDataFormulaId, attempt.formula);
        Put(EnthalpyFieldId, attempt.enthalpy);
        driver.Click(ThermoDataBeforeId);
      });
    }
    InDataEditor(steps);
    std::vector<std::string> texts;
    for (std::size_t i = before; i < driver.MessageBoxes().size(); ++i) texts.push_back(driver.MessageBoxes()[i].text);
    if (language == EnglishLanguage) {
      EXPECT_EQ(texts, (std::vector<std::string>{
                           "MISSING PHASE\n\nFormula must contain (s),(l).. e.g. NaCl(s)!", "UNSPECIFIED FORMULA ERROR",
                           "ILLEGAL NUMBER\n\nIllegal number or erroneous\nuse of number field!",
                           "DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box formula!\n\n"}));
    } else {
      EXPECT_EQ(texts,
                (std::vector<std::string>{
                    "MANGLENDE FASE\n\nFormel m\xE5 inneholde (s), (l) f.eks. NaCl(s)!", "USPESIFISERT FORMELFEIL",
                    "TALLFEIL\n\nTAVRIN har registrert ugyldige tall\neller feilaktig bruk av tallfelt!",
                    "DUPLIKASJONSADVARSEL\n\nFors\xF8k p\xE5 \xE5 tilf\xF8re listen en formel\nsom fra f\xF8r "
                    "befinner seg i listen!\n\n"}));
    }
    EXPECT_EQ(ReadTable("thermody.dat"), table) << language;
  }
}

// The key field takes no more than the 35 characters a key is stored with, so two long formulas
// never become one key. The first record of a missing table is written after its opening separator.
TEST_F(ThermochemistryTest, TheKeyFieldTakesNoMoreThanItsStoredWidth) {
  std::string typed;
  InDataEditor({[&] { driver.Type(ThermoDataFormulaId, std::string(34, 'C') + "H4(g)"); },
                [&] {
                  typed = Text(ThermoDataFormulaId);
                  Put(ThermoDataFormulaId, "H2(g)");
                  driver.Click(ThermoDataAfterId);
                }});
  EXPECT_EQ(typed, std::string(34, 'C') + "H");
  EXPECT_EQ(ReadTable("thermody.dat"), "\\\n\nH2(g)\n\n\n1\n\n\n\n\n\\\n");
}

// "Cal --> J" converts every non-empty number field, each press again; 1.5 cal is 6.2 J, 100 cal
// 418 J, -50.25 cal -210.38 J (cut, not rounded).
TEST_F(ThermochemistryTest, CaloriesBecomeJoulesAtEachPress) {
  std::vector<std::string> once;
  std::vector<std::string> twice;
  const auto fields = [&] {
    return std::vector<std::string>{Text(EnthalpyFieldId), Text(GibbsFieldId), Text(EntropyFieldId),
                                    Text(HeatCapacityFieldId)};
  };
  InDataEditor({[&] {
                  Put(EnthalpyFieldId, "1.5");
                  Put(GibbsFieldId, "1 00");
                  Put(EntropyFieldId, "-50.25");
                  Put(HeatCapacityFieldId, "");
                  driver.Click(CaloriesToJoulesId);
                },
                [&] {
                  once = fields();
                  driver.Click(CaloriesToJoulesId);
                },
                [&] { twice = fields(); }});
  EXPECT_EQ(once, (std::vector<std::string>{"6.2", "418", "-210.38", ""}));
  EXPECT_EQ(twice, (std::vector<std::string>{"25.9", "1750", "-880.81", ""}));
}

// A field that holds no number gets the illegal-number message and nothing is converted, so no
// field is multiplied while another is refused.
TEST_F(ThermochemistryTest, CaloriesToJoulesRefusesANonNumber) {
  std::vector<std::string> shown;
  InDataEditor({[&] {
                  Put(EnthalpyFieldId, "1.5");
                  Put(GibbsFieldId, "12x");
                  driver.Click(CaloriesToJoulesId);
                },
                [&] { shown = {Text(EnthalpyFieldId), Text(GibbsFieldId)}; }});
  EXPECT_EQ(shown, (std::vector<std::string>{"1.5", "12x"}));
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_TRUE(driver.MessageBoxes()[0].text.starts_with("ILLEGAL NUMBER")) << driver.MessageBoxes()[0].text;
}

// A table the program may not change reads as empty and is never harmed: every edit is refused with
// the file message.
TEST_F(ThermochemistryTest, AReadOnlyTableIsNeverHarmed) {
  const std::string table = "\\\n" + ThermoRecord("NaCl(s)", "-411.153", "-384.138", "72.13", "50.5");
  WriteTable("thermody.dat", table);
  chmod(TablePath("thermody.dat").c_str(), 0444);
  InDataEditor({[&] {
    Put(ThermoDataFormulaId, "KCl(s)");
    driver.Click(ThermoDataAfterId);
  }});
  chmod(TablePath("thermody.dat").c_str(), 0644);
  EXPECT_EQ(ReadTable("thermody.dat"), table);
  EXPECT_EQ(Boxes(),
            (std::vector<std::string>{"TAVRIN: FILE ERROR\n\nThe table could not be written\nand is unchanged!"}));
}

// Every record of the shipped table, shown by a double click, fills the fields with its key, the
// enthalpy and entropy that the sums need, and finite numbers (a heat capacity the source does not
// give for an ion stays empty).
TEST_F(ThermochemistryTest, EveryShippedRecordShowsFiniteNumbers) {
  WriteTable("thermody.dat", ShippedTable("thermody.dat"));
  const std::size_t count = ReadRecordFile("dats\\datfiles\\atomdata\\thermody.dat").size();
  ASSERT_GE(count, 250u);
  std::vector<std::string> failures;
  Steps steps;
  for (std::size_t index = 0; index < count; ++index) {
    steps.push_back([&, index] {
      SendMessage(driver.FindControl(ThermoDataListId), LB_SETCURSEL, index, 0);
      const HWND list = driver.FindControl(ThermoDataListId);
      SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(ThermoDataListId, LBN_DBLCLK),
                  reinterpret_cast<LPARAM>(list));
      const std::string key = Items(ThermoDataListId)[index];
      if (Text(ThermoDataFormulaId) != key) failures.push_back(key + ": not shown");
      for (int id : {EnthalpyFieldId, GibbsFieldId, EntropyFieldId, HeatCapacityFieldId}) {
        const std::string number = Text(id);
        const bool needed = id == EnthalpyFieldId || id == EntropyFieldId;
        if (number.empty() && !needed) continue;
        char* end = nullptr;
        const double value = std::strtod(number.c_str(), &end);
        if (number.empty() || *end != '\0' || !std::isfinite(value)) failures.push_back(key + ": " + number);
      }
    });
  }
  InDataEditor(steps);
  EXPECT_TRUE(failures.empty()) << ::testing::PrintToString(failures);
}

}  // namespace
