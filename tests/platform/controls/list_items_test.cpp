#include "platform/controls/list_items.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Expected {
  std::string text;
  bool selected = false;
};

void ExpectSame(const ListItems& items, const std::vector<Expected>& expected) {
  ASSERT_EQ(items.Size(), expected.size());
  for (size_t index = 0; index < expected.size(); ++index) {
    ASSERT_EQ(items.Text(index), expected[index].text) << index;
    ASSERT_EQ(items.Selected(index), expected[index].selected) << index;
  }
}

// A text of the step's own, now and then empty or tens of kilobytes long, so that blocks split by
// their bytes as well as by their count.
std::string TextOf(int step, std::mt19937& random) {
  const unsigned kind = random() % 50;
  if (kind == 0) return {};
  if (kind == 1) return std::string(20'000 + random() % 60'000, static_cast<char>('a' + step % 26)) + std::to_string(step);
  return "item " + std::to_string(step);
}

// Thousands of inserts, deletes and selections at the front, the end and random places, across the
// blocks the items are kept in, against a plain vector doing the same: every text and every item's
// selection stays with its item through the blocks' splits.
TEST(ListItems, InsertsDeletesAndSelectionsAnywhereKeepTheOrderOfAPlainVector) {
  ListItems items;
  std::vector<Expected> expected;
  std::mt19937 random(15);
  for (int step = 0; step < 8000; ++step) {
    const size_t size = expected.size();
    const unsigned choice = random() % 12;
    if (choice < 7 || size == 0) {
      const size_t at = choice == 0 ? 0 : (choice == 1 ? size : random() % (size + 1));
      const std::string text = TextOf(step, random);
      items.Insert(at, text);
      expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), Expected{text});
    } else if (choice < 10) {
      const size_t at = choice == 7 ? 0 : (choice == 8 ? size - 1 : random() % size);
      items.Erase(at);
      expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(at));
    } else {
      const size_t at = random() % size;
      items.Select(at, !items.Selected(at));
      expected[at].selected = !expected[at].selected;
    }
    ASSERT_EQ(items.Size(), expected.size());
  }
  ASSERT_GT(expected.size(), 1000u) << "several blocks";
  ExpectSame(items, expected);
  size_t selected = 0;
  for (const Expected& each : expected) selected += each.selected ? 1 : 0;
  ASSERT_GT(selected, 0u);
  EXPECT_EQ(items.SelectedCount(), selected);
  items.SelectAll(true);
  EXPECT_EQ(items.SelectedCount(), expected.size());
  items.SelectAll(false);
  EXPECT_EQ(items.SelectedCount(), 0u);
  items.Clear();
  EXPECT_EQ(items.Size(), 0u);
  items.Insert(0, "again");
  ExpectSame(items, {{"again"}});
}

// Texts longer than a block may hold, put at the front, between and after short ones: each long
// text ends in a block of its own or beside short ones, and reads back whole.
TEST(ListItems, LongTextsAmongShortOnesReadBackWhole) {
  ListItems items;
  std::vector<Expected> expected;
  const std::string longText(300'000, 'x');
  for (int round = 0; round < 40; ++round) {
    for (int step = 0; step < 30; ++step) {
      const std::string text = std::to_string(round) + "/" + std::to_string(step);
      items.Insert(items.Size(), text);
      expected.push_back({text});
    }
    const size_t at = round % 3 == 0 ? 0 : expected.size() / 2;
    items.Insert(at, longText + std::to_string(round));
    expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), Expected{longText + std::to_string(round)});
    items.Insert(at, "before " + std::to_string(round));
    expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), Expected{"before " + std::to_string(round)});
  }
  ExpectSame(items, expected);
}

TEST(ListItems, ThePartitionPointIsFoundInEveryBlockAndAtBothEnds) {
  ListItems items;
  for (int value = 0; value < 3000; ++value) items.Insert(items.Size(), std::to_string(100000 + 2 * value));
  for (int wanted : {-1, 0, 1, 1021, 1022, 1023, 1024, 2999, 3000, 5998, 5999, 6000}) {
    const size_t point =
        items.PartitionPoint([&](std::string_view text) { return std::stoi(std::string(text)) - 100000 <= wanted; });
    const int evenValuesUpToWanted = wanted < 0 ? 0 : std::min(wanted / 2 + 1, 3000);
    EXPECT_EQ(point, static_cast<size_t>(evenValuesUpToWanted)) << wanted;
  }
  EXPECT_EQ(ListItems().PartitionPoint([](std::string_view) { return true; }), 0u);
}

}  // namespace
