// Printing as the program prints: the print dialog, then the printer DC's escapes and drawing.
// The pages are read back with poppler's tools; the print system is played by stand-ins for
// lpstat and lp.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/services/child_process.h"
#include "tests/platform/services/fake_programs.h"
#include "platform/gdi/gdi_api.h"
#include "platform/printing/print_dialog.h"
#include "platform/testing/test_driver.h"
#include "platform/win/window_api.h"

namespace {

using namespace std::chrono_literals;

constexpr DWORD ProgramsFlags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;

// A grey picture of a page, as pdftoppm renders it.
struct Greymap {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  int At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

std::optional<Greymap> Render(const std::filesystem::path& pdf, int dotsPerInch) {
  const std::filesystem::path stem = pdf.parent_path() / "page";
  const ProgramRun run = RunProgram(
      {"pdftoppm", "-gray", "-r", std::to_string(dotsPerInch), "-singlefile", pdf.string(), stem.string()}, 30s);
  if (!run.finished || run.exitCode != 0) return std::nullopt;
  std::ifstream file(stem.string() + ".pgm", std::ios::binary);
  std::string magic;
  int maximum = 0;
  Greymap map;
  file >> magic >> map.width >> map.height >> maximum;
  file.get();
  if (magic != "P5" || maximum != 255) return std::nullopt;
  map.pixels.resize(static_cast<size_t>(map.width) * map.height);
  file.read(reinterpret_cast<char*>(map.pixels.data()), static_cast<std::streamsize>(map.pixels.size()));
  return map;
}

std::string TextOf(const std::filesystem::path& pdf) {
  return RunProgram({"pdftotext", "-raw", pdf.string(), "-"}, 30s).output;
}

// Records what reaches it, in place of a real destination.
class KeptPages : public PrintDestination {
 public:
  explicit KeptPages(std::vector<std::string>* kept) : kept_(kept) {}
  bool Deliver(const std::string& pdf, const std::string& title) override {
    kept_->push_back(title + ":" + pdf.substr(0, 5));
    return true;
  }

 private:
  std::vector<std::string>* kept_;
};

class PrintingTest : public ::testing::Test {
 protected:
  PrintingTest() {
    home_ = fakes.Folder() / "home";
    std::filesystem::create_directories(home_);
    const char* home = std::getenv("HOME");
    oldHome_ = home == nullptr ? "" : home;
    setenv("HOME", home_.c_str(), 1);
    // Two printers, the second the default; lp keeps a copy of what it was given.
    fakes.Add("lpstat",
              "case \"$1\" in -e) printf 'office\\nlab\\n';; -d) echo 'system default destination: lab';; esac");
    fakes.Add("lp", "cp \"$5\" '" + (fakes.Folder() / "sent.pdf").string() + "'");
  }
  ~PrintingTest() override {
    setenv("HOME", oldHome_.c_str(), 1);
    for (HWND window : TopLevelWindows()) DestroyWindow(window);
    driver.Pump();
  }

  // Runs the print dialog as the program opens it, with the steps given for it; the dialog's DC,
  // or null.
  HDC Choose(const std::vector<std::function<void()>>& steps, int* result = nullptr, HWND owner = nullptr) {
    for (const auto& step : steps) driver.Then(step);
    CPrintDialog dialog(FALSE, ProgramsFlags, nullptr);
    dialog.m_pd.hwndOwner = owner;
    dialog.m_pd.Flags |= PD_RETURNDC;
    const int answer = dialog.DoModal();
    if (result != nullptr) *result = answer;
    EXPECT_EQ(answer == IDOK, dialog.m_pd.hDC != nullptr);
    EXPECT_EQ(GlobalFree(dialog.m_pd.hDevMode), nullptr);
    EXPECT_EQ(GlobalFree(dialog.m_pd.hDevNames), nullptr);
    return dialog.m_pd.hDC;
  }
  std::function<void()> Click(int id) {
    return [this, id] { EXPECT_TRUE(driver.Click(id)) << driver.LastError(); };
  }
  std::function<void()> Destination(int index) {
    return [this, index] { EXPECT_TRUE(driver.Select(PrintDestinationId, index)) << driver.LastError(); };
  }
  std::function<void()> FileName(const std::string& name) {
    return [this, name] { EXPECT_TRUE(driver.Type(PdfFileNameId, name)) << driver.LastError(); };
  }
  // Prints one line of text on one page and ends the document; what ENDDOC returned.
  static int PrintLine(HDC dc, const char* text) {
    EXPECT_GT(Escape(dc, STARTDOC, 8, "Test-Doc", nullptr), 0);
    TextOutA(dc, 100, 100, text, -1);
    EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    return Escape(dc, ENDDOC, 0, nullptr, nullptr);
  }

  FakePrograms fakes;
  TestDriver driver;
  std::filesystem::path home_;
  std::string oldHome_;
};

TEST_F(PrintingTest, TheDialogOffersAPdfFileAndThePrintersWithTheDefaultChosen) {
  std::optional<std::string> caption;
  std::optional<std::vector<std::string>> destinations;
  std::optional<std::string> chosen;
  std::optional<std::string> file;
  bool fileNameOpen = true;
  bool fileNameOpenForPdf = false;
  int result = 0;
  const HWND owner = CreateWindowEx(0, "STATIC", "Curve fit", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
  HWND shownOwner = nullptr;
  bool ownerEnabled = true;
  Choose({[&] {
            shownOwner = GetWindow(GetActiveWindow(), GW_OWNER);
            ownerEnabled = IsWindowEnabled(owner) != FALSE;
            caption = driver.WindowCaption();
            destinations = driver.Items(PrintDestinationId);
            chosen = driver.Text(PrintDestinationId);
            file = driver.Text(PdfFileNameId);
            fileNameOpen = IsWindowEnabled(driver.FindControl(PdfFileNameId)) != FALSE;
          },
          Destination(0), [&] { fileNameOpenForPdf = IsWindowEnabled(driver.FindControl(PdfFileNameId)) != FALSE; },
          Click(IDCANCEL)},
         &result, owner);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(shownOwner, owner) << "the program's window owns the dialog";
  EXPECT_FALSE(ownerEnabled) << "and takes no input while it is open";
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(caption, "Print");
  EXPECT_EQ(destinations, (std::vector<std::string>{"PDF file", "office", "lab"}));
  EXPECT_EQ(chosen, "lab");
  EXPECT_EQ(file, (home_ / "tavrin-print.pdf").string());
  EXPECT_FALSE(fileNameOpen) << "a printer needs no file name";
  EXPECT_TRUE(fileNameOpenForPdf);
}

TEST_F(PrintingTest, WithoutAPrintSystemOnlyThePdfFileIsOffered) {
  fakes.Add("lpstat", "echo 'lpstat: No destinations added.' >&2; exit 1");
  std::optional<std::vector<std::string>> destinations;
  std::optional<std::string> chosen;
  HDC dc = Choose({[&] {
                     destinations = driver.Items(PrintDestinationId);
                     chosen = driver.Text(PrintDestinationId);
                   },
                   Click(IDOK)});
  EXPECT_EQ(destinations, std::vector<std::string>{"PDF file"});
  EXPECT_EQ(chosen, "PDF file");
  ASSERT_NE(dc, nullptr);
  EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(PrintingTest, APrintedPageHasItsLinesEllipsesAndTextWhereTheyWereDrawn) {
  HDC dc = Choose({Destination(0), Click(IDOK)});
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 2480);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES) / 500, 4) << "the plot's scale on this page";
  EXPECT_GT(Escape(dc, STARTDOC, 8, "Test-Doc", nullptr), 0);
  // A line three dots thick, drawn in passes as the plot draws them, from x 400 to 2000 at y 1200.
  for (int pass = 0; pass < 3; ++pass) {
    MoveToEx(dc, 400, 1200 + pass, nullptr);
    LineTo(dc, 2000, 1200 + pass);
  }
  HPEN thick = CreatePen(PS_SOLID, 8, RGB(0, 0, 0));
  HGDIOBJ thin = SelectObject(dc, thick);
  Ellipse(dc, 1000, 2000, 1400, 2400);
  SelectObject(dc, thin);
  EXPECT_TRUE(DeleteObject(thick));
  HFONT title = CreateFontA(34 * 4, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Times New Roman");
  HGDIOBJ previous = SelectObject(dc, title);
  TextOutA(dc, 4, 0, "Titration curve \xE6", -1);
  HFONT turned = CreateFontA(20 * 4, 0, 900, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Times New Roman");
  SelectObject(dc, turned);
  TextOutA(dc, 112, 980, "Volume", -1);
  SelectObject(dc, previous);
  EXPECT_TRUE(DeleteObject(title));
  EXPECT_TRUE(DeleteObject(turned));
  EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
  EXPECT_GT(Escape(dc, ENDDOC, 0, nullptr, nullptr), 0);
  EXPECT_TRUE(DeleteDC(dc));

  const std::filesystem::path pdf = home_ / "tavrin-print.pdf";
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home_), std::filesystem::directory_iterator()), 1)
      << "nothing is left beside the file";
  const std::string text = TextOf(pdf);
  EXPECT_NE(text.find("Titration curve \xC3\xA6"), std::string::npos) << text;
  EXPECT_NE(text.find("Volume"), std::string::npos) << text;
  // At 75 dots per inch a page dot is a quarter of a picture's pixel.
  const std::optional<Greymap> page = Render(pdf, 75);
  ASSERT_TRUE(page.has_value());
  EXPECT_EQ(page->width, 620);
  EXPECT_EQ(page->height, 877);
  for (int x = 110; x < 490; x += 20) {
    EXPECT_LT(page->At(x, 300), 128) << "the line at x " << x;
    EXPECT_GT(page->At(x, 297), 200) << "above the line at x " << x;
    EXPECT_GT(page->At(x, 303), 200) << "below the line at x " << x;
  }
  EXPECT_GT(page->At(90, 300), 200) << "the line starts at x 400";
  EXPECT_GT(page->At(510, 300), 200) << "the line ends at x 2000";
  // The ellipse, from (250, 500) to (350, 600) in the picture, with an outline two pixels wide.
  EXPECT_LT(page->At(250, 550), 128) << "the ellipse's left edge";
  EXPECT_LT(page->At(300, 599), 128) << "the ellipse's bottom edge";
  EXPECT_GT(page->At(300, 550), 200) << "inside the ellipse";
  EXPECT_GT(page->At(248, 550), 200) << "outside the ellipse";
  int turnedInk = 0;
  int levelInk = 0;
  for (int y = 150; y < 245; ++y) {
    for (int x = 28; x < 48; ++x) turnedInk += page->At(x, y) < 128 ? 1 : 0;
  }
  for (int y = 230; y < 245; ++y) {
    for (int x = 60; x < 200; ++x) levelInk += page->At(x, y) < 128 ? 1 : 0;
  }
  EXPECT_GT(turnedInk, 40) << "the turned text runs up from its start";
  EXPECT_EQ(levelInk, 0) << "and not across";
}

TEST_F(PrintingTest, APageForAPrinterGoesToItsQueueWithLp) {
  HDC dc = Choose({Click(IDOK)});
  ASSERT_NE(dc, nullptr);
  EXPECT_GT(PrintLine(dc, "Sent to lab"), 0);
  DeleteDC(dc);
  const std::vector<std::string> arguments = fakes.Arguments("lp");
  ASSERT_EQ(arguments.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(arguments.begin(), arguments.begin() + 4),
            (std::vector<std::string>{"-d", "lab", "-t", "Test-Doc"}));
  EXPECT_FALSE(std::filesystem::exists(arguments[4])) << "the file lp was given is removed after";
  EXPECT_NE(TextOf(fakes.Folder() / "sent.pdf").find("Sent to lab"), std::string::npos);
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(PrintingTest, ThePdfFileIsWhereTheUserNamedIt) {
  std::filesystem::create_directories(home_ / "plots");
  std::filesystem::create_directories(fakes.Folder() / "elsewhere");
  const struct {
    std::string typed;
    std::filesystem::path written;
  } cases[] = {
      {"~/plots/fit.pdf", home_ / "plots" / "fit.pdf"},
      {"  titration.pdf ", home_ / "titration.pdf"},
      {(fakes.Folder() / "elsewhere" / "s\xF8k.pdf").string(), fakes.Folder() / "elsewhere" / "s\xC3\xB8k.pdf"},
  };
  for (const auto& each : cases) {
    HDC dc = Choose({Destination(0), FileName(each.typed), Click(IDOK)});
    ASSERT_NE(dc, nullptr) << each.typed;
    EXPECT_GT(PrintLine(dc, "Named"), 0);
    DeleteDC(dc);
    EXPECT_NE(TextOf(each.written).find("Named"), std::string::npos) << each.written;
  }
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(PrintingTest, AFileThatExistsIsReplacedOnlyWhenTheUserSaysSo) {
  const std::filesystem::path file = home_ / "tavrin-print.pdf";
  std::ofstream(file) << "the user's own";
  int result = 0;
  HDC dc = Choose({Destination(0), [&] { driver.Answer(IDNO); }, Click(IDOK), Click(IDCANCEL)}, &result);
  EXPECT_EQ(dc, nullptr);
  EXPECT_EQ(result, IDCANCEL);
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver.MessageBoxes()[0].text, file.string() + " exists already.\nReplace it?");
  std::ifstream kept(file);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), std::istreambuf_iterator<char>()), "the user's own");
  dc = Choose({Destination(0), [&] { driver.Answer(IDYES); }, Click(IDOK)});
  ASSERT_NE(dc, nullptr);
  EXPECT_GT(PrintLine(dc, "Replaced"), 0);
  DeleteDC(dc);
  EXPECT_NE(TextOf(file).find("Replaced"), std::string::npos);
}

TEST_F(PrintingTest, AFailedDeliveryIsReportedToTheProgramAndTheUser) {
  const struct {
    const char* lp;  // the stand-in's commands; null: no lp at all
    bool pdfFile;
    const char* told;
  } cases[] = {
      {"echo 'lp: The printer or class does not exist.' >&2; exit 1", false,
       "The page could not be sent to the printer lab:\nlp: The printer or class does not exist."},
      {"exit 5", false, "The page could not be sent to the printer lab:\nlp ended with code 5."},
      {nullptr, false,
       "The page could not be sent to the printer lab:\nlp, which sends pages to printers, was not found."},
      {"exit 0", true, "The page could not be written to "},
  };
  for (const auto& each : cases) {
    FakePrograms local;
    local.Add("lpstat", "case \"$1\" in -e) echo lab;; -d) echo 'system default destination: lab';; esac");
    if (each.lp != nullptr) local.Add("lp", each.lp);
    local.Alone();
    const size_t boxes = driver.MessageBoxes().size();
    HDC dc = Choose({Destination(each.pdfFile ? 0 : 1), Click(IDOK)});
    ASSERT_NE(dc, nullptr);
    ASSERT_GT(Escape(dc, STARTDOC, 8, "Test-Doc", nullptr), 0);
    TextOutA(dc, 100, 100, "Lost", -1);
    ASSERT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    // The folder of the PDF file goes away before the page is done.
    if (each.pdfFile) std::filesystem::remove_all(home_);
    EXPECT_EQ(Escape(dc, ENDDOC, 0, nullptr, nullptr), SP_ERROR) << each.told;
    DeleteDC(dc);
    ASSERT_EQ(driver.MessageBoxes().size(), boxes + 1) << each.told;
    EXPECT_EQ(driver.MessageBoxes().back().text.rfind(each.told, 0), 0u) << driver.MessageBoxes().back().text;
    EXPECT_EQ(driver.MessageBoxes().back().caption, "Print");
  }
}

TEST_F(PrintingTest, AFileNameThatCannotBeWrittenIsRefusedInTheDialog) {
  std::filesystem::create_directories(home_ / "plots");
  const struct {
    std::string typed;
    std::string told;
  } cases[] = {
      {"   ", "Type the name of the PDF file to print to."},
      {"/tavrin-no-such-folder/fit.pdf",
       "The PDF file cannot be written: the folder /tavrin-no-such-folder does not exist or is not writable."},
      {"~/plots", (home_ / "plots").string() + " is a folder; type the name of a file."},
  };
  for (const auto& each : cases) {
    int result = 0;
    bool stillOpen = false;
    const size_t boxes = driver.MessageBoxes().size();
    HDC dc = Choose({Destination(0), FileName(each.typed), Click(IDOK),
                     [&] { stillOpen = driver.WindowCaption() == "Print"; }, Click(IDCANCEL)},
                    &result);
    EXPECT_EQ(dc, nullptr);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(stillOpen) << each.typed;
    ASSERT_EQ(driver.MessageBoxes().size(), boxes + 1) << each.typed;
    EXPECT_EQ(driver.MessageBoxes().back().text, each.told);
  }
}

TEST(PrinterDevice, TheEscapesComeInTheirOrderAndEachStepReportsFailure) {
  std::vector<std::string> kept;
  HDC dc = AddDC(std::make_unique<PrinterDevice>(std::make_unique<KeptPages>(&kept)));
  EXPECT_EQ(Escape(dc, NEWFRAME, 0, nullptr, nullptr), SP_ERROR) << "no page before the document";
  EXPECT_EQ(Escape(dc, ENDDOC, 0, nullptr, nullptr), SP_ERROR);
  EXPECT_EQ(Escape(dc, 9999, 0, nullptr, nullptr), 0) << "an escape the device does not know";
  EXPECT_GT(Escape(dc, STARTDOC, 3, "One-and-more", nullptr), 0);
  EXPECT_EQ(Escape(dc, STARTDOC, 3, "Two", nullptr), SP_ERROR) << "one document at a time";
  MoveToEx(dc, 0, 0, nullptr);
  EXPECT_TRUE(LineTo(dc, 100, 100));
  EXPECT_EQ(GetPixel(dc, 50, 50), static_cast<COLORREF>(-1)) << "paper cannot be read back";
  EXPECT_FALSE(PatBlt(dc, 0, 0, 10, 10, DSTINVERT)) << "nor inverted";
  EXPECT_GT(Escape(dc, ENDDOC, 0, nullptr, nullptr), 0);
  EXPECT_EQ(kept, std::vector<std::string>{"One:%PDF-"});
  EXPECT_TRUE(DeleteDC(dc));
}

}  // namespace
