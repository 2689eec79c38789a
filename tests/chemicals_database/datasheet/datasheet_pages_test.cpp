#include "chemicals_database/datasheet_pages.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "chemicals_database/model/datasheet_html.h"
#include "tests/engine/test_support.h"
#include "tests/support/file_size_limit.h"

namespace {

namespace fs = std::filesystem;

std::string Cut(const std::string& page, const std::string& from, const std::string& to) {
  const size_t start = page.find(from);
  if (start == std::string::npos) return "<" + from + " missing>";
  const size_t end = page.find(to, start + from.size());
  return page.substr(start + from.size(), end == std::string::npos ? std::string::npos : end - start - from.size());
}

// The cell of the hazard symbols: after the formula's row, before the risk phrases.
std::string SymbolCell(const std::string& page) {
  const size_t end = page.find("</TD></TR><TR><TD><BIG>R.-setninger");
  const std::string opening = "</BIG></BIG></TD></TR><TR><TD>";
  const size_t start = page.rfind(opening, end);
  if (start == std::string::npos || end == std::string::npos) return "<no symbol cell>";
  return page.substr(start + opening.size(), end - start - opening.size());
}

ChemDbRecordBuffer SulphuricAcid() {
  ChemDbRecordBuffer record;
  record.slots[3] = "SVOVELSYRE";
  record.slots[8] = "H2SO4";
  record.slots[5] = "7664-93-9";
  record.slots[73] = "337";
  record.slots[170] = "C";
  return record;
}

TEST(DatasheetHtml, TextIsEscapedAndLineBreaksBecomePageBreaks) {
  EXPECT_EQ(HtmlText("A<B & \"C\" 'D'>"), "A&lt;B &amp; &quot;C&quot; &#39;D&#39;&gt;");
  EXPECT_EQ(HtmlText("one\r\ntwo\nthree\rfour"), "one<BR>two<BR>three<BR>four");
  EXPECT_EQ(HtmlText("\xC6\xD8\xC5"), "\xC6\xD8\xC5");  // kept in the program's set until the page is converted
}

TEST(DatasheetHtml, FormulaCountsAreSubscripts) {
  struct Case {
    const char* formula;
    const char* markup;
  };
  const Case cases[] = {
      {"H2SO4", "H</BIG><SUB>2</SUB><BIG>SO</BIG><SUB>4</SUB><BIG>"},
      {"NaCl", "NaCl"},
      {"Ca(OH)2", "Ca(OH)</BIG><SUB>2</SUB><BIG>"},
      {"CuSO4.5H2O", "CuSO</BIG><SUB>4.5</SUB><BIG>H</BIG><SUB>2</SUB><BIG>O"},
      {"2H2O", "2H</BIG><SUB>2</SUB><BIG>O"},
      {"C<2&", "C&lt;2&amp;"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormulaMarkup(c.formula), c.markup) << c.formula;
}

TEST(DatasheetHtml, SectionsOfTheSafetyText) {
  const std::string text = "one|two|three|four|five|six|seven|eight|nine|ten|";
  EXPECT_EQ(SafetySection(text, 1), "one");
  EXPECT_EQ(SafetySection(text, 6), "six");
  EXPECT_EQ(SafetySection(text, 10), "ten");
  // A text with fewer sections: the missing ones are empty, not section 1 again.
  EXPECT_EQ(SafetySection("one|two", 2), "two");
  EXPECT_EQ(SafetySection("one|two", 3), "");
  EXPECT_EQ(SafetySection("one", 10), "");
  EXPECT_EQ(SafetySection("", 1), "");
}

TEST(DatasheetPages, OnlyShortStemsOfLettersAndDigitsAreFileNames) {
  for (const char* good : {"abc", "compund", "A1b2C3d", "x"}) EXPECT_TRUE(IsSafeDatasheetStem(good)) << good;
  for (const char* bad : {"", "abcdefgh", "../x", "a.b", "a b", "a\\b", "\xE6re", "con/"})
    EXPECT_FALSE(IsSafeDatasheetStem(bad)) << bad;
}

TEST(DatasheetPages, HazardCodesNameTheirPictures) {
  EXPECT_EQ(HazardSymbolName("T+"), "Tx");
  EXPECT_EQ(HazardSymbolName("F+"), "Fx");
  EXPECT_EQ(HazardSymbolName("Xn"), "Xn");
  EXPECT_EQ(HazardSymbolName(""), "");
  EXPECT_EQ(HazardSymbolName("x"), "");
  EXPECT_EQ(HazardSymbolName("T\""), "");  // no quote can reach the attribute
}

TEST(DatasheetPages, SheetPageHoldsTheRecordEscapedAndLinksToTheTechnicalData) {
  ChemDbRecordBuffer record = SulphuricAcid();
  record.slots[3] = "A<B & \"C\"";
  record.slots[171] = "F+";
  record.slots[169] = "N";
  const DatasheetPages pages = ComposeDatasheetPages(
      record, "instr|risk|safe|health\r\nline 2|fire|aid|prev|store|waste|other|", DatasheetFileNamesOf("abc"));
  EXPECT_NE(pages.sheet.find("<META CHARSET=\"UTF-8\">"), std::string::npos);
  EXPECT_EQ(Cut(pages.sheet, "<BIG><BIG>", "</BIG>"), "A&lt;B &amp; &quot;C&quot;");
  EXPECT_EQ(SymbolCell(pages.sheet),
            "<IMG WIDTH=\"64\" HEIGHT=\"75\" SRC=\"htmutil/C.png\">"
            "<IMG WIDTH=\"64\" HEIGHT=\"75\" SRC=\"htmutil/Fx.png\">"
            "<IMG WIDTH=\"64\" HEIGHT=\"75\" SRC=\"htmutil/N.png\">");
  EXPECT_EQ(Cut(pages.sheet, "R.-setninger</BIG></TD><TD>", "</TD>"), "risk");
  EXPECT_EQ(Cut(pages.sheet, "Helsefare</BIG></TD><TD>", "</TD>"), "health<BR>line 2");
  EXPECT_EQ(Cut(pages.sheet, "helsepersonell</BIG></TD><TD>", "</TD>"), "instr");
  EXPECT_EQ(Cut(pages.sheet, "Annet</BIG></TD><TD>", "</TD>"), "other");
  EXPECT_NE(pages.sheet.find("<A HREF=\"abc1.htm\">Tekniske data</A>"), std::string::npos);
  EXPECT_NE(pages.technicalData.find("<A HREF=\"abc.htm\">Tilbake</A>"), std::string::npos);
}

TEST(DatasheetPages, ASheetWithoutSafetyTextOrSymbolsHasEmptyCells) {
  const DatasheetPages pages = ComposeDatasheetPages(ChemDbRecordBuffer{}, "", DatasheetFileNamesOf("abc"));
  EXPECT_EQ(SymbolCell(pages.sheet), "");
  for (const char* heading : {"R.-setninger", "Brannfare", "Destruering", "Annet"})
    EXPECT_EQ(Cut(pages.sheet, std::string(heading) + "</BIG></TD><TD>", "</TD>"), "") << heading;
}

TEST(DatasheetPages, TechnicalDataRowsTestTheirOwnValues) {
  ChemDbRecordBuffer record;
  record.slots[73] = "100";          // boiling point without a prefix
  record.slots[191] = "80.1";        // permittivity without its temperature
  record.slots[187] = "ppm";         // a norm's unit without the norm
  record.slots[184] = "lett l\xF8selig";
  const DatasheetPages pages = ComposeDatasheetPages(record, "", DatasheetFileNamesOf("abc"));
  EXPECT_EQ(Cut(pages.technicalData, "Kokepunkt</BIG></TD><TD>", "</TD>"), " 100 <sup>o</sup>C");
  EXPECT_EQ(Cut(pages.technicalData, "Relativ permittivitet</BIG></TD><TD>", "</TD>"), "80.1");
  EXPECT_EQ(Cut(pages.technicalData, "Adm. norm</BIG></TD><TD>", "</TD>"), "");
  EXPECT_EQ(Cut(pages.technicalData, "L&oslash;selighet (vann)</BIG></TD><TD>", "</TD>"), "lett l\xC3\xB8selig");
  size_t rows = 0;
  for (size_t at = 0; (at = pages.technicalData.find("<TR>", at)) != std::string::npos; ++at) ++rows;
  EXPECT_EQ(rows, 22u);
}

class DatasheetFilesTest : public WorkFolderTest {
 protected:
  // The names in the pages' folder, sorted.
  static std::vector<std::string> Folder() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("dats/htmfiles")) names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
  }
  static void WriteOldPages() {
    fs::create_directories("dats/htmfiles");
    WriteFile("dats/htmfiles/abc.htm", "old page 1");
    WriteFile("dats/htmfiles/abc1.htm", "old page 2");
  }
  static std::string LinkOf(const std::string& page) { return Cut(page, "<A HREF=\"", "\""); }
};

TEST_F(DatasheetFilesTest, BothPagesAreWrittenAndAMissingFolderIsMade) {
  ASSERT_EQ(WriteDatasheetPages(SulphuricAcid(), "a|b|c|d|e|f|g|h|i|j|", "abc"), DatasheetResult::Written);
  const std::string sheet = ReadFile("dats/htmfiles/abc.htm");
  EXPECT_NE(sheet.find("H</BIG><SUB>2</SUB><BIG>SO</BIG><SUB>4</SUB><BIG>"), std::string::npos);
  EXPECT_NE(ReadFile("dats/htmfiles/abc1.htm").find("7664-93-9"), std::string::npos);
}

TEST_F(DatasheetFilesTest, ABadStemWritesNothing) {
  EXPECT_EQ(WriteDatasheetPages(SulphuricAcid(), "", "abcdefgh"), DatasheetResult::BadStem);
  EXPECT_EQ(WriteDatasheetPages(SulphuricAcid(), "", "..\\x"), DatasheetResult::BadStem);
  EXPECT_FALSE(fs::exists("dats/htmfiles"));
}

TEST_F(DatasheetFilesTest, APageThatCannotBeWrittenIsReported) {
  fs::create_directories("dats/htmfiles");
  WriteFile("dats/htmfiles/abc.htm", "old page");
  fs::permissions("dats/htmfiles/abc.htm", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(WriteDatasheetPages(SulphuricAcid(), "", "abc"), DatasheetResult::NotWritten);
  EXPECT_EQ(ReadFile("dats/htmfiles/abc.htm"), "old page");
}

// A page already there under another letter case is rewritten under its own name, and each page links
// to the other by the name it has in the folder, since a file system that tells case apart finds no
// other.
TEST_F(DatasheetFilesTest, PagesLinkToTheFilesAsWrittenWhenTheStemDiffersInCase) {
  struct Case {
    std::vector<std::string> before;  // pages already in the folder
    const char* stem;
    std::vector<std::string> after;
  };
  const Case cases[] = {
      {{"abc.htm", "abc1.htm"}, "ABC", {"abc.htm", "abc1.htm"}},
      {{"abc.htm"}, "ABC", {"ABC1.htm", "abc.htm"}},
      {{"ABC1.htm"}, "abc", {"ABC1.htm", "abc.htm"}},
      {{}, "AbC", {"AbC.htm", "AbC1.htm"}},
  };
  for (const Case& c : cases) {
    fs::remove_all("dats");
    fs::create_directories("dats/htmfiles");
    for (const std::string& name : c.before) WriteFile("dats/htmfiles/" + name, "old");
    ASSERT_EQ(WriteDatasheetPages(SulphuricAcid(), "", c.stem), DatasheetResult::Written) << c.stem;
    ASSERT_EQ(Folder(), c.after) << c.stem;
    const std::string sheetName = c.after[0].ends_with("1.htm") ? c.after[1] : c.after[0];
    const std::string dataName = c.after[0].ends_with("1.htm") ? c.after[0] : c.after[1];
    const std::string sheet = ReadFile("dats/htmfiles/" + sheetName);
    const std::string data = ReadFile("dats/htmfiles/" + dataName);
    EXPECT_NE(sheet.find("SVOVELSYRE"), std::string::npos) << c.stem;
    EXPECT_NE(data.find("7664-93-9"), std::string::npos) << c.stem;
    EXPECT_EQ(LinkOf(sheet), dataName) << c.stem;
    EXPECT_EQ(LinkOf(data), sheetName) << c.stem;
  }
}

// Page 1 is never new beside an old page 2: when page 2 cannot be written, neither page changes and
// no new file is left in the folder.
TEST_F(DatasheetFilesTest, WhenPageTwoCannotBeWrittenNeitherPageChanges) {
  WriteOldPages();
  fs::permissions("dats/htmfiles/abc1.htm", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(WriteDatasheetPages(SulphuricAcid(), "", "abc"), DatasheetResult::NotWritten);
  EXPECT_EQ(ReadFile("dats/htmfiles/abc.htm"), "old page 1");
  EXPECT_EQ(ReadFile("dats/htmfiles/abc1.htm"), "old page 2");
  EXPECT_EQ(Folder(), (std::vector<std::string>{"abc.htm", "abc1.htm"}));
}

TEST_F(DatasheetFilesTest, AFullDiskWhilePageTwoIsWrittenChangesNeitherPage) {
  WriteOldPages();
  ChemDbRecordBuffer record = SulphuricAcid();
  record.slots[194] = std::string(20000, 'x');  // "Annet" on page 2 makes it the larger page
  const DatasheetPages pages = ComposeDatasheetPages(record, "", DatasheetFileNamesOf("abc"));
  ASSERT_LT(pages.sheet.size() + 1000, pages.technicalData.size());
  {
    FileSizeLimit full(pages.sheet.size() + 1000);
    EXPECT_EQ(WriteDatasheetPages(record, "", "abc"), DatasheetResult::NotWritten);
  }
  EXPECT_EQ(ReadFile("dats/htmfiles/abc.htm"), "old page 1");
  EXPECT_EQ(ReadFile("dats/htmfiles/abc1.htm"), "old page 2");
  EXPECT_EQ(Folder(), (std::vector<std::string>{"abc.htm", "abc1.htm"}));
  ASSERT_EQ(WriteDatasheetPages(record, "", "abc"), DatasheetResult::Written);
  EXPECT_EQ(ReadFile("dats/htmfiles/abc1.htm"), pages.technicalData);
}

}  // namespace
