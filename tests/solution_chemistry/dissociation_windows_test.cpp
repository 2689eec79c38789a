// The solubility-product and weak acid/base windows and their table editors in the test's own
// process: the editors' checks and messages, the tables they write, and the windows' drop-down
// lists and fields around a calculation.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/settings/settings.h"
#include "platform/win/control_constants.h"
#include "resources/solubility_data_editor_ids.h"
#include "resources/solubility_ids.h"
#include "resources/acid_base_ids.h"
#include "resources/acid_base_constants_editor_ids.h"
#include "solution_chemistry/solubility_data_editor.h"
#include "solution_chemistry/solubility_window.h"
#include "solution_chemistry/acid_base_window.h"
#include "solution_chemistry/acid_base_constants_editor.h"
#include "tests/support/tool_window_fixture.h"

namespace {

constexpr const char* SaltTable = "solprod.dat";
constexpr const char* AcidTable = "acconst.dat";

struct Dissociation {
  std::string key, english, norwegian, water, cation, anion, constant, temperature;
};

std::string Table(const std::vector<Dissociation>& records) {
  std::string text = "\\\n";
  for (const Dissociation& r : records)
    text += r.key + "\n" + r.english + "\n" + r.norwegian + "\n\n" + r.water + "\n" + r.cation + "\n" + r.anion + "\n" +
            r.constant + "\n" + r.temperature + "\n\\\n";
  return text;
}

const Dissociation SilverChloride{"AgCl", "Silver chloride", "S\xF8lvklorid", "", "Ag+", "Cl-", "1.77E-10", "25"};
const Dissociation BariumSulfate{"BaSO4", "Barium sulfate", "Bariumsulfat", "", "Ba+2", "SO4-2", "1.08E-10", "25"};
const Dissociation AceticAcid{"CH3COOH", "Acetic acid", "Eddiksyre", "", "H3O+", "CH3COO-", "1.75E-5", "25"};
const Dissociation Ammonia{"NH3", "Ammonia", "Ammoniakk", "", "OH-", "NH4+", "1.8E-5", "25"};

const std::string BalanceRefusal =
    "ILLEGAL ADD/REPLACE! BALANCE ERROR IN DISSOC. EXPR.\n\nDissoc. expr. not in balance!";
const std::string IllegalNumber = "ILLEGAL NUMBER\n\nIllegal number or erroneous\nuse of number field!";

class DissociationWindowTest : public ToolWindowTest {
 protected:
  // The texts of the message boxes shown, from the first'th on.
  std::vector<std::string> Boxes(std::size_t first = 0) const {
    std::vector<std::string> texts;
    for (std::size_t i = first; i < driver.MessageBoxes().size(); ++i) texts.push_back(driver.MessageBoxes()[i].text);
    return texts;
  }
  void Choose(int listId, int index) {
    SendMessage(driver.FindControl(listId), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  // A double click on the selected entry of the list.
  void Show(int listId) {
    const HWND list = driver.FindControl(listId);
    SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
  }
  // Steps that type each text into its field.
  Steps Typing(std::initializer_list<std::pair<int, std::string>> fields) {
    Steps steps;
    for (const auto& [id, text] : fields) steps.push_back([this, id, text] { driver.Type(id, text); });
    return steps;
  }
  Steps Then(Steps steps, std::initializer_list<std::function<void()>> more) {
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
  }
};

// An equation that balances only with other coefficients is refused, and so is a number that is no
// number: both messages in one press, and the table stays as it was. With the right coefficient and
// a Ksp typed with a blank, the record is stored, its Ksp without the blank.
TEST_F(DissociationWindowTest, SolubilityEditorChecksTheEquationAndTheNumbers) {
  const std::string table = Table({SilverChloride});
  WriteTable(SaltTable, table);
  InWindow(OpenSolubilityDataDialog,
           Then(Typing({{SoludataFormulaId, "Ag2S"}, {SoludataCationId, "Ag+"}, {SoludataAnionId, "S-2"},
                        {SoludataKspId, "6.3E-50x"}}),
                {[&] { driver.Click(SoludataAfterId); }}));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{BalanceRefusal, IllegalNumber}));
  EXPECT_EQ(ReadTable(SaltTable), table);

  InWindow(OpenSolubilityDataDialog,
           Then(Typing({{SoludataFormulaId, "Ag2S"}, {SoludataCationId, "2Ag+"}, {SoludataAnionId, "S-2"},
                        {SoludataKspId, "6.3 E-50"}, {SoludataTemperatureId, " 25"}, {SoludataEnglishNameId, "Silver sulfide"}}),
                {[&] { driver.Click(SoludataAfterId); },
                 [&] {
                   EXPECT_EQ(Text(SoludataKspId), "6.3E-50");
                   EXPECT_EQ(Items(SoludataListId), (std::vector<std::string>{"AgCl", "Ag2S"}));
                 }}));
  EXPECT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(ReadTable(SaltTable),
            Table({SilverChloride, {"Ag2S", "Silver sulfide", "", "", "2Ag+", "S-2", "6.3E-50", "25"}}));
}

// A Ksp of 0 or below is refused at entry, as the acid/base editor refuses such a K: the
// solubility window would refuse the record.
TEST_F(DissociationWindowTest, SolubilityEditorRefusesAKspOfZeroOrBelow) {
  const std::string table = Table({SilverChloride});
  for (const char* ksp : {"0", "-1.8E-10", "0E5"}) {
    WriteTable(SaltTable, table);
    const std::size_t before = Boxes().size();
    InWindow(OpenSolubilityDataDialog,
             Then(Typing({{SoludataFormulaId, "AgBr"}, {SoludataCationId, "Ag+"}, {SoludataAnionId, "Br-"},
                          {SoludataKspId, ksp}}),
                  {[&] { driver.Click(SoludataAfterId); }}));
    const std::vector<std::string> boxes = Boxes();
    EXPECT_EQ(std::vector<std::string>(boxes.begin() + static_cast<long>(before), boxes.end()),
              std::vector<std::string>{IllegalNumber})
        << ksp;
    EXPECT_EQ(ReadTable(SaltTable), table) << ksp;
  }
}

TEST_F(DissociationWindowTest, EditorMessagesInNorwegian) {
  const Language norwegian(NorwegianLanguage);
  WriteTable(SaltTable, Table({SilverChloride}));
  InWindow(OpenSolubilityDataDialog,
           Then(Typing({{SoludataFormulaId, "CaF2"}, {SoludataCationId, "Ca+2"}, {SoludataAnionId, "F-"}}),
                {[&] { driver.Click(SoludataBeforeId); },
                 [&] { EXPECT_EQ(Text(SoludataBeforeId), "F\xF8r"); }}));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_TRUE(Boxes()[0].starts_with("INGEN LAGRING! BALANSERINGSFEIL I DISSOSIASJONSUTTRYKKET\n\n")) << Boxes()[0];
}

// Co and CO are two formulas: a key that differs from a listed one only in letter case is stored,
// the same key is refused. A key is at most 35 characters long: the field takes no more, and a
// longer one shown from a table edited by hand is refused rather than stored cut.
TEST_F(DissociationWindowTest, FormulaKeysMatchWithCaseAndFitTheirWidth) {
  const Dissociation cobalt{"CoCO3", "Cobalt(II) carbonate", "", "", "Co+2", "CO3-2", "1.0E-10", "25"};
  const Dissociation handMade{"COCO3", "", "", "", "", "", "", ""};
  WriteTable(SaltTable, Table({handMade}));
  const auto enter = [&](const Dissociation& d) {
    return Typing({{SoludataFormulaId, d.key}, {SoludataEnglishNameId, d.english}, {SoludataCationId, d.cation},
                   {SoludataAnionId, d.anion}, {SoludataKspId, d.constant}, {SoludataTemperatureId, d.temperature}});
  };
  InWindow(OpenSolubilityDataDialog, Then(enter(cobalt), {[&] { driver.Click(SoludataAfterId); },
                                                          [&] { driver.Click(SoludataAfterId); }}));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box "
                                               "formula!\n\n"}));
  EXPECT_EQ(ReadTable(SaltTable), Table({handMade, cobalt}));

  const std::string longKey(40, 'C');
  std::string typedKey;
  InWindow(OpenSolubilityDataDialog, {[&] { driver.Type(SoludataFormulaId, longKey); },
                                      [&] { typedKey = Text(SoludataFormulaId); },
                                      [&] { SetWindowText(driver.FindControl(SoludataFormulaId), longKey.c_str()); },
                                      [&] { driver.Click(SoludataAfterId); }});
  EXPECT_EQ(typedKey, std::string(35, 'C'));
  EXPECT_EQ(Boxes().back(), "FORMULA TOO LONG\n\nA formula holds at most 35 characters!");
  EXPECT_EQ(ReadTable(SaltTable), Table({handMade, cobalt}));
}

// A table the user may not change lists its formulas, and an add or a delete says that it could not
// be written and leaves every byte of it.
TEST_F(DissociationWindowTest, AReadOnlyTableIsNeverHarmed) {
  const std::string table = Table({SilverChloride, BariumSulfate});
  WriteTable(SaltTable, table);
  std::filesystem::permissions(TablePath(SaltTable), std::filesystem::perms::owner_read);
  std::vector<std::string> listed;
  InWindow(OpenSolubilityDataDialog,
           Then(Typing({{SoludataFormulaId, "CaF2"}, {SoludataCationId, "Ca+2"}, {SoludataAnionId, "2F-"}}),
                {[&] { listed = Items(SoludataListId); }, [&] { driver.Click(SoludataAfterId); },
                 [&] { driver.Click(SoludataDeleteId); }, [&] { listed.push_back(Items(SoludataListId).back()); }}));
  std::filesystem::permissions(TablePath(SaltTable), std::filesystem::perms::owner_all);
  EXPECT_EQ(listed, (std::vector<std::string>{"AgCl", "BaSO4", "BaSO4"}));
  EXPECT_EQ(Boxes().size(), 2u);
  for (const std::string& box : Boxes()) EXPECT_TRUE(box.starts_with("FILE ERROR")) << box;
  EXPECT_EQ(ReadTable(SaltTable), table);
}

// Enter in a field runs the default button, Before: the new record goes in front of the selected
// one, whatever field holds the focus.
TEST_F(DissociationWindowTest, EnterInAFieldAddsBeforeTheSelectedRecord) {
  WriteTable(SaltTable, Table({SilverChloride, BariumSulfate}));
  const Dissociation fluorite{"CaF2", "", "", "", "Ca+2", "2F-", "3.9E-11", ""};
  InWindow(OpenSolubilityDataDialog,
           Then(Typing({{SoludataFormulaId, "CaF2"}, {SoludataCationId, "Ca+2"}, {SoludataAnionId, "2F-"},
                        {SoludataKspId, "3.9E-11"}}),
                {[&] { Choose(SoludataListId, 1); }, [&] { driver.Key("Enter"); }}));
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  EXPECT_EQ(ReadTable(SaltTable), Table({SilverChloride, fluorite, BariumSulfate}));
}

// Before, Replace and Delete in each editor write the nine lines of its frame: the salts keep their
// crystal water on line 5, the acids and bases leave it empty. Without a selected entry nothing is
// written, and the message ends as each editor words it.
TEST_F(DissociationWindowTest, EditorsWriteTheirFrameAndWantASelection) {
  const Dissociation gypsum{"CaSO4*2H2O", "Gypsum", "Gips", "2H2O", "Ca+2", "SO4-2", "4.93E-5", "25"};
  WriteTable(SaltTable, Table({SilverChloride, BariumSulfate}));
  const Steps typeGypsum = Typing({{SoludataFormulaId, gypsum.key}, {SoludataEnglishNameId, gypsum.english},
                                   {SoludataNorwegianNameId, gypsum.norwegian}, {SoludataCrystalWaterId, gypsum.water},
                                   {SoludataCationId, gypsum.cation}, {SoludataAnionId, gypsum.anion},
                                   {SoludataKspId, gypsum.constant}, {SoludataTemperatureId, gypsum.temperature}});
  std::vector<std::string> tables;
  InWindow(OpenSolubilityDataDialog,
           Then(typeGypsum, {[&] { Choose(SoludataListId, 1); }, [&] { driver.Click(SoludataBeforeId); },
                             [&] { tables.push_back(ReadTable(SaltTable)); }, [&] { Choose(SoludataListId, 0); },
                             [&] { driver.Click(SoludataReplaceId); }, [&] { driver.Click(SoludataDeleteId); },
                             [&] { tables.push_back(ReadTable(SaltTable)); }, [&] { Choose(SoludataListId, -1); },
                             [&] { driver.Click(SoludataAfterId); }}));
  EXPECT_EQ(tables, (std::vector<std::string>{Table({SilverChloride, gypsum, BariumSulfate}),
                                              Table({gypsum, BariumSulfate})}));
  EXPECT_EQ(ReadTable(SaltTable), tables.back());
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box "
                                               "formula!\n\n",
                                               "MISSING HIGHLIGHT\n\nOne of the list box elements must be\n"
                                               "highlighted during add/delete!"}));

  WriteTable(AcidTable, Table({Ammonia}));
  const std::size_t seen = driver.MessageBoxes().size();
  InWindow(OpenAcidBaseDataDialog,
           Then(Typing({{SyrekonstFormulaId, "CH3COOH"}, {SyrekonstEnglishNameId, "Acetic acid"},
                        {SyrekonstNorwegianNameId, "Eddiksyre"}, {SyrekonstIonId, "H3O+"},
                        {SyrekonstConjugateId, "CH3COO-"}, {SyrekonstKId, "1.75E-5"}, {SyrekonstTemperatureId, "25"}}),
                {[&] { driver.Click(SyrekonstBeforeId); }, [&] { Choose(SyrekonstListId, -1); },
                 [&] { driver.Click(SyrekonstDeleteId); }}));
  EXPECT_EQ(ReadTable(AcidTable), Table({AceticAcid, Ammonia}));
  EXPECT_EQ(Boxes(seen), (std::vector<std::string>{"MISSING HIGHLIGHT\n\nOne of the list box elements must be\n"
                                                   "highlighted before using add/delete options!"}));
}

// K 0 is refused; a pK alone gives K; K wins over a pK; H3O+ typed as the conjugate is stored in its
// own line; a base balances with OH-.
TEST_F(DissociationWindowTest, AcidBaseEditorStoresKFromItselfOrFromPK) {
  struct Case {
    const char* what;
    Dissociation typed;
    const char* pK;
    std::vector<std::string> boxes;
    Dissociation stored;  // key empty: nothing stored
    const char* shownPK;
  };
  const Case cases[] = {
      {"K 0", {"HF", "", "", "", "H3O+", "F-", "0", ""}, "", {IllegalNumber}, {}, ""},
      {"pK alone", {"HF", "", "", "", "H3O+", "F-", "", "25"}, "4.76", {}, {"HF", "", "", "", "H3O+", "F-", "1.7378E-05", "25"}, "4.76"},
      {"K and pK", {"HF", "", "", "", "H3O+", "F-", "1.75E-5", ""}, "9", {}, {"HF", "", "", "", "H3O+", "F-", "1.75E-5", ""}, "4.75696"},
      {"H3O+ as the conjugate", {"HCOOH", "", "", "", "HCOO-", "H3O+", "1.8E-4", ""}, "", {}, {"HCOOH", "", "", "", "H3O+", "HCOO-", "1.8E-4", ""}, "3.74473"},
      {"a base", Ammonia, "", {}, {"NH3", "Ammonia", "", "", "OH-", "NH4+", "1.8E-5", "25"}, "4.74473"},
      {"a pK beyond every K", {"HF", "", "", "", "H3O+", "F-", "", ""}, "400", {IllegalNumber}, {}, "400"},
  };
  for (const Case& example : cases) {
    const std::string before = Table({AceticAcid});
    WriteTable(AcidTable, before);
    const std::size_t seen = driver.MessageBoxes().size();
    std::string shownPK;
    const Dissociation& t = example.typed;
    InWindow(OpenAcidBaseDataDialog,
             Then(Typing({{SyrekonstFormulaId, t.key}, {SyrekonstEnglishNameId, t.english}, {SyrekonstIonId, t.cation},
                          {SyrekonstConjugateId, t.anion}, {SyrekonstTemperatureId, t.temperature}}),
                  {[&] { SetWindowText(driver.FindControl(SyrekonstKId), t.constant.c_str()); },
                   [&] { SetWindowText(driver.FindControl(SyrekonstPKId), example.pK); },
                   [&] { driver.Click(SyrekonstAfterId); }, [&] { shownPK = Text(SyrekonstPKId); }}));
    EXPECT_EQ(Boxes(seen), example.boxes) << example.what;
    EXPECT_EQ(ReadTable(AcidTable), example.stored.key.empty() ? before : Table({AceticAcid, example.stored}))
        << example.what;
    EXPECT_EQ(shownPK, example.shownPK) << example.what;
  }
}

// Showing a record converts its K to pK; a record without K then shows no pK left from the last one.
TEST_F(DissociationWindowTest, AcidBaseEditorShowsEachRecordWithItsOwnPK) {
  WriteTable(AcidTable, Table({AceticAcid, {"HX", "", "", "", "H3O+", "X-", "", ""}}));
  std::vector<std::string> shown;
  InWindow(OpenAcidBaseDataDialog, {[&] { Show(SyrekonstListId); },
                                    [&] { shown = {Text(SyrekonstKId), Text(SyrekonstPKId)}; },
                                    [&] { Choose(SyrekonstListId, 1); }, [&] { Show(SyrekonstListId); },
                                    [&] {
                                      shown.push_back(Text(SyrekonstKId));
                                      shown.push_back(Text(SyrekonstPKId));
                                    }});
  EXPECT_EQ(shown, (std::vector<std::string>{"1.75E-5", "4.75696", "", ""}));
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
}

// The formula list is read anew at every drop-down, so it shows what the editor has just written;
// choosing a salt loads it and calculates at once.
TEST_F(DissociationWindowTest, SolubilityWindowListsTheTableAsTheEditorLeftIt) {
  WriteTable(SaltTable, Table({SilverChloride}));
  std::vector<std::string> before, after;
  std::string solubility;
  InWindow(OpenSolubilityProductDialog,
           {[&] { driver.Select(SaltFormulaId, 0); }, [&] { before = Items(SaltFormulaId); },
            [&] { solubility = Text(ResultCationId); }, [&] { driver.Click(OpenSolubilityDataId); },
            [&] { driver.Type(SoludataFormulaId, "BaSO4"); }, [&] { driver.Type(SoludataCationId, "Ba+2"); },
            [&] { driver.Type(SoludataAnionId, "SO4-2"); }, [&] { driver.Type(SoludataKspId, "1.08E-10"); },
            [&] { driver.Click(SoludataAfterId); }, [&] { driver.Key("Escape"); },
            [&] { driver.Select(SaltFormulaId, 1); }, [&] { after = Items(SaltFormulaId); }});
  EXPECT_EQ(before, std::vector<std::string>{"AgCl"});
  EXPECT_EQ(solubility, "1.33041E-05");
  EXPECT_EQ(after, (std::vector<std::string>{"AgCl", "BaSO4"}));
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
}

// A solvent mass that is no number is named, and nothing typed is lost.
TEST_F(DissociationWindowTest, SolubilityWindowKeepsWhatWasTypedBesideABadSolventMass) {
  std::vector<std::string> kept;
  InWindow(OpenSolubilityProductDialog,
           Then(Typing({{SaltFormulaId, "AgCl"}, {CationFieldId, "Ag+"}, {AnionFieldId, "Cl-"}, {SaltAmountId, "0.5"},
                        {SolventMassId, "1 kg"}}),
                {[&] { driver.Click(CalculateSolubilityId); },
                 [&] { kept = {Text(SaltAmountId), Text(SolventMassId), Text(ResultCationId)}; }}));
  EXPECT_EQ(kept, (std::vector<std::string>{"0.5", "1 kg", ""}));
  EXPECT_EQ(Boxes(), std::vector<std::string>{IllegalNumber + "\n\nMass (solvent)"});
}

// The common-ion search that finds no dissolved amount says so and shows no amounts.
TEST_F(DissociationWindowTest, SolubilityWindowReportsACommonIonSearchWithoutAnswer) {
  std::vector<std::string> shown;
  InWindow(OpenSolubilityProductDialog,
           Then(Typing({{SaltFormulaId, "AgCl"}, {CationFieldId, "Ag+"}, {AnionFieldId, "Cl-"}, {KspInputId, "1E-300"},
                        {CationCommonIonId, "1E+300"}}),
                {[&] { driver.Click(CalculateSolubilityId); },
                 [&] {
                   shown = {Text(SaltAmountId), Text(CationAmountId), Text(ResultKspId), Text(ResultAnionId),
                            Text(SymbolicCationId)};
                 }}));
  EXPECT_EQ(shown, (std::vector<std::string>{"", "", "", "", "Ag+"}));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_TRUE(Boxes()[0].starts_with("NO SOLUTION FOUND\n\n")) << Boxes()[0];
}

// Choosing an acid loads it at concentration 1 before dissociation and shows its equilibrium.
TEST_F(DissociationWindowTest, WeakAcidBaseWindowLoadsARecordAtConcentrationOne) {
  WriteTable(AcidTable, Table({AceticAcid, Ammonia}));
  std::vector<std::string> shown;
  InWindow(OpenWeakAcidBaseDialog, {[&] { driver.Select(AcidFormulaId, 1); },
                                    [&] {
                                      shown = {Text(AcidIonFieldId), Text(InitialInputId), Text(ResultPKId),
                                               Text(SymbolicIonId), Text(AcidTemperatureId)};
                                    }});
  EXPECT_EQ(shown, (std::vector<std::string>{"OH-", "1", "4.74473", "OH-", "25"}));
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
}

// A Ksp or K in the table that is no number is never calculated with: the window shows it as
// missing, as an empty line, and names the record that holds it; a damaged temperature the same.
const char* const DamagedValues[] = {"NaN", "1e999", "abc", "12,5"};

std::string DamagedTableMessage(const std::string& file, const std::string& key) {
  return "DAMAGED TABLE\n\nA value in " + file + " is no number\nand counts as missing for:\n" + key;
}

TEST_F(DissociationWindowTest, SolubilityWindowNamesASaltWhoseStoredNumbersAreNoNumbers) {
  for (const char* damaged : DamagedValues) {
    Dissociation barium = BariumSulfate;
    barium.constant = damaged;
    WriteTable(SaltTable, Table({SilverChloride, barium}));
    const std::size_t before = Boxes().size();
    std::vector<std::string> shown;
    InWindow(OpenSolubilityProductDialog, {[&] { driver.Select(SaltFormulaId, 1); },
                                           [&] {
                                             shown = {Text(KspInputId), Text(ResultKspId), Text(SaltAmountId),
                                                      Text(SymbolicCationId), Text(SaltTemperatureId)};
                                           }});
    EXPECT_EQ(shown, (std::vector<std::string>{"", "", "", "Ba+2", "25"})) << damaged;
    EXPECT_EQ(Boxes(before), std::vector<std::string>{DamagedTableMessage("solprod.dat", "BaSO4")}) << damaged;
  }
  Dissociation silver = SilverChloride;
  silver.temperature = "2 5";
  WriteTable(SaltTable, Table({silver}));
  const std::size_t before = Boxes().size();
  std::vector<std::string> shown;
  InWindow(OpenSolubilityProductDialog, {[&] { driver.Select(SaltFormulaId, 0); },
                                         [&] {
                                           shown = {Text(KspInputId), Text(ResultCationId), Text(SaltTemperatureId)};
                                         }});
  EXPECT_EQ(shown, (std::vector<std::string>{"1.77E-10", "1.33041E-05", ""}));
  EXPECT_EQ(Boxes(before), std::vector<std::string>{DamagedTableMessage("solprod.dat", "AgCl")});
}

TEST_F(DissociationWindowTest, WeakAcidBaseWindowNamesAnAcidWhoseConstantIsNoNumber) {
  for (const char* damaged : DamagedValues) {
    Dissociation ammonia = Ammonia;
    ammonia.constant = damaged;
    WriteTable(AcidTable, Table({AceticAcid, ammonia}));
    const std::size_t before = Boxes().size();
    std::vector<std::string> shown;
    InWindow(OpenWeakAcidBaseDialog,
             {[&] { driver.Select(AcidFormulaId, 1); },
              [&] {
                shown = {Text(ConstantInputId), Text(ResultConstantId), Text(ResultPKId), Text(ResultPHId)};
              }});
    EXPECT_EQ(shown, (std::vector<std::string>{"", "", "", ""})) << damaged;
    const std::vector<std::string> boxes = Boxes(before);
    ASSERT_FALSE(boxes.empty()) << damaged;
    EXPECT_EQ(boxes[0], DamagedTableMessage("acconst.dat", "NH3")) << damaged;
  }
}

TEST_F(DissociationWindowTest, TheDamagedTableMessageInNorwegian) {
  const Language norwegian(NorwegianLanguage);
  Dissociation acetic = AceticAcid;
  acetic.constant = "1e999";
  WriteTable(AcidTable, Table({acetic}));
  InWindow(OpenWeakAcidBaseDialog, {[&] { driver.Select(AcidFormulaId, 0); }});
  ASSERT_FALSE(Boxes().empty());
  EXPECT_EQ(Boxes()[0],
            "SKADET TABELL\n\nEn verdi i acconst.dat er ikke et tall\nog regnes som manglende for:\nCH3COOH");
}

}  // namespace
