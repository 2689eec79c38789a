#pragma once

// The steps of dcalk, each on the working copy of the formula text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/formcalc.h"
#include "engine/formtext.h"

namespace formula {

inline constexpr float DeuteriumMass = 2.014f;

// Error slots: code k (1 to 10) sets slot k-1; the lowest set slot is reported.
class ErrorSlots {
 public:
  void Set(ErrorCode code) { bits_ |= 1u << (code - 1); }
  void Clear(ErrorCode code) { bits_ &= ~(1u << (code - 1)); }
  bool Has(ErrorCode code) const { return (bits_ & (1u << (code - 1))) != 0; }
  int Lowest() const {
    for (ErrorCode code = IllegalSymbolError; code <= TooManyPositiveChargesError; ++code)
      if (Has(code)) return code;
    return 0;
  }

 private:
  std::uint32_t bits_ = 0;
};

// One cell of FormulaCounts: element index Z-1 and row (isotope index, or PlainElementRow).
struct AtomCell {
  int index = -1;
  int row = PlainElementRow;
  bool operator==(const AtomCell&) const = default;
};

struct Amount {
  float moles = 1.0f;  // C
  float grams = 0.0f;  // G
  bool given = false;
};

// X of the comma form "2mS,H2SO4"; index -1 when X is no symbol.
struct CommaTarget {
  AtomCell cell;
  bool valid() const { return cell.index >= 0; }
};

// A mass number taken out of the text, for the symbol that ends at position.
struct MassNumberMark {
  std::size_t position;
  long massNumber;
};

// Atoms per formula unit, one entry per cell, in the order first met.
struct AtomCount {
  AtomCell cell;
  float count;
};

struct GroupResult {
  float molarMass = 0.0f;
  std::vector<AtomCount> atoms;
};

bool IsDigit(char c);
bool IsUpper(char c);
bool IsLower(char c);

void ScanMisplacedMarks(std::string_view formula, ErrorSlots& errors, bool& hasQuestionMark);
void MarkExponents(std::string& text);
void ReadAmountPrefix(std::string& text, bool commaForm, Amount& amount, CommaTarget& target, ErrorSlots& errors);
void ReadCharge(std::string& text, float& charge, ErrorSlots& errors);
std::string CleanUp(std::string_view wrapped, ErrorSlots& errors);
void MarkCoefficient(std::string& wrapped, ErrorSlots& errors);
std::string RewriteAdducts(std::string_view wrapped, ErrorSlots& errors);
std::string ExtractMassNumbers(std::string_view wrapped, std::vector<MassNumberMark>& marks, ErrorSlots& errors);
void CheckBrackets(std::string_view wrapped, ErrorSlots& errors);
void EvaluateGroups(std::string_view wrapped, const std::vector<MassNumberMark>& marks, ErrorSlots& errors,
                    GroupResult& result);

// Characters of the number that starts at position; for a number the parser
// refuses, at least its whole run of digits and '.'.
std::size_t NumberTextLength(std::string_view text, std::size_t position);

}  // namespace formula
