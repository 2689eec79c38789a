#pragma once
// The items of a list box, kept in blocks of a few hundred: inserting or deleting anywhere moves
// the items of one block, not those of the whole list, and the blocks' sizes are summed in a
// Fenwick tree, so that finding an item's block or counting the items before a block costs
// log(blocks). A list filled item by item at its front or in sorted order then costs little more
// than one filled at its end, at a million items as at a hundred.
#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct ListItem {
  std::string text;
  bool selected = false;  // multiple selection only
};

class ListItems {
 public:
  size_t Size() const { return size_; }
  ListItem& operator[](size_t index);
  const ListItem& operator[](size_t index) const;
  // index <= Size(); throws std::bad_alloc when memory runs out, the items then as before.
  void Insert(size_t index, ListItem item);
  // index < Size().
  void Erase(size_t index);
  void Clear();

  // The index of the first item for which `holds` is false, where it holds for all items before
  // that one and for none after (as std::partition_point).
  template <typename Predicate>
  size_t PartitionPoint(Predicate holds) const {
    const auto block =
        std::partition_point(blocks_.begin(), blocks_.end(), [&](const Block& each) { return holds(each.back()); });
    if (block == blocks_.end()) return size_;
    const auto within = std::partition_point(block->begin(), block->end(), holds);
    return ItemsBefore(static_cast<size_t>(block - blocks_.begin())) + static_cast<size_t>(within - block->begin());
  }

  template <typename Visit>
  void ForEach(Visit visit) {
    for (Block& block : blocks_) std::for_each(block.begin(), block.end(), visit);
  }
  template <typename Visit>
  void ForEach(Visit visit) const {
    for (const Block& block : blocks_) std::for_each(block.begin(), block.end(), visit);
  }

 private:
  using Block = std::vector<ListItem>;

  // The block holding an item and the item's place in it; index < Size().
  std::pair<size_t, size_t> Locate(size_t index) const;
  size_t ItemsBefore(size_t block) const;
  void CountItemInBlock(size_t block, bool added);
  void RebuildSizeSums();
  void SplitIfFull(size_t block);

  std::vector<Block> blocks_;     // never an empty one
  std::vector<size_t> sizeSums_;  // Fenwick tree of the blocks' sizes, entry i for block i - 1
  size_t size_ = 0;
};
