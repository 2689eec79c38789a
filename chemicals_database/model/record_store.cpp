#include "chemicals_database/model/record_store.h"

#include <algorithm>

#include "chemicals_database/model/record_prepare.h"
#include "chemicals_database/model/rewrite_lock.h"
#include "engine/records/record_file.h"
#include "platform/services/file_rewrite.h"
#include "platform/services/text_file.h"

namespace {

constexpr std::size_t CopyBlock = std::size_t{1} << 20;

// Text with every CR LF and every lone CR made an LF.
std::string WithLfLineEnds(std::string_view text) {
  std::string lf;
  lf.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lf += text[i];
    } else {
      lf += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return lf;
}

// Hands the bytes from..to of the file to the sink as they stand (in blocks, so memory does not
// grow with the file), or, for a file written anew whole, as program text with LF line ends.
bool CopyPart(const DatabaseFile& file, std::size_t from, std::size_t to, const platform::ContentSink& write,
              char& last) {
  std::string bytes;
  if (file.NeedsWholeRewrite()) {
    if (!file.ReadText(from, to, bytes)) return false;
    bytes = WithLfLineEnds(bytes);
    if (!bytes.empty()) last = bytes.back();
    return write(bytes);
  }
  for (std::size_t at = from; at < to; at += CopyBlock) {
    if (!file.Read(at, std::min(to, at + CopyBlock), bytes) || !write(bytes)) return false;
    if (!bytes.empty()) last = bytes.back();
  }
  return true;
}

// Replaces the bytes from..to of the file with the record's lines (its backslash line first),
// adds the closing backslash line when the file had none, and puts the new file in place.
bool WriteSpliced(std::string_view programPath, const DatabaseFile& file, std::size_t from, std::size_t to,
                  const std::vector<std::string>& recordLines) {
  return platform::RewriteFileSafelyInPieces(programPath, [&](const platform::ContentSink& write) {
    char last = '\n';
    if (!CopyPart(file, 0, from, write, last)) return false;
    std::string record;
    if (!recordLines.empty() && last != '\n') record += '\n';
    for (const auto& line : recordLines) {
      record += line;
      record += '\n';
    }
    if (!recordLines.empty()) last = '\n';
    if (!write(record) || !CopyPart(file, to, file.Size(), write, last)) return false;
    if (file.Terminated()) return true;
    return write(std::string(last != '\n' ? "\n" : "") + RecordSeparatorLine + '\n');
  });
}

bool IsRecord(const DatabaseFile& file, int target) { return target >= 1 && target <= file.RecordCount(); }

// Whether the file still holds the record shown: the file is as it was read, or the record at the
// shown place is the one read.
bool StillShown(const DatabaseFile& file, std::string_view programPath, const ShownRecord& shown) {
  if (shown.path.empty() || shown.path != programPath || file.Identity() == shown.identity) return true;
  if (shown.record < 1 || shown.record > file.SeparatorCount()) return false;
  std::string bytes;
  return file.Read(file.SeparatorOffset(shown.record), file.SeparatorOffset(shown.record + 1), bytes) &&
         bytes == shown.bytes;
}

// Opens the file for a write under the rewrite lock and checks it against the record shown.
WriteResult OpenForWrite(std::string_view programPath, const ShownRecord& shown, std::optional<DatabaseFile>& file) {
  file = DatabaseFile::Open(programPath);
  if (!file) return WriteResult::Failed;
  return StillShown(*file, programPath, shown) ? WriteResult::Written : WriteResult::ChangedElsewhere;
}

WriteResult Outcome(bool written) { return written ? WriteResult::Written : WriteResult::Failed; }

}  // namespace

WriteResult StoreRecord(std::string_view programPath, int& target, const std::vector<std::string>& lines,
                        const ShownRecord& shown) {
  const RewriteLock lock(programPath);
  std::optional<DatabaseFile> file;
  if (!lock.Held()) return WriteResult::Failed;
  if (const WriteResult opened = OpenForWrite(programPath, shown, file); opened != WriteResult::Written) return opened;
  target = std::clamp(target, 1, file->RecordCount() + 1);
  std::vector<std::string> recordLines = {RecordSeparatorLine};
  recordLines.insert(recordLines.end(), lines.begin(), lines.end());
  const std::size_t at = file->SeparatorOffset(target);
  return Outcome(WriteSpliced(programPath, *file, at, at, recordLines));
}

WriteResult OverwriteRecord(std::string_view programPath, int target, const ChemDbRecordBuffer& record,
                            const std::string& safetyLine, const ShownRecord& shown) {
  const RewriteLock lock(programPath);
  std::optional<DatabaseFile> file;
  if (!lock.Held()) return WriteResult::Failed;
  if (const WriteResult opened = OpenForWrite(programPath, shown, file); opened != WriteResult::Written) return opened;
  if (!IsRecord(*file, target)) return WriteResult::Failed;
  const std::size_t from = file->SeparatorOffset(target);
  const std::size_t to = file->SeparatorOffset(target + 1);
  std::string text;
  if (!file->ReadText(from, to, text)) return WriteResult::Failed;
  std::vector<std::string_view> existing;
  platform::SplitLineViews(text, existing);
  return Outcome(WriteSpliced(programPath, *file, from, to, OverwrittenRecordLines(existing, record, safetyLine)));
}

WriteResult DeleteRecord(std::string_view programPath, int target, const ShownRecord& shown) {
  const RewriteLock lock(programPath);
  std::optional<DatabaseFile> file;
  if (!lock.Held()) return WriteResult::Failed;
  if (const WriteResult opened = OpenForWrite(programPath, shown, file); opened != WriteResult::Written) return opened;
  if (!IsRecord(*file, target)) return WriteResult::Failed;
  std::vector<std::string> skeleton;
  if (file->RecordCount() == 1) {
    skeleton.emplace_back(RecordSeparatorLine);
    skeleton.resize(ChemDbLastRecordLine);
  }
  return Outcome(
      WriteSpliced(programPath, *file, file->SeparatorOffset(target), file->SeparatorOffset(target + 1), skeleton));
}
