#include "engine/reaction/dissociation.h"

#include <cmath>

#include "engine/numbers/number_text.h"

namespace dissociation {

double LeadingNumber(const std::string& text) { return ReadLeadingReal(text); }

double Coefficient(const std::string& row, bool magnitude) {
  double value = LeadingNumber(row);
  if (value == 0.0) value = 1.0;
  return magnitude ? std::fabs(value) : value;
}

std::string Compacted(std::string_view text) {
  std::string compacted;
  for (char c : text)
    if (static_cast<unsigned char>(c) > ' ') compacted += c;
  return compacted;
}

bool IsEmptyText(std::string_view text) { return Compacted(text).empty(); }

}  // namespace dissociation
