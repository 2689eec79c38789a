#include "engine/records/record_file.h"

#include "platform/services/files.h"

int ListFileChanged = 0;

bool IsSeparatorLine(std::string_view line) { return !line.empty() && line.front() == RecordSeparatorMark; }

std::vector<std::vector<std::string>> RecordsOf(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> records;
  for (const auto& line : lines) {
    if (IsSeparatorLine(line))
      records.emplace_back();
    else if (!records.empty())
      records.back().push_back(line);
  }
  // The separator that closes the last record opens none.
  if (!records.empty() && !lines.empty() && IsSeparatorLine(lines.back())) records.pop_back();
  return records;
}

std::string RecordLine(const std::vector<std::string>& record, int lineNumber) {
  if (lineNumber < 1 || static_cast<std::size_t>(lineNumber) > record.size()) return {};
  return record[static_cast<std::size_t>(lineNumber) - 1];
}

std::vector<std::vector<std::string>> ReadRecordFile(std::string_view programPath) {
  return RecordsOf(platform::ReadFileLines(programPath).lines);
}

std::vector<std::string> ReadListFile(std::string_view programPath) {
  return std::move(platform::ReadFileLines(programPath).lines);
}
