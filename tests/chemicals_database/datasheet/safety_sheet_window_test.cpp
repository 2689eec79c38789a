#include <algorithm>
#include <fstream>

#include "chemicals_database/database_group.h"
#include "chemicals_database/safety_sheet_window.h"
#include "chemicals_database/chemicals_database_window.h"
#include "chemicals_database/quick_edit_window.h"
#include "chemicals_database/model/database_engine.h"
#include "platform/win/control_constants.h"
#include "platform/win/window_api.h"
#include "resources/chemicals_database_ids.h"
#include "resources/safety_sheet_ids.h"
#include "tests/chemicals_database/datasheet/safety_window_fixture.h"
#include "tests/support/png_picture.h"

namespace {

// Field of each section, section 1 first.
const int SectionFields[] = {HealthInstructionsFieldId, RiskPhrasesFieldId, SafetyPhrasesFieldId, HealthHazardFieldId,
                             FireHazardFieldId,         FirstAidFieldId,    PreventiveMeasuresFieldId, StorageFieldId,
                             DisposalFieldId,           OtherFieldId};

using SafetyDataSheetTest = SafetyWindowTest;

TEST_F(SafetyDataSheetTest, OpeningShowsTheSectionsAndADeactivationWritesThemBackWithTenBars) {
  SafetyDataText = "instr|risk|safe|health\r\nline two|fire|aid|prevent|store|waste|other|";
  const HWND sheet = OpenSheet();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(FieldText(sheet, HealthInstructionsFieldId), "instr");
  EXPECT_EQ(FieldText(sheet, HealthHazardFieldId), "health\r\nline two");
  EXPECT_EQ(FieldText(sheet, OtherFieldId), "other");
  EXPECT_EQ(SafetySheetState, SafetySheetIdle);
  ActivateFrame();
  EXPECT_EQ(SafetyDataText, "instr|risk|safe|health\r\nline two|fire|aid|prevent|store|waste|other|");
  EXPECT_EQ(SafetyTextWarning, 0);
}

// A record with three sections after one with ten: the later sections are emptied, so that the
// previous record's text cannot reach the next store.
TEST_F(SafetyDataSheetTest, ARecordWithFewerSectionsEmptiesTheRest) {
  SafetyDataText = "1|2|3|4|5|6|7|8|9|10|";
  const HWND sheet = OpenSheet();
  ActivateFrame();  // the user goes back to the database window and steps to the next record
  SafetyDataText = "one|two|three";
  SafetySheetState = SafetySheetFillFields;
  ShowSafetyDataSheetWindow(Frame());  // the database window's refresh
  driver.Pump();
  SafetySheetState = SafetySheetIdle;
  std::vector<std::string> shown;
  for (int id : SectionFields) shown.push_back(FieldText(sheet, id));
  EXPECT_EQ(shown, (std::vector<std::string>{"one", "two", "three", "", "", "", "", "", "", ""}));
  ActivateFrame();
  EXPECT_EQ(SafetyDataText, "one|two|three||||||||");
}

TEST_F(SafetyDataSheetTest, ABlankTextEmptiesEverySection) {
  SafetyDataText = "1|2|3|4|5|6|7|8|9|10|";
  const HWND sheet = OpenSheet();
  ActivateFrame();
  SafetyDataText = "    ";
  SafetySheetState = SafetySheetFillFields;
  ShowSafetyDataSheetWindow(Frame());
  driver.Pump();
  for (int id : SectionFields) EXPECT_EQ(FieldText(sheet, id), "") << id;
}

TEST_F(SafetyDataSheetTest, ATypedBarBecomesAHashInTheTextAndStaysOnTheScreen) {
  const HWND sheet = OpenSheet();
  ASSERT_TRUE(driver.Type(StorageFieldId, "kaldt|t\xF8rt")) << driver.LastError();
  ActivateFrame();
  EXPECT_EQ(SafetyDataText, "|||||||kaldt#t\xF8rt|||");
  EXPECT_EQ(SafetyTextWarning, SafetyTextBarsReplaced);
  EXPECT_EQ(FieldText(sheet, StorageFieldId), "kaldt|t\xF8rt");
}

// A section that makes the text too long is left out of it and warned about, but stays on the
// screen, so the user loses nothing by switching windows.
TEST_F(SafetyDataSheetTest, AnOverLongSectionIsLeftOutButKeptOnTheScreen) {
  const HWND sheet = OpenSheet();
  const std::string long1(2000, 'a');
  const std::string long2(2000, 'b');
  SetFieldText(sheet, FirstAidFieldId, long1);
  SetFieldText(sheet, PreventiveMeasuresFieldId, long2 + "|");
  SetFieldText(sheet, OtherFieldId, "kort");
  ActivateFrame();
  EXPECT_EQ(SafetyDataText, "|||||" + long1 + "||||kort|");
  EXPECT_EQ(SafetyTextWarning, SafetyTextBothWarnings);
  EXPECT_EQ(FieldText(sheet, PreventiveMeasuresFieldId), long2 + "|");
}

TEST_F(SafetyDataSheetTest, TemplatesAndClearingGoStraightIntoTheText) {
  OpenSheet();
  ASSERT_TRUE(driver.Click(InsertTemplatesId));
  EXPECT_EQ(SafetyDataText,
            "|||GENERELT> \xD8YE> SVELGING> INN\xC5NDING> HUDKONTAKT>||\xD8YE> SVELGING> INN\xC5NDING> HUDKONTAKT>|||"
            "AVFALLSGRUPPE> SPILL/S\xD8L>||");
  ASSERT_TRUE(driver.Click(ClearSectionsId));
  EXPECT_EQ(SafetyDataText, "||||||||||");
}

TEST_F(SafetyDataSheetTest, HazardClassesAreStoredByCodeAndSelectedBack) {
  HealthHazardCode = "Tx";
  FireHazardCode = "F";
  OpenSheet();
  EXPECT_EQ(driver.Text(HealthClassListId), "T+-Meget giftig");
  EXPECT_EQ(driver.Text(FireClassListId), "F-Meget brannfarlig");
  EXPECT_EQ(driver.Text(EnvironmentClassListId), "Ingen");
  ASSERT_TRUE(driver.Select(HealthClassListId, 4)) << driver.LastError();
  EXPECT_EQ(HealthHazardCode, "Xn");
  ASSERT_TRUE(driver.Select(FireClassListId, 3));
  EXPECT_EQ(FireHazardCode, "Fx");
  ASSERT_TRUE(driver.Select(HealthClassListId, 1));
  EXPECT_EQ(HealthHazardCode, "Tx");
  ASSERT_TRUE(driver.Select(EnvironmentClassListId, 1));
  EXPECT_EQ(EnvironmentHazardCode, "N");
  ASSERT_TRUE(driver.Select(EnvironmentClassListId, 0));
  EXPECT_EQ(EnvironmentHazardCode, "");
}

TEST_F(SafetyDataSheetTest, AMissingClassFileLeavesItsListEmpty) {
  std::filesystem::remove(FastEditPath("fsymiljo.dat"));
  OpenSheet();
  EXPECT_EQ(driver.Items(EnvironmentClassListId), std::vector<std::string>{});
  EXPECT_EQ(driver.Items(HealthClassListId)->size(), 6u);
}

TEST_F(SafetyDataSheetTest, OneSheetAtATimeClosedByLukkAndMadeAgain) {
  const HWND first = OpenSheet();
  EXPECT_EQ(OpenSheet(), first);
  ASSERT_TRUE(driver.Click(SheetCloseId));
  EXPECT_EQ(SafetyDataSheetWindow.Get(), nullptr);
  EXPECT_EQ(SafetySheetState, SafetySheetClosed);
  EXPECT_NE(OpenSheet(), nullptr);
}

TEST_F(SafetyDataSheetTest, ThePicture) {
  SafetyDataText =
      "Kontakt Giftinformasjonen.|H225 Meget brannfarlig v\xE6ske og damp. |P210 Holdes vekk fra varme. |"
      "GENERELT> Helseskadelig.|Meget brannfarlig.|\xD8YE> Skyll med vann.|Avtrekk.|Kj\xF8lig.|Farlig avfall.|Annet.|";
  HealthHazardCode = "Xn";
  FireHazardCode = "F";
  OpenSheet();
  const std::string path = TAVRIN_OUTPUT_DIR "/datablad.png";
  ASSERT_TRUE(driver.Snapshot(path)) << driver.LastError();
  const std::optional<PngPicture> picture = PngPicture::Read(path);
  ASSERT_TRUE(picture.has_value());
  EXPECT_GT(picture->Width(), picture->Height());  // 362 x 263 dialog units
  EXPECT_GT(picture->CountInk({0, 0, picture->Width(), picture->Height()}), 0);
}

}  // namespace

namespace {

// The sheet and the quick editor beside the real database window.
class SheetWithDatabaseTest : public SafetyWindowTest {
 protected:
  // The user moves a window off the database window, so that its buttons can be clicked.
  static void MoveBelow(HWND database, HWND window) {
    RECT rect{};
    ::GetWindowRect(database, &rect);
    ::SetWindowPos(window, nullptr, rect.left, rect.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }

  SheetWithDatabaseTest() {
    namespace fs = std::filesystem;
    fs::create_directories(folder.Path() / "dats" / "datfiles" / "kjemikal");
    std::ofstream(folder.Path() / "dats" / "opendats.dat", std::ios::binary) << "dats\\datfiles\\kjemikal\\a???.dat\n*\n";
    std::string records;
    for (const char* text : {"en|to|tre|fire|fem|seks|sju|\xE5tte|ni|ti|", "one|two"}) {
      records += "\\\n";
      for (int line = 2; line <= 200; ++line) records += std::string(line == 199 ? text : "") + "\n";
    }
    std::ofstream(folder.Path() / "dats" / "datfiles" / "kjemikal" / "a047.dat", std::ios::binary) << records << "\\\n";
  }
};

// After a step in the database window the open sheet shows the new record: a record with two
// sections leaves the later ones empty. Closing the database window takes the sheet and the quick
// editor with it.
TEST_F(SheetWithDatabaseTest, TheOpenSheetFollowsTheRecordAndGoesWithTheDatabaseWindow) {
  HWND database = nullptr;
  std::vector<std::string> storage;
  driver.Then([&] {
    database = ::GetActiveWindow();
    EXPECT_TRUE(driver.Click(10058)) << driver.LastError();  // "Vise risiko/sikkerhet"
  });
  driver.Then([&] {
    storage.push_back(FieldText(SafetyDataSheetWindow.Get()->m_hWnd, StorageFieldId));
    EXPECT_TRUE(driver.Click(QuickEditButtonId));
  });
  driver.Then([&] {
    EXPECT_NE(QuickEditWindow.Get(), nullptr);
    MoveBelow(database, SafetyDataSheetWindow.Get()->m_hWnd);
    MoveBelow(database, QuickEditWindow.Get()->m_hWnd);
    ::SetActiveWindow(database);
  });
  driver.Then([&] { EXPECT_TRUE(driver.Click(10076)) << driver.LastError(); });  // ">"
  driver.Then([&] {
    EXPECT_EQ(::GetActiveWindow(), SafetyDataSheetWindow.Get()->m_hWnd);
    storage.push_back(FieldText(SafetyDataSheetWindow.Get()->m_hWnd, StorageFieldId));
    storage.push_back(FieldText(SafetyDataSheetWindow.Get()->m_hWnd, RiskPhrasesFieldId));
    ::SetActiveWindow(database);
  });
  driver.Then([&] { EXPECT_TRUE(driver.Click(2)); });  // "Lukk" of the database window
  OpenChemicalsDatabaseDialog(Frame());
  EXPECT_EQ(storage, (std::vector<std::string>{"\xE5tte", "", "two"}));
  EXPECT_EQ(SafetyDataSheetWindow.Get(), nullptr);
  EXPECT_EQ(QuickEditWindow.Get(), nullptr);
  EXPECT_EQ(SafetySheetState, SafetySheetClosed);
}

}  // namespace

namespace {

// The user's click on a button of a window that is not active: the click activates that window,
// so the sheet writes its fields back, and then presses the button.
void ClickInactive(TestDriver& driver, HWND window, int id) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(window, id), &rect);
  driver.ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

// A text too long for the record: "Lagre" asks whether to store without the section that does not
// fit. Until the user has answered, and after No, the sheet still shows every character typed;
// after Yes it shows what was stored.
TEST_F(SheetWithDatabaseTest, AnOverLongSectionStaysOnTheScreenUntilTheUserHasChosen) {
  const std::string long1(2000, 'a');
  const std::string long2(2000, 'b');
  for (const int answer : {IDNO, IDYES}) {
    SCOPED_TRACE(answer == IDNO ? "No" : "Yes");
    HWND database = nullptr;
    std::vector<std::string> duringQuestion;
    std::string afterAnswer;
    driver.Then([&] {
      database = ::GetActiveWindow();
      EXPECT_TRUE(driver.Click(10058)) << driver.LastError();  // "Vise risiko/sikkerhet"
    });
    driver.Then([&] {
      const HWND sheet = SafetyDataSheetWindow.Get()->m_hWnd;
      MoveBelow(database, sheet);
      SetFieldText(sheet, FirstAidFieldId, long1);
      SetFieldText(sheet, PreventiveMeasuresFieldId, long2);
      driver.OnMessageBox([&, sheet](const MessageBoxRecord&) {
        duringQuestion.push_back(FieldText(sheet, PreventiveMeasuresFieldId));
      });
      driver.Answer(answer);
      ClickInactive(driver, database, StoreRecordId);
    });
    driver.Then([&] {
      afterAnswer = FieldText(SafetyDataSheetWindow.Get()->m_hWnd, PreventiveMeasuresFieldId);
      driver.OnMessageBox({});
      ::SetActiveWindow(database);
    });
    driver.Then([&] { EXPECT_TRUE(driver.Click(2)); });  // "Lukk" of the database window
    OpenChemicalsDatabaseDialog(Frame());
    ASSERT_FALSE(driver.MessageBoxes().empty());
    EXPECT_NE(driver.MessageBoxes().back().text.find("TEKSTOVERSKRIDELSE"), std::string::npos);
    EXPECT_EQ(duringQuestion, std::vector<std::string>{long2});
    EXPECT_EQ(afterAnswer, answer == IDNO ? long2 : "");
  }
}

}  // namespace
