#pragma once
// The items of a list box, kept in blocks of a few hundred: inserting or deleting anywhere moves
// the items of one block, not those of the whole list, and the blocks' sizes are summed in a
// Fenwick tree, so that finding an item's block or counting the items before a block costs
// log(blocks). A list filled item by item at its front or in sorted order then costs little more
// than one filled at its end, at a million items as at a hundred. A block holds its texts in one
// buffer (platform/controls/list_item_block.h), and a block of long texts splits by their bytes,
// so that an item is inserted by moving at most a block's worth of short texts.
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/controls/list_item_block.h"

class ListItems {
 public:
  size_t Size() const { return size_; }
  // index < Size(); the view holds until the items change.
  std::string_view Text(size_t index) const;
  // Multiple selection only; index < Size().
  bool Selected(size_t index) const;
  void Select(size_t index, bool selected);
  void SelectAll(bool selected);
  size_t SelectedCount() const;
  // index <= Size(); throws std::bad_alloc when memory runs out, the items then as before.
  void Insert(size_t index, std::string_view text);
  // index < Size().
  void Erase(size_t index);
  void Clear();

  // The index of the first item for which `holds(text)` is false, where it holds for all items
  // before that one and for none after (as std::partition_point).
  template <typename Predicate>
  size_t PartitionPoint(Predicate holds) const {
    const auto block = std::partition_point(blocks_.begin(), blocks_.end(),
                                            [&](const ListItemBlock& each) { return holds(each.Text(each.Count() - 1)); });
    if (block == blocks_.end()) return size_;
    return ItemsBefore(static_cast<size_t>(block - blocks_.begin())) + block->PartitionPoint(holds);
  }

 private:
  // The block holding an item and the item's place in it; index < Size().
  std::pair<size_t, size_t> Locate(size_t index) const;
  size_t ItemsBefore(size_t block) const;
  void CountItemInBlock(size_t block, bool added);
  void RebuildSizeSums();
  void AppendInFreshBlock(std::string_view text);
  void SplitIfFull(size_t block);

  std::vector<ListItemBlock> blocks_;  // never an empty one
  std::vector<size_t> sizeSums_;       // Fenwick tree of the blocks' sizes, entry i for block i - 1
  size_t size_ = 0;
};
