#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/printing/print_dialog.h"
#include "platform/services/child_process.h"
#include "resources/curve_fit_ids.h"
#include "resources/menu_commands.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/script_steps.h"

namespace {

using namespace steps;

namespace fs = std::filesystem;

// y = 2.1, 3.9, 6.2, 7.8, 10.1 at x = 1..5, by the normal equations worked by hand: mean x 3,
// mean y 6.02, Sxy 19.9, Sxx 10, so B = 1.99 and A = 6.02 - 3 * 1.99 = 0.05; the residuals
// 0.06, -0.13, 0.18, -0.21, 0.10 give SSE 0.107, and Syy 39.708 gives r2 = 1 - 0.107/39.708.
constexpr const char* LineData = "1 2.1, 2 3.9; 3 6.2 4 7.8 5 10.1";
constexpr int LineModelIndex = 2;
constexpr int QuadraticModelIndex = 8;

// One record of a data-set file: name, empty, title, axis texts, ranges, flags, empty, model,
// data, six empty lines, and the separator that closes it.
std::string Record(const std::string& name, const std::string& title, const std::string& model,
                   const std::string& data) {
  return name + "\n\n" + title + "\nX\nY\n0\n0\n0\n0\n00000\n\n" + model + "\n" + data + "\n\n\n\n\n\n\n\\\n";
}

constexpr std::size_t RecordLines = 19;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::string Joined(const SessionResult& result) {
  std::string joined;
  for (const std::string& line : result.lines) joined += "\n" + line;
  return joined;
}

class CurveFitSessionTest : public ::testing::Test {
 protected:
  SessionResult Run(const std::string& language, const std::string& script) {
    folder.WriteSettings(SettingsText(language, "0"));
    return RunSession(folder.Path(), script);
  }
  fs::path DataSetPath(const std::string& name) const {
    return folder.Path() / "dats" / "datfiles" / "atomdata" / name;
  }
  void WriteDataSets(const std::string& name, const std::string& text) const {
    fs::create_directories(DataSetPath(name).parent_path());
    std::ofstream(DataSetPath(name), std::ios::binary) << text;
  }
  std::string ReadDataSets(const std::string& name) const {
    std::ifstream file(DataSetPath(name), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  WorkingFolder folder;
};

TEST_F(CurveFitSessionTest, TypedDataIsFittedAndTheResultsShownInBothLanguages) {
  for (const std::string language : {"47", "44"}) {
    const SessionResult result =
        Run(language, Menu(CurveFitCommand) + Type(CurveDataFieldId, LineData) + Select(ModelListId, LineModelIndex) +
                          Click(CalculateFitId) + Text(FunctionFieldId) + Text(RSquaredFieldId) + Text(SseFieldId) +
                          "key Escape\n");
    ASSERT_EQ(result.exitCode, 0) << language;
    EXPECT_EQ(result.Count(TextLine(FunctionFieldId, "Y = 0.05 + 1.99 * X")), 1) << language;
    EXPECT_EQ(result.Count(TextLine(RSquaredFieldId, "0.997305")), 1) << language;
    EXPECT_EQ(result.Count(TextLine(SseFieldId, "0.107")), 1) << language;
  }
}

TEST_F(CurveFitSessionTest, TheModelListAndCaptionFollowTheLanguage) {
  const struct {
    const char* language;
    const char* caption;
    const char* firstModels;
  } cases[] = {{"47", "KURVETILPASNING", "Beste tilpasning\\tIngen tilpasning\\tY=A+B*X"},
               {"44", "CURVE FIT", "Best fit\\tNo fit\\tY=A+B*X"}};
  for (const auto& c : cases) {
    const SessionResult result = Run(c.language, Menu(CurveFitCommand) + Items(ModelListId) + "window\nkey Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    const auto items = result.LinesStartingWith(Printed("items", ModelListId, ""));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].rfind(ItemsLine(ModelListId, c.firstModels), 0), 0u) << items[0];
    EXPECT_EQ(result.LinesStartingWith(std::string("window: ") + c.caption + ": FUNCPLOT").size(), 1u) << c.language;
  }
}

// A double click loads the data set it lands on; every set here holds the same data, under its own
// name and title.
TEST_F(CurveFitSessionTest, ALoadedDataSetFillsTheFieldsAndIsFitted) {
  std::string file = "\\\n";
  for (int i = 1; i <= 6; ++i)
    file += Record("Calibration " + std::to_string(i), "Absorbance " + std::to_string(i), "4",
                   "1 2.1\a2 3.9\a3 6.2\a4 7.8\a5 10.1");
  WriteDataSets("enplot.dat", file);
  const SessionResult result =
      Run("44", Menu(CurveFitCommand) + Text(DataSetNameId) + DoubleClick(DataSetListId) + Text(DataSetNameId) +
                    Text(TitleFieldId) + Text(FunctionFieldId) + "key Escape\n");
  ASSERT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.lines.size(), 4u) << Joined(result);
  EXPECT_EQ(result.lines[0], TextLine(DataSetNameId, ""));
  const std::string prefix = TextLine(DataSetNameId, "Calibration ");
  ASSERT_EQ(result.lines[1].rfind(prefix, 0), 0u) << result.lines[1];
  const std::string number = result.lines[1].substr(prefix.size());
  EXPECT_EQ(result.lines[2], TextLine(TitleFieldId, "Absorbance " + number));
  EXPECT_EQ(result.lines[3], TextLine(FunctionFieldId, "Y = 0.05 + 1.99 * X"));
}

TEST_F(CurveFitSessionTest, AStoredDataSetKeepsItsFieldsAndDeletingRemovesIt) {
  WriteDataSets("noplot.dat", "\\\n" + Record("Trinn", "To trinn", "1", "0 0\a1 1"));
  const SessionResult stored =
      Run("47", Menu(CurveFitCommand) + Type(DataSetNameId, "\\Kalibrering") + Type(TitleFieldId, "Absorbans") +
                    Type(CurveDataFieldId, LineData) + Select(ModelListId, LineModelIndex) + Click(AddAfterId) +
                    Items(DataSetListId) + Text(DataSetNameId) + "key Escape\n");
  ASSERT_EQ(stored.exitCode, 0);
  EXPECT_EQ(stored.Count(ItemsLine(DataSetListId, "Trinn\\t Kalibrering")), 1);
  EXPECT_EQ(stored.Count(TextLine(DataSetNameId, " Kalibrering")), 1) << "a leading backslash becomes a blank";
  const std::vector<std::string> lines = Lines(ReadDataSets("noplot.dat"));
  ASSERT_EQ(lines.size(), 1u + 2 * (RecordLines + 1)) << "an opening separator and two records";
  const std::string oldRecord = "\\\n" + Record("Trinn", "To trinn", "1", "0 0\a1 1");
  EXPECT_EQ(ReadDataSets("noplot.dat").substr(0, oldRecord.size()), oldRecord);
  const std::size_t first = 1 + RecordLines + 1;
  EXPECT_EQ(lines[first], " Kalibrering");
  EXPECT_EQ(lines[first + 2], "Absorbans");
  EXPECT_EQ(lines[first + 11], "4");
  EXPECT_EQ(lines[first + 12], LineData);
  EXPECT_EQ(lines.back(), "\\");

  const SessionResult deleted = Run("47", Menu(CurveFitCommand) + Select(DataSetListId, 0) + Click(DeleteDataSetId) +
                                              Items(DataSetListId) + "key Escape\n");
  ASSERT_EQ(deleted.exitCode, 0);
  EXPECT_EQ(deleted.Count(ItemsLine(DataSetListId, " Kalibrering")), 1);
  const std::vector<std::string> left = Lines(ReadDataSets("noplot.dat"));
  ASSERT_EQ(left.size(), 1u + RecordLines + 1);
  EXPECT_EQ(left[1], " Kalibrering");
  EXPECT_EQ(left[13], LineData);
}

// A file that is missing, empty, or lacks its opening separator takes its first data set; what the
// file held stays behind the new record, and the list shows both.
TEST_F(CurveFitSessionTest, AFileWithoutItsOpeningSeparatorTakesTheFirstDataSet) {
  const struct {
    bool exists;
    std::string text;
  } cases[] = {{false, ""}, {true, ""}, {true, "notes\n"}};
  for (const auto& c : cases) {
    fs::create_directories(DataSetPath("enplot.dat").parent_path());
    fs::remove(DataSetPath("enplot.dat"));
    if (c.exists) WriteDataSets("enplot.dat", c.text);
    const SessionResult result = Run("44", Menu(CurveFitCommand) + Type(DataSetNameId, "First") + Click(AddBeforeId) +
                                               Items(DataSetListId) + "key Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.Count(ItemsLine(DataSetListId, c.text.empty() ? "First" : "First\\tnotes")), 1)
        << c.text << Joined(result);
    EXPECT_EQ(result.LinesStartingWith("messagebox").size(), 0u) << c.text;
    const std::vector<std::string> lines = Lines(ReadDataSets("enplot.dat"));
    // What the file held is kept after the new set, and the rewrite closes it with its separator.
    const std::string kept = c.text.empty() ? "" : c.text + "\\\n";
    ASSERT_EQ(lines.size(), 1u + RecordLines + 1 + Lines(kept).size()) << c.text;
    EXPECT_EQ(lines[0], "\\");
    EXPECT_EQ(lines[1], "First");
    EXPECT_EQ(lines[RecordLines + 1], "\\");
    EXPECT_TRUE(ReadDataSets("enplot.dat").ends_with(kept)) << c.text;
  }
}

// The choice of the model asks for one fit; the message follows its paint, and the repaint after
// the message closes does not raise it again.
TEST_F(CurveFitSessionTest, TooManyPairsAreFittedAndTheMessageShownOnce) {
  std::string data;
  for (int x = 1; x <= 201; ++x) data += std::to_string(x) + " " + std::to_string(2 * x + 1) + " ";
  const struct {
    const char* language;
    const char* message;
  } cases[] = {{"44", "TOO MANY NUMBERS"}, {"47", "FOR MANGE TALLPAR"}};
  for (const auto& c : cases) {
    const SessionResult result =
        Run(c.language, Menu(CurveFitCommand) + Type(CurveDataFieldId, data) + Select(ModelListId, LineModelIndex) +
                            Text(FunctionFieldId) + "key Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.LinesStartingWith(std::string("messagebox: TAVRIN: ") + c.message).size(), 1u) << c.language;
    EXPECT_EQ(result.Count(TextLine(FunctionFieldId, "Y = 1 + 2 * X")), 1) << c.language;
  }
}

// X values near 1E200 pass the number check, but their squares overflow the quadratic's sums: no
// fit is shown, and the message says why, once, after the paint.
TEST_F(CurveFitSessionTest, DataWhoseSumsOverflowGiveTheOverflowMessageOnceAndNoFit) {
  const struct {
    const char* language;
    const char* message;
  } cases[] = {{"44", "NUMBER OVERFLOW\\n\\nThe fit of these data goes beyond the range of numbers!"},
               {"47",
                "TALLOVERFLYT\\n\\nTilpasningen av disse dataene g\xC3\xA5r utenfor tallomr\xC3\xA5"
                "det!"}};
  for (const auto& c : cases) {
    const SessionResult result =
        Run(c.language, Menu(CurveFitCommand) + Type(CurveDataFieldId, "1E200 1 2E200 5 3E200 2 4E200 7") +
                            Select(ModelListId, QuadraticModelIndex) + Text(FunctionFieldId) + Text(RSquaredFieldId) +
                            Text(SseFieldId) + "key Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.LinesStartingWith("messagebox").size(), 1u) << c.language << Joined(result);
    EXPECT_EQ(result.Count(std::string("messagebox: TAVRIN: ") + c.message), 1) << c.language << Joined(result);
    for (int id : {FunctionFieldId, RSquaredFieldId, SseFieldId}) {
      EXPECT_EQ(result.Count(TextLine(id, "")), 1) << c.language << " " << id;
    }
  }
}

// Refused data keeps the results of the last fit, and the message says which number of which pair
// was refused and why, in the language.
TEST_F(CurveFitSessionTest, RefusedDataKeepsTheResultsAndSaysWhy) {
  const struct {
    const char* language;
    const char* data;
    const char* message;
  } cases[] = {
      {"44", "1 2E+1 3 4",
       "INVALID DATA\\n\\nPair 1, Y: \"2E+1\"\\nWrite the exponent without a plus sign: 2E1\\n\\nNothing was fitted."},
      {"47", "1,5 2 3 4",
       "UGYLDIGE DATA\\n\\nTallpar 1, X: \"1,5\"\\nSkriv desimaltegnet som punktum: 1.5\\nog skill tallene med "
       "mellomrom.\\n\\nIngenting ble tilpasset."},
      {"44", "Time Value 1 2 3 4", "INVALID DATA\\n\\nPair 1, X: \"e\"\\nis not a number.\\n\\nNothing was fitted."},
  };
  for (const auto& c : cases) {
    const SessionResult result =
        Run(c.language, Menu(CurveFitCommand) + Type(CurveDataFieldId, LineData) + Select(ModelListId, LineModelIndex) +
                            Type(CurveDataFieldId, c.data) + Click(CalculateFitId) + Text(FunctionFieldId) +
                            Text(RSquaredFieldId) + Text(SseFieldId) + "key Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.LinesStartingWith("messagebox").size(), 1u) << c.data << Joined(result);
    EXPECT_EQ(result.Count(std::string("messagebox: TAVRIN: ") + c.message), 1) << c.data << Joined(result);
    EXPECT_EQ(result.Count(TextLine(FunctionFieldId, "Y = 0.05 + 1.99 * X")), 1) << c.data;
    EXPECT_EQ(result.Count(TextLine(RSquaredFieldId, "0.997305")), 1) << c.data;
    EXPECT_EQ(result.Count(TextLine(SseFieldId, "0.107")), 1) << c.data;
  }
}

// A typed range that is no finite number is named in the illegal-number message, at "Beregn" and at
// an option's click: nothing is fitted again, the typed text stays, and the other ranges and the
// function keep what the last fit showed. An ordinary range is taken as before.
TEST_F(CurveFitSessionTest, ATypedRangeThatIsNoNumberIsRefusedAndKept) {
  const std::string english = "ILLEGAL NUMBER\\n\\nIllegal number or erroneous\\nuse of number field!\\n\\n";
  const std::string norwegian =
      "TALLFEIL\\n\\nTAVRIN har registrert ugyldige tall\\neller feilaktig bruk av tallfelt!\\n\\n";
  const struct {
    const char* language;
    int field;
    const char* typed;
    std::string message;  // empty: the range is taken
  } cases[] = {
      {"44", XMaxFieldId, "abc", english + "X max"},    {"44", YMinFieldId, "1e999", english + "Y min"},
      {"44", XMinFieldId, "-1e999", english + "X min"}, {"44", XMaxFieldId, "12,5", english + "X max"},
      {"44", YMaxFieldId, "inf", english + "Y max"},    {"47", YMaxFieldId, "nan", norwegian + "Y max"},
      {"44", XMaxFieldId, "12.5", ""},
  };
  const int rangeIds[] = {XMinFieldId, XMaxFieldId, YMinFieldId, YMaxFieldId};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.typed);
    std::string readAll;
    for (int id : rangeIds) readAll += Text(id);
    readAll += Text(FunctionFieldId);
    const SessionResult result =
        Run(c.language, Menu(CurveFitCommand) + Type(CurveDataFieldId, LineData) + Select(ModelListId, LineModelIndex) +
                            readAll + Type(c.field, c.typed) + Click(CalculateFitId) + Click(GridId) + readAll +
                            "key Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    const std::vector<std::string> boxes = result.LinesStartingWith("messagebox");
    if (c.message.empty()) {
      EXPECT_TRUE(boxes.empty()) << Joined(result);
      EXPECT_EQ(result.Count(TextLine(c.field, c.typed)), 1) << Joined(result);
      continue;
    }
    EXPECT_EQ(boxes, std::vector<std::string>(2, "messagebox: TAVRIN: " + c.message)) << Joined(result);
    EXPECT_EQ(result.Count(TextLine(c.field, c.typed)), 1) << Joined(result);
    for (int id : rangeIds) {
      if (id == c.field) continue;
      const std::vector<std::string> shown = result.LinesStartingWith("text " + std::to_string(id) + ":");
      ASSERT_EQ(shown.size(), 2u) << id;
      EXPECT_EQ(shown[0], shown[1]) << id;
    }
    EXPECT_EQ(result.Count(TextLine(FunctionFieldId, "Y = 0.05 + 1.99 * X")), 2) << Joined(result);
  }
}

// The settings as shipped choose the best fit: "Beregn" on typed data shows a fitted function.
TEST_F(CurveFitSessionTest, TheShippedSettingsFitTheBestModel) {
  fs::copy_file(fs::path(TAVRIN_SOURCE_DIR) / "dats" / "tavrpar.dat", folder.SettingsPath(),
                fs::copy_options::overwrite_existing);
  const SessionResult result =
      RunSession(folder.Path(), Menu(CurveFitCommand) + Items(ModelListId) + Type(CurveDataFieldId, "1 3 2 5 3 7") +
                                    Click(CalculateFitId) + Text(FunctionFieldId) + "key Escape\n");
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.Count(TextLine(FunctionFieldId, "Y = 1 + 2 * X")), 1) << Joined(result);
}

// The print button prints the plot of the last paint with its texts and function to a PDF file
// chosen in the print dialog.
TEST_F(CurveFitSessionTest, ThePrintedPageHoldsTheTextsAndTheFunction) {
  const fs::path pdf = folder.Path() / "plot.pdf";
  const SessionResult result =
      Run("44", Menu(CurveFitCommand) + Type(TitleFieldId, "Calibration") + Type(XAxisFieldId, "Concentration") +
                    Type(YAxisFieldId, "Absorbance") + Type(CurveDataFieldId, LineData) +
                    Select(ModelListId, LineModelIndex) + Click(CalculateFitId) + Click(PrintPlotId) +
                    Select(PrintDestinationId, 0) + Type(PdfFileNameId, pdf.string()) + Click(IDOK) + "key Escape\n");
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.LinesStartingWith("messagebox").size(), 0u);
  ASSERT_TRUE(fs::exists(pdf));
  using namespace std::chrono_literals;
  const ProgramRun text = RunProgram({"pdftotext", "-raw", pdf.string(), "-"}, 30s);
  ASSERT_TRUE(text.finished);
  for (const char* expected : {"Calibration", "Concentration", "Absorbance", "Y = 0.05 + 1.99 * X"})
    EXPECT_NE(text.output.find(expected), std::string::npos) << expected << " in " << text.output;
}

// Pictures of the window with a fitted line, one a language, for a look at the layout (written to
// the build folder, never compared).
TEST_F(CurveFitSessionTest, SnapshotsOfTheWindowWithAFit) {
  for (const std::string language : {"47", "44"}) {
    const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / ("funcplot_" + language + ".png");
    fs::remove(picture);
    const SessionResult result =
        Run(language, Menu(CurveFitCommand) + Type(TitleFieldId, "Calibration") + Type(XAxisFieldId, "c (mg/L)") +
                          Type(YAxisFieldId, "A") + Type(CurveDataFieldId, LineData) +
                          Select(ModelListId, LineModelIndex) + Click(GridId) + Click(FrameId) + Click(CalculateFitId) +
                          "snapshot " + picture.string() + "\nkey Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_TRUE(fs::exists(picture));
  }
}

}  // namespace
