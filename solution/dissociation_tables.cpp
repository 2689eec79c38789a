#include "solution/dissociation_tables.h"

#include "engine/records/record_file.h"

namespace {

using Kind = RecordLineSource::Kind;

constexpr std::size_t NameLimit = 251;

// Nine lines; the constant and the temperature are stored as the editors leave them, without blanks.
std::vector<RecordLineSource> DissociationFrame(bool crystalWater) {
  return {
      {Kind::Field, KeyField, DissociationKeyWidth},
      {Kind::Field, EnglishNameField, NameLimit},
      {Kind::Field, NorwegianNameField, NameLimit},
      {Kind::Empty},
      crystalWater ? RecordLineSource{Kind::Field, CrystalWaterField, DissociationKeyWidth} : RecordLineSource{},
      {Kind::Field, CationField, DissociationKeyWidth},
      {Kind::Field, AnionField, DissociationKeyWidth},
      {Kind::Field, ConstantField, DissociationKeyWidth},
      {Kind::Field, TemperatureField, DissociationKeyWidth},
  };
}

TableEditorConfig DissociationTable(const char* fileName, bool crystalWater, bool highlightBeforeOptions) {
  TableEditorConfig table{fileName,
                          TableShape::RecordFile,
                          FormulaLine,
                          DissociationFrame(crystalWater),
                          DissociationKeyWidth,
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
