#include "periodic_table/model/property_words.h"

#include "engine/formtext.h"

namespace {

bool English() { return LanguageCode == EnglishLanguage; }

struct WordPair {
  const char* norwegian;
  const char* english;
};

constexpr WordPair CrystalStructures[] = {
    {"Flatsentrert kubisk", "Cubic, face centered"},
    {"Romsentrert kubisk", "Cubic, body centered"},
    {"Kubisk", "Cubic"},
    {"Heksagonal", "Hexagonal"},
    {"Rombisk", "Rhombohedral"},
    {"Tetragonal", "Tetragonal"},
    {"Orthorombisk", "Orthorhombic"},
    {"Monoklin", "Monoclinic"},
};

std::string InLanguage(const WordPair& words) { return English() ? words.english : words.norwegian; }

}  // namespace

std::string ElementDisplayName(int Z) {
  std::string english;
  if (English() && GetEnglishElementName(english, Z) != 0 && !english.empty()) return english;
  return ElementByNumber(Z).name;
}

std::string AcidBaseText(std::uint8_t code) {
  if (code == 3 || code == 4) return InLanguage({"Sur", "Acidic"});
  if (code == 5) return InLanguage({"Amfot.", "Amphot."});
  if (code >= 6 && code <= 8) return InLanguage({"Basisk", "Basic"});
  return {};
}

std::string CrystalStructureText(std::uint8_t code) {
  if (code < 1 || code > std::size(CrystalStructures)) return {};
  return InLanguage(CrystalStructures[code - 1]);
}

std::string OxidationStatesText(const ElementRecord& element) {
  std::string text;
  for (std::int8_t state : element.oxidationStates) {
    if (state == 0) break;
    if (!text.empty()) text += ',';
    text += std::to_string(state);
  }
  return text;
}

int StableIsotopeCount(int Z) { return IsotopesByNumber(Z).count & 0xFF; }
