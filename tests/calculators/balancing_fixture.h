#pragma once
// The balancing window in the test's own process, on a list file written by the test.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/app/app_fixture.h"

// What the window shows after an action.
struct ListState {
  std::vector<std::string> items;
  int selected = -1;
  std::string field;

  bool operator==(const ListState&) const = default;
};

class BalanceWindowTest : public AppTest {
 protected:
  std::filesystem::path ListPath() const;
  // The list file with these lines, each ending in a line feed.
  void WriteList(const std::vector<std::string>& lines) const;
  // The bytes of the list file; nullopt when there is none.
  std::optional<std::string> ReadList() const;

  // Queues one step for the open window; each step is one user action or one look.
  void Step(std::function<void()> step) { driver.Then(std::move(step)); }
  // Selects entry index (a click, which copies it into the equation field), then types text over the field.
  void SelectAndType(int index, const std::string& text);
  void Record(std::vector<ListState>& states);
  // Opens the window in the language, runs the queued steps, then closes it with Escape.
  void RunWindow(int languageCode);

  ListState Current();
};

std::string Lines(const std::vector<std::string>& lines);
