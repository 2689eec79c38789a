#pragma once
// The quick editor's lists of standard phrases without a window: the categories with their files,
// the joined text of the chosen phrases, and where a new phrase goes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PhraseCategory {
  int number;  // QuickEditCategory
  int radioId;
  const char* file;
};

// In the order the window tests its radio buttons.
const std::vector<PhraseCategory>& PhraseCategories();
// The category of the number; the risk phrases for a number outside 1 to 8.
const PhraseCategory& PhraseCategoryOf(int number);

inline constexpr std::size_t PhraseTextLimit = 3997;
inline constexpr std::size_t NewPhraseLimit = 251;

struct ComposedPhrases {
  std::string text;
  bool overflow = false;  // a phrase was left out: the text would have grown too long
};

// The phrases joined one after another, without anything between them; a phrase that would make
// the text longer than the limit is left out.
ComposedPhrases ComposePhraseText(const std::vector<std::string>& phrases);

// Where a new phrase goes in a list of `count` entries with these selected: before or after the
// one selected entry, or first into an empty list; none when the list has entries and not exactly
// one is selected.
std::optional<int> NewPhrasePlace(int count, const std::vector<int>& selected, bool before);
