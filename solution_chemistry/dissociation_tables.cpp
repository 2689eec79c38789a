#include "solution_chemistry/dissociation_tables.h"

#include "engine/numbers/number_text.h"
#include "engine/records/record_file.h"

namespace {

using Kind = RecordLineSource::Kind;

constexpr std::size_t NameLimit = 251;

// Nine lines; the constant and the temperature are stored as the editors leave them, without blanks.
std::vector<RecordLineSource> DissociationFrame(bool crystalWater) {
  return {
      {Kind::Field, KeyField, DissociationLineWidth},
      {Kind::Field, EnglishNameField, NameLimit},
      {Kind::Field, NorwegianNameField, NameLimit},
      {Kind::Empty},
      crystalWater ? RecordLineSource{Kind::Field, CrystalWaterField, DissociationLineWidth} : RecordLineSource{},
      {Kind::Field, CationField, DissociationLineWidth},
      {Kind::Field, AnionField, DissociationLineWidth},
      {Kind::Field, ConstantField, DissociationLineWidth},
      {Kind::Field, TemperatureField, DissociationLineWidth},
  };
}

TableEditorConfig DissociationTable(const char* fileName, bool crystalWater, bool highlightBeforeOptions) {
  TableEditorConfig table{fileName,
                          TableShape::RecordFile,
                          FormulaLine,
                          DissociationFrame(crystalWater),
                          DissociationLineWidth,
                          false,
                          highlightBeforeOptions,
                          "formula",
                          "en formel"};
  // Co and CO are two formulas.
  table.keysMatchCase = true;
  return table;
}

}  // namespace

const TableEditorConfig SolubilityTable = DissociationTable("dats\\datfiles\\atomdata\\solprod.dat", true, false);
const TableEditorConfig AcidBaseTable = DissociationTable("dats\\datfiles\\atomdata\\acconst.dat", false, true);

void RefillKeyCombo(CComboBox& combo, const TableEditorConfig& table) {
  std::string typed;
  combo.GetWindowText(typed);
  combo.ResetContent();
  for (const auto& record : ReadRecordFile(table.fileName)) combo.AddString(RecordLine(record, FormulaLine).c_str());
  combo.SetWindowText(typed.c_str());
}

bool EmptyDamagedNumbers(std::vector<std::string>& record) {
  bool damaged = false;
  for (const int line : {ConstantLine, TemperatureLine}) {
    if (line > static_cast<int>(record.size()) || !IsDamagedTableNumber(record[line - 1])) continue;
    record[line - 1].clear();
    damaged = true;
  }
  return damaged;
}
