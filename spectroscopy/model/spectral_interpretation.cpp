#include "spectroscopy/model/spectral_interpretation.h"

#include <cmath>
#include <limits>
#include <optional>

#include "spectroscopy/model/ms_iteration.h"
#include "spectroscopy/model/spectral_lookups.h"
#include "spectroscopy/model/spectral_peaks.h"
#include "engine/numbers/typed_number.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"

namespace {

constexpr std::size_t SectionFullLength = 3488;
constexpr std::size_t SectionLimit = 3990;
constexpr std::size_t ReportLimit = 7990;
constexpr const char* SectionLeftOut = "....";
constexpr const char* TableFolder = "dats\\datfiles\\atomdata\\";

const char* SectionHeader(SpectralSection section) {
  const bool norwegian = LanguageCode == NorwegianLanguage;
  switch (section) {
    case MsSection:
      if (SpecIterate != 1)
        return norwegian ? "MASSE*****FORMEL*************************************************************\n"
                         : "MASS******FORMULA************************************************************\n";
      if (SpecShowIsoFormula != 0)
        return norwegian ? "MASSE*****FORMEL****************MS-TILORDNING********************************\n"
                         : "MASS******FORMULA***************MS-ASSIGNMENT********************************\n";
      return norwegian ? "MASSE*****MS-TILORDNING******************************************************\n"
                       : "MASS******MS-ASSIGNMENT******************************************************\n";
    case IrSection:
      return norwegian ? "CM-1******IR-TILORDNING******************************************************\n"
                       : "CM-1******IR-ASSIGNMENT******************************************************\n";
    case H1Section:
      return norwegian ? "PPM*******H[1]-TILORDNING****************************************************\n"
                       : "PPM*******H[1]-ASSIGNMENT****************************************************\n";
    default:
      return norwegian ? "PPM*******C[13]-TILORDNING***************************************************\n"
                       : "PPM*******C[13]-ASSIGNMENT***************************************************\n";
  }
}

std::string TablePath(const char* name) {
  const std::string prefix = LanguageCode == NorwegianLanguage ? "no" : "en";
  return std::string(TableFolder) + prefix + name;
}

// Every line ends in a blank or an asterisk before its line feed; that character becomes the
// carriage return of a CR LF line end.
void EndLinesWithCarriageReturns(std::string& text) {
  for (std::size_t i = 1; i < text.size(); ++i)
    if (text[i] == '\n') text[i - 1] = '\r';
}

// The lookups of one section, each table read once for all its peaks.
class SectionLookup {
 public:
  SectionLookup(SpectralSection section, std::string_view parentFormula, float tolerance,
                const SpectralMinimumCounts& minimumCounts, IterationBudget& budget)
      : section_(section), tolerance_(tolerance), budget_(budget) {
    switch (section) {
      case MsSection:
        if (SpecIterate == 0)
          parent_ = ReadFragmentParent(parentFormula);
        else
          ReadTable("msfrag.dat", SpectralTableKind::MsFragments);
        break;
      case IrSection:
        ReadTable("irdata.dat", SpectralTableKind::IrRanges);
        minimumCount_ = minimumCounts.ir;
        break;
      case H1Section:
        ReadTable("hnmr.dat", SpectralTableKind::NmrShifts);
        minimumCount_ = minimumCounts.h1;
        break;
      default:
        ReadTable("cnmr.dat", SpectralTableKind::NmrShifts);
        minimumCount_ = minimumCounts.c13;
        break;
    }
  }

  // The table read, with the records that hold values which are no number.
  const DamagedSpectralTable& Damaged() const { return damaged_; }

  std::string Result(float peak, const std::vector<float>& peaks) {
    switch (section_) {
      case MsSection:
        if (SpecIterate != 0) return LookupMsFragments(table_, reported_, peak, tolerance_, SpecShowIsoFormula != 0);
        if (!parent_) return {};
        return IterateFragmentFormulas(*parent_, SpecShowIsoFormula != 0, tolerance_, peak, budget_);
      case IrSection:
        return LookupIrRanges(table_, reported_, minimumCount_, SpecHitPercent, peak, peaks);
      default:
        return LookupNmrShifts(table_, reported_, minimumCount_, SpecHitPercent, peak, peaks);
    }
  }

 private:
  void ReadTable(const char* name, SpectralTableKind kind) {
    damaged_.fileName = TablePath(name);
    table_ = ReadRecordFile(damaged_.fileName);
    damaged_.records = DamagedSpectralRecords(table_, kind);
  }

  SpectralSection section_;
  float tolerance_;
  IterationBudget& budget_;
  std::optional<FragmentParent> parent_;
  SpectralTableRecords table_;
  DamagedSpectralTable damaged_;
  ReportedRecords reported_;
  int minimumCount_ = 1;
};

}  // namespace

std::optional<double> MsToleranceValue(std::string_view text) {
  const std::optional<double> value = TypedNumberOrZero(std::string(text), SinglePrecisionLimits);
  if (!value || std::fabs(*value) > std::numeric_limits<int>::max()) return std::nullopt;
  return value;
}

std::string InterpretSpectra(std::string_view toleranceText, std::string_view parentFormula,
                             const SpectralPeakLines& peakLines, const SpectralMinimumCounts& minimumCounts,
                             std::vector<DamagedSpectralTable>* damagedTables) {
  const std::optional<double> toleranceValue = MsToleranceValue(toleranceText);
  const float tolerance = static_cast<float>(toleranceValue.value_or(0) * ElectronMassU);
  IterationBudget budget;
  std::string report;
  for (int s = 0; s < SpectralSectionCount; ++s) {
    const auto section = static_cast<SpectralSection>(s);
    const std::string& line = peakLines[section];
    std::string text;
    if (!line.empty()) text = SectionHeader(section);
    std::vector<float> peaks = ReadPeakList(line, section == MsSection || section == IrSection);
    if (section == MsSection && !toleranceValue) peaks.clear();
    if (!peaks.empty()) {
      SectionLookup lookup(section, parentFormula, tolerance, minimumCounts, budget);
      for (const float peak : peaks) {
        if (text.size() > SectionFullLength) break;
        const std::string result = lookup.Result(peak, peaks);
        if (text.size() + result.size() >= SectionLimit) break;
        text += result;
      }
      if (damagedTables != nullptr && !lookup.Damaged().records.empty()) damagedTables->push_back(lookup.Damaged());
    }
    EndLinesWithCarriageReturns(text);
    if (report.size() + text.size() < ReportLimit)
      report += text;
    else
      report += SectionLeftOut;
  }
  return report;
}
