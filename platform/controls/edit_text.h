#pragma once
// The text of an edit field without its window: the text, the selection between a fixed anchor and
// the moving caret, the length limit, and the caret's steps, which never stop between the CR and
// the LF of a multi-line field's line break.
#include <cstddef>
#include <optional>
#include <string>

class EditText {
 public:
  static constexpr size_t TypingLimit = 32767;  // what the user may type until the program sets a limit
  static constexpr size_t LargestLimit = 0x7FFFFFFE;

  // A replacement of the selection, not yet made: the whole new text and the caret after the insert.
  struct Replacement {
    std::string text;
    size_t caret = 0;
    bool inserts = false;  // something goes in, beyond what is taken out
  };

  const std::string& Text() const { return text_; }
  size_t Anchor() const { return anchor_; }
  size_t Caret() const { return caret_; }
  size_t SelectionStart() const;
  size_t SelectionEnd() const;
  bool HasSelection() const { return anchor_ != caret_; }
  size_t Limit() const { return limit_; }
  // A limit of 0 is the largest.
  void SetLimit(size_t limit);

  // New text, with the caret at its start.
  void SetText(std::string text);
  // The anchor stays where it was when the move extends the selection.
  void MoveCaret(size_t offset, bool extend);
  void Select(size_t anchor, size_t caret);
  // Replacing the selection with `insert`. Typed text that would pass the limit is refused whole;
  // the program's text is cut at the limit. None when nothing would change.
  std::optional<Replacement> Replace(std::string insert, bool typed) const;
  void Apply(Replacement replacement);

  size_t Previous(size_t offset, bool multiLine) const;
  size_t Next(size_t offset, bool multiLine) const;
  // A requested place for the caret: past the text, or negative, is the text's end.
  size_t Valid(long long requested, bool multiLine) const;

 private:
  std::string text_;
  size_t anchor_ = 0;
  size_t caret_ = 0;
  size_t limit_ = TypingLimit;
};
