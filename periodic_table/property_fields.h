#pragma once
// The 22 property fields of the element-properties window: each field's label and the text it shows for an element (numbers as "%.4f", empty where the table has none).
#include <array>
#include <string>

struct PropertyField {
  int fieldId;
  int labelId;
  std::string (*text)(int Z);
};

// In the order in which the window fills them.
extern const std::array<PropertyField, 22> PropertyFields;
