// Scripted sessions of the real program: the solubility-product and weak acid/base windows opened
// from the menu and the launcher, their examples calculated, a salt and an acid chosen from the
// shipped tables, the editors opened, in both languages, with a picture of each window.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "resources/launcher_form_ids.h"
#include "resources/menu_commands.h"
#include "resources/solubility_data_editor_ids.h"
#include "resources/solubility_ids.h"
#include "resources/acid_base_ids.h"
#include "resources/acid_base_constants_editor_ids.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/png_picture.h"
#include "tests/support/script_steps.h"

namespace {

using namespace steps;
namespace fs = std::filesystem;

class DissociationSessionTest : public ::testing::Test {
 protected:
  DissociationSessionTest() {
    const fs::path tables = folder.Path() / "dats" / "datfiles" / "atomdata";
    fs::create_directories(tables);
    for (const char* name : {"solprod.dat", "acconst.dat"})
      fs::copy_file(fs::path(TAVRIN_SOURCE_DIR) / "dats" / "datfiles" / "atomdata" / name, tables / name);
  }
  SessionResult Run(const std::string& language, const std::string& script) {
    folder.WriteSettings(SettingsText(language, "0"));
    return RunSession(folder.Path(), script);
  }
  static std::string Picture(const std::string& name) { return (fs::path(TAVRIN_OUTPUT_DIR) / name).string(); }
  static std::string Snapshot(const std::string& path) { return "snapshot " + path + "\n"; }
  WorkingFolder folder;
};

// Every picture of these windows: the modal frame and caption, the default button raised, and text
// in the fields that should hold a result.
void ExpectPicture(const std::string& path, PictureBox defaultButton, const std::vector<PictureBox>& filled) {
  const std::optional<PngPicture> png = PngPicture::Read(path);
  ASSERT_TRUE(png) << path;
  ExpectModalFrameAndCaption(*png);
  ExpectRaisedButton(*png, defaultButton, true);
  for (const PictureBox& field : filled) EXPECT_GT(InkInside(*png, field), 20) << path;
}

TEST_F(DissociationSessionTest, SolubilityProductFromTheMenuInBothLanguages) {
  for (const std::string language : {"47", "44"}) {
    const std::string window = Picture("soluprod_" + language + ".png");
    const std::string editor = Picture("soludata_" + language + ".png");
    const SessionResult result = Run(
        language, Menu(SolubilityProductCommand) + "window\n" + Click(FirstSolubilityExampleId) +
                      Click(CalculateSolubilityId) + Text(ResultKspId) + Text(ResultCationId) + Text(SaltAmountId) +
                      Click(FirstSolubilityExampleId + 3) + Click(CalculateSolubilityId) + Text(ResultCationId) +
                      Text(ResultAnionId) + Select(SaltFormulaId, 0) + Text(SaltFormulaId) + Text(ResultCationId) +
                      Click(FirstSolubilityExampleId + 1) + Click(CalculateSolubilityId) + Text(ResultKspId) +
                      Text(InputCationExponentId) + Snapshot(window) + Click(OpenSolubilityDataId) + "window\n" +
                      Snapshot(editor) + Text(SoludataBeforeId) + "key Escape\nkey Escape\n");
    EXPECT_EQ(result.exitCode, 0);
    const bool english = language == "44";
    const std::vector<std::string> expected = {
        english ? "window: SOLUBILITY PRODUCT: SOLUPROD" : "window: LØSELIGHETSPRODUKT: SOLUPROD",
        // AgCl in 0.5 kg: s = sqrt(1.77E-10), 0.5 s mol.
        TextLine(ResultKspId, "1.77E-10"),
        TextLine(ResultCationId, "1.33041E-05"),
        TextLine(SaltAmountId, "6.65207E-06"),
        // BaSO4 beside 0.1 mol/kg sulfate: s = 1.8E-10 / 0.1.
        TextLine(ResultCationId, "1.8E-09"),
        TextLine(ResultAnionId, "0.1"),
        // The first salt of the shipped table, silver chloride with its handbook Ksp 1.77E-10.
        TextLine(SaltFormulaId, "AgCl"),
        TextLine(ResultCationId, "1.33041E-05"),
        // Ag2S from its dissolved amount: Ksp = (2 x 1.07722E-17)^2 x 1.07722E-17.
        TextLine(ResultKspId, "5.00004E-51"),
        TextLine(InputCationExponentId, "2"),
        english ? "window: SOLUBILITY PRODUCT - SOLUBILITY DATA: SOLUDATA"
                : "window: LØSELIGHETSPRODUKT - LØSELIGHETSDATA: SOLUDATA",
        TextLine(SoludataBeforeId, english ? "Before" : "Før"),
    };
    EXPECT_EQ(result.lines, expected) << language;
    ExpectPicture(window, DialogItemBox({}, 254, 130, 88, 15),
                  {DialogItemBox({}, 6, 278, 90, 13), DialogItemBox({}, 118, 278, 96, 13)});
    ExpectPicture(editor, DialogItemBox({}, 46, 259, 42, 13), {DialogItemBox({}, 6, 134, 388, 100)});
  }
}

TEST_F(DissociationSessionTest, WeakAcidBaseFromTheMenuInBothLanguages) {
  for (const std::string language : {"47", "44"}) {
    const std::string window = Picture("syrebase_" + language + ".png");
    const std::string editor = Picture("syrekonst_" + language + ".png");
    const SessionResult result = Run(
        language, Menu(WeakAcidBaseCommand) + "window\n" + Click(FirstAcidExampleId) + Click(CalculateAcidBaseId) +
                      Text(ResultIonId) + Text(ResultPHId) + Text(ResultPKId) + Click(FirstAcidExampleId + 5) +
                      Click(CalculateAcidBaseId) + Text(ResultConjugateId) + Text(ResultPHId) +
                      Select(AcidFormulaId, 1) + Text(AcidFormulaId) + Text(InitialInputId) + Text(ResultPKId) +
                      Click(FirstAcidExampleId) + Click(CalculateAcidBaseId) + Snapshot(window) +
                      Click(OpenAcidBaseDataId) + "window\n" + Snapshot(editor) + Text(SyrekonstConvertId) +
                      "key Escape\nkey Escape\n");
    EXPECT_EQ(result.exitCode, 0);
    const bool english = language == "44";
    const std::vector<std::string> expected = {
        english ? "window: WEAK ACID/BASE: SYREBASE" : "window: SVAK SYRE/BASE: SYREBASE",
        // 0.1 M acetic acid: x^2 / (0.1 - x) = 1.75E-5.
        TextLine(ResultIonId, "0.00131415"),
        TextLine(ResultPHId, "2.88135"),
        TextLine(ResultPKId, "4.75696"),
        // HCN at [H3O+] 1E-6: the acid's own conjugate 1E-6 - Kw / 1E-6 = 9.9E-07, and what a buffer
        // must add, 0.19999901 x 5.85E-10 / 1E-6 - 9.9E-07 = 1.16009E-04.
        TextLine(ResultConjugateId, "9.9E-07 + 0.000116009"),
        TextLine(ResultPHId, "6"),
        // The second acid of the shipped table, acetic acid, at concentration 1.
        TextLine(AcidFormulaId, "CH3COOH"),
        TextLine(InitialInputId, "1"),
        TextLine(ResultPKId, "4.75696"),
        english ? "window: WEAK ACID/BASE - ACID/BASE DATA: SYREKONST"
                : "window: SVAK SYRE/BASE - SYRE/BASE DATA: SYREKONST",
        TextLine(SyrekonstConvertId, english ? "Convert K<->pK" : "Konvertere K<->pK"),
    };
    EXPECT_EQ(result.lines, expected) << language;
    ExpectPicture(window, DialogItemBox({}, 354, 116, 92, 15),
                  {DialogItemBox({}, 378, 230, 64, 13), DialogItemBox({}, 118, 230, 96, 13)});
    const std::optional<PngPicture> png = PngPicture::Read(editor);
    ASSERT_TRUE(png) << editor;
    ExpectModalFrameAndCaption(*png);
    EXPECT_GT(InkInside(*png, DialogItemBox({}, 6, 130, 388, 100)), 100) << "the list of acids and bases";
  }
}

TEST_F(DissociationSessionTest, TheLauncherOpensBothWindows) {
  const SessionResult result =
      Run("47", Click(SolubilityProductButtonId) + "window\nkey Escape\n" + Click(WeakAcidBaseButtonId) +
                    "window\nkey Escape\nwindow\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, (std::vector<std::string>{"window: LØSELIGHETSPRODUKT: SOLUPROD",
                                                    "window: SVAK SYRE/BASE: SYREBASE", "window: TAVRIN: CLIENT"}));
}

}  // namespace
