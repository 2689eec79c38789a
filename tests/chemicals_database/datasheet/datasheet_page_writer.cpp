// Writes the data sheet pages of one test record ("sheet.htm", "sheet1.htm") into dats/htmfiles
// of the working folder, with the shipped hazard symbols beside them, for the browser test.
#include <filesystem>
#include <iostream>

#include "chemicals_database/datasheet_pages.h"

int main() {
  namespace fs = std::filesystem;
  ChemDbRecordBuffer record;
  record.slots[3] = "A<B & \"C\" \xC6\xD8\xC5";
  record.slots[8] = "H2SO4";
  record.slots[54] = "10.3";
  record.slots[184] = "lett l\xF8selig";
  record.slots[170] = "T+";
  record.slots[171] = "Fx";
  record.slots[169] = "N";
  const char* safetyText =
      "Til lege.|H200 Ustabile eksplosive varer.|P102 Oppbevares utilgjengelig for barn.|GENERELT> Giftig.|"
      "Brannfarlig.|\xD8YE> Skyll med vann.|Avtrekk.|Kj\xF8lig og t\xF8rt\r\nlinje to|Farlig avfall.|Annet.|";
  if (WriteDatasheetPages(record, safetyText, "sheet") != DatasheetResult::Written) {
    std::cerr << "the pages were not written\n";
    return 1;
  }
  fs::copy(fs::path(TAVRIN_SOURCE_DIR) / "dats" / "htmfiles" / "htmutil", fs::path("dats") / "htmfiles" / "htmutil");
  return 0;
}
