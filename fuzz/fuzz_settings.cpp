#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/settings/settings.h"
#include "fuzz/work_folder.h"

namespace {

const std::string SettingsPath = "dats/tavrpar.dat";

// The settings file that the compiled-in defaults make; loaded first, it sets every value back.
const std::string& DefaultSettings() {
  static const std::string defaults = [] {
    SaveSettings();
    return ReadBytes(SettingsPath);
  }();
  return defaults;
}

bool ValuesAreInTheirSets() {
  if (LanguageCode != NorwegianLanguage && LanguageCode != EnglishLanguage) return false;
  if (BalMid < 1 || BalMid > BalMidLimit || BalMin < 1 || BalMin > BalMid) return false;
  if (RedoxTurnOnSelection < 0 || RedoxTurnOnSelection > 3 || RedoxBalanceOptions < 0 || RedoxBalanceOptions > 3)
    return false;
  if (!std::isfinite(SkDev)) return false;
  if (SpecParentFormula.size() > SpecParentFormulaLimit ||
      SpecParentFormula.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
    return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MakeFuzzWorkFolder();
  CheckInFuzzWorkFolder([] { return !DefaultSettings().empty(); });
  return 0;
}

// The input is a settings file. Loaded from a writable and from a read-only copy it gives the same
// checked values; a save over the read-only copy fails and changes nothing; saved and loaded
// again, the values are those it gave, so a second save writes the same file, 100 lines of LF.
bool InputHolds(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  WriteBytes(SettingsPath, DefaultSettings());
  LoadSettings();

  WriteBytes(SettingsPath, input, 0444);
  LoadSettings();
  if (!ValuesAreInTheirSets()) return false;
  if (SaveSettings() || ReadBytes(SettingsPath) != input) return false;
  WriteBytes(SettingsPath, "");
  if (!SaveSettings()) return false;
  const std::string fromReadOnly = ReadBytes(SettingsPath);

  WriteBytes(SettingsPath, DefaultSettings());
  LoadSettings();
  WriteBytes(SettingsPath, input);
  LoadSettings();
  if (!SaveSettings()) return false;
  const std::string saved = ReadBytes(SettingsPath);
  if (saved != fromReadOnly) return false;
  if (saved.find('\r') != std::string::npos || saved.back() != '\n') return false;
  std::size_t lines = 0;
  for (char c : saved) lines += c == '\n';
  if (lines != 100) return false;

  LoadSettings();
  if (!ValuesAreInTheirSets()) return false;
  if (!SaveSettings() || ReadBytes(SettingsPath) != saved) return false;
  return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckInFuzzWorkFolder([&] { return InputHolds(data, size); });
  return 0;
}
