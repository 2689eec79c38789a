#include "platform/controls/list_items.h"

#include <bit>
#include <new>

namespace {

// A block with this many items, or this many text bytes in two items or more, is split in two.
constexpr size_t FullBlockItems = 512;
constexpr size_t FullBlockBytes = 64 * 1024;

bool IsFull(const ListItemBlock& block) {
  return block.Count() >= FullBlockItems || (block.Bytes() > FullBlockBytes && block.Count() >= 2);
}

// Whether an item added at the list's end would make its last block full, or make a block that
// holds half its share of items already move its texts to a larger buffer.
bool FillsUp(const ListItemBlock& block, std::string_view text) {
  return block.Count() + 1 >= FullBlockItems || block.Bytes() + text.size() > FullBlockBytes ||
         (block.Count() >= FullBlockItems / 2 && !block.HasRoomFor(text.size()));
}

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

// Within the capacity the callers made room for, so that it cannot fail.
void ListItems::RebuildSizeSums() {
  sizeSums_.assign(blocks_.size() + 1, 0);
  for (size_t entry = 1; entry < sizeSums_.size(); ++entry) {
    sizeSums_[entry] += blocks_[entry - 1].Count();
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

std::string_view ListItems::Text(size_t index) const {
  const auto [block, offset] = Locate(index);
  return blocks_[block].Text(offset);
}

bool ListItems::Selected(size_t index) const {
  const auto [block, offset] = Locate(index);
  return blocks_[block].Selected(offset);
}

void ListItems::Select(size_t index, bool selected) {
  const auto [block, offset] = Locate(index);
  blocks_[block].Select(offset, selected);
}

void ListItems::SelectAll(bool selected) {
  for (ListItemBlock& block : blocks_) block.SelectAll(selected);
}

size_t ListItems::SelectedCount() const {
  size_t count = 0;
  for (const ListItemBlock& block : blocks_) count += block.SelectedCount();
  return count;
}

// A list filled at its end keeps full blocks, each given at once the room the one before it took.
void ListItems::AppendInFreshBlock(std::string_view text) {
  MakeRoomFor(blocks_, blocks_.size() + 1);
  MakeRoomFor(sizeSums_, blocks_.size() + 2);
  ListItemBlock fresh;
  const size_t bytesBefore = blocks_.empty() ? 0 : std::min(blocks_.back().Bytes(), FullBlockBytes);
  fresh.Reserve(blocks_.empty() ? 1 : FullBlockItems, std::max(bytesBefore, text.size()));
  fresh.Insert(0, text);
  blocks_.push_back(std::move(fresh));
  RebuildSizeSums();
  ++size_;
}

void ListItems::Insert(size_t index, std::string_view text) {
  if (blocks_.empty() || (index == size_ && FillsUp(blocks_.back(), text))) {
    AppendInFreshBlock(text);
    return;
  }
  auto [block, offset] = index == size_ ? std::pair{blocks_.size() - 1, blocks_.back().Count()} : Locate(index);
  // Between two blocks the item goes to the end of the first, so that no long text at the
  // second one's start is moved for it.
  if (offset == 0 && block > 0) offset = blocks_[--block].Count();
  blocks_[block].Insert(offset, text);
  CountItemInBlock(block, true);
  ++size_;
  SplitIfFull(block);
}

// Without the memory for a split the block stays whole and merely fuller: the items are right
// either way. Each half is split again while it is still full.
void ListItems::SplitIfFull(size_t block) {
  if (!IsFull(blocks_[block])) return;
  try {
    MakeRoomFor(blocks_, blocks_.size() + 1);
    MakeRoomFor(sizeSums_, blocks_.size() + 2);
    ListItemBlock& splitting = blocks_[block];  // taken once the room is made, which may move the blocks
    const size_t point = splitting.Count() >= FullBlockItems ? splitting.Count() / 2 : splitting.HalfBytesPoint();
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, splitting.SplitOff(point));
  } catch (const std::bad_alloc&) {
    return;
  }
  RebuildSizeSums();
  SplitIfFull(block + 1);
  SplitIfFull(block);
}

void ListItems::Erase(size_t index) {
  const auto [block, offset] = Locate(index);
  ListItemBlock& target = blocks_[block];
  target.Erase(offset);
  --size_;
  if (target.Count() == 0) {
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
