#include "platform/controls/edit_text.h"

#include <algorithm>

namespace {

bool IsLineBreakAt(const std::string& text, size_t offset) { return text.compare(offset, 2, "\r\n") == 0; }

}  // namespace

size_t EditText::SelectionStart() const { return std::min(anchor_, caret_); }

size_t EditText::SelectionEnd() const { return std::max(anchor_, caret_); }

void EditText::SetLimit(size_t limit) { limit_ = limit == 0 ? LargestLimit : limit; }

void EditText::SetText(std::string text) {
  text_ = std::move(text);
  anchor_ = caret_ = 0;
}

void EditText::MoveCaret(size_t offset, bool extend) {
  caret_ = offset;
  if (!extend) anchor_ = offset;
}

void EditText::Select(size_t anchor, size_t caret) {
  anchor_ = anchor;
  caret_ = caret;
}

std::optional<EditText::Replacement> EditText::Replace(std::string insert, bool typed) const {
  const size_t start = SelectionStart();
  const size_t end = SelectionEnd();
  const size_t kept = text_.size() - (end - start);
  const size_t room = limit_ > kept ? limit_ - kept : 0;
  if (insert.size() > room) {
    if (typed) return std::nullopt;
    insert.resize(room);
  }
  if (insert.empty() && start == end) return std::nullopt;
  Replacement replacement;
  replacement.text = text_;
  replacement.text.replace(start, end - start, insert);
  replacement.caret = start + insert.size();
  replacement.inserts = !insert.empty();
  return replacement;
}

void EditText::Apply(Replacement replacement) {
  text_ = std::move(replacement.text);
  anchor_ = caret_ = replacement.caret;
}

size_t EditText::Previous(size_t offset, bool multiLine) const {
  if (offset == 0) return 0;
  if (multiLine && offset >= 2 && IsLineBreakAt(text_, offset - 2)) return offset - 2;
  return offset - 1;
}

size_t EditText::Next(size_t offset, bool multiLine) const {
  if (offset >= text_.size()) return text_.size();
  if (multiLine && IsLineBreakAt(text_, offset)) return offset + 2;
  return offset + 1;
}

size_t EditText::Valid(long long requested, bool multiLine) const {
  const size_t size = text_.size();
  size_t offset =
      requested < 0 || static_cast<unsigned long long>(requested) > size ? size : static_cast<size_t>(requested);
  if (multiLine && offset > 0 && IsLineBreakAt(text_, offset - 1)) --offset;
  return offset;
}
