#include "platform/controls/list_items.h"

#include <bit>
#include <new>

namespace {

// A block this full is split in two halves.
constexpr size_t FullBlock = 512;

size_t LowestBit(size_t value) { return value & (~value + 1); }

// Room for `needed` elements, growing by half at a time so that many splits cost little moving.
template <typename Element>
void MakeRoomFor(std::vector<Element>& elements, size_t needed) {
  if (needed <= elements.capacity()) return;
  elements.reserve(std::max(needed, elements.capacity() + elements.capacity() / 2));
}

}  // namespace

size_t ListItems::ItemsBefore(size_t block) const {
  size_t sum = 0;
  for (size_t entry = block; entry > 0; entry -= LowestBit(entry)) sum += sizeSums_[entry];
  return sum;
}

void ListItems::CountItemInBlock(size_t block, bool added) {
  for (size_t entry = block + 1; entry < sizeSums_.size(); entry += LowestBit(entry)) {
    if (added) {
      ++sizeSums_[entry];
    } else {
      --sizeSums_[entry];
    }
  }
}

void ListItems::RebuildSizeSums() {
  sizeSums_.assign(blocks_.size() + 1, 0);
  for (size_t entry = 1; entry < sizeSums_.size(); ++entry) {
    sizeSums_[entry] += blocks_[entry - 1].size();
    const size_t parent = entry + LowestBit(entry);
    if (parent < sizeSums_.size()) sizeSums_[parent] += sizeSums_[entry];
  }
}

std::pair<size_t, size_t> ListItems::Locate(size_t index) const {
  // Descends the tree to the last block whose items before it number at most `index`.
  size_t entry = 0;
  size_t rest = index;
  for (size_t step = std::bit_floor(sizeSums_.size()); step > 0; step /= 2) {
    const size_t next = entry + step;
    if (next < sizeSums_.size() && sizeSums_[next] <= rest) {
      entry = next;
      rest -= sizeSums_[next];
    }
  }
  return {entry, rest};
}

ListItem& ListItems::operator[](size_t index) {
  const auto [block, offset] = Locate(index);
  return blocks_[block][offset];
}

const ListItem& ListItems::operator[](size_t index) const {
  const auto [block, offset] = Locate(index);
  return blocks_[block][offset];
}

void ListItems::Insert(size_t index, ListItem item) {
  if (blocks_.empty()) {
    blocks_.reserve(1);
    sizeSums_.reserve(2);
    blocks_.push_back(Block{std::move(item)});
    RebuildSizeSums();
    size_ = 1;
    return;
  }
  // At the end, the item joins the last block, or starts a block of its own where that one would
  // be full: a list filled at its end keeps full blocks and touches no memory it does not fill.
  if (index == size_ && blocks_.back().size() + 1 >= FullBlock) {
    MakeRoomFor(blocks_, blocks_.size() + 1);
    MakeRoomFor(sizeSums_, blocks_.size() + 2);
    Block fresh;
    fresh.reserve(FullBlock);
    fresh.push_back(std::move(item));
    blocks_.push_back(std::move(fresh));
    RebuildSizeSums();
    ++size_;
    return;
  }
  const auto [block, offset] = index == size_ ? std::pair{blocks_.size() - 1, blocks_.back().size()} : Locate(index);
  Block& target = blocks_[block];
  target.insert(target.begin() + static_cast<std::ptrdiff_t>(offset), std::move(item));
  CountItemInBlock(block, true);
  ++size_;
  SplitIfFull(block);
}

// Without the memory for a split the block stays whole and merely fuller: the items are right either way.
void ListItems::SplitIfFull(size_t block) {
  if (blocks_[block].size() < FullBlock) return;
  try {
    MakeRoomFor(blocks_, blocks_.size() + 1);
    MakeRoomFor(sizeSums_, blocks_.size() + 2);
    Block& full = blocks_[block];
    const auto middle = full.begin() + static_cast<std::ptrdiff_t>(full.size() / 2);
    Block tail;
    tail.reserve(static_cast<size_t>(full.end() - middle));
    tail.assign(std::make_move_iterator(middle), std::make_move_iterator(full.end()));
    full.erase(middle, full.end());
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(tail));
  } catch (const std::bad_alloc&) {
    return;
  }
  RebuildSizeSums();
}

void ListItems::Erase(size_t index) {
  const auto [block, offset] = Locate(index);
  Block& target = blocks_[block];
  target.erase(target.begin() + static_cast<std::ptrdiff_t>(offset));
  --size_;
  if (target.empty()) {
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
    RebuildSizeSums();
  } else {
    CountItemInBlock(block, false);
  }
}

void ListItems::Clear() {
  blocks_.clear();
  sizeSums_.clear();
  size_ = 0;
}
