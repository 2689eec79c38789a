#include "chemicals_database/datasheet_pages.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "chemicals_database/model/datasheet_html.h"
#include "platform/gdi/charset.h"
#include "platform/services/file_pair_rewrite.h"
#include "platform/services/files.h"

namespace {

bool IsAsciiLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

constexpr const char* PageHead =
    "<HTML><HEAD><META CHARSET=\"UTF-8\"><!-- kommentar --><TITLE>TAVRIN DATABLAD</TITLE></HEAD>";

// The sections of page 1 after the symbols, each a row with its heading, in page order.
struct SectionRow {
  const char* opening;
  int section;
};

constexpr SectionRow SectionRows[] = {
    {"</TD></TR><TR><TD><BIG>R.-setninger</BIG></TD><TD>", 2},
    {"</TD></TR><TR><TD><BIG>S.-setninger</BIG></TD><TD>", 3},
    {"</TD></TR><TR><TD><BIG>Helsefare</BIG></TD><TD>", 4},
    {"</TD></TR><TR><TD><BIG>Brannfare</BIG></TD><TD>", 5},
    {"</TD></TR><TR><TD><BIG>F&oslash;rstehjelp</BIG><P><BIG><IMG WIDTH=\"70\" HEIGHT=\"70\" ALIGN=\"Middle\" "
     "SRC=\"htmutil/redcross.png\"></BIG></TD><TD>",
     6},
    {"</TD></TR><TR><TD><BIG>Forebyggende</BIG><P><BIG>tiltak</BIG></TD><TD>", 7},
    {"</TD></TR><TR><TD><BIG>Lagring</BIG></TD><TD>", 8},
    {"</TD></TR><TR><TD><BIG>Destruering</BIG></TD><TD>", 9},
    {"</TD></TR><TR><TD><BIG>Instruksjon til</BIG><P><BIG>helsepersonell</BIG></TD><TD>", 1},
    {"</TD></TR><TR><TD><BIG>Annet</BIG></TD><TD>", 10},
};

// Record lines of the hazard codes, in the order the symbols are shown: health, fire, environment.
constexpr int HazardCodeLines[] = {HealthHazardLine, FireHazardLine, EnvironmentHazardLine};

std::string Symbols(const ChemDbRecordBuffer& record) {
  std::string out;
  for (int line : HazardCodeLines) {
    const std::string name = HazardSymbolName(record.slots[line]);
    if (name.empty()) continue;
    out += "<IMG WIDTH=\"64\" HEIGHT=\"75\" SRC=\"htmutil/" + HtmlText(name) + ".png\">";
  }
  return out;
}

std::string SheetPage(const ChemDbRecordBuffer& record, std::string_view safetyText,
                      std::string_view technicalDataName) {
  const auto& slot = record.slots;
  std::string page = PageHead;
  page += "<BODY><TABLE BORDER CELLSPACING=\"1\"><TR><TD><SMALL>Datablad nr.";
  page += HtmlText(slot[159]);
  page += "</SMALL><TD><SMALL>Revidert:";
  page += HtmlText(slot[160]);
  page += "</SMALL></TD></TR><TR><TD ROWSPAN=3><BIG>Navn</BIG><P><BIG>Formel</BIG>";
  page += "<P><P><BIG>Faresymbol</BIG><P></TD><TD><P ALIGN=Left><BIG><BIG>";
  page += HtmlText(slot[3]);
  page += "</BIG></BIG></TD></TR><TR><TD><P ALIGN=Left><BIG><BIG>";
  page += FormulaMarkup(slot[8]);
  page += "</BIG></BIG></TD></TR><TR><TD>";
  page += Symbols(record);
  for (const SectionRow& row : SectionRows) {
    page += row.opening;
    page += HtmlText(SafetySection(safetyText, row.section));
  }
  page += "</TD></TR></TABLE><P><A HREF=\"";
  page += HtmlText(technicalDataName) + "\">Tekniske data</A><P><P><P><P></BODY></HTML>";
  return page;
}

// One row of page 2: its label, whether it is written, and its value (already made page text).
struct TechnicalRow {
  const char* label;
  bool shown;
  std::string value;
};

std::string Joined(std::string_view first, std::string_view second) {
  return HtmlText(first) + " " + HtmlText(second);
}

// " ved <temperature> °C" when the temperature is given.
std::string AtTemperature(std::string_view temperature) {
  if (temperature.empty()) return {};
  return " ved " + HtmlText(temperature) + " <sup>o</sup>C";
}

std::string TechnicalDataPage(const ChemDbRecordBuffer& record, std::string_view sheetName) {
  const auto& slot = record.slots;
  const auto given = [&](int line) { return !slot[line].empty(); };
  const TechnicalRow rows[] = {
      {"Chem. abstr. nr", given(5), HtmlText(slot[5])},
      {"Alternative navn", given(4), HtmlText(slot[4])},
      {"Navn (Eng.)", given(7), HtmlText(slot[7])},
      {"Formelmasse", given(10), HtmlText(slot[10]) + " gram/mol"},
      {"Smeltepunkt", given(54), Joined(slot[53], slot[54]) + " <sup>o</sup>C"},
      {"Kokepunkt", given(73), Joined(slot[72], slot[73]) + " <sup>o</sup>C"},
      {"Damptrykk", given(86), Joined(slot[85], slot[86]) + " kPa" + AtTemperature(slot[84])},
      {"Tetthet (Luft=1)", given(45), Joined(slot[44], slot[45])},
      {"Tetthet", given(41), Joined(slot[40], slot[41]) + " kg/dm</big><sup>3</sup><big>"},
      {"Flammepunkt", given(88), Joined(slot[87], slot[88]) + " <sup>o</sup>C"},
      {"Brennbar grense i luft", given(189), HtmlText(slot[189]) + " vol.%"},
      {"Relativ permittivitet", given(191), HtmlText(slot[191]) + AtTemperature(slot[190])},
      {"L&oslash;selighet (vann)", given(184), HtmlText(slot[184]) + AtTemperature(slot[180])},
      {"L&oslash;sningsmidler", given(185), HtmlText(slot[185])},
      {"Farge", given(14), HtmlText(slot[14])},
      {"Utseende/konsistens", given(22), HtmlText(slot[22])},
      {"Lukt", given(27), HtmlText(slot[27])},
      {"Giftighet-metode", given(183), Joined(slot[183], slot[182])},
      {"Adm. norm", given(188), Joined(slot[188], slot[187])},
      {"Threshold limit value (TLV)", given(195), Joined(slot[195], slot[196])},
      {"Referanser", given(157), HtmlText(slot[157])},
      {"Annet", given(194), HtmlText(slot[194])},
  };
  std::string page = PageHead;
  page += "<BODY><TABLE BORDER CELLSPACING=\"1\"><CAPTION><BIG><BIG>Tekniske data</BIG></BIG>";
  bool first = true;
  for (const TechnicalRow& row : rows) {
    page += first ? "</CAPTION><TR><TD><BIG>Chem. abstr. nr</BIG>.</TD><TD>"
                  : std::string("</TD></TR><TR><TD><BIG>") + row.label + "</BIG></TD><TD>";
    first = false;
    if (row.shown) page += row.value;
  }
  page += "</TD></TR></TABLE><P><A HREF=\"";
  page += HtmlText(sheetName) + "\">Tilbake</A></BODY></HTML>";
  return page;
}

// The folder of the pages, made when it is missing (its parent "dats" matched without regard to case).
bool MakeDatasheetFolder() {
  if (platform::FindExistingPath(DatasheetFolder)) return true;
  const auto dats = platform::FindExistingPath("dats");
  std::error_code error;
  std::filesystem::create_directories(dats ? *dats / "htmfiles" : std::filesystem::path("dats") / "htmfiles", error);
  return !error;
}

}  // namespace

bool IsSafeDatasheetStem(std::string_view stem) {
  if (stem.empty() || stem.size() > DatasheetStemLimit) return false;
  return std::ranges::all_of(stem, IsAsciiLetterOrDigit);
}

std::string HazardSymbolName(std::string_view code) {
  if (code.empty() || code[0] < 'A' || code[0] > 'Z') return {};
  std::string name(code);
  if (name.size() > 1 && name[1] == '+') name[1] = 'x';
  return std::ranges::all_of(name, IsAsciiLetterOrDigit) ? name : std::string();
}

DatasheetFileNames DatasheetFileNamesOf(std::string_view stem) {
  return {std::string(stem) + ".htm", std::string(stem) + "1.htm"};
}

DatasheetPages ComposeDatasheetPages(const ChemDbRecordBuffer& record, std::string_view safetyText,
                                     const DatasheetFileNames& names) {
  return {Utf8FromCp1252(SheetPage(record, safetyText, names.technicalData)),
          Utf8FromCp1252(TechnicalDataPage(record, names.sheet))};
}

DatasheetResult WriteDatasheetPages(const ChemDbRecordBuffer& record, std::string_view safetyText,
                                   std::string_view stem) {
  if (!IsSafeDatasheetStem(stem)) return DatasheetResult::BadStem;
  if (!MakeDatasheetFolder()) return DatasheetResult::NotWritten;
  // A page already there under another letter case is rewritten under its own name, and the links
  // name the files as they stand: a file system that tells case apart finds nothing else.
  const std::string folder = std::string(DatasheetFolder) + "\\";
  const DatasheetFileNames asTyped = DatasheetFileNamesOf(stem);
  const auto sheetPath = platform::PathForWriting(folder + asTyped.sheet);
  const auto technicalDataPath = platform::PathForWriting(folder + asTyped.technicalData);
  if (!sheetPath || !technicalDataPath) return DatasheetResult::NotWritten;
  const DatasheetPages pages = ComposeDatasheetPages(
      record, safetyText, {sheetPath->filename().string(), technicalDataPath->filename().string()});
  return platform::RewriteFilePairSafely(*sheetPath, pages.sheet, *technicalDataPath, pages.technicalData)
             ? DatasheetResult::Written
             : DatasheetResult::NotWritten;
}
