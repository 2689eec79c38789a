#pragma once
// A list of single selection for the table-editor engine, without a window: entries, the selected
// index and how many entries it takes, all open to the caller.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "engine/records/table_editor.h"

class FakeEditorList : public EditorList {
 public:
  std::vector<std::string> entries;
  int selected = -1;
  std::size_t capacity = 1'000'000;

  int Count() const override { return static_cast<int>(entries.size()); }
  std::vector<int> SelectedIndexes() const override {
    return selected >= 0 ? std::vector<int>{selected} : std::vector<int>{};
  }
  int FindExact(std::string_view text) const override {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const bool equal = std::ranges::equal(entries[i], text, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
      });
      if (equal) return static_cast<int>(i);
    }
    return -1;
  }
  int FindExactMatchingCase(std::string_view text) const override {
    const auto found = std::ranges::find(entries, text);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
  }
  bool Insert(int index, std::string_view text) override {
    if (entries.size() >= capacity) return false;
    entries.insert(entries.begin() + index, std::string(text));
    if (selected >= index) ++selected;
    return true;
  }
  void Remove(int index) override {
    entries.erase(entries.begin() + index);
    if (selected == index)
      selected = -1;
    else if (selected > index)
      --selected;
  }
  void Select(int index) override { selected = index; }
  void Clear() override {
    entries.clear();
    selected = -1;
  }
};
