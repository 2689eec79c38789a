#include "engine/records/table_editor.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "platform/services/files.h"

namespace {

constexpr char FieldLineBreak = '\a';

bool English() { return LanguageCode == EnglishLanguage; }

// A line written into a table holds no line end and no NUL, which would split or cut it when it is
// read back: each line end becomes a blank, a NUL is dropped.
std::string OneLine(std::string text, std::size_t limit) {
  std::erase(text, '\0');
  std::ranges::replace_if(
      text, [](char c) { return c == '\r' || c == '\n'; }, ' ');
  if (text.size() > limit) text.resize(limit);
  return text;
}

// A field written into a record never begins with the separator mark.
std::string FieldLine(std::string text, std::size_t limit) {
  text = OneLine(std::move(text), limit);
  if (!text.empty() && text.front() == RecordSeparatorMark) text.front() = ' ';
  return text;
}

std::vector<std::string> NewRecord(const TableEditorConfig& config, const std::string& key,
                                   const std::vector<std::string>& fields) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < config.frame.size(); ++i) {
    const RecordLineSource& source = config.frame[i];
    if (static_cast<int>(i) + 1 == config.keyLine) {
      lines.push_back(key);
    } else if (source.kind == RecordLineSource::Kind::Field) {
      const std::string& text = static_cast<std::size_t>(source.field) < fields.size() ? fields[source.field] : "";
      lines.push_back(FieldLine(source.multiLine ? StoredFieldText(text) : text, source.limit));
    } else if (source.kind == RecordLineSource::Kind::Fixed) {
      lines.emplace_back(source.text);
    } else {
      lines.emplace_back();
    }
  }
  return lines;
}

// A list that takes no more entries may show only the first records of a longer table.
bool TakesNoMore(EditorList& list) {
  if (!list.Insert(list.Count(), "")) return true;
  list.Remove(list.Count() - 1);
  return false;
}

ShownKeys ListedKeys(const TableEditorConfig& config, EditorList& list) {
  ShownKeys shown{config.keyLine, {}, false};
  shown.keys.reserve(static_cast<std::size_t>(list.Count()));
  for (int index = 0; index < list.Count(); ++index) shown.keys.push_back(list.Text(index));
  shown.partial = TakesNoMore(list);
  return shown;
}

RewriteResult Rewrite(const TableEditorConfig& config, const EditPlace& place, const std::vector<std::string>& lines,
                      const ShownKeys& shown) {
  if (config.setsListFileChanged) ListFileChanged = 1;
  const std::size_t emptyRecordLines = config.emptyRecordAfterLastDelete ? config.frame.size() : 0;
  return RewriteTable(config.fileName, config.shape, place, lines, shown, emptyRecordLines);
}

int FindKey(const TableEditorConfig& config, const EditorList& list, const std::string& key) {
  if (!config.keysMatchCase) return list.FindExact(key);
  for (int index = 0; index < list.Count(); ++index)
    if (list.Text(index) == key) return index;
  return -1;
}

std::string FileNameOf(std::string_view programPath) {
  const std::size_t folderEnd = programPath.find_last_of("\\/");
  return std::string(folderEnd == std::string_view::npos ? programPath : programPath.substr(folderEnd + 1));
}

EditResult ReportFailure(const TableEditorConfig& config, EditorMessages& messages) {
  messages.Show(EditorMessageText(config, EditorMessage::RewriteFailed));
  return EditResult::Failed;
}

// The user acts again on what the table holds now.
EditResult ReportChangedElsewhere(const TableEditorConfig& config, EditorList& list, EditorMessages& messages) {
  messages.Show(EditorMessageText(config, EditorMessage::ChangedElsewhere));
  LoadEditorList(config, list, messages);
  return EditResult::ChangedElsewhere;
}

platform::FileReadStatus ListRecordKeys(const TableEditorConfig& config,
                                        const std::function<bool(std::span<const std::string_view>)>& take) {
  const platform::FileLines file = platform::ReadFileLines(config.fileName);
  std::vector<std::string> keys;
  for (const auto& record : RecordsOf(file.lines)) keys.push_back(RecordLine(record, config.keyLine));
  take(std::vector<std::string_view>(keys.begin(), keys.end()));
  return file.status;
}

}  // namespace

std::string EditorMessageText(const TableEditorConfig& config, EditorMessage message) {
  switch (message) {
    case EditorMessage::MissingHighlight:
      if (!English()) return "LISTETILF\xD8RINGSFEIL\n\nEtt listeelement m\xE5 v\xE6re merket\nved listetilf\xF8yning!";
      return std::string("MISSING HIGHLIGHT\n\nOne of the list box elements must be\nhighlighted ") +
             (config.highlightBeforeOptions ? "before using add/delete options!" : "during add/delete!");
    case EditorMessage::DuplicationWarning:
      if (!English())
        return std::string("DUPLIKASJONSADVARSEL\n\nFors\xF8k p\xE5 \xE5 tilf\xF8re listen ") +
               config.duplicateNounNorwegian + "\nsom fra f\xF8r befinner seg i listen!\n\n";
      return std::string("DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box ") +
             config.duplicateNounEnglish + "!\n\n";
    case EditorMessage::IllegalNumber:
      if (!English()) return "TALLFEIL\n\nTAVRIN har registrert ugyldige tall\neller feilaktig bruk av tallfelt!";
      return "ILLEGAL NUMBER\n\nIllegal number or erroneous\nuse of number field!";
    case EditorMessage::RewriteFailed:
      if (!English()) return "FILFEIL\n\nTabellen kunne ikke skrives\nog er uendret!";
      return "FILE ERROR\n\nThe table could not be written\nand is unchanged!";
    case EditorMessage::ListFull:
      if (!English()) return "LISTEN ER FULL\n\nTabellen har flere elementer enn\nlisten kan vise!";
      return "LIST FULL\n\nThe table holds more entries than\nthe list can show!";
    case EditorMessage::ReadFailed:
      if (!English()) return "FILFEIL\n\nTabellen " + FileNameOf(config.fileName) + "\nkunne ikke leses!";
      return "FILE ERROR\n\nThe table " + FileNameOf(config.fileName) + "\ncould not be read!";
    case EditorMessage::ChangedElsewhere:
      if (!English()) return "TABELLEN ER ENDRET\n\nTabellen er endret et annet sted og\ner lest p\xE5 nytt. Ingenting ble endret!";
      return "TABLE CHANGED\n\nThe table was changed elsewhere and\nhas been read again. Nothing was changed!";
  }
  return {};
}

std::string DamagedRecordsMessage(std::string_view fileName, const std::vector<std::string>& keys) {
  const std::string file = FileNameOf(fileName);
  std::string named;
  for (const std::string& key : keys) named += (named.empty() ? "" : ", ") + key;
  if (!English())
    return "SKADET TABELL\n\nEn verdi i " + file + " er ikke et tall\nog regnes som manglende for:\n" + named;
  return "DAMAGED TABLE\n\nA value in " + file + " is no number\nand counts as missing for:\n" + named;
}

bool EditorList::Append(std::span<const std::string_view> texts) {
  return std::ranges::all_of(texts, [&](std::string_view text) { return Insert(Count(), text); });
}

void LoadEditorList(const TableEditorConfig& config, EditorList& list, EditorMessages& messages) {
  list.Clear();
  bool listedAll = true;
  const auto listed = [&](std::span<const std::string_view> keys) { return listedAll = list.Append(keys); };
  // A list file's lines go to the list a share at a time, straight from the file's pieces, so that
  // a file of a million lines takes neither its whole text nor a string per line on the way.
  const platform::FileReadStatus status = config.shape == TableShape::ListFile
                                              ? platform::ReadFileLineShares(config.fileName, listed)
                                              : ListRecordKeys(config, listed);
  if (status == platform::FileReadStatus::Unreadable) {
    list.Clear();
    messages.Show(EditorMessageText(config, EditorMessage::ReadFailed));
    return;
  }
  if (list.Count() > 0) list.Select(0);
  if (!listedAll) messages.Show(EditorMessageText(config, EditorMessage::ListFull));
}

std::vector<std::string> ReadEditorRecord(const TableEditorConfig& config, int index) {
  const auto records = ReadRecordFile(config.fileName);
  if (index < 0 || index >= static_cast<int>(records.size())) return {};
  return records[static_cast<std::size_t>(index)];
}

std::vector<std::string> FindEditorRecord(const TableEditorConfig& config, std::string_view key) {
  for (auto& record : ReadRecordFile(config.fileName))
    if (RecordLine(record, config.keyLine) == key) return std::move(record);
  return {};
}

std::string ShownFieldText(std::string_view stored) {
  std::string shown;
  for (char c : stored) {
    if (c == FieldLineBreak)
      shown += "\r\n";
    else
      shown += c;
  }
  return shown;
}

std::string StoredFieldText(std::string_view shown) {
  std::string stored;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') continue;
    stored += shown[i] == '\n' || shown[i] == '\r' ? FieldLineBreak : shown[i];
  }
  return stored;
}

EditResult AddToTable(const TableEditorConfig& config, EditorList& list, EditorMessages& messages,
                      EditOperation operation, std::string& key, const std::vector<std::string>& fields) {
  key = config.shape == TableShape::RecordFile ? FieldLine(key, config.keyLimit) : OneLine(key, config.keyLimit);

  const int count = list.Count();
  const std::vector<int> selection = list.SelectedIndexes();
  if (count > 0 && selection.size() != 1) {
    messages.Show(EditorMessageText(config, EditorMessage::MissingHighlight));
    return EditResult::Refused;
  }
  const int selected = count > 0 ? selection.front() : 0;
  const int found = FindKey(config, list, key);
  if (found >= 0 && (operation != EditOperation::Replace || found != selected)) {
    messages.Show(EditorMessageText(config, EditorMessage::DuplicationWarning));
    return EditResult::Refused;
  }

  const ShownKeys shown = ListedKeys(config, list);
  EditPlace place{operation, selected, count == 0};
  int insertedAt = 0;
  if (place.filledEmptyList) {
    list.Clear();
    if (!list.Insert(0, key)) return ReportFailure(config, messages);
    list.Select(0);
  } else {
    insertedAt = operation == EditOperation::Before ? selected : selected + 1;
    if (!list.Insert(insertedAt, key)) return ReportFailure(config, messages);
    if (operation == EditOperation::Before) place.selected = selected + 1;
  }

  const std::vector<std::string> lines =
      config.shape == TableShape::ListFile ? std::vector<std::string>{key} : NewRecord(config, key, fields);
  const RewriteResult result = Rewrite(config, place, lines, shown);
  if (result == RewriteResult::ChangedElsewhere) return ReportChangedElsewhere(config, list, messages);
  if (result != RewriteResult::Written) {
    if (place.filledEmptyList) {
      list.Clear();
    } else {
      list.Remove(insertedAt);
      list.Select(selected);
    }
    return ReportFailure(config, messages);
  }

  if (operation == EditOperation::Replace && !place.filledEmptyList) {
    list.Remove(selected);
    list.Select(list.Count() < 2 ? 0 : selected);
  } else {
    list.Select(insertedAt);
  }
  return EditResult::Done;
}

EditResult DeleteFromTable(const TableEditorConfig& config, EditorList& list, EditorMessages& messages) {
  if (config.setsListFileChanged) ListFileChanged = 1;
  const int count = list.Count();
  if (count == 0) return EditResult::Done;
  const std::vector<int> selection = list.SelectedIndexes();
  if (selection.size() != 1) {
    messages.Show(EditorMessageText(config, EditorMessage::MissingHighlight));
    return EditResult::Refused;
  }
  const int selected = selection.front();
  const RewriteResult result = Rewrite(config, {EditOperation::Delete, selected, false}, {}, ListedKeys(config, list));
  if (result == RewriteResult::ChangedElsewhere) return ReportChangedElsewhere(config, list, messages);
  if (result != RewriteResult::Written) return ReportFailure(config, messages);
  // The table's own count decides: a list that shows only part of a longer table deletes one record.
  bool lastRecord = false;
  if (config.emptyRecordAfterLastDelete && count == 1) {
    const auto records = ReadRecordFile(config.fileName);
    lastRecord = records.size() == 1 && RecordLine(records.front(), config.keyLine).empty();
  }
  list.Remove(selected);
  if (lastRecord) {
    // The list shows the empty record that new entries go behind.
    list.Clear();
    list.Insert(0, "");
    list.Select(0);
  } else if (count < 2) {
    list.Clear();
  } else {
    list.Select(selected < list.Count() ? selected : list.Count() - 1);
  }
  return EditResult::Done;
}
