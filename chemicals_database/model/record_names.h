#pragma once
// The names of the database's records, as the database window's name list offers them.
#include <string>
#include <vector>

// Record line 3 of every record of the listed files, end files left out, in file order; names
// longer than 255 characters are cut, empty names left out. A file that cannot be opened is
// passed over; a missing list gives no names.
std::vector<std::string> ReadRecordNames(int languageCode);
