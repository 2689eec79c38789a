#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/records/record_file.h"
#include "engine/records/table_editor.h"
#include "fuzz/work_folder.h"
#include "platform/services/text_file.h"
#include "tests/support/fake_editor_list.h"

namespace {

using Kind = RecordLineSource::Kind;
using Records = std::vector<std::vector<std::string>>;

constexpr std::size_t NoteLimit = 12;

// Records of four lines: an empty one, the key, a note of several lines, a fixed "1".
TableEditorConfig RecordTable(bool emptyRecordAfterLastDelete) {
  return {"dats\\datfiles\\atomdata\\table.dat",
          TableShape::RecordFile,
          2,
          {{Kind::Empty}, {Kind::Field, 0, 35}, {Kind::Field, 1, NoteLimit, "", true}, {Kind::Fixed, 0, 0, "1"}},
          35,
          false,
          false,
          "formula",
          "en formel",
          emptyRecordAfterLastDelete};
}

const TableEditorConfig ListTable{
    "dats\\datfiles\\atomdata\\list.dat", TableShape::ListFile, 1, {}, 251, false, false, "equation", "en ligning"};

class NoMessages : public EditorMessages {
 public:
  void Show(std::string_view) override {}
};

struct Table {
  std::vector<std::string> header;  // lines before the first separator (record files)
  Records records;                  // a list file's entries as records of one line
};

Table TableOf(const TableEditorConfig& config, const std::string& bytes) {
  const auto lines = platform::SplitLines(platform::ProgramText(bytes));
  if (config.shape == TableShape::ListFile) {
    Table table;
    for (const auto& line : lines) table.records.push_back({line});
    return table;
  }
  const auto firstSeparator = std::ranges::find_if(lines, IsSeparatorLine);
  return {{lines.begin(), firstSeparator}, RecordsOf(lines)};
}

std::vector<std::string> Keys(const TableEditorConfig& config, const Records& records) {
  std::vector<std::string> keys;
  for (const auto& record : records) keys.push_back(RecordLine(record, config.keyLine));
  return keys;
}

bool IsOneLine(std::string_view line, std::size_t limit) {
  return line.size() <= limit && line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// The new record or line as written: its key, its note as one line within its limit, its fixed line.
bool IsWrittenAsTyped(const TableEditorConfig& config, const std::vector<std::string>& record, const std::string& key) {
  if (config.shape == TableShape::ListFile) return record.size() == 1 && record[0] == key && IsOneLine(key, 251);
  return record.size() == 4 && record[0].empty() && record[1] == key && IsOneLine(key, 35) &&
         (key.empty() || key[0] != '\\') && IsOneLine(record[2], NoteLimit) &&
         (record[2].empty() || record[2][0] != '\\') && record[3] == "1";
}

struct Input {
  std::uint8_t options = 0;
  std::uint8_t selection = 0;
  std::string key;
  std::string note;
  std::string file;
};

// Byte 0: options; byte 1: the selected entry; then a length byte and the key, a length byte and the
// note; the rest is the table file.
std::optional<Input> Parse(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  if (rest.size() < 3) return std::nullopt;
  Input input;
  input.options = static_cast<std::uint8_t>(rest[0]);
  input.selection = static_cast<std::uint8_t>(rest[1]);
  rest.remove_prefix(2);
  for (std::string* field : {&input.key, &input.note}) {
    if (rest.empty()) return std::nullopt;
    const std::size_t length = std::min<std::size_t>(static_cast<std::uint8_t>(rest[0]), rest.size() - 1);
    *field = std::string(rest.substr(1, length));
    rest.remove_prefix(1 + length);
  }
  input.file = rest;
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MakeFuzzWorkFolder();
  return 0;
}

// Options: bit 0 a list file, bits 1-2 the operation (Before, After, Replace, Delete), bit 3 a
// read-only table, bit 4 a list box one entry short of the table, bit 5 one empty record after the
// last delete, bit 6 no selection. The list shows the table's keys in file order; an edit that is
// done leaves the other records as they were, with the new one in its place and the list showing
// the keys of the table written; an edit that is refused or fails leaves the file byte for byte.
bool InputHolds(const std::uint8_t* data, std::size_t size) {
  const std::optional<Input> input = Parse(data, size);
  if (!input) return true;
  const bool listFile = (input->options & 1) != 0;
  const auto operation = static_cast<EditOperation>((input->options >> 1) & 3);
  const bool readOnly = (input->options & 8) != 0;
  const TableEditorConfig config = listFile ? ListTable : RecordTable((input->options & 32) != 0);
  const std::string path = listFile ? "dats/datfiles/atomdata/list.dat" : "dats/datfiles/atomdata/table.dat";
  WriteBytes(path, input->file, readOnly ? 0444 : 0644);

  const Table before = TableOf(config, input->file);
  const std::vector<std::string> keys = Keys(config, before.records);
  const bool shortList = (input->options & 16) != 0 && !keys.empty();
  FakeEditorList list;
  list.capacity = shortList ? keys.size() - 1 : keys.size() + 1;
  NoMessages messages;
  LoadEditorList(config, list, messages);
  if (!std::equal(list.entries.begin(), list.entries.end(), keys.begin(), keys.end() - (shortList ? 1 : 0)))
    return false;
  if (list.Count() > 0 && (input->options & 64) == 0)
    list.Select(input->selection % list.Count());
  else
    list.selected = -1;
  const int selected = list.selected;
  const std::vector<std::string> shownBefore = list.entries;

  std::string key = input->key;
  const EditResult result = operation == EditOperation::Delete
                                ? DeleteFromTable(config, list, messages)
                                : AddToTable(config, list, messages, operation, key, {key, input->note});
  const std::string written = ReadBytes(path);
  if (result != EditResult::Done) {
    if (written != input->file || list.entries != shownBefore) return false;
    return true;
  }
  if (operation == EditOperation::Delete && shownBefore.empty()) return written == input->file;
  if (readOnly) return false;
  if (written.find('\r') != std::string::npos || (!written.empty() && written.back() != '\n')) return false;

  const Table after = TableOf(config, written);
  Records expected = before.records;
  const bool wasEmpty = shownBefore.empty();
  if (operation == EditOperation::Delete) {
    expected.erase(expected.begin() + selected);
    // The table keeps one empty record, which the list shows as the entry new records go behind.
    if (config.emptyRecordAfterLastDelete && expected.empty())
      return after.records == Records{std::vector<std::string>(config.frame.size())} &&
             list.entries == std::vector<std::string>{""};
  } else {
    const int at = wasEmpty ? 0 : selected + (operation == EditOperation::After ? 1 : 0);
    if (static_cast<std::size_t>(at) >= after.records.size()) return false;
    const auto& added = after.records[static_cast<std::size_t>(at)];
    if (!IsWrittenAsTyped(config, added, key)) return false;
    if (operation == EditOperation::Replace && !wasEmpty) expected.erase(expected.begin() + selected);
    expected.insert(expected.begin() + at, added);
  }
  if (after.records != expected || after.header != before.header) return false;
  const std::vector<std::string> keysAfter = Keys(config, after.records);
  if (list.entries.size() > keysAfter.size() ||
      !std::equal(list.entries.begin(), list.entries.end(), keysAfter.begin()))
    return false;
  if (!shortList && list.entries != keysAfter) return false;
  return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckInFuzzWorkFolder([&] { return InputHolds(data, size); });
  return 0;
}
