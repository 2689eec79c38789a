#include <gtest/gtest.h>

#include "platform/controls/edit_text.h"

namespace {

EditText Holding(const std::string& text, size_t anchor, size_t caret, size_t limit = 0) {
  EditText model;
  model.SetText(text);
  model.SetLimit(limit);
  model.Select(anchor, caret);
  return model;
}

TEST(EditText, TheCaretStepsOverALineBreakOfAMultiLineFieldWhole) {
  struct Case {
    size_t from;
    bool multiLine;
    size_t previous;
    size_t next;
  };
  // "ab\r\ncd": the CR at 2, the LF at 3.
  const Case cases[] = {
      {0, true, 0, 1}, {2, true, 1, 4}, {4, true, 2, 5}, {6, true, 5, 6}, {2, false, 1, 3}, {4, false, 3, 5},
  };
  const EditText model = Holding("ab\r\ncd", 0, 0);
  for (const Case& test : cases) {
    EXPECT_EQ(model.Previous(test.from, test.multiLine), test.previous) << test.from << " " << test.multiLine;
    EXPECT_EQ(model.Next(test.from, test.multiLine), test.next) << test.from << " " << test.multiLine;
  }
}

TEST(EditText, ARequestedPlaceIsKeptInTheTextAndOutOfALineBreak) {
  const EditText model = Holding("ab\r\ncd", 0, 0);
  EXPECT_EQ(model.Valid(1, true), 1u);
  EXPECT_EQ(model.Valid(3, true), 2u);
  EXPECT_EQ(model.Valid(3, false), 3u);
  EXPECT_EQ(model.Valid(99, true), 6u);
  EXPECT_EQ(model.Valid(-1, true), 6u);
}

TEST(EditText, TypingIsRefusedWholeAtTheLimitButTheProgramsTextIsCut) {
  struct Case {
    const char* name;
    const char* before;
    size_t anchor;
    size_t caret;
    const char* insert;
    bool typed;
    std::optional<std::string> text;  // none: refused
    size_t caretAfter;
  };
  // Every case with a limit of 6.
  const Case cases[] = {
      {"fits", "abcd", 4, 4, "ef", true, "abcdef", 6},
      {"typed past the limit", "abcd", 4, 4, "efg", true, std::nullopt, 0},
      {"program's text cut", "abcd", 4, 4, "efg", false, "abcdef", 6},
      {"the selection makes room", "abcd", 3, 1, "xyz", true, "axyzd", 4},
      {"deleting the selection", "abcd", 1, 3, "", true, "ad", 1},
      {"nothing to do", "abcd", 2, 2, "", true, std::nullopt, 0},
      {"no room for the program's text", "abcdef", 6, 6, "x", false, std::nullopt, 0},
  };
  for (const Case& test : cases) {
    EditText model = Holding(test.before, test.anchor, test.caret, 6);
    std::optional<EditText::Replacement> replacement = model.Replace(test.insert, test.typed);
    ASSERT_EQ(replacement.has_value(), test.text.has_value()) << test.name;
    if (!replacement) continue;
    model.Apply(std::move(*replacement));
    EXPECT_EQ(model.Text(), *test.text) << test.name;
    EXPECT_EQ(model.Caret(), test.caretAfter) << test.name;
    EXPECT_FALSE(model.HasSelection()) << test.name;
  }
}

TEST(EditText, ALimitOfZeroIsTheLargestAndTheSelectionRunsEitherWay) {
  EditText model;
  EXPECT_EQ(model.Limit(), EditText::TypingLimit);
  model.SetLimit(0);
  EXPECT_EQ(model.Limit(), EditText::LargestLimit);
  model.SetText("hydrogen");
  model.MoveCaret(6, false);
  model.MoveCaret(2, true);
  EXPECT_EQ(model.SelectionStart(), 2u);
  EXPECT_EQ(model.SelectionEnd(), 6u);
  EXPECT_EQ(model.Anchor(), 6u);
  model.SetText("helium");
  EXPECT_EQ(model.Caret(), 0u);
  EXPECT_FALSE(model.HasSelection());
}

}  // namespace
