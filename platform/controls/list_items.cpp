#include "platform/controls/list_items.h"

namespace {

// A block this full is split in two halves.
constexpr size_t FullBlock = 512;

}  // namespace

std::pair<size_t, size_t> ListItems::Locate(size_t index) const {
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), index);
  const auto block = static_cast<size_t>(after - starts_.begin()) - 1;
  return {block, index - starts_[block]};
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
    starts_.reserve(1);
    blocks_.push_back(Block{std::move(item)});
    starts_.push_back(0);
    size_ = 1;
    return;
  }
  // At the end, the item joins the last block.
  const auto [block, offset] = index == size_ ? std::pair{blocks_.size() - 1, blocks_.back().size()} : Locate(index);
  Block& target = blocks_[block];
  target.insert(target.begin() + static_cast<std::ptrdiff_t>(offset), std::move(item));
  for (size_t later = block + 1; later < starts_.size(); ++later) ++starts_[later];
  ++size_;
  SplitIfFull(block);
}

void ListItems::SplitIfFull(size_t block) {
  if (blocks_[block].size() < FullBlock) return;
  // Room and the copied half first, so that running out of memory leaves the full block whole.
  blocks_.reserve(blocks_.size() + 1);
  starts_.reserve(starts_.size() + 1);
  Block& full = blocks_[block];
  const auto middle = full.begin() + static_cast<std::ptrdiff_t>(full.size() / 2);
  Block tail(middle, full.end());
  full.erase(middle, full.end());
  const size_t tailStart = starts_[block] + full.size();
  blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(tail));
  starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(block) + 1, tailStart);
}

void ListItems::Erase(size_t index) {
  const auto [block, offset] = Locate(index);
  Block& target = blocks_[block];
  target.erase(target.begin() + static_cast<std::ptrdiff_t>(offset));
  for (size_t later = block + 1; later < starts_.size(); ++later) --starts_[later];
  --size_;
  if (target.empty()) {
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(block));
  }
}

void ListItems::Clear() {
  blocks_.clear();
  starts_.clear();
  size_ = 0;
}
