#include <cmath>

#include "engine/formtext.h"
#include "engine/numbers/number_text.h"
#include "engine/elements/element_symbols.h"

namespace {

// Count and mass columns are followed by two tabs when short, else by one.
std::string Column(const std::string& number) { return number + (number.size() < 8 ? "\t\t" : "\t"); }

// The count as the empirical formula writes it: nothing for exactly 1, the whole
// number, or "%G" where that is shorter or the count is not whole.
std::string EmpiricalCount(float count) {
  const std::string general = FormatNumberG(count);
  if (count == 1.0f) return {};
  // Whole counts beyond 1e18 have no exact integer text worth writing; "%G" serves them.
  if (count >= 1.0f && std::floor(count) == count && count < 1e18f) {
    std::string whole = std::to_string(static_cast<long long>(count));
    return general.size() < whole.size() ? general : whole;
  }
  return general;
}

struct CompositionPart {
  std::string label;  // "H" or "C[13]"
  float count;
  float mass;
};

void AppendPart(const CompositionPart& part, float total, int empirical, std::string& report) {
  if (empirical == 1) {
    report += part.label + EmpiricalCount(part.count);
    return;
  }
  const float partMass = part.count * part.mass;
  const float percentage = total != 0.0f ? part.mass * 100.0f * part.count / total : 0.0f;
  report += part.label + "\t" + Column(FormatNumberG(part.count)) + Column(FormatNumberG(partMass)) +
            FormatNumberFixed(percentage) + " \n";
}

}  // namespace

void FormatCompositionReport(const FormulaCounts& counts, int empirical, std::string& report,
                             const IsotopeUsedFlags& isotopeFlags) {
  report.clear();
  float total = 0.0f;
  for (int index = 0; index < ElementCount; ++index) {
    total += ElementByNumber(index + 1).atomicMass * counts[PlainElementRow][index];
    if (!isotopeFlags[index]) continue;
    for (int isotope = 0; isotope < MaxIsotopes; ++isotope)
      total += IsotopesByNumber(index + 1).mass[isotope] * counts[isotope][index];
  }
  for (int index = 0; index < ElementCount; ++index) {
    const char* symbol = ElementByNumber(index + 1).symbol;
    if (counts[PlainElementRow][index] != 0.0f)
      AppendPart({symbol, counts[PlainElementRow][index], ElementByNumber(index + 1).atomicMass}, total, empirical,
                 report);
    if (!isotopeFlags[index]) continue;
    for (int isotope = 0; isotope < MaxIsotopes; ++isotope) {
      const float count = counts[isotope][index];
      if (count == 0.0f) continue;
      const float mass = IsotopesByNumber(index + 1).mass[isotope];
      const std::string label = std::string(symbol) + "[" + std::to_string(IsotopeMassNumber(mass)) + "]";
      AppendPart({label, count, mass}, total, empirical, report);
    }
  }
}
