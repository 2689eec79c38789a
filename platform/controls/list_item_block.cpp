#include "platform/controls/list_item_block.h"

#include <algorithm>

namespace {

// A buffer this much larger than its text after a long item left it is given back.
constexpr size_t SpareBytesKept = 64 * 1024;

}  // namespace

std::string_view ListItemBlock::Text(size_t offset) const {
  const size_t begin = Begin(offset);
  return std::string_view(chars_).substr(begin, ends_[offset] - begin);
}

void ListItemBlock::SelectAll(bool selected) { selected_.assign(selected_.size(), selected); }

size_t ListItemBlock::SelectedCount() const {
  return static_cast<size_t>(std::count(selected_.begin(), selected_.end(), true));
}

void ListItemBlock::Reserve(size_t items, size_t bytes) {
  ends_.reserve(items);
  selected_.reserve(items);
  chars_.reserve(bytes);
}

// Grows the item vectors by half at a time before anything changes, so that the insert after
// cannot fail half done.
void ListItemBlock::MakeRoomForOneMore() {
  if (ends_.size() < ends_.capacity() && selected_.size() < selected_.capacity()) return;
  const size_t items = std::max<size_t>(8, ends_.size() + ends_.size() / 2);
  ends_.reserve(items);
  selected_.reserve(items);
}

void ListItemBlock::Insert(size_t offset, std::string_view text) {
  MakeRoomForOneMore();
  const size_t begin = Begin(offset);
  chars_.insert(begin, text.data(), text.size());  // the last step that can fail; it changes nothing when it does
  ends_.insert(ends_.begin() + static_cast<std::ptrdiff_t>(offset), begin + text.size());
  for (size_t later = offset + 1; later < ends_.size(); ++later) ends_[later] += text.size();
  selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(offset), false);
}

void ListItemBlock::Erase(size_t offset) {
  const size_t begin = Begin(offset);
  const size_t length = ends_[offset] - begin;
  chars_.erase(begin, length);
  ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(offset));
  for (size_t later = offset; later < ends_.size(); ++later) ends_[later] -= length;
  selected_.erase(selected_.begin() + static_cast<std::ptrdiff_t>(offset));
  if (chars_.capacity() > 2 * chars_.size() + SpareBytesKept) chars_.shrink_to_fit();
}

ListItemBlock ListItemBlock::SplitOff(size_t offset) {
  const size_t begin = Begin(offset);
  ListItemBlock tail;
  tail.Reserve(Count() - offset, chars_.size() - begin);
  tail.chars_.assign(chars_, begin);
  for (size_t moved = offset; moved < ends_.size(); ++moved) tail.ends_.push_back(ends_[moved] - begin);
  tail.selected_.assign(selected_.begin() + static_cast<std::ptrdiff_t>(offset), selected_.end());
  chars_.resize(begin);
  ends_.resize(offset);
  selected_.resize(offset);
  return tail;
}

size_t ListItemBlock::HalfBytesPoint() const {
  const size_t half = chars_.size() / 2;
  const auto wholly = std::upper_bound(ends_.begin(), ends_.end(), half);
  return std::clamp(static_cast<size_t>(wholly - ends_.begin()), size_t{1}, Count() - 1);
}
