#include "platform/controls/list_items.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::string> Texts(const ListItems& items) {
  std::vector<std::string> texts;
  items.ForEach([&](const ListItem& item) { texts.push_back(item.text); });
  return texts;
}

// Thousands of inserts and deletes at the front, the end and random places, across the blocks the
// items are kept in, against a plain vector doing the same.
TEST(ListItems, InsertsAndDeletesAnywhereKeepTheOrderOfAPlainVector) {
  ListItems items;
  std::vector<std::string> expected;
  std::mt19937 random(15);
  for (int step = 0; step < 6000; ++step) {
    const size_t size = expected.size();
    const unsigned choice = random() % 10;
    if (choice < 6 || size == 0) {
      const size_t at = choice == 0 ? 0 : (choice == 1 ? size : random() % (size + 1));
      const std::string text = "item " + std::to_string(step);
      items.Insert(at, ListItem{text});
      expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), text);
    } else {
      const size_t at = choice == 6 ? 0 : (choice == 7 ? size - 1 : random() % size);
      items.Erase(at);
      expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(at));
    }
    ASSERT_EQ(items.Size(), expected.size());
  }
  ASSERT_GT(expected.size(), 1000u) << "several blocks";
  EXPECT_EQ(Texts(items), expected);
  for (size_t index = 0; index < expected.size(); index += 97) EXPECT_EQ(items[index].text, expected[index]);
  items[expected.size() - 1].selected = true;
  EXPECT_TRUE(items[expected.size() - 1].selected);
  items.Clear();
  EXPECT_EQ(items.Size(), 0u);
  items.Insert(0, ListItem{"again"});
  EXPECT_EQ(Texts(items), std::vector<std::string>{"again"});
}

TEST(ListItems, ThePartitionPointIsFoundInEveryBlockAndAtBothEnds) {
  ListItems items;
  for (int value = 0; value < 3000; ++value) items.Insert(items.Size(), ListItem{std::to_string(100000 + 2 * value)});
  for (int wanted : {-1, 0, 1, 1023, 1024, 2999, 3000, 5998, 5999, 6000}) {
    const size_t point =
        items.PartitionPoint([&](const ListItem& item) { return std::stoi(item.text) - 100000 <= wanted; });
    const int evenValuesUpToWanted = wanted < 0 ? 0 : std::min(wanted / 2 + 1, 3000);
    EXPECT_EQ(point, static_cast<size_t>(evenValuesUpToWanted)) << wanted;
  }
  EXPECT_EQ(ListItems().PartitionPoint([](const ListItem&) { return true; }), 0u);
}

}  // namespace
