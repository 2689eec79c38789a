#pragma once
// The one pass over a database file that finds its backslash lines and its records' heads. A file
// larger than a chunk is cut into chunks that a few threads scan at once, each reading its chunk
// block by block into a buffer of its own (so memory stays a few blocks, whatever the file), and
// the chunks' findings are joined in file order. A chunk owns the lines that begin in it from its
// first line start on; the head of its last record is read on past its end.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chemicals_database/model/record_heads.h"

struct RecordScan {
  std::vector<std::size_t> separators;  // where each backslash line begins
  RecordHeads heads;                    // in the program's character set
  bool terminated = false;              // the file ends with a backslash line
  bool utf8 = false;                    // UTF-8 with characters beyond ASCII
  bool lineEndsOtherThanLf = false;
};

// How a file is cut for its scan.
struct ScanCuts {
  std::size_t chunkBytes = std::size_t{1} << 22;
  std::size_t blockBytes = std::size_t{1} << 18;  // stays in the processor's cache while it is scanned
  unsigned threads = 0;                           // as DoPartsInParallel takes it
};

// The file of `size` bytes open as `descriptor`; empty when it cannot all be read.
std::optional<RecordScan> ScanRecordFile(int descriptor, std::size_t size, const ScanCuts& cuts = {});

// The bytes from..to of the file; false when they cannot all be read.
bool ReadBytesAt(int descriptor, std::size_t from, std::size_t to, std::string& bytes);

