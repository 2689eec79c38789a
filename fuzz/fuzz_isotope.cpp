#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/elements/element_tables.h"
#include "fuzz/work_folder.h"
#include "periodic_table/model/isotope_rows.h"
#include "platform/services/text_file.h"

namespace {

// Lines 2 to 9 after the key line of the first record with this key, as the file format gives
// them: the first line opens a record whatever it holds, as does every line starting with '\'.
IsotopeValues ExpectedValues(const std::string& bytes, const std::string& key) {
  const auto lines = platform::SplitLines(platform::ProgramText(bytes));
  IsotopeValues values;
  for (std::size_t opener = 0; opener < lines.size();) {
    std::size_t end = opener + 1;
    while (end < lines.size() && (lines[end].empty() || lines[end][0] != '\\')) ++end;
    if (opener + 1 < end && lines[opener + 1].substr(0, IsotopeValueLimit) == key) {
      for (std::size_t line = opener + 2; line < end && line < opener + 10; ++line)
        values[line - opener - 2] = lines[line].substr(0, IsotopeValueLimit);
      return values;
    }
    opener = end;
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MakeFuzzWorkFolder();
  return 0;
}

// Byte 0: the element; byte 1: which of its isotopes gives the key (bit 7: a read-only file); the
// rest: isotope.dat. The values looked up are those of the first record of the key, and the
// window's rows, one per isotope, start with their keys and fit the row width.
bool InputHolds(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return true;
  const int Z = 1 + data[0] % ElementCount;
  const IsotopeRecord& isotopes = IsotopesByNumber(Z);
  const int k = (data[1] & 0x7F) % MaxIsotopes;
  const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  WriteBytes("dats/datfiles/atomdata/isotope.dat", bytes, (data[1] & 0x80) != 0 ? 0444 : 0644);

  const std::string key = IsotopeKey(Z, isotopes.mass[k]);
  if (LookUpIsotopeValues(key) != ExpectedValues(bytes, key)) return false;
  const std::vector<std::string> rows = IsotopeTableRows(Z);
  int listed = 0;
  while ((isotopes.count & 0xFF) != 0 && listed < MaxIsotopes && isotopes.mass[listed] != 0.0f) ++listed;
  if (rows.size() != static_cast<std::size_t>(listed)) return false;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (rows[row].size() > PropertiesRowLimit) return false;
    const std::string rowKey = IsotopeKey(Z, isotopes.mass[row]) + "\t";
    if (rows[row].compare(0, rowKey.size(), rowKey) != 0 && rowKey.size() <= PropertiesRowLimit) return false;
  }
  return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckInFuzzWorkFolder([&] { return InputHolds(data, size); });
  return 0;
}
