#pragma once
// The two tables of dissociations the solubility and weak acid/base windows load and their editors
// maintain: solprod.dat (sparingly soluble salts) and acconst.dat (weak acids and bases). Records of
// nine lines: 1 formula (the key), 2 English name, 3 Norwegian name, 4 empty, 5 crystal water (the
// salts only), 6 cation or H3O+/OH-, 7 anion or conjugate, 8 Ksp or K, 9 temperature in degrees C.
#include <cstddef>
#include <string>
#include <vector>

#include "engine/records/table_editor.h"
#include "platform/controls/ccombobox.h"

inline constexpr int FormulaLine = 1;
inline constexpr int EnglishNameLine = 2;
inline constexpr int NorwegianNameLine = 3;
inline constexpr int CrystalWaterLine = 5;
inline constexpr int CationLine = 6;
inline constexpr int AnionLine = 7;
inline constexpr int ConstantLine = 8;
inline constexpr int TemperatureLine = 9;

// A key and every short field hold at most this many characters; a longer key is refused, never
// stored cut.
inline constexpr std::size_t DissociationLineWidth = 35;

// The editors' fields, by index.
enum DissociationField : int {
  KeyField,
  EnglishNameField,
  NorwegianNameField,
  CrystalWaterField,
  CationField,
  AnionField,
  ConstantField,
  TemperatureField,
  DissociationFieldCount,
};

extern const TableEditorConfig SolubilityTable;
extern const TableEditorConfig AcidBaseTable;

// Empties the record's constant and temperature lines that hold no number, so that the window shows
// them as missing; true when there was one.
bool EmptyDamagedNumbers(std::vector<std::string>& record);

// Fills the combo box's list with the table's keys in file order, keeping the text of its field.
void RefillKeyCombo(CComboBox& combo, const TableEditorConfig& table);
