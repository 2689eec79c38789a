#include "chemicals_database/database_group.h"
#include "chemicals_database/safety_sheet_window.h"
#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/quick_edit_window.h"
#include "engine/settings/settings.h"
#include "platform/controls/scroll_bar.h"
#include "platform/win/window_api.h"
#include "resources/safety_sheet_ids.h"
#include "resources/quick_edit_ids.h"
#include "tests/chemicals_database/datasheet/safety_window_fixture.h"
#include "tests/support/png_picture.h"

namespace {

namespace fs = std::filesystem;

const std::string SelectOneMessage =
    "LISTETILF\xD8RINGSFEIL\n\nEtt listeelement m\xE5 v\xE6re merket\nved listetilf\xF8yning!";

class QuickEditorTest : public SafetyWindowTest {
 protected:
  void SetUp() override {
    sheet = OpenSheet();
    editor = OpenQuickEditor();
    ASSERT_NE(editor, nullptr);
  }

  HWND sheet = nullptr;
  HWND editor = nullptr;
};

TEST_F(QuickEditorTest, OpensOnTheRiskPhrasesWhenNoCategoryIsSet) {
  EXPECT_EQ(driver.Checked(RiskCategoryId), 1);
  EXPECT_EQ(QuickEditCategory, 1);
  const std::vector<std::string> items = *driver.Items(PhraseListId);
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items.front(), "H200 Ustabile eksplosive varer. ");
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  EXPECT_EQ(QuickEditCategory, 7);
  EXPECT_EQ(driver.Items(PhraseListId)->front(), "Oppbevares i tett lukket beholder. ");
}

TEST_F(QuickEditorTest, ChosenPhrasesAreJoinedInListOrder) {
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  ASSERT_TRUE(driver.Select(PhraseListId, 2));
  ASSERT_TRUE(driver.Select(PhraseListId, 0));
  EXPECT_EQ(driver.Text(ComposedTextId), "Oppbevares i tett lukket beholder. Oppbevares p\xE5 et godt ventilert sted. ");
  EXPECT_EQ(QuickEditText, *driver.Text(ComposedTextId));
}

// Transferred phrases go to the category's section of the sheet, and reach the safety text at the
// sheet's next deactivation.
TEST_F(QuickEditorTest, ATransferAppendsToTheCategorysSection) {
  SetFieldText(sheet, StorageFieldId, "Kj\xF8lig. ");
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  ASSERT_TRUE(driver.Select(PhraseListId, 6));
  ASSERT_TRUE(driver.Click(TransferPhrasesId));
  EXPECT_EQ(::GetActiveWindow(), sheet);
  EXPECT_EQ(FieldText(sheet, StorageFieldId), "Kj\xF8lig. Oppbevares innel\xE5st. ");
  EXPECT_EQ(QuickEditTransferPending, 0);
  ActivateFrame();
  EXPECT_EQ(SafetyDataText, "|||||||Kj\xF8lig. Oppbevares innel\xE5st. |||");
}

TEST_F(QuickEditorTest, ATransferThatMakesTheTextTooLongIsRefused) {
  SafetyDataText = std::string(3980, 'x');
  ASSERT_TRUE(driver.Type(ComposedTextId, "0123456789"));
  ASSERT_TRUE(driver.Click(TransferPhrasesId));
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"TEKSTFELTINNOLD FOR STORT\n\nReduser tekstmengden f\xF8r overf\xF8ring!"});
  EXPECT_EQ(QuickEditTransferPending, 0);
  EXPECT_EQ(::GetActiveWindow(), editor);
}

TEST_F(QuickEditorTest, NewPhrasesGoBeforeOrAfterTheOneSelected) {
  WriteFastEdit("lagring.dat", "A\nB\nC\n");
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  ASSERT_TRUE(driver.Select(PhraseListId, 1));
  ASSERT_TRUE(driver.Type(NewPhraseFieldId, "ny"));
  ASSERT_TRUE(driver.Click(InsertBeforeId));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "A\nny\nB\nC\n");
  ASSERT_TRUE(driver.Select(PhraseListId, 3));
  ASSERT_TRUE(driver.Click(InsertAfterId));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "A\nny\nB\nC\nny\n");
  EXPECT_EQ(*driver.Items(PhraseListId), (std::vector<std::string>{"A", "ny", "B", "C", "ny"}));
  EXPECT_TRUE(MessageTexts().empty());
}

TEST_F(QuickEditorTest, AddingNeedsExactlyOneSelectedPhrase) {
  WriteFastEdit("lagring.dat", "A\nB\n");
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  ASSERT_TRUE(driver.Type(NewPhraseFieldId, "ny"));
  ASSERT_TRUE(driver.Click(InsertBeforeId));
  ASSERT_TRUE(driver.Select(PhraseListId, 0));
  ASSERT_TRUE(driver.Select(PhraseListId, 1));
  ASSERT_TRUE(driver.Click(InsertBeforeId));
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{SelectOneMessage, SelectOneMessage}));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "A\nB\n");
}

// Once every phrase is removed (or the file is missing), the first new phrase still goes in.
TEST_F(QuickEditorTest, RemovingEveryPhraseWritesAnEmptyFileThatTakesNewPhrasesAgain) {
  WriteFastEdit("lagring.dat", "A\nB\nC\n");
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  ASSERT_TRUE(driver.Select(PhraseListId, 0));
  ASSERT_TRUE(driver.Select(PhraseListId, 2));
  ASSERT_TRUE(driver.Click(RemovePhrasesId));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "B\n");
  ASSERT_TRUE(driver.Select(PhraseListId, 0));
  ASSERT_TRUE(driver.Click(RemovePhrasesId));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "");
  ASSERT_TRUE(driver.Type(NewPhraseFieldId, "Oppbevares kj\xF8lig."));
  ASSERT_TRUE(driver.Click(InsertAfterId));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "Oppbevares kj\xF8lig.\n");

  fs::remove(FastEditPath("destruer.dat"));
  ASSERT_TRUE(driver.Click(DisposalCategoryId));
  EXPECT_EQ(driver.Items(PhraseListId)->size(), 0u);
  ASSERT_TRUE(driver.Click(InsertBeforeId));
  EXPECT_EQ(ReadFastEdit("destruer.dat"), "Oppbevares kj\xF8lig.\n");
  EXPECT_TRUE(MessageTexts().empty());
}

TEST_F(QuickEditorTest, APhraseFileThatCannotBeWrittenIsReportedAndLeftAsItWas) {
  WriteFastEdit("lagring.dat", "A\nB\n");
  fs::permissions(FastEditPath("lagring.dat"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  ASSERT_TRUE(driver.Select(PhraseListId, 0));
  ASSERT_TRUE(driver.Click(RemovePhrasesId));
  ASSERT_EQ(MessageTexts().size(), 1u);
  EXPECT_EQ(MessageTexts()[0], "FILSKRIVINGSFEIL\n\nListen kunne ikke lagres i\nDATS\\datfiles\\fastedit\\lagring.dat!");
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "A\nB\n");
  EXPECT_EQ(*driver.Items(PhraseListId), (std::vector<std::string>{"A", "B"}));
}

// The editor writes a phrase file only with a change it has read the file for: "Fjerne" with
// nothing chosen leaves it byte for byte, a file that cannot be read is named and never written,
// and a file changed elsewhere since the list was shown is read again, unchanged.
TEST_F(QuickEditorTest, APhraseFileIsWrittenOnlyOverWhatTheListShowed) {
  WriteFastEdit("lagring.dat", "A\r\nB\r\n");
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  ASSERT_TRUE(driver.Click(RemovePhrasesId));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "A\r\nB\r\n");
  EXPECT_TRUE(MessageTexts().empty());

  WriteFastEdit("lagring.dat", "B\nC\n");
  ASSERT_TRUE(driver.Select(PhraseListId, 1));
  ASSERT_TRUE(driver.Click(RemovePhrasesId));
  const std::string changed =
      "LISTEN ER ENDRET\n\nListen er endret et annet sted og\ner lest p\xE5 nytt. Ingenting ble endret!";
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{changed}));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "B\nC\n");
  EXPECT_EQ(*driver.Items(PhraseListId), (std::vector<std::string>{"B", "C"}));
  ASSERT_TRUE(driver.Select(PhraseListId, 0));
  ASSERT_TRUE(driver.Type(NewPhraseFieldId, "ny"));
  ASSERT_TRUE(driver.Click(InsertAfterId));
  EXPECT_EQ(ReadFastEdit("lagring.dat"), "B\nny\nC\n");

  fs::remove(FastEditPath("destruer.dat"));
  fs::create_directories(FastEditPath("destruer.dat") / "inside");
  ASSERT_TRUE(driver.Click(DisposalCategoryId));
  EXPECT_EQ(driver.Items(PhraseListId)->size(), 0u);
  ASSERT_TRUE(driver.Click(InsertAfterId));
  ASSERT_TRUE(driver.Click(RemovePhrasesId));
  const std::string unread = "FILLESEFEIL\n\nListen kunne ikke leses fra\nDATS\\datfiles\\fastedit\\destruer.dat!";
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{changed, unread, unread}));
  EXPECT_TRUE(fs::is_directory(FastEditPath("destruer.dat") / "inside"));
}

// The width of the text in the list's font.
int TextWidth(HWND list, const std::string& text) {
  const HDC dc = GetDC(list);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(list, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(list, dc);
  return size.cx;
}

// A phrase wider than the list can be scrolled into view whole: the list's horizontal bar reaches
// across the widest phrase of the category, also after a phrase is added or removed.
TEST_F(QuickEditorTest, TheListScrollsSidewaysAcrossItsWidestPhrase) {
  const std::string longer = "Oppbevares kj\xF8lig, t\xF8rt og godt ventilert, adskilt fra oksiderende stoffer og syrer.";
  const std::string longest = longer + " Beholderen holdes tett lukket.";
  WriteFastEdit("lagring.dat", "Kort.\n" + longer + "\n");
  ASSERT_TRUE(driver.Click(StorageCategoryId));
  const HWND list = GetDlgItem(editor, PhraseListId);
  ASSERT_NE(GetWindowLong(list, GWL_STYLE) & static_cast<LONG>(WS_HSCROLL), 0);
  RECT client{};
  GetClientRect(list, &client);
  ASSERT_GT(TextWidth(list, longer), client.right);
  const auto extent = [&] { return static_cast<int>(SendMessage(list, LB_GETHORIZONTALEXTENT, 0, 0)); };
  EXPECT_EQ(extent(), TextWidth(list, longer) + 4);

  ASSERT_TRUE(driver.Select(PhraseListId, 1));
  ASSERT_TRUE(driver.Type(NewPhraseFieldId, longest));
  ASSERT_TRUE(driver.Click(InsertAfterId));
  EXPECT_EQ(extent(), TextWidth(list, longest) + 4);
  ASSERT_TRUE(driver.Select(PhraseListId, 2));
  ASSERT_TRUE(driver.Click(RemovePhrasesId));
  EXPECT_EQ(extent(), TextWidth(list, longer) + 4);
  // The bar's last position shows the phrase's end.
  int minimum = 0, maximum = 0;
  GetScrollRange(list, SB_HORZ, &minimum, &maximum);
  EXPECT_EQ(maximum, TextWidth(list, longer) + 3);
  EXPECT_TRUE(MessageTexts().empty());
}

TEST_F(QuickEditorTest, TheEditorGoesWithTheSheet) {
  ASSERT_NE(QuickEditWindow.Get(), nullptr);
  ::SetActiveWindow(sheet);
  driver.Pump();
  ASSERT_TRUE(driver.Click(SheetCloseId));
  EXPECT_EQ(QuickEditWindow.Get(), nullptr);
  EXPECT_EQ(SafetyDataSheetWindow.Get(), nullptr);
}

TEST_F(QuickEditorTest, ThePicture) {
  ASSERT_TRUE(driver.Click(FirstAidCategoryId));
  ASSERT_TRUE(driver.Select(PhraseListId, 0));
  ASSERT_TRUE(driver.Type(NewPhraseFieldId, "Ny setning."));
  const std::string path = TAVRIN_OUTPUT_DIR "/plakat.png";
  ASSERT_TRUE(driver.Snapshot(path)) << driver.LastError();
  const std::optional<PngPicture> picture = PngPicture::Read(path);
  ASSERT_TRUE(picture.has_value());
  EXPECT_GT(picture->CountInk({0, 0, picture->Width(), picture->Height()}), 0);
}

}  // namespace
