#include "periodic_table/model/property_graph_layout.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// With the atomic mass the heavy elements, from caesium on, start a second run at the left.
constexpr int AtomicMassPropertyId = FirstGraphPropertyId;
constexpr int CaesiumZ = 55;
constexpr int NearLevelDistance = 8;  // symbols closer in height than this stand side by side
constexpr int OneLetterAdvance = 7;
constexpr int TwoLetterAdvance = 12;

struct PlottedProperty {
  float ElementRecord::*field;  // null for the stable isotope count
  int xStep;
};

// In radio order, 101 to 115.
constexpr PlottedProperty PlottedProperties[] = {
    {&ElementRecord::atomicMass, 3},
    {&ElementRecord::meltingPoint, 4},
    {&ElementRecord::boilingPoint, 5},
    {&ElementRecord::density, 3},
    {&ElementRecord::covalentRadius, 3},
    {&ElementRecord::atomicRadius, 3},
    {&ElementRecord::atomicVolume, 3},
    {&ElementRecord::ionisationPotential, 3},
    {&ElementRecord::specificHeat, 3},
    {&ElementRecord::electricalConductivity, 4},
    {&ElementRecord::thermalConductivity, 3},
    {&ElementRecord::electronegativity, 3},
    {&ElementRecord::heatOfFusion, 5},
    {&ElementRecord::heatOfVaporisation, 6},
    {nullptr, 5},
};

bool IsGraphProperty(int propertyId) { return propertyId >= FirstGraphPropertyId && propertyId <= LastGraphPropertyId; }

// The column of a main-group element, -1 for the elements in no column.
int ColumnOf(int atomicNumber) {
  const auto& columns = MainGroupColumns();
  for (size_t column = 0; column < columns.size(); ++column) {
    for (int member : columns[column].members) {
      if (member == atomicNumber) return static_cast<int>(column);
    }
  }
  return -1;
}

bool HasTwoLetters(int atomicNumber) { return std::strlen(ElementByNumber(atomicNumber).symbol) == 2; }

}  // namespace

const std::array<MainGroupColumn, 8>& MainGroupColumns() {
  static const std::array<MainGroupColumn, 8> columns = {{
      {12, {1, 3, 11, 19, 37, 55, 87}, "1/IA", 56},
      {110, {4, 12, 20, 38, 56, 88}, "2/IIA", 140},
      {195, {5, 13, 31, 49, 81}, "13/IIIA", 215},
      {260, {6, 14, 32, 50, 82}, "14/IVA", 282},
      {325, {7, 15, 33, 51, 83}, "15/VA", 350},
      {390, {8, 16, 34, 52, 84}, "16/VIA", 413},
      {455, {9, 17, 35, 53, 85}, "17/VIIA", 476},
      {520, {2, 10, 18, 36, 54, 86}, "18/VIIIA", 545},
  }};
  return columns;
}

std::array<float, ElementCount> GraphPropertyValues(int propertyId) {
  std::array<float, ElementCount> values;
  values.fill(NoValue);
  if (!IsGraphProperty(propertyId)) return values;
  const PlottedProperty& property = PlottedProperties[propertyId - FirstGraphPropertyId];
  for (int i = 0; i < ElementCount; ++i) {
    values[i] = property.field != nullptr ? ElementByNumber(i + 1).*property.field
                                          : static_cast<float>(IsotopesByNumber(i + 1).count & 0xFF);
  }
  return values;
}

bool HasGraphValue(float value) { return value != NoValue && value != NoTemperature; }

int ScaledHeight(float value, float max, float min) {
  const double range = static_cast<double>(max) - min;
  if (range == 0) return 0;
  return static_cast<int>(std::trunc(value * static_cast<double>(GraphPlotHeight) / range));
}

PropertyGraphLayout LayOutPropertyGraph(const std::array<float, ElementCount>& values, int propertyId,
                                        bool mainGroupsOnly) {
  PropertyGraphLayout layout;
  // In the main-groups mode the elements in no column take no part at all.
  auto counts = [&](int atomicNumber) {
    return HasGraphValue(values[atomicNumber - 1]) && (!mainGroupsOnly || ColumnOf(atomicNumber) >= 0);
  };
  for (int z = 1; z <= ElementCount; ++z) {
    if (!counts(z)) continue;
    if (values[z - 1] > layout.max) layout.max = values[z - 1];
    if (values[z - 1] < layout.min) layout.min = values[z - 1];
  }
  const int top = ScaledHeight(layout.max, layout.max, layout.min);
  layout.axisTop = GraphBaselineY - top;
  layout.labelY = layout.axisTop - GraphLabelLift;

  const int xStep = IsGraphProperty(propertyId) ? PlottedProperties[propertyId - FirstGraphPropertyId].xStep : 0;
  std::array<int, 8> columnX;
  for (size_t column = 0; column < columnX.size(); ++column) columnX[column] = MainGroupColumns()[column].baseX;
  int x = GraphFirstSymbolX;
  int previousY = 0;
  for (int z = 1; z <= ElementCount; ++z) {
    if (!counts(z)) continue;
    const int y = GraphBaselineY - GraphSymbolLift - ScaledHeight(values[z - 1], layout.max, layout.min);
    if (mainGroupsOnly) {
      const int column = ColumnOf(z);
      columnX[column] += GraphColumnSpacing;
      layout.symbols.push_back({z, columnX[column], y});
      continue;
    }
    if (z > 1) {
      if (std::abs(y - previousY) >= NearLevelDistance) {
        x += xStep;
      } else {
        x += HasTwoLetters(z - 1) ? TwoLetterAdvance : OneLetterAdvance;
      }
    }
    if (propertyId == AtomicMassPropertyId && z == CaesiumZ) x = GraphFirstSymbolX;
    if (x < GraphSymbolLimitX) layout.symbols.push_back({z, x, y});
    previousY = y;
  }
  return layout;
}
