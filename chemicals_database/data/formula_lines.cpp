// Reads one formula a line and prints, tab-separated, the record lines 10, 11 and 39 that a store
// of the database computes for it (formula mass, empirical and qualitative formula), so the
// database generator writes exactly what the program would.

#include <iostream>
#include <string>

#include "chemicals_database/model/record_prepare.h"

int main() {
  std::string formula;
  while (std::getline(std::cin, formula)) {
    ChemDbRecordBuffer record;
    record.slots[8] = formula;
    PrepareRecordForWriting(record);
    std::cout << record.slots[10] << '\t' << record.slots[11] << '\t' << record.slots[39] << '\n';
  }
  return 0;
}
