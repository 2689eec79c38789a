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
constexpr std::size_t RedoxEquationLimit = 219;

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
                                                  "en ligning",
                                                  false,
                                                  true};

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
                                                 "en formel",
                                                 false,
                                                 true};

// Fields: 0 the half reaction (the key), 1 English comment, 2 Norwegian comment, 3 the potential,
// 4 the temperature.
const TableEditorConfig RedoxDataEditor{"dats\\datfiles\\atomdata\\redox.dat",
                                        TableShape::RecordFile,
                                        1,
                                        {
                                            {Kind::Field, 0, RedoxEquationLimit},
                                            {Kind::Field, 1, TextFieldLimit},
                                            {Kind::Field, 2, TextFieldLimit},
                                            {Kind::Empty},
                                            {Kind::Empty},
                                            {Kind::Empty},
                                            {Kind::Empty},
                                            {Kind::Field, 3, NumberFieldLimit},
                                            {Kind::Field, 4, NumberFieldLimit},
                                        },
                                        RedoxEquationLimit,
                                        true,
                                        false,
                                        "equation",
                                        "en ligning",
                                        false,
                                        true};

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
