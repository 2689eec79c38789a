// A database file scanned in chunks by several threads, read in blocks: the same backslash lines,
// heads and file form as the file read in one piece, wherever the cuts fall (inside a record's
// head, between a CR and its LF, inside a UTF-8 character or the byte order mark, in a long line).

#include "chemicals_database/model/record_scan.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/engine/test_support.h"

namespace {

struct ScanSummary {
  std::vector<std::size_t> separators;
  std::vector<std::string> heads;
  bool terminated = false;
  bool utf8 = false;
  bool lineEndsOtherThanLf = false;
  bool operator==(const ScanSummary&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ScanSummary& scan) {
  out << "separators";
  for (const std::size_t at : scan.separators) out << ' ' << at;
  out << "; heads";
  for (const std::string& head : scan.heads) out << " [" << ::testing::PrintToString(head) << ']';
  return out << "; terminated " << scan.terminated << ", utf8 " << scan.utf8 << ", CR " << scan.lineEndsOtherThanLf;
}

// Line 3 of a head, as the name list takes it.
std::string NameOf(const std::string& head) {
  std::size_t at = 0;
  for (int line = 1; line < 3 && at != std::string::npos; ++line) at = head.find('\n', at) + 1;
  if (at == 0 || at > head.size()) return {};
  return head.substr(at, head.find('\n', at) - at);
}

struct Case {
  const char* form;
  std::string text;
  std::vector<std::size_t> separators;  // of the file read in one piece
  std::vector<std::string> names;
  bool terminated;
  bool utf8;
  bool lineEndsOtherThanLf;
};

std::string WithLineEnds(const std::string& text, const std::string& lineEnd) {
  std::string changed;
  for (const char c : text) changed += c == '\n' ? lineEnd : std::string(1, c);
  return changed;
}

// Records of one to twelve lines: a head shorter than its nine lines ends at the next record.
const std::string Records = "\\\nfree\nACETONE\nalt\ncas\n\n\nENGLISH\nC3H6O\nFOURTH\ntenth\n\\\n\nBENZENE\n\\\nx\nC\n\\\n";

std::vector<Case> Cases() {
  const std::string longLine(1500, 'L');
  return {
      {"empty", "", {}, {}, false, false, false},
      {"LF", Records, {0, 52, 63, 69}, {"ACETONE", "BENZENE", "C", ""}, true, false, false},
      {"CR LF", WithLineEnds(Records, "\r\n"), {0, 63, 77, 86}, {"ACETONE", "BENZENE", "C", ""}, true, false, true},
      {"CR", WithLineEnds(Records, "\r"), {0, 52, 63, 69}, {"ACETONE", "BENZENE", "C", ""}, true, false, true},
      {"UTF-8 with its mark",
       "\xEF\xBB\xBF\\\n\nHYDROGENKLORID\xC3\x86\xC3\x98\xC3\x85\nalt \xE2\x82\xAC\n\\\n\nB\n\\\n",
       {3, 35, 40},
       {"HYDROGENKLORID\xC6\xD8\xC5", "B", ""},
       true,
       true,
       false},
      {"Windows-1252", "\\\n\n\xC6TER\n\\\n\nS\xD8LV\n", {0, 8}, {"\xC6TER", "S\xD8LV"}, false, false, false},
      {"bytes before the first record, backslashes inside lines, a long line, no last line end",
       "preface\nnot \\ a record\n\\\n" + longLine + "\nLONG\n\\\r\n\\\nx\nin \\ line\\\n\\LAST",
       {23, 1531, 1534, 1549},
       {"LONG", "", "in \\ line\\", ""},
       true,
       false,
       true},
  };
}

class RecordScanTest : public WorkFolderTest {
 protected:
  void Write(const std::string& text) {
    WriteFile("scan.dat", text);
    size_ = text.size();
  }

  ScanSummary Scan(const ScanCuts& cuts) const {
    const int descriptor = open("scan.dat", O_RDONLY | O_CLOEXEC);
    EXPECT_GE(descriptor, 0);
    const auto scan = ScanRecordFile(descriptor, size_, cuts);
    close(descriptor);
    ScanSummary summary;
    if (!scan) {
      ADD_FAILURE() << "the file could not be read";
      return summary;
    }
    summary.separators = scan->separators;
    for (std::size_t n = 0; n < scan->heads.Count(); ++n) summary.heads.emplace_back(scan->heads.Head(n));
    summary.terminated = scan->terminated;
    summary.utf8 = scan->utf8;
    summary.lineEndsOtherThanLf = scan->lineEndsOtherThanLf;
    return summary;
  }

 private:
  std::size_t size_ = 0;
};

constexpr std::size_t Whole = std::size_t{1} << 30;

TEST_F(RecordScanTest, TheFileInOnePieceGivesItsRecordsAndForm) {
  for (const Case& each : Cases()) {
    Write(each.text);
    const ScanSummary scan = Scan({Whole, Whole, 1});
    EXPECT_EQ(scan.separators, each.separators) << each.form;
    std::vector<std::string> names;
    for (const std::string& head : scan.heads) names.push_back(NameOf(head));
    EXPECT_EQ(names, each.names) << each.form;
    EXPECT_EQ(scan.terminated, each.terminated) << each.form;
    EXPECT_EQ(scan.utf8, each.utf8) << each.form;
    EXPECT_EQ(scan.lineEndsOtherThanLf, each.lineEndsOtherThanLf) << each.form;
  }
}

TEST_F(RecordScanTest, ChunksAndBlocksOfEverySizeGiveWhatOnePieceGives) {
  for (const Case& each : Cases()) {
    Write(each.text);
    const ScanSummary whole = Scan({Whole, Whole, 1});
    for (std::size_t chunk = 1; chunk <= each.text.size() + 1; chunk += chunk < 40 ? 1 : 13) {
      for (const std::size_t block : {std::size_t{16}, std::size_t{23}, Whole}) {
        for (const unsigned threads : {1U, 3U})
          ASSERT_EQ(Scan({chunk, block, threads}), whole)
              << each.form << ", chunks of " << chunk << ", blocks of " << block << ", " << threads << " threads";
      }
    }
    EXPECT_EQ(Scan({}), whole) << each.form;
  }
}

// A UTF-8 character cut by the end of a block inside a long line is checked whole.
TEST_F(RecordScanTest, ALineLongerThanABlockKeepsAUtf8FileUtf8) {
  std::string line = "x";
  for (int i = 0; i < 100; ++i) line += "\xC3\xA9";
  Write("\\\n" + line + "\nNAME\n\\\n");
  const ScanSummary scan = Scan({Whole, 16, 1});
  EXPECT_TRUE(scan.utf8);
  ASSERT_EQ(scan.heads.size(), 2U);
  EXPECT_EQ(scan.heads[0], "\\\nx" + std::string(100, '\xE9') + "\nNAME\n");
}

}  // namespace
