#include "chemicals_database/model/database_engine.h"

#include <algorithm>
#include <vector>

#include "chemicals_database/model/database_list.h"
#include "chemicals_database/model/record_heads.h"
#include "chemicals_database/model/record_index.h"
#include "chemicals_database/model/record_match.h"
#include "chemicals_database/model/record_prepare.h"
#include "chemicals_database/model/record_store.h"
#include "chemicals_database/model/search_command.h"
#include "engine/settings/settings.h"
#include "platform/services/text_file.h"

ChemDbRecordBuffer ChemDbRecord;
std::string SafetyDataText;
ChemDbCursor ChemDbState;
std::string ChemDbFileName;

void ChemDbResetCursor() {
  ChemDbState.FileIndex = 1;
  ChemDbState.RecordIndex = 0;
  ChemDbState.TargetRecord = 0;
  ChemDbState.LastOp = 0;
  ChemDbState.RecordBase = 0;
}

namespace {

// The record last loaded, which a write checks the file still holds.
ShownRecord ChemDbShownRecord;

// What the pass over one file ended with.
enum class FileResult { Finished, NoHit, CannotOpen };

constexpr int RecordsPerRead = 256;

void LoadRecord(std::string_view recordText) {
  ChemDbRecord.Clear();
  SafetyDataText.clear();
  std::vector<std::string_view> lines;
  platform::SplitLineViews(recordText, lines);
  const int last = std::min<int>(static_cast<int>(lines.size()), ChemDbSafetyLine);
  for (int line = 2; line <= last; ++line) {
    const std::string_view text = lines[static_cast<std::size_t>(line) - 1];
    if (line == ChemDbSafetyLine)
      SafetyDataText = SafetyTextFromDisk(text);
    else
      ChemDbRecord.slots[static_cast<std::size_t>(line)] = text.substr(0, ChemDbSlotLimit);
  }
}

FileResult LoadHit(const DatabaseFile& file, int record) {
  std::string bytes;
  if (!file.Read(file.SeparatorOffset(record), file.SeparatorOffset(record + 1), bytes)) return FileResult::CannotOpen;
  ChemDbState.RecordIndex = record;
  ChemDbShownRecord = {file.ProgramPath(), file.Identity(), record, bytes};
  std::string converted;
  LoadRecord(file.ProgramText(bytes, converted));
  return FileResult::Finished;
}

// The record of the file whose running number is GlobalTarget, or 0.
int GlobalTargetIn(const DatabaseFile& file, int first, int last) {
  const int record = ChemDbState.GlobalTarget - ChemDbState.RecordBase;
  if (ChemDbState.GlobalTarget < 0 || record < first || record > std::min(last, file.RecordCount())) return 0;
  return record;
}

FileResult HitGlobalTarget(const DatabaseFile& file, int record) {
  ChemDbState.GlobalTarget = NoGlobalTarget;
  return LoadHit(file, record);
}

// How many lines of a record the command looks at: a name search needs the first nine.
std::size_t LinesExamined(const SearchCommand& command) {
  if (!command.hasCriteria) return static_cast<std::size_t>(std::max(SkDef, 1));
  std::size_t most = 1;
  for (const auto& criterion : command.criteria) {
    for (const int line : criterion.lines) {
      if (line == AnyRecordLine) return std::string_view::npos;
      most = std::max(most, static_cast<std::size_t>(line));
    }
  }
  return most;
}

// Examines records first and onward until one meets the command (or is the running target).
FileResult ScanRecords(const DatabaseFile& file, int first, const SearchCommand& command) {
  std::string bytes;
  std::string converted;
  std::vector<std::string_view> lines;
  const std::size_t linesExamined = LinesExamined(command);
  const int separators = file.SeparatorCount();
  for (int batch = first; batch <= separators; batch += RecordsPerRead) {
    const int batchEnd = std::min(separators, batch + RecordsPerRead - 1);
    if (!file.Read(file.SeparatorOffset(batch), file.SeparatorOffset(batchEnd + 1), bytes))
      return FileResult::CannotOpen;
    for (int record = batch; record <= batchEnd; ++record) {
      if (GlobalTargetIn(file, record, record) != 0) return HitGlobalTarget(file, record);
      platform::SplitLineViews(file.ProgramText(RecordBytes(bytes, file, batch, record), converted), lines,
                               linesExamined);
      if (MatchRecord(lines, command, SkDev, SkDef)) return LoadHit(file, record);
    }
  }
  return FileResult::NoHit;
}

// The same for a command that looks only at the records' heads, which the file's index holds.
FileResult ScanHeads(const DatabaseFile& file, int first, const SearchCommand& command) {
  std::vector<std::string_view> lines;
  const std::size_t linesExamined = LinesExamined(command);
  for (int record = first; record <= file.SeparatorCount(); ++record) {
    if (GlobalTargetIn(file, record, record) != 0) return HitGlobalTarget(file, record);
    platform::SplitLineViews(file.Head(record), lines, linesExamined);
    if (MatchRecord(lines, command, SkDev, SkDef)) return LoadHit(file, record);
  }
  return FileResult::NoHit;
}

// The pass over one database file: finds the record the run loads, by the cursor and the command.
FileResult ProcessDatabaseFile(const DatabaseFile& file, const SearchCommand& command, bool startFile) {
  auto& state = ChemDbState;
  const bool firstRecordHits = state.FileStepMode == FileStepNext ||
                               (state.FileStepMode == FileStepPrevious && state.GlobalTarget == NoGlobalTarget);
  const int first = startFile ? std::max(state.TargetRecord, 0) + 1 : 1;
  // Records before the first examined one are passed over, but the step to the first record of a
  // file and the running target still find them.
  if (first > 1 && file.SeparatorCount() > 0) {
    if (firstRecordHits) return LoadHit(file, 1);
    if (const int record = GlobalTargetIn(file, 1, first - 1)) return HitGlobalTarget(file, record);
  }
  if (file.SeparatorCount() >= first) {
    if (firstRecordHits && first == 1) return LoadHit(file, 1);
    if (state.GlobalTarget != NoGlobalTarget && state.FileStepMode != FileStepNext) {
      const int record = GlobalTargetIn(file, first, file.SeparatorCount());
      return record != 0 ? HitGlobalTarget(file, record) : FileResult::NoHit;
    }
    if (LinesExamined(command) <= static_cast<std::size_t>(RecordHeadLines)) return ScanHeads(file, first, command);
    return ScanRecords(file, first, command);
  }
  return FileResult::NoHit;
}

int WalkDatabase(const SearchCommand& command) {
  auto& state = ChemDbState;
  std::vector<std::string> entries;
  if (!ReadDatabaseList(entries, LanguageCode)) return ChemDbFileMissing;
  state.FileIndex = std::max(state.FileIndex, 1);
  state.TargetRecord = std::max(0, state.RecordIndex - (state.LastOp != 0 ? 1 : 0));
  state.LastOp = 0;
  ChemDbShownRecord = {};
  const int startIndex = state.FileIndex;
  int recordsBefore = 0;
  for (int index = startIndex; index <= static_cast<int>(entries.size()); ++index) {
    const bool startFile = index == startIndex;
    if (!startFile) {
      state.RecordBase += recordsBefore;
      state.FileIndex = index;
      state.RecordIndex = state.TargetRecord = state.LastOp = 0;
    }
    const std::string& entry = entries[static_cast<std::size_t>(index) - 1];
    ChemDbFileName = NameStem(entry);
    // A file that cannot be opened holds no records for the walk; the window names it when it opens.
    const auto file = DatabaseFile::Open(entry);
    const FileResult result = file ? ProcessDatabaseFile(*file, command, startFile) : FileResult::NoHit;
    if (state.FileStepMode == FileStepLeaving) state.FileStepMode = FileStepNext;
    if (result == FileResult::Finished) return ChemDbDone;
    if (result == FileResult::CannotOpen) return ChemDbFileMissing;
    state.RecordIndex = file ? file->SeparatorCount() : 0;
    recordsBefore = file ? file->RecordCount() : 0;
  }
  state.FileIndex = 0;
  state.RecordBase = 0;
  return ChemDbNothingFound;
}

int WriteInCurrentFile(char operation) {
  auto& state = ChemDbState;
  std::vector<std::string> entries;
  if (!ReadDatabaseList(entries, LanguageCode)) return ChemDbWriteFailed;
  const int index = std::max(state.FileIndex, 1);
  if (index > static_cast<int>(entries.size())) return ChemDbWriteFailed;
  const std::string& entry = entries[static_cast<std::size_t>(index) - 1];
  state.FileIndex = index;
  ChemDbFileName = NameStem(entry);

  const int current = state.RecordIndex;
  int target = current;
  WriteResult written = WriteResult::Failed;
  switch (operation) {
    case StoreAfterLetter:
    case StoreBeforeLetter:
      target = operation == StoreAfterLetter ? current + 1 : current;
      state.LastOp = operation == StoreAfterLetter ? ChemDbStoreAfterOp : ChemDbStoreBeforeOp;
      PrepareRecordForWriting(ChemDbRecord);
      written = StoreRecord(entry, target, NewRecordLines(ChemDbRecord, SafetyLineForDisk(SafetyDataText)),
                            ChemDbShownRecord);
      if (written == WriteResult::Written) ChemDbRecord.Clear();
      break;
    case OverwriteLetter:
      state.LastOp = ChemDbOverwriteOp;
      PrepareRecordForWriting(ChemDbRecord);
      written = OverwriteRecord(entry, target, ChemDbRecord, SafetyLineForDisk(SafetyDataText), ChemDbShownRecord);
      break;
    default:
      state.LastOp = ChemDbDeleteOp;
      written = DeleteRecord(entry, target, ChemDbShownRecord);
      if (written == WriteResult::Written) SafetyDataText.clear();
      break;
  }
  state.TargetRecord = target;
  if (written != WriteResult::Written) {
    state.RecordIndex = current;
    return written == WriteResult::ChangedElsewhere ? ChemDbChangedElsewhere : ChemDbWriteFailed;
  }
  state.RecordIndex = target;
  return ChemDbDone;
}

// The running number of the last record outside the end files of the list.
int LastRunningNumber() {
  std::vector<std::string> entries;
  if (!ReadDatabaseList(entries, LanguageCode)) return 0;
  int records = 0;
  int last = 0;
  for (const auto& entry : entries) {
    const auto file = DatabaseFile::Open(entry);
    if (!file) continue;
    records += file->RecordCount();
    if (!IsEndFile(entry)) last = records;
  }
  return last;
}

// The running number of the first record of the last file before file index that holds one, or
// NoGlobalTarget when there is none.
int FirstRecordOfPreviousFile(int index) {
  std::vector<std::string> entries;
  if (!ReadDatabaseList(entries, LanguageCode)) return NoGlobalTarget;
  int records = 0;
  int first = NoGlobalTarget;
  for (int i = 1; i < index && i <= static_cast<int>(entries.size()); ++i) {
    const auto file = DatabaseFile::Open(entries[static_cast<std::size_t>(i) - 1]);
    if (!file) continue;
    if (file->RecordCount() > 0) first = records + 1;
    records += file->RecordCount();
  }
  return first;
}

}  // namespace

int ChemDbRun(std::string_view command, std::string_view operation) {
  SearchCommand parsed;
  if (const int code = ParseSearchCommand(command, parsed); code != 0) return code;
  if (operation.size() == 1 && std::string_view("ibcd").find(operation.front()) != std::string_view::npos)
    return WriteInCurrentFile(operation.front());
  return WalkDatabase(parsed);
}

void ChemDbStep(char step) {
  auto& state = ChemDbState;
  switch (step) {
    case '<':
      if (state.RecordIndex >= 2) {
        state.RecordIndex -= 2;
      } else if (state.FileIndex <= 1) {
        state.RecordIndex = 0;
      } else {
        // From the first record of a later file: the window restarts the walk at this running
        // number and steps once more, to the previous file's last record, or (for the step to
        // the previous file) stays on that file's first record.
        if (state.FileStepMode == FileStepPrevious)
          state.GlobalTarget = FirstRecordOfPreviousFile(state.FileIndex);
        else
          state.GlobalTarget = state.RecordBase > 1 ? state.RecordBase - 1 : NoGlobalTarget;
        state.FileIndex = 0;
      }
      break;
    case 'f': ChemDbResetCursor(); break;
    case 'l':
      state.GlobalTarget = LastRunningNumber() - 1;
      ChemDbResetCursor();
      break;
    default: break;
  }
}
