#pragma once
// The units of the conversion window in seven groups (temperature, pressure, energy, power, force,
// length, mass), each unit known by the id of its field, and the conversion of a typed value into
// every other unit of its group.
#include <optional>
#include <span>
#include <string>
#include <vector>

struct UnitField {
  int id;
  // Value in the group's first unit = value in this unit x factor. Temperatures convert by their
  // scales' formulas instead.
  double factor;
};

// The fields of the group that holds the field, in id order; empty when it is no unit field.
std::span<const UnitField> UnitGroupOf(int fieldId);

bool IsTemperatureField(int fieldId);

struct ConvertedField {
  int id;
  std::string text;
};

// The typed text of the source field read as a whole number of double precision (blanks removed),
// shown in every other unit of its group with "%G" (six significant digits), in id order. None
// when the text is no number, or when a result lies beyond what a double holds.
std::optional<std::vector<ConvertedField>> ConvertUnitText(int sourceId, std::string text);
