// "Lage" of the database window: the gathered record written as the data sheet pages.
#include "chemicals_database/database_group.h"
#include "chemicals_database/datasheet_pages.h"
#include "chemicals_database/model/database_engine.h"
#include "platform/win/message_box.h"
#include "platform/win/wait_cursor.h"
#include "platform/win/window_api.h"
#include "runtime/resource_message.h"

void WriteHtmlDatasheet(const ChemDbRecordBuffer& record, const std::string& stem) {
  DatasheetResult result;
  {
    WaitCursor wait;
    result = WriteDatasheetPages(record, SafetyDataText, stem);
  }
  if (result == DatasheetResult::BadStem) {
    ::MessageBox(::GetActiveWindow(), "ULOVLIG FILNAVN:\n\nFilnavn kan bare inneholde bokstaver (A-Z, a-z) og sifre!",
                 MessageCaption, MB_OK);
  } else if (result == DatasheetResult::NotWritten) {
    const std::string text = "FILSKRIVINGSFEIL\n\nDatabladet kunne ikke skrives til\n" + std::string(DatasheetFolder) +
                             "\\" + stem + ".htm!";
    ::MessageBox(::GetActiveWindow(), text.c_str(), MessageCaption, MB_OK);
  }
}
