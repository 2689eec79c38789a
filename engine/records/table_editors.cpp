#include "engine/records/table_editor.h"

#include "engine/settings/settings.h"

namespace {

using Kind = RecordLineSource::Kind;

// Limits of the lines written from the fields.
constexpr std::size_t TextFieldLimit = 251;
constexpr std::size_t NumberFieldLimit = 35;
constexpr std::size_t KeyFieldLimit = 35;
constexpr std::size_t ListLineLimit = 251;
constexpr std::size_t MoleculeFormulaLimit = 219;

// Nine lines: the name on line 2, the formula on line 6, the rest empty.
std::vector<RecordLineSource> MoleculeNamesFrame() {
  return {
      {Kind::Empty}, {Kind::Field, 0, TextFieldLimit},       {Kind::Empty}, {Kind::Empty},
      {Kind::Empty}, {Kind::Field, 1, MoleculeFormulaLimit}, {Kind::Empty}, {Kind::Empty},
      {Kind::Empty},
  };
}

}  // namespace

const TableEditorConfig BalancingListEditor{"dats\\datfiles\\atomdata\\balequ.dat",
                                            TableShape::ListFile,
                                            1,
                                            {},
                                            ListLineLimit,
                                            true,
                                            false,
                                            "equation",
                                            "en ligning"};

const TableEditorConfig ThermochemistryListEditor{"dats\\datfiles\\atomdata\\thermequ.dat",
                                                  TableShape::ListFile,
                                                  1,
                                                  {},
                                                  ListLineLimit,
                                                  true,
                                                  false,
                                                  "equation",
                                                  "en ligning"};

// Fields: 0 formula with phase (the key), 1 English name, 2 Norwegian name, 3 to 6 the four numbers.
const TableEditorConfig ThermochemicalDataEditor{"dats\\datfiles\\atomdata\\thermody.dat",
                                                 TableShape::RecordFile,
                                                 2,
                                                 {
                                                     {Kind::Empty},
                                                     {Kind::Field, 0, TextFieldLimit},
                                                     {Kind::Field, 1, TextFieldLimit},
                                                     {Kind::Field, 2, TextFieldLimit},
                                                     {Kind::Fixed, 0, 0, "1"},
                                                     {Kind::Field, 3, NumberFieldLimit},
                                                     {Kind::Field, 4, NumberFieldLimit},
                                                     {Kind::Field, 5, NumberFieldLimit},
                                                     {Kind::Field, 6, NumberFieldLimit},
                                                 },
                                                 KeyFieldLimit,
                                                 false,
                                                 true,
                                                 "formula",
                                                 "en formel"};

const TableEditorConfig NorwegianMoleculeNamesEditor{"dats\\datfiles\\atomdata\\nomolclc.dat",
                                                     TableShape::RecordFile,
                                                     2,
                                                     MoleculeNamesFrame(),
                                                     TextFieldLimit,
                                                     true,
                                                     false,
                                                     "equation",
                                                     "en ligning"};

const TableEditorConfig EnglishMoleculeNamesEditor{"dats\\datfiles\\atomdata\\enmolclc.dat",
                                                   TableShape::RecordFile,
                                                   2,
                                                   MoleculeNamesFrame(),
                                                   TextFieldLimit,
                                                   true,
                                                   false,
                                                   "equation",
                                                   "en ligning"};

const TableEditorConfig& MoleculeNamesEditor() {
  return LanguageCode == NorwegianLanguage ? NorwegianMoleculeNamesEditor : EnglishMoleculeNamesEditor;
}
