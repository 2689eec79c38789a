#include "spectroscopy/model/spectral_lookups.h"

#include <algorithm>
#include <utility>
#include <cctype>
#include <optional>

#include "engine/numbers/number_text.h"
#include "engine/records/record_file.h"

namespace {

constexpr std::size_t MsResultLimit = 984;
constexpr std::size_t RangeResultLimit = 1018;
constexpr std::size_t MassWidth = 10;
constexpr std::size_t PeakWidth = 5;
constexpr std::size_t FormulaColumn = 29;
constexpr std::size_t TabWidth = 8;
constexpr std::size_t DigitSearchLength = 40;
constexpr int MsMassLine = 2;
constexpr int IrRangeCount = 8;
constexpr int IrFirstRangeLine = 4;
constexpr int IrLastRangeLine = 19;
constexpr int NmrToleranceLine = 3;
constexpr int NmrFirstShiftLine = 4;
constexpr int NmrLastShiftLine = 48;
constexpr const char* MsResultFullMark = ".... \n";

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

bool HoldsDigit(const std::string& line) {
  const std::size_t length = std::min(line.size(), DigitSearchLength);
  return std::any_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(length),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

bool Within(double value, double low, double high) { return low <= value && value <= high; }

// The line of a reported record, under the same limits as the report's other lookups: the peak
// padded to 5, "(m/n)", the name. False when it did not fit and the result is full.
bool AppendHitLine(std::string& result, float peak, int taken, int defined, const std::string& name) {
  const std::string number =
      Padded(FormatNumberG(peak), PeakWidth) + "(" + std::to_string(taken) + "/" + std::to_string(defined) + ")";
  if (result.size() + number.size() >= RangeResultLimit) return false;
  result += number;
  if (result.size() + name.size() >= RangeResultLimit) return false;
  result += name + " \n";
  return true;
}

bool Reportable(ReportedRecords& reported, std::size_t record, int& taken, int defined, int minimumCount,
                int hitPercent) {
  if (taken <= 0 || defined <= 0 || defined < minimumCount || reported[record]) return false;
  if (taken * 100 / defined < hitPercent) return false;
  reported[record] = true;
  taken = std::min(taken, defined);
  return true;
}

}  // namespace

std::string LookupMsFragments(const SpectralTableRecords& table, ReportedRecords& reported, float peak,
                              float tolerance, bool showIsoFormula) {
  reported.resize(table.size(), false);
  std::string result;
  const float low = peak - tolerance;
  const float high = peak + tolerance;
  for (std::size_t r = 0; r < table.size(); ++r) {
    const std::vector<std::string>& record = table[r];
    const std::optional<double> stored = ReadStoredNumber(RecordLine(record, MsMassLine));
    if (!stored || !Within(*stored, low, high) || reported[r]) continue;
    const double mass = *stored;
    reported[r] = true;
    std::string formula;
    if (showIsoFormula) {
      formula = RecordLine(record, 1);
      if (formula.size() <= FormulaColumn) formula.append((FormulaColumn - formula.size()) / TabWidth, '\t');
    }
    const std::string massText = FormatNumberG(mass);
    if (result.size() + massText.size() + formula.size() >= MsResultLimit) {
      result += MsResultFullMark;
      return result;
    }
    result += Padded(massText, MassWidth) + formula + RecordLine(record, 4) + " \n";
  }
  return result;
}

std::string LookupIrRanges(const SpectralTableRecords& table, ReportedRecords& reported, int minimumCount,
                           int hitPercent, float peak, const std::vector<float>& peaks) {
  reported.resize(table.size(), false);
  std::string result;
  for (std::size_t r = 0; r < table.size(); ++r) {
    const std::vector<std::string>& record = table[r];
    int defined = 0;
    std::vector<bool> takenIndex(peaks.size(), false);
    std::vector<float> taken;
    for (int k = 0; k < IrRangeCount; ++k) {
      const std::string lowLine = RecordLine(record, IrFirstRangeLine + 2 * k);
      const std::optional<double> storedLow = ReadStoredNumber(lowLine);
      const std::optional<double> storedHigh = ReadStoredNumber(RecordLine(record, IrFirstRangeLine + 2 * k + 1));
      // A range with an end that is no number is missing: it is not defined and takes no peak.
      if (!storedLow || !storedHigh) continue;
      if (HoldsDigit(lowLine)) ++defined;
      const double low = *storedLow;
      const double high = *storedHigh;
      if (std::ranges::any_of(taken, [&](float value) { return Within(value, low, high); })) continue;
      for (std::size_t j = 0; j < peaks.size(); ++j) {
        if (takenIndex[j] || !Within(peaks[j], low, high)) continue;
        takenIndex[j] = true;
        taken.push_back(peaks[j]);
        break;
      }
    }
    if (std::ranges::find(taken, peak) == taken.end()) continue;
    int count = static_cast<int>(taken.size());
    if (!Reportable(reported, r, count, defined, minimumCount, hitPercent)) continue;
    if (!AppendHitLine(result, peak, count, defined, RecordLine(record, 1))) return result;
  }
  return result;
}

std::string LookupNmrShifts(const SpectralTableRecords& table, ReportedRecords& reported, int minimumCount,
                            int hitPercent, float peak, const std::vector<float>& peaks) {
  reported.resize(table.size(), false);
  std::string result;
  for (std::size_t r = 0; r < table.size(); ++r) {
    const std::vector<std::string>& record = table[r];
    const std::optional<double> storedTolerance = ReadStoredNumber(RecordLine(record, NmrToleranceLine));
    if (!storedTolerance) continue;
    const double tolerance = *storedTolerance;
    std::vector<double> shifts;
    for (int line = NmrFirstShiftLine; line <= NmrLastShiftLine; ++line) {
      const std::string text = RecordLine(record, line);
      const std::optional<double> shift = ReadStoredNumber(text);
      if (shift && HoldsDigit(text)) shifts.push_back(*shift);
    }
    const auto near = [tolerance](double shift, double value) {
      return Within(shift, value - tolerance, value + tolerance);
    };
    if (std::ranges::none_of(shifts, [&](double shift) { return near(shift, peak); })) continue;
    std::vector<float> taken;
    for (const double shift : shifts) {
      for (const float value : peaks) {
        if (!near(shift, value)) continue;
        if (std::ranges::any_of(taken, [&](float other) { return near(other, value); })) continue;
        taken.push_back(value);
      }
    }
    int count = static_cast<int>(taken.size());
    if (!Reportable(reported, r, count, static_cast<int>(shifts.size()), minimumCount, hitPercent)) continue;
    if (!AppendHitLine(result, peak, count, static_cast<int>(shifts.size()), RecordLine(record, 1))) return result;
  }
  return result;
}

std::vector<std::string> DamagedSpectralRecords(const SpectralTableRecords& table, SpectralTableKind kind) {
  const auto [first, last] = kind == SpectralTableKind::MsFragments ? std::pair{MsMassLine, MsMassLine}
                             : kind == SpectralTableKind::IrRanges  ? std::pair{IrFirstRangeLine, IrLastRangeLine}
                                                                    : std::pair{NmrToleranceLine, NmrLastShiftLine};
  std::vector<std::string> damaged;
  for (const std::vector<std::string>& record : table) {
    for (int line = first; line <= last; ++line) {
      if (!IsDamagedTableNumber(RecordLine(record, line))) continue;
      damaged.push_back(RecordLine(record, 1));
      break;
    }
  }
  return damaged;
}
