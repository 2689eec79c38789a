#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "spectroscopy/ir_table_editor.h"
#include "spectroscopy/ms_table_editor.h"
#include "spectroscopy/nmr_table_editor.h"
#include "engine/settings/settings.h"
#include "resources/ir_table_editor_ids.h"
#include "resources/ms_table_editor_ids.h"
#include "resources/nmr_table_editor_ids.h"
#include "tests/spectroscopy/table_editors/spectral_editor_fixture.h"
#include "tests/support/png_picture.h"

namespace {

class SpectralEditorSnapshotTest : public SpectralEditorTest {
 protected:
  ~SpectralEditorSnapshotTest() override { SpectralKind = 0; }
  // Shows the list's second record and writes the picture; the boxes are the places, in dialog
  // units, where the record's texts must show ink.
  void Snapshot(const std::function<int(CWnd*)>& open, int listId, const std::string& file,
                const std::vector<PictureBox>& filled, const PictureBox& close) {
    bool written = false;
    InWindow(open, Join({Show(listId, 1),
                         {[&] { written = driver.Snapshot(std::string(TAVRIN_OUTPUT_DIR) + "/" + file); }}}));
    ASSERT_TRUE(written) << driver.LastError();
    const std::optional<PngPicture> png = PngPicture::Read(std::string(TAVRIN_OUTPUT_DIR) + "/" + file);
    ASSERT_TRUE(png) << file;
    ExpectModalFrameAndCaption(*png);
    ExpectRaisedButton(*png, close, false);
    for (const PictureBox& box : filled) EXPECT_GT(InkInside(*png, box), 20) << file;
  }
};

TEST_F(SpectralEditorSnapshotTest, MsFragmentEditor) {
  const auto table =
      RecordTable({MsRecord("CH3", "15.023475", "methyl"), MsRecord("C[13]O2", "44.993185", "carbon dioxide, 13C")});
  WriteTable("enmsfrag.dat", table);
  WriteTable("nomsfrag.dat", table);
  for (const auto& [code, file] : {std::pair{44, "massmsdat-en.png"}, std::pair{47, "massmsdat-no.png"}}) {
    Language language(code);
    // The assignment, the isotope formula and its mass.
    Snapshot(
        OpenMsFragmentDataDialog, MsFragmentListId, file,
        {DialogItemBox({}, 56, 16, 289, 12), DialogItemBox({}, 56, 31, 175, 12), DialogItemBox({}, 295, 31, 50, 12)},
        DialogItemBox({}, 309, 2, 36, 12));
  }
}

TEST_F(SpectralEditorSnapshotTest, NmrEditor) {
  const auto table = RecordTable({NmrRecord("CH3-C", "alkyl methyl", "0.1", {"0.9"}),
                                  NmrRecord("CH3-C(=O)O", "acetate methyl", "0.1", {"2.0", "2.05", "2.1"})});
  for (const char* name : {"enhnmr.dat", "nohnmr.dat", "encnmr.dat", "nocnmr.dat"}) WriteTable(name, table);
  struct Case {
    int kind;
    int language;
    const char* file;
  };
  for (const Case& example :
       {Case{H1SpectralKind, 44, "massnmr-h1-en.png"}, Case{H1SpectralKind, 47, "massnmr-h1-no.png"},
        Case{C13SpectralKind, 44, "massnmr-c13-en.png"}, Case{C13SpectralKind, 47, "massnmr-c13-no.png"}}) {
    Language language(example.language);
    SpectralKind = example.kind;
    // Comment, assignment, tolerance and the first three shifts.
    Snapshot(OpenNmrDataDialog, NmrListId, example.file,
             {DialogItemBox({}, 63, 16, 298, 12), DialogItemBox({}, 131, 30, 230, 12),
              DialogItemBox({}, 54, 53, 23, 12), DialogItemBox({}, 4, 68, 40, 12), DialogItemBox({}, 4, 94, 40, 12)},
             DialogItemBox({}, 321, 1, 36, 12));
  }
}

TEST_F(SpectralEditorSnapshotTest, IrEditor) {
  const auto table = RecordTable({IrRecord("O-H alcohol", "broad", {"3200", "3550"}),
                                  IrRecord("C=O ester", "strong", {"1735", "1750", "1000", "1300"})});
  WriteTable("enirdata.dat", table);
  WriteTable("noirdata.dat", table);
  SpectralKind = IrSpectralKind;
  for (const auto& [code, file] : {std::pair{44, "massirdat-en.png"}, std::pair{47, "massirdat-no.png"}}) {
    Language language(code);
    // Comment, assignment and both ends of the second range.
    Snapshot(OpenIrDataDialog, IrListId, file,
             {DialogItemBox({}, 44, 15, 314, 12), DialogItemBox({}, 100, 31, 258, 12), DialogItemBox({}, 3, 89, 40, 12),
              DialogItemBox({}, 56, 89, 40, 12)},
             DialogItemBox({}, 320, 1, 36, 12));
  }
}

}  // namespace
