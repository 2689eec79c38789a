#include "engine/records/record_rewrite.h"

#include <algorithm>

#include "engine/records/record_file.h"
#include "platform/services/files.h"

namespace {

bool Removes(EditOperation operation) {
  return operation == EditOperation::Delete || operation == EditOperation::Replace;
}

bool HoldsShownKeys(const std::vector<std::string>& lines, TableShape shape, const ShownKeys& shown) {
  std::vector<std::string> keys;
  if (shape == TableShape::ListFile) {
    keys = lines;
  } else {
    for (const auto& record : RecordsOf(lines)) keys.push_back(RecordLine(record, shown.keyLine));
  }
  if (keys.size() < shown.keys.size() || (keys.size() > shown.keys.size() && !shown.partial)) return false;
  return std::equal(shown.keys.begin(), shown.keys.end(), keys.begin());
}

int InsertionIndex(const EditPlace& place) {
  if (place.filledEmptyList) return 0;
  return place.selected + (place.operation == EditOperation::Before ? -1 : 1);
}

}  // namespace

std::optional<std::vector<std::string>> EditedRecordLines(const std::vector<std::string>& lines, const EditPlace& place,
                                                          const std::vector<std::string>& newRecord) {
  const bool inserts = place.operation != EditOperation::Delete;
  const bool removes = Removes(place.operation) && !place.filledEmptyList;
  const int insertAfter = InsertionIndex(place);
  if (removes && (place.selected < 0 || place.selected >= static_cast<int>(RecordsOf(lines).size())))
    return std::nullopt;
  std::vector<std::string> edited;
  int separators = -1;
  bool inserted = false;
  for (const auto& line : lines) {
    const bool separator = IsSeparatorLine(line);
    if (separator) ++separators;
    if (!(removes && separators == place.selected)) edited.push_back(line);
    if (separator && inserts && !inserted && separators == insertAfter) {
      edited.insert(edited.end(), newRecord.begin(), newRecord.end());
      edited.emplace_back(RecordSeparatorLine);
      ++separators;
      inserted = true;
    }
  }
  if (inserts && !inserted) return std::nullopt;
  return edited;
}

std::optional<std::vector<std::string>> EditedListLines(const std::vector<std::string>& lines, const EditPlace& place,
                                                        const std::string& newLine) {
  const bool inserts = place.operation != EditOperation::Delete;
  const bool removes = Removes(place.operation) && !place.filledEmptyList;
  const int insertAt = InsertionIndex(place);
  if (inserts && (insertAt < 0 || insertAt > static_cast<int>(lines.size()))) return std::nullopt;
  if (removes && (place.selected < 0 || place.selected >= static_cast<int>(lines.size()))) return std::nullopt;
  std::vector<std::string> edited;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (inserts && i == insertAt) edited.push_back(newLine);
    if (!(removes && i == place.selected)) edited.push_back(lines[i]);
  }
  if (inserts && insertAt == static_cast<int>(lines.size())) edited.push_back(newLine);
  return edited;
}

RewriteResult WriteTableLines(std::string_view programPath, const std::vector<std::string>& lines) {
  return platform::WriteFileLines(programPath, lines) ? RewriteResult::Written : RewriteResult::WriteFailed;
}

RewriteResult RewriteTable(std::string_view programPath, TableShape shape, const EditPlace& place,
                           const std::vector<std::string>& newLines, const ShownKeys& shown,
                           std::size_t emptyRecordLines) {
  const platform::RewriteLock lock(programPath);
  auto file = platform::ReadFileLines(programPath);
  if (file.status == platform::FileReadStatus::ReadOnly || file.status == platform::FileReadStatus::Unreadable)
    return RewriteResult::NotWritable;
  if (!HoldsShownKeys(file.lines, shape, shown)) return RewriteResult::ChangedElsewhere;
  std::optional<std::vector<std::string>> edited;
  if (shape == TableShape::RecordFile) {
    if (file.lines.empty()) file.lines.emplace_back(RecordSeparatorLine);
    // A file cut short after its last record gets that record's closing separator back.
    const bool holdsRecords = std::ranges::any_of(file.lines, IsSeparatorLine);
    if (holdsRecords && !IsSeparatorLine(file.lines.back())) file.lines.emplace_back(RecordSeparatorLine);
    edited = EditedRecordLines(file.lines, place, newLines);
  } else {
    edited = EditedListLines(file.lines, place, newLines.empty() ? std::string() : newLines.front());
  }
  if (!edited) return RewriteResult::Mismatch;
  if (shape == TableShape::RecordFile && emptyRecordLines > 0 && RecordsOf(*edited).empty()) {
    edited = std::vector<std::string>{RecordSeparatorLine};
    edited->resize(emptyRecordLines + 1);
    edited->emplace_back(RecordSeparatorLine);
  }
  return WriteTableLines(programPath, *edited);
}
