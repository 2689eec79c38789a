#include "chemicals_database/model/record_prepare.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/formtext.h"
#include "engine/numbers/number_text.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"

namespace {

constexpr int FirstFieldLine = ChemDbFirstFieldLine;
constexpr int LastFieldLine = ChemDbLastFieldLine;
constexpr std::size_t ComputedFormulaLimit = 49;  // a computed formula longer than this is not stored
constexpr std::size_t LeadingBackslashKeep = 49;
constexpr char Bel = '\a';

constexpr std::array WindowLines = {
    NameLine, AlternativeNameLine, CasNumberLine, EnglishNameLine, FormulaLine, FormulaMassLine,
    EmpiricalFormulaLine, 14, 22, 27, QualitativeFormulaLine, 40, 41, 44, 45, 53, 54, 72, 73, 85, 86, 87, 88,
    157, 159, 160, EnvironmentHazardLine, HealthHazardLine, FireHazardLine, 175, 180, LabelLine, 182, 183,
    184, 185, 187, 188, 189, 190, 191, 193, 194, 195, 196};

bool IsControl(char c) { return static_cast<unsigned char>(c) < 32; }

bool HoldsText(const std::string& slot) { return !slot.empty() && slot != " "; }

void CleanField(std::string& slot) {
  if (!slot.empty() && slot.front() == RecordSeparatorMark) slot = " " + slot.substr(0, LeadingBackslashKeep);
  std::erase_if(slot, IsControl);
  if (slot.size() > ChemDbSlotLimit) slot.resize(ChemDbSlotLimit);
}

void ComputeFormulaLines(ChemDbRecordBuffer& record) {
  auto& slots = record.slots;
  float mass = -1.0f;
  if (HoldsText(slots[FormulaLine])) {
    std::string formula = slots[FormulaLine];
    int kind = 0;
    float electrons = 0.0f;
    float amount = 0.0f;
    mass = dcalk(record.counts, record.isotopeFlags, MmStr, formula, 0, MmMod, kind, electrons, amount);
  }
  if (mass <= 0.0f) {
    if (AutoFormulaMass == 1) slots[FormulaMassLine].clear();
    slots[EmpiricalFormulaLine].clear();
    slots[QualitativeFormulaLine].clear();
    return;
  }
  if (AutoFormulaMass == 1) {
    slots[FormulaMassLine] = FormatNumberFixed(mass);
  }
  std::string empirical;
  FormatCompositionReport(record.counts, 1, empirical, record.isotopeFlags);
  if (empirical.size() <= ComputedFormulaLimit) slots[EmpiricalFormulaLine] = empirical;
  QualityFormula(empirical);
  if (empirical.size() <= ComputedFormulaLimit) slots[QualitativeFormulaLine] = empirical;
}

}  // namespace

void QualityFormula(std::string& formula) {
  std::string kept;
  bool massNumber = false;
  for (const char c : formula) {
    const bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
    if (!digit) massNumber = false;
    if (c == '(' || c == '[') massNumber = true;
    if ((digit && !massNumber) || c == '.') continue;
    kept += c;
  }
  formula = kept;
}

void PrepareRecordForWriting(ChemDbRecordBuffer& record) {
  for (int line = FirstFieldLine; line <= LastFieldLine; ++line) CleanField(record.slots[line]);
  record.slots[ChemDbLastRecordLine].clear();
  for (const int name : NameLines)
    if (HoldsText(record.slots[name])) ChangeCase(record.slots[name], 0);
  ComputeFormulaLines(record);
}

std::string SafetyLineForDisk(std::string_view safetyText) {
  std::string line;
  for (const char c : safetyText) {
    if (c == '\n')
      line += Bel;
    else if (c == '\t' || !IsControl(c))
      line += c;
  }
  if (!line.empty() && line.front() == RecordSeparatorMark) line.insert(0, 1, ' ');
  if (line.size() > SafetyTextLimit) line.resize(SafetyTextLimit);
  return line;
}

std::string SafetyTextFromDisk(std::string_view line) {
  std::string text;
  text.reserve(line.size() + line.size() / 8);
  for (const char c : line) {
    if (c != Bel)
      text += c;
    else if (text.size() < SafetyTextLimit)
      text += "\r\n";
    else
      text += '\n';
  }
  return text;
}

bool IsWindowFieldLine(int line) { return std::ranges::find(WindowLines, line) != WindowLines.end(); }

std::vector<std::string> NewRecordLines(const ChemDbRecordBuffer& record, const std::string& safetyLine) {
  std::vector<std::string> lines;
  for (int line = FirstFieldLine; line <= LastFieldLine; ++line) lines.push_back(record.slots[line]);
  lines.push_back(safetyLine);
  lines.emplace_back();
  return lines;
}

std::vector<std::string> OverwrittenRecordLines(const std::vector<std::string_view>& existing,
                                                const ChemDbRecordBuffer& record, const std::string& safetyLine) {
  std::vector<std::string> lines(std::max<std::size_t>(existing.size(), ChemDbLastRecordLine));
  for (std::size_t i = 0; i < existing.size(); ++i) lines[i] = existing[i];
  if (existing.empty()) lines[0] = RecordSeparatorLine;
  for (int line = FirstFieldLine; line <= LastFieldLine; ++line) {
    if (!IsWindowFieldLine(line)) continue;
    const std::string& slot = record.slots[line];
    lines[line - 1] = slot == " " ? std::string() : slot;
  }
  lines[ChemDbSafetyLine - 1] = safetyLine;
  return lines;
}
