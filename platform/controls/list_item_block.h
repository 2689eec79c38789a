#pragma once
// A run of list items whose texts lie one after another in one buffer: a block of short lines
// costs about the bytes of its lines, and filling it allocates per block, not per item.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ListItemBlock {
 public:
  size_t Count() const { return ends_.size(); }
  size_t Bytes() const { return chars_.size(); }
  // Whether a text of this many bytes fits the block's buffer as it is.
  bool HasRoomFor(size_t bytes) const { return chars_.capacity() - chars_.size() >= bytes; }
  // offset < Count(); the view holds until the block changes.
  std::string_view Text(size_t offset) const;
  bool Selected(size_t offset) const { return selected_[offset]; }
  void Select(size_t offset, bool selected) { selected_[offset] = selected; }
  void SelectAll(bool selected);
  size_t SelectedCount() const;

  // Room for this many items and text bytes in all; throws std::bad_alloc, the block unchanged.
  void Reserve(size_t items, size_t bytes);
  // offset <= Count(); throws std::bad_alloc, the block then as before.
  void Insert(size_t offset, std::string_view text);
  // offset < Count().
  void Erase(size_t offset);
  // Moves the items from `offset` on into a new block; throws std::bad_alloc, the block then as before.
  ListItemBlock SplitOff(size_t offset);
  // Where a split leaves about half of the text bytes on each side: the count of items lying
  // wholly in the first half, at least 1 and at most Count() - 1 (Count() >= 2).
  size_t HalfBytesPoint() const;

  // The first offset for which `holds(text)` is false, where it holds for all items before and for none after.
  template <typename Predicate>
  size_t PartitionPoint(Predicate holds) const {
    size_t low = 0;
    size_t high = Count();
    while (low < high) {
      const size_t middle = low + (high - low) / 2;
      if (holds(Text(middle))) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low;
  }

 private:
  size_t Begin(size_t offset) const { return offset == 0 ? 0 : ends_[offset - 1]; }
  void MakeRoomForOneMore();

  std::string chars_;
  std::vector<size_t> ends_;  // where each item's text ends in chars_
  std::vector<bool> selected_;  // multiple selection only
};
