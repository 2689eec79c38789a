#pragma once
// The spectroscopy table editors in the test's own process: their tables written in the editors'
// record frames, and the steps a user takes in an editor.
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/support/tool_window_fixture.h"

// Per record: an opening separator, the record's lines, and the closing separator of the last.
std::string RecordTable(const std::vector<std::vector<std::string>>& records);

// The record frames: MS 9 lines, NMR 49, IR 19.
std::vector<std::string> MsRecord(const std::string& formula, const std::string& mass, const std::string& assignment);
std::vector<std::string> NmrRecord(const std::string& assignment, const std::string& comment,
                                   const std::string& tolerance, const std::vector<std::string>& shifts);
std::vector<std::string> IrRecord(const std::string& assignment, const std::string& comment,
                                  const std::vector<std::string>& rangeEnds);

Steps Join(std::initializer_list<Steps> parts);

class SpectralEditorTest : public ToolWindowTest {
 protected:
  Steps Choose(int listId, int index);
  // Selects the entry and double-clicks it.
  Steps Show(int listId, int index);
  Steps Enter(std::initializer_list<std::pair<int, std::string>> fields);
  Steps Clicks(std::initializer_list<int> buttons);
  // The message boxes shown from the index on, as caption ": " text.
  std::vector<std::string> BoxesFrom(std::size_t first) const;
};
