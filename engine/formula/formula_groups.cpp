#include <algorithm>

#include "engine/elements/element_symbols.h"
#include "engine/formula/formula_steps.h"
#include "engine/numbers/number_scan.h"
#include "engine/reaction.h"

namespace formula {
namespace {

struct Group {
  float mass = 0.0f;
  std::size_t firstAtom = 0;  // this group's atoms are entries firstAtom.. of the atom list
};

// An atom list entry: one symbol as written, its count scaled by every
// multiplier that follows it, until the whole formula is closed.
struct WrittenAtom {
  AtomCell cell;
  float count;
};

class GroupEvaluator {
 public:
  GroupEvaluator(std::string_view text, const std::vector<MassNumberMark>& marks, ErrorSlots& errors)
      : text_(text), marks_(marks), errors_(errors) {
    groups_.reserve(8);
    atoms_.reserve(text.size());
  }

  void Run(GroupResult& result) {
    groups_.push_back({});
    std::size_t i = 0;
    while (i < text_.size()) {
      const char c = text_[i];
      if (c == ' ') {
        ++i;
      } else if (c == '(') {
        FlushSymbol();
        groups_.push_back({0.0f, atoms_.size()});
        lastToken_ = Token::Other;
        ++i;
      } else if (c == ')') {
        i = CloseGroup(i + 1);
      } else if (IsUpper(c)) {
        i = ReadSymbol(i);
      } else if ((IsDigit(c) || c == '.') && lastToken_ == Token::Symbol) {
        i = MultiplySymbol(i);
      } else {
        errors_.Set(IllegalSymbolError);
        lastToken_ = Token::Other;
        ++i;
      }
    }
    FlushSymbol();
    while (groups_.size() > 1) CloseGroup(text_.size());
    result.molarMass = groups_.front().mass;
    Collect(result);
  }

 private:
  enum class Token { Other, Symbol };

  struct PendingSymbol {
    float mass = 0.0f;
    std::size_t atom = 0;
    bool present = false;
  };

  float ReadMultiplier(std::size_t& i) {
    const NumberScan number = ScanNumber(text_, SinglePrecisionLimits, false, i);
    if (number.code != ValidNumber) errors_.Set(IllegalCombinationError);
    i += std::max<std::size_t>(1, NumberTextLength(text_, i));
    if (IsLower(i < text_.size() ? text_[i] : '\0')) errors_.Set(IllegalSymbolError);
    return static_cast<float>(number.value);
  }

  void FlushSymbol() {
    if (!pending_.present) return;
    groups_.back().mass += pending_.mass;
    pending_.present = false;
  }

  std::size_t CloseGroup(std::size_t i) {
    FlushSymbol();
    lastToken_ = Token::Other;
    if (groups_.size() < 2) {
      errors_.Set(BracketError);
      return i;
    }
    Group closed = groups_.back();
    groups_.pop_back();
    if (i < text_.size() && (IsDigit(text_[i]) || text_[i] == '.')) {
      const float multiplier = ReadMultiplier(i);
      closed.mass *= multiplier;
      for (std::size_t atom = closed.firstAtom; atom < atoms_.size(); ++atom) atoms_[atom].count *= multiplier;
    }
    groups_.back().mass += closed.mass;
    return i;
  }

  long MassNumberAt(std::size_t position) const {
    for (const auto& mark : marks_)
      if (mark.position == position) return mark.massNumber;
    return 0;
  }

  std::size_t ReadSymbol(std::size_t i) {
    FlushSymbol();
    const std::size_t length = i + 1 < text_.size() && IsLower(text_[i + 1]) ? 2 : 1;
    const std::string_view symbol = text_.substr(i, length);
    const long massNumber = MassNumberAt(i + length);
    lastToken_ = Token::Symbol;
    if (symbol == DeuteriumSymbol) {
      if (massNumber != 0 && massNumber != 2) errors_.Set(UnknownIsotopeError);
      AddAtom({0, DeuteriumIsotopeIndex}, DeuteriumMass);
      return i + length;
    }
    const int Z = FindElementBySymbol(symbol);
    if (Z == 0) {
      errors_.Set(IllegalSymbolError);
      lastToken_ = Token::Other;
      return i + length;
    }
    if (massNumber == 0) {
      AddAtom({Z - 1, PlainElementRow}, ElementByNumber(Z).atomicMass);
      return i + length;
    }
    const int isotope = FindIsotopeByMassNumber(Z, massNumber);
    if (isotope < 0) {
      errors_.Set(UnknownIsotopeError);
      lastToken_ = Token::Other;
      return i + length;
    }
    AddAtom({Z - 1, isotope}, IsotopesByNumber(Z).mass[isotope]);
    return i + length;
  }

  void AddAtom(AtomCell cell, float mass) {
    errors_.Clear(MissingFormulaError);
    atoms_.push_back({cell, 1.0f});
    pending_ = {mass, atoms_.size() - 1, true};
  }

  std::size_t MultiplySymbol(std::size_t i) {
    const float multiplier = ReadMultiplier(i);
    pending_.mass *= multiplier;
    atoms_[pending_.atom].count *= multiplier;
    FlushSymbol();
    lastToken_ = Token::Other;
    return i;
  }

  void Collect(GroupResult& result) const {
    result.atoms.clear();
    for (const auto& atom : atoms_) {
      auto same = std::find_if(result.atoms.begin(), result.atoms.end(),
                               [&](const AtomCount& counted) { return counted.cell == atom.cell; });
      if (same == result.atoms.end())
        result.atoms.push_back({atom.cell, atom.count});
      else
        same->count += atom.count;
    }
  }

  std::string_view text_;
  const std::vector<MassNumberMark>& marks_;
  ErrorSlots& errors_;
  std::vector<Group> groups_;
  std::vector<WrittenAtom> atoms_;
  PendingSymbol pending_;
  Token lastToken_ = Token::Other;
};

}  // namespace

void EvaluateGroups(std::string_view wrapped, const std::vector<MassNumberMark>& marks, ErrorSlots& errors,
                    GroupResult& result) {
  GroupEvaluator(wrapped, marks, errors).Run(result);
}

}  // namespace formula
