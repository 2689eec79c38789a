#include <gtest/gtest.h>

#include <optional>

#include "periodic_table/model/property_graph_layout.h"

namespace {

constexpr int AtomicMass = 101;
constexpr int MeltingPoint = 102;
constexpr int CovalentRadius = 105;
constexpr int Electronegativity = 112;
constexpr int IsotopeCount = 115;

std::optional<PlacedSymbol> SymbolOf(const PropertyGraphLayout& layout, int atomicNumber) {
  for (const PlacedSymbol& symbol : layout.symbols) {
    if (symbol.atomicNumber == atomicNumber) return symbol;
  }
  return std::nullopt;
}

struct Place {
  int atomicNumber;
  int x;
  int y;
};

void ExpectPlaces(const PropertyGraphLayout& layout, std::initializer_list<Place> places) {
  for (const Place& place : places) {
    const std::optional<PlacedSymbol> symbol = SymbolOf(layout, place.atomicNumber);
    ASSERT_TRUE(symbol.has_value()) << "Z " << place.atomicNumber;
    EXPECT_EQ(symbol->x, place.x) << "Z " << place.atomicNumber;
    EXPECT_EQ(symbol->y, place.y) << "Z " << place.atomicNumber;
  }
}

std::array<float, ElementCount> NoValues() {
  std::array<float, ElementCount> values;
  values.fill(NoValue);
  return values;
}

TEST(PropertyGraphLayout, AtomicMassOfAllElementsRunsTwiceFromTheLeft) {
  const PropertyGraphLayout layout = LayOutPropertyGraph(GraphPropertyValues(AtomicMass), AtomicMass, false);
  // Lr's 260 is the maximum and takes the whole 250 pixels: axis top 399 - 250, label 20 above.
  EXPECT_FLOAT_EQ(layout.max, 260.0f);
  EXPECT_FLOAT_EQ(layout.min, 0.0f);
  EXPECT_EQ(layout.axisTop, 149);
  EXPECT_EQ(layout.labelY, 129);
  ExpectPlaces(layout, {
                           // k = 1.00794 * 250 / 260 = 0.97 -> 0: y 393.
                           {1, 20, 393},
                           // k(4.0026) = 3.85 -> 3, y 390: less than 8 from H, which has one letter: +7.
                           {2, 27, 390},
                           // k(6.941) = 6.67 -> 6, y 387: less than 8 from He, which has two letters: +12.
                           {3, 39, 387},
                           // k(132.90543) = 127.79 -> 127, y 266; the second run starts at x 20.
                           {55, 20, 266},
                           // k(137.327) = 132.04 -> 132, y 261: 5 from Cs, two letters: +12.
                           {56, 32, 261},
                       });
  // k(260) = 250: y 143.
  ASSERT_TRUE(SymbolOf(layout, 103).has_value());
  EXPECT_EQ(SymbolOf(layout, 103)->y, 143);
}

TEST(PropertyGraphLayout, MeltingPointDrawsBelowTheAxisAndSkipsElementsWithoutAValue) {
  const PropertyGraphLayout layout = LayOutPropertyGraph(GraphPropertyValues(MeltingPoint), MeltingPoint, false);
  // Range 3550 - (-272.2) = 3822.2; k(3550) = 232.2 -> 232.
  EXPECT_FLOAT_EQ(layout.max, 3550.0f);
  EXPECT_FLOAT_EQ(layout.min, -272.2f);
  EXPECT_EQ(layout.axisTop, 167);
  EXPECT_EQ(layout.labelY, 147);
  ExpectPlaces(layout, {
                           // k(-259.14) = -16.95 -> -16 (towards zero): y 409, under the axis at 399.
                           {1, 20, 409},
                           // k(-272.2) = -17.8 -> -17: y 410, 1 from H: +7.
                           {2, 27, 410},
                           // k(180.55) = 11.8 -> 11: y 382, 28 from He: the step of 4.
                           {3, 31, 382},
                           // k(1286.85) = 84.2 -> 84: y 309, step 4.
                           {4, 35, 309},
                       });
  for (const PlacedSymbol& symbol : layout.symbols) EXPECT_LT(symbol.atomicNumber, 97) << "Bk to Lr have no value";
}

TEST(PropertyGraphLayout, CovalentRadiusRunStopsAtTheRightEdge) {
  const PropertyGraphLayout layout = LayOutPropertyGraph(GraphPropertyValues(CovalentRadius), CovalentRadius, false);
  // Fr's 2.6 is the maximum. Tl (1.48) stands at x 588, y 393 - 142 = 251; Pb (1.47): k 141.3 -> 141,
  // y 252, 1 from Tl, which has two letters: x 600; Bi (1.46): k 140.4 -> 140, y 253: x 612; Po
  // (1.4): k 134.6 -> 134, y 259, 6 from Bi: x 624, past 620, and every later x is larger still.
  EXPECT_FLOAT_EQ(layout.max, 2.6f);
  ExpectPlaces(layout, {{81, 588, 251}, {82, 600, 252}, {83, 612, 253}});
  ASSERT_FALSE(layout.symbols.empty());
  EXPECT_EQ(layout.symbols.back().atomicNumber, 83);
}

TEST(PropertyGraphLayout, MainGroupsFillTheirColumnsOnTheirOwnScale) {
  const PropertyGraphLayout layout = LayOutPropertyGraph(GraphPropertyValues(AtomicMass), AtomicMass, true);
  // Ra's 226.0254 is the maximum; Ac (227.028) and the other elements in no column play no part.
  EXPECT_FLOAT_EQ(layout.max, 226.0254f);
  EXPECT_EQ(layout.axisTop, 149);
  ExpectPlaces(layout, {
                           // Column 1 from 12 + 13: k(1.00794) = 250 * 1.00794 / 226.0254 = 1.11 -> 1.
                           {1, 25, 392},
                           // k(6.941) = 7.68 -> 7.
                           {3, 38, 386},
                           // Fr, seventh of column 1: 12 + 7 * 13; k(223) = 246.65 -> 246.
                           {87, 103, 147},
                           // Ra, sixth of column 2: 110 + 6 * 13; k = 250.
                           {88, 188, 143},
                           // He opens column 8 at 520 + 13; k(4.0026) = 4.43 -> 4.
                           {2, 533, 389},
                           // Rn, sixth of column 8; k(222) = 245.55 -> 245.
                           {86, 598, 148},
                           // Tl, fifth of column 3: 195 + 5 * 13; k(204.3833) = 226.06 -> 226.
                           {81, 260, 167},
                       });
  // The 44 members of the columns (7 + 6 + 5 * 5 + 6), each drawn once.
  EXPECT_EQ(layout.symbols.size(), 44u);
}

TEST(PropertyGraphLayout, MainGroupsScaleLeavesOutTheElementsInNoColumn) {
  // A large value in each range outside the columns moves the scale only when all elements count.
  for (int outside : {21, 30, 39, 48, 57, 80, 89, 103}) {
    std::array<float, ElementCount> values = NoValues();
    values[0] = 100.0f;
    values[outside - 1] = 1000.0f;
    EXPECT_FLOAT_EQ(LayOutPropertyGraph(values, AtomicMass, true).max, 100.0f) << "Z " << outside;
    EXPECT_FLOAT_EQ(LayOutPropertyGraph(values, AtomicMass, false).max, 1000.0f) << "Z " << outside;
  }
}

TEST(PropertyGraphLayout, ElectronegativityLeavesTheNobleGasColumnEmpty) {
  const PropertyGraphLayout layout =
      LayOutPropertyGraph(GraphPropertyValues(Electronegativity), Electronegativity, true);
  for (int nobleGas : {2, 10, 18, 36, 54, 86}) EXPECT_FALSE(SymbolOf(layout, nobleGas).has_value()) << nobleGas;
  // Column 8 would start at 520 + 13.
  for (const PlacedSymbol& symbol : layout.symbols) EXPECT_LT(symbol.x, 533) << symbol.atomicNumber;
}

TEST(PropertyGraphLayout, OnlyTheTwoSentinelsMeanNoValue) {
  const struct {
    float value;
    bool counts;
  } cases[] = {{-1.0f, false}, {-999.0f, false}, {0.0f, true}, {-0.5f, true}, {-998.9f, true}, {-1.001f, true}};
  for (const auto& each : cases) EXPECT_EQ(HasGraphValue(each.value), each.counts) << each.value;
}

TEST(PropertyGraphLayout, AnElementWithoutAValueLeavesNoGapYetItsSymbolSetsTheNextStep) {
  // H, He and Be at the same level; Li has no value. Be follows He by 12, as its predecessor in the
  // table, Li, has two letters, although Li is not drawn. C far below moves by the step of 3.
  std::array<float, ElementCount> values = NoValues();
  values[0] = 100.0f;
  values[1] = 100.0f;
  values[3] = 100.0f;
  values[5] = 0.0f;
  const PropertyGraphLayout layout = LayOutPropertyGraph(values, AtomicMass, false);
  // k(100) = 250: y 143; C at k 0: y 393.
  ExpectPlaces(layout, {{1, 20, 143}, {2, 27, 143}, {4, 39, 143}, {6, 42, 393}});
  EXPECT_EQ(layout.symbols.size(), 4u);
}

TEST(PropertyGraphLayout, AnEmptyRangeDrawsAtTheBaselineInsteadOfDividingByZero) {
  const PropertyGraphLayout none = LayOutPropertyGraph(NoValues(), AtomicMass, false);
  EXPECT_TRUE(none.symbols.empty());
  EXPECT_EQ(none.axisTop, GraphBaselineY);

  std::array<float, ElementCount> zeros = NoValues();
  zeros[0] = 0.0f;
  zeros[2] = 0.0f;
  const PropertyGraphLayout flat = LayOutPropertyGraph(zeros, AtomicMass, true);
  EXPECT_EQ(flat.axisTop, GraphBaselineY);
  ExpectPlaces(flat, {{1, 25, 393}, {3, 38, 393}});
}

TEST(PropertyGraphLayout, EveryPropertyOfTheTablesHasARangeAndStaysInTheWindow) {
  // The client area is 635 x 426 pixels; the band of choices covers it down to y 129, and a
  // symbol is 12 pixels high and at most 12 wide.
  for (int property = FirstGraphPropertyId; property <= LastGraphPropertyId; ++property) {
    for (bool mainGroups : {false, true}) {
      const PropertyGraphLayout layout = LayOutPropertyGraph(GraphPropertyValues(property), property, mainGroups);
      SCOPED_TRACE(::testing::Message() << "property " << property << (mainGroups ? " main groups" : " all"));
      EXPECT_GT(layout.max, layout.min);
      EXPECT_FALSE(layout.symbols.empty());
      EXPECT_GE(layout.labelY, 129);
      for (const PlacedSymbol& symbol : layout.symbols) {
        EXPECT_GE(symbol.x, GraphFirstSymbolX);
        EXPECT_LE(symbol.x + 12, 635);
        EXPECT_GT(symbol.y, layout.labelY);
        EXPECT_LE(symbol.y + 12, 426);
      }
    }
  }
}

TEST(PropertyGraphLayout, ValuesComeFromTheElementAndIsotopeTables) {
  EXPECT_FLOAT_EQ(GraphPropertyValues(MeltingPoint)[0], -259.14f);
  EXPECT_FLOAT_EQ(GraphPropertyValues(CovalentRadius)[0], 0.32f);
  EXPECT_FLOAT_EQ(GraphPropertyValues(Electronegativity)[1], -1.0f);
  EXPECT_FLOAT_EQ(GraphPropertyValues(IsotopeCount)[49], 10.0f);  // Sn
  EXPECT_FLOAT_EQ(GraphPropertyValues(IsotopeCount)[42], 0.0f);   // Tc
  for (int outside : {100, 116, 0}) {
    for (float value : GraphPropertyValues(outside)) EXPECT_FALSE(HasGraphValue(value)) << outside;
  }
}

}  // namespace
