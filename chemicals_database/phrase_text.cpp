#include "chemicals_database/phrase_text.h"

#include "resources/quick_edit_ids.h"

const std::vector<PhraseCategory>& PhraseCategories() {
  static const std::vector<PhraseCategory> categories = {
      {1, RiskCategoryId, "DATS\\datfiles\\fastedit\\rsetn.dat"},
      {2, SafetyCategoryId, "DATS\\datfiles\\fastedit\\ssetn.dat"},
      {0, DangerCategoryId, "DATS\\datfiles\\fastedit\\fare.dat"},
      {3, HealthHazardCategoryId, "DATS\\datfiles\\fastedit\\hfare.dat"},
      {7, StorageCategoryId, "DATS\\datfiles\\fastedit\\lagring.dat"},
      {8, DisposalCategoryId, "DATS\\datfiles\\fastedit\\destruer.dat"},
      {5, FirstAidCategoryId, "DATS\\datfiles\\fastedit\\fhjelp.dat"},
      {4, FireHazardCategoryId, "DATS\\datfiles\\fastedit\\bfare.dat"},
      {6, PreventiveCategoryId, "DATS\\datfiles\\fastedit\\ftiltak.dat"},
  };
  return categories;
}

const PhraseCategory& PhraseCategoryOf(int number) {
  for (const PhraseCategory& category : PhraseCategories()) {
    if (category.number == number && number >= 1) return category;
  }
  return PhraseCategories().front();
}

ComposedPhrases ComposePhraseText(const std::vector<std::string>& phrases) {
  ComposedPhrases composed;
  for (const std::string& phrase : phrases) {
    if (composed.text.size() + phrase.size() > PhraseTextLimit) {
      composed.overflow = true;
    } else {
      composed.text += phrase;
    }
  }
  return composed;
}

std::optional<int> NewPhrasePlace(int count, const std::vector<int>& selected, bool before) {
  if (count == 0) return 0;
  if (selected.size() != 1) return std::nullopt;
  return before ? selected.front() : selected.front() + 1;
}
