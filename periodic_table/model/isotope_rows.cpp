#include "periodic_table/model/isotope_rows.h"

#include <cstdio>
#include <string_view>

#include "engine/globals.h"
#include "platform/services/cached_file_lines.h"

namespace {

constexpr const char* MissingValue = "   ";
constexpr int MassTextWidth = 11;

enum class SearchState { Searching, InRecord, Done };

// Indexes into IsotopeValues: line N of a record is value N - 2.
constexpr std::size_t SpinValue = 0;
constexpr std::size_t GyromagneticValue = 2;
constexpr std::size_t ReceptivityValue = 3;
constexpr std::size_t MomentValue = 4;
constexpr std::size_t QuadrupoleValue = 5;
constexpr std::size_t FrequencyValue = 6;

const std::string& Shown(const std::string& value) {
  static const std::string missing = MissingValue;
  return value.empty() ? missing : value;
}

std::string Formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

namespace {

// A line longer than IsotopeValueLimit keeps its first characters and drops the rest, so that
// the record's later lines stay under their own headings.
IsotopeValues ValuesInLines(const std::vector<std::string>& lines, const std::string& key) {
  IsotopeValues values;
  int lineInRecord = 0;
  SearchState state = SearchState::Searching;
  for (const std::string& wholeLine : lines) {
    if (state == SearchState::Done) break;
    const std::string_view line = std::string_view(wholeLine).substr(0, IsotopeValueLimit);
    if (!line.empty() && line[0] == '\\') {
      lineInRecord = 0;
      state = state == SearchState::InRecord ? SearchState::Done : SearchState::Searching;
    }
    if (lineInRecord == 1 && line == key) state = SearchState::InRecord;
    if (state == SearchState::InRecord && lineInRecord >= 2 && lineInRecord <= 9) {
      values[static_cast<std::size_t>(lineInRecord - 2)] = std::string(line);
    }
    ++lineInRecord;
  }
  return values;
}

// The file is read again only after it changed, not at every opening of the window.
const std::vector<std::string>& IsotopeFileLines() {
  static platform::CachedFileLines file(IsotopeFileName);
  return file.Read().lines;
}

}  // namespace

IsotopeValues LookUpIsotopeValues(const std::string& key) { return ValuesInLines(IsotopeFileLines(), key); }

std::string IsotopeKey(int Z, float mass) {
  return std::string(ElementByNumber(Z).symbol) + "[" + std::to_string(static_cast<int>(mass + 0.5f)) + "]";
}

std::vector<std::string> IsotopeTableRows(int Z) {
  const IsotopeRecord& isotopes = IsotopesByNumber(Z);
  std::vector<std::string> rows;
  if ((isotopes.count & 0xFF) == 0) return rows;
  const std::vector<std::string>& lines = IsotopeFileLines();
  for (int k = 0; k < MaxIsotopes && isotopes.mass[k] != 0.0f; ++k) {
    const std::string key = IsotopeKey(Z, isotopes.mass[k]);
    const IsotopeValues values = ValuesInLines(lines, key);
    std::string massText = Formatted("%.6f", static_cast<double>(isotopes.mass[k]));
    if (massText.size() < MassTextWidth) massText.resize(MassTextWidth, ' ');
    std::string row = key + "\t" + Formatted("%.3f", static_cast<double>(isotopes.abundance[k])) + "\t" + massText +
                      Shown(values[SpinValue]) + "\t" + Shown(values[FrequencyValue]) + "\t" +
                      Shown(values[ReceptivityValue]) + "\t" + Shown(values[MomentValue]) + "\t" +
                      Shown(values[QuadrupoleValue]) + "\t" + Shown(values[GyromagneticValue]);
    if (row.size() > PropertiesRowLimit) row.resize(PropertiesRowLimit);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string JoinRows(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\r\n";
  return text;
}
