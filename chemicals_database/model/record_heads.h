#pragma once
// The heads of a database file's records: lines 1 to RecordHeadLines of each (the name lines and
// every line before them), gathered while the file is read block by block, so that a name search
// and the name list need no record read again. Each line is kept with an LF whatever its line end
// in the file, and cut after LineKept bytes: a line that long is seen as empty by a search and cut
// shorter by the name list, so the cut changes nothing either sees.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "chemicals_database/model/record_layout.h"

inline constexpr int RecordHeadLines = FourthNameLine;

class RecordHeads {
 public:
  // Bytes of a line kept: above what a search compares and, in UTF-8, above three bytes for each
  // of the name list's 255 characters.
  static constexpr std::size_t LineKept = 1024;

  // A record begins: the head of the one before it is complete.
  void Begin();
  // The record's next bytes, from its backslash line on: the head takes what it needs of them.
  // A record's bytes may come in several pieces, cut anywhere; bytes before the first record are
  // passed over.
  void Take(std::string_view bytes);
  // The last record ended with the file.
  void End();
  // True while the record last begun lacks lines of its head.
  bool WantsMore() const { return open_ && line_ != 0; }
  // Heads gathered apart (each ended), in their order, as one: copied into place by several threads.
  static RecordHeads Joined(std::vector<RecordHeads>&& parts);
  // In a UTF-8 file: every head in the program's character set.
  void ConvertFromUtf8();

  std::size_t Count() const { return ends_.size(); }
  // Head n (from 0), its lines each ended by an LF.
  std::string_view Head(std::size_t n) const;

 private:
  std::size_t TakePlainLines(std::string_view bytes, std::size_t at);
  void EndLine();

  std::string heads_;
  std::vector<std::size_t> ends_;  // where each head ends in heads_; the next begins there
  bool open_ = false;              // a record has begun whose head is not yet counted
  int line_ = 0;                   // the line being taken, from 1; 0 when the head has all its lines
  std::size_t lineTaken_ = 0;      // bytes of that line seen so far
  bool afterCr_ = false;           // the last byte taken was a CR: an LF that follows is its pair
};
