#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/services/cached_file_lines.h"
#include "platform/services/files.h"
#include "tests/support/recorded_fsync.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder made the working folder for one test, removed afterwards.
class FolderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    folder_ = fs::temp_directory_path() / ("tavrin-files-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }
  static void Write(const fs::path& path, const std::string& contents) {
    fs::create_directories(path.parent_path().empty() ? fs::path(".") : path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  fs::path previous_;
  fs::path folder_;
};

using PathLookup = FolderFixture;
using TextFileReading = FolderFixture;
using FileRewrite = FolderFixture;
using KeptFileLines = FolderFixture;

TEST_F(PathLookup, MatchesEveryComponentWithoutRegardToCase) {
  Write("dats/DatFiles/atomdata/EGRSTOFF.DAT", "x");
  auto found = platform::FindExistingPath("DATS\\datfiles\\atomdata\\egrstoff.dat");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->generic_string(), "dats/DatFiles/atomdata/EGRSTOFF.DAT");
  EXPECT_TRUE(platform::FindExistingPath("dats/datfiles/ATOMDATA/egrstoff.dat"));
  EXPECT_FALSE(platform::FindExistingPath("dats\\datfiles\\atomdata\\ngrstoff.dat"));
  EXPECT_FALSE(platform::FindExistingPath("nowhere\\egrstoff.dat"));
  EXPECT_FALSE(platform::FindExistingPath(""));
}

TEST_F(PathLookup, PrefersTheExactNameWhenTwoEntriesDifferOnlyInCase) {
  Write("dats/a.dat", "lower");
  Write("DATS/a.dat", "upper");
  auto found = platform::FindExistingPath("DATS\\a.dat");
  ASSERT_TRUE(found);
  EXPECT_EQ(Read(*found), "upper");
}

TEST_F(PathLookup, FoldsWindows1252Letters) {
  EXPECT_TRUE(
      platform::NamesMatchIgnoringCase("bl\xE5"
                                       "b\xE6r",
                                       "BL\xC5"
                                       "B\xC6R"));
  EXPECT_FALSE(platform::NamesMatchIgnoringCase("\xF7", "\xD7"));  // division and multiplication signs
  EXPECT_FALSE(platform::NamesMatchIgnoringCase("abc", "abcd"));
}

TEST_F(PathLookup, WritingNeedsTheFoldersButNotTheFile) {
  fs::create_directories("Dats");
  auto path = platform::PathForWriting("dats\\tavrpar.dat");
  ASSERT_TRUE(path);
  EXPECT_EQ(path->generic_string(), "Dats/tavrpar.dat");
  Write("Dats/TAVRPAR.DAT", "old");
  EXPECT_EQ(platform::PathForWriting("dats\\tavrpar.dat")->generic_string(), "Dats/TAVRPAR.DAT");
  EXPECT_FALSE(platform::PathForWriting("missing\\tavrpar.dat"));
}

TEST(SplitLines, LfCrLfAndALoneCrEachEndOneLine) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"", {}},
      {"one", {"one"}},
      {"one\n", {"one"}},
      {"one\r\n", {"one"}},
      {"one\r", {"one"}},
      {"one\ntwo\r\nthree\rfour", {"one", "two", "three", "four"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then a lone CR: two line ends
      {"\n", {""}},
      {"\r\r", {"", ""}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(platform::SplitLines(text), lines) << testing::PrintToString(text);
}

// The line end is found in whatever byte of an eight-byte word it stands, beside bytes that differ
// from LF and CR by one bit or by a borrow (0x0B, 0x0C, 0x0E, 0x8A, 0x8D, 0xFF).
TEST(FindLineEnd, FindsTheFirstCrOrLfAtEveryPlaceOfAWord) {
  for (const char end : {'\n', '\r'}) {
    for (std::size_t at = 0; at < 20; ++at) {
      for (const char filler : {'x', '\x0B', '\x0C', '\x0E', '\x8A', '\x8D', '\xFF', '\0'}) {
        std::string text(24, filler);
        text[at] = end;
        text[at + 1] = end == '\n' ? '\r' : '\n';
        EXPECT_EQ(platform::FindLineEnd(text), at) << at << " " << int(filler);
        EXPECT_EQ(platform::FindLineEnd(text, at + 1), at + 1) << at << " " << int(filler);
        EXPECT_EQ(platform::FindLineEnd(text, at + 2), std::string_view::npos) << at << " " << int(filler);
        EXPECT_EQ(platform::FindLineEnd(std::string_view(text).substr(0, at)), std::string_view::npos);
      }
    }
  }
}

TEST(ProgramText, Utf8WithLettersBeyondAsciiBecomesWindows1252AndEveryOtherFileStaysAsItIs) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"H2O\n", "H2O\n"},
      {"bl\xE5"
       "b\xE6r",
       "bl\xE5"
       "b\xE6r"},                                    // Windows-1252 as it stands
      {"S\xC3\xB8lv \xE2\x82\xAC", "S\xF8lv \x80"},  // UTF-8: o-slash and the euro sign
      {"\xEF\xBB\xBF"
       "S\xC3\xB8lv",
       "S\xF8lv"},  // with a byte-order mark
      {"\xEF\xBB\xBF"
       "ASCII",
       "ASCII"},
      {"\xC2\x81", "\x81"},  // an unassigned byte written as UTF-8
      {"\xE2\x88\x9A"
       "2 \xC3\xB8",
       "\xE2\x88\x9A"
       "2 \xC3\xB8"},            // a character Windows-1252 lacks: bytes kept
      {"\xC0\x80", "\xC0\x80"},  // an overlong form is no UTF-8
      {"\xC3\xB8"
       "\xF8",
       "\xC3\xB8"
       "\xF8"},                                       // not UTF-8 as a whole
      {std::string("Salt\0syre\0", 10), "Saltsyre"},  // NUL dropped
      {std::string("S\xC3\xB8\0lv", 6), "S\xF8lv"},
  };
  for (const auto& [bytes, text] : cases)
    EXPECT_EQ(platform::ProgramText(bytes), text) << testing::PrintToString(bytes);
}

TEST_F(TextFileReading, ReadsEveryLineEndAndCharacterSetAlike) {
  Write("table.dat", "\\\r" + std::string(400, 'x') + "\r\nS\xC3\xB8lv\nlast");
  auto read = platform::ReadFileLines("TABLE.dat");
  EXPECT_EQ(read.status, platform::FileReadStatus::Read);
  EXPECT_EQ(read.lines, (std::vector<std::string>{"\\", std::string(400, 'x'), "S\xF8lv", "last"}));
}

TEST_F(TextFileReading, AReadOnlyFileIsReadAndMarkedMissingAndFolderAreTold) {
  Write("locked.dat", "a\r\nb\n");
  fs::permissions("locked.dat", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  auto read = platform::ReadFileLines("locked.dat");
  EXPECT_EQ(read.status, platform::FileReadStatus::ReadOnly);
  EXPECT_EQ(read.lines, (std::vector<std::string>{"a", "b"}));

  EXPECT_EQ(platform::ReadFileLines("absent.dat").status, platform::FileReadStatus::Missing);
  EXPECT_TRUE(platform::ReadFileLines("absent.dat").lines.empty());
  fs::create_directories("folder.dat");
  EXPECT_EQ(platform::ReadFileLines("folder.dat").status, platform::FileReadStatus::Unreadable);
}

std::vector<std::string> LinesInShares(std::string_view path, platform::FileReadStatus& status, int& shares) {
  std::vector<std::string> lines;
  shares = 0;
  status = platform::ReadFileLineShares(path, [&](std::span<const std::string_view> share) {
    ++shares;
    lines.insert(lines.end(), share.begin(), share.end());
    return true;
  });
  return lines;
}

// Read in pieces, a file gives the lines and status a whole read gives, wherever its line ends,
// NULs and long lines meet the pieces' borders; a file with bytes beyond ASCII is converted alike.
TEST_F(TextFileReading, LinesReadInPiecesAreTheLinesOfAWholeRead) {
  const size_t piece = platform::LinePieceBytes;
  const std::string upToBorder(piece - 1, 'x');
  std::string manyLines;
  for (int line = 0; line < 50'000; ++line) manyLines += "C" + std::to_string(line) + "H4\n";
  const std::string cases[] = {
      upToBorder + "\r\nb\n",                         // CR LF across the border
      upToBorder + "\rc",                              // a lone CR last in its piece
      upToBorder + "\r\n\r\r",                          // CR LF, then CRs at the file's end
      upToBorder + "\r" + std::string("\0\nd", 3),     // a NUL between CR and LF across the border
      upToBorder + std::string("\0", 1) + "\r\ne",      // a NUL last in its piece
      std::string(piece - 1, 'y') + "\n",              // a file of exactly one piece
      std::string(2 * piece, 'z'),                     // two pieces and no line end
      "a\n" + std::string(piece * 5 / 2, 'w') + "\nlast\r\n",
      "",
      "\n",
      "\r\n\r\n\n",
      manyLines,
      "S\xC3\xB8lv\r" + upToBorder + "\nbl\xC3\xA5",     // UTF-8: converted
      upToBorder + "\nbl\xE5\r\nH2O",                     // Windows-1252: as it is
  };
  for (const std::string& contents : cases) {
    Write("table.dat", contents);
    platform::FileReadStatus status{};
    int shares = 0;
    const std::vector<std::string> lines = LinesInShares("TABLE.dat", status, shares);
    const platform::FileLines whole = platform::ReadFileLines("TABLE.dat");
    EXPECT_EQ(status, whole.status);
    ASSERT_EQ(lines.size(), whole.lines.size()) << testing::PrintToString(contents.substr(0, 40));
    EXPECT_TRUE(lines == whole.lines) << testing::PrintToString(contents.substr(0, 40));
    if (contents == manyLines) {
      EXPECT_GT(shares, 1);
    }
  }

  // The reading stops when the share's taker says so.
  Write("table.dat", manyLines);
  int shares = 0;
  platform::ReadFileLineShares("table.dat", [&](std::span<const std::string_view>) { return ++shares < 2; });
  EXPECT_EQ(shares, 2);

  platform::FileReadStatus status{};
  EXPECT_TRUE(LinesInShares("absent.dat", status, shares).empty());
  EXPECT_EQ(status, platform::FileReadStatus::Missing);
  fs::create_directories("folder.dat");
  EXPECT_TRUE(LinesInShares("folder.dat", status, shares).empty());
  EXPECT_EQ(status, platform::FileReadStatus::Unreadable);
  Write("locked.dat", "a\r\nb");
  fs::permissions("locked.dat", fs::perms::owner_read);
  EXPECT_EQ(LinesInShares("locked.dat", status, shares), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(status, platform::FileReadStatus::ReadOnly);
}

// What is written reads back as the lines given, also where Windows-1252 bytes would pass for
// UTF-8 (capital A-tilde and the cedilla make the UTF-8 of o-slash).
TEST_F(TextFileReading, WrittenLinesReadBackAsGiven) {
  fs::create_directories("dats");
  const std::vector<std::vector<std::string>> cases = {
      {"\\", "Saltsyre", "", "HCl"},
      {"bl\xE5"
       "b\xE6r",
       "\x80"},
      {"\xC3\xB8", "\xC3\xB8 \x81"},
      {"\xEF\xBB\xBF"
       "first"},
      {},
  };
  for (const auto& lines : cases) {
    ASSERT_TRUE(platform::WriteFileLines("dats\\t.dat", lines));
    EXPECT_EQ(platform::ReadFileLines("dats\\t.dat").lines, lines) << testing::PrintToString(lines);
  }
  ASSERT_TRUE(platform::WriteFileLines("dats\\t.dat", {"bl\xE5", "H2O"}));
  EXPECT_EQ(Read("dats/t.dat"), "bl\xE5\nH2O\n");  // Windows-1252 with line feeds
  ASSERT_TRUE(platform::WriteFileLines("dats\\t.dat", {"\xC3\xB8"}));
  EXPECT_EQ(Read("dats/t.dat"), "\xC3\x83\xC2\xB8\n");
}

// Rewritten at once, a file keeps its size and, where time stamps are coarse, its stamps too: it
// is read every time.
TEST_F(KeptFileLines, AFileRewrittenJustNowIsReadAgainWhateverItsStamps) {
  platform::CachedFileLines kept("dats\\isotope.dat");
  EXPECT_EQ(kept.Read().status, platform::FileReadStatus::Missing);
  for (int round = 0; round < 50; ++round) {
    const std::string key = round % 2 == 0 ? "H[1]" : "H[2]";
    Write("dats/isotope.dat", key + "\n1/2\n");
    ASSERT_EQ(kept.Read().lines, (std::vector<std::string>{key, "1/2"})) << round;
  }
}

// A file that has stood still is read once; every later change shows: new contents of the same
// size, write permission taken away, the file removed and made again.
TEST_F(KeptFileLines, AFileThatStoodStillIsReadAgainAfterEachChange) {
  Write("dats/isotope.dat", "H[1]\n1/2\n");
  platform::CachedFileLines kept("DATS\\Isotope.dat");
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  EXPECT_EQ(kept.Read().lines, (std::vector<std::string>{"H[1]", "1/2"}));
  EXPECT_EQ(kept.Read().lines, (std::vector<std::string>{"H[1]", "1/2"}));
  Write("dats/isotope.dat", "H[2]\n3/2\n");
  EXPECT_EQ(kept.Read().lines, (std::vector<std::string>{"H[2]", "3/2"}));
  fs::permissions("dats/isotope.dat", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(kept.Read().status, platform::FileReadStatus::ReadOnly);
  fs::remove("dats/isotope.dat");
  EXPECT_EQ(kept.Read().status, platform::FileReadStatus::Missing);
  EXPECT_TRUE(kept.Read().lines.empty());
  Write("dats/isotope.dat", "C[13]\n");
  EXPECT_EQ(kept.Read().lines, (std::vector<std::string>{"C[13]"}));
}

TEST_F(FileRewrite, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  Write("DATS/Tavrpar.dat", "old contents that are longer\n");
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\tavrpar.dat", "new\n"));
  EXPECT_EQ(Read("DATS/Tavrpar.dat"), "new\n");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("DATS")) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(FileRewrite, CreatesAMissingFileKeepsTheModeOfAnExistingOne) {
  fs::create_directories("dats");
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\new.dat", "a\n"));
  EXPECT_EQ(Read("dats/new.dat"), "a\n");
  Write("dats/shared.dat", "x");
  fs::permissions("dats/shared.dat", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\shared.dat", "y"));
  EXPECT_EQ(fs::status("dats/shared.dat").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FileRewrite, RefusesAMissingFolderAndAReadOnlyFile) {
  EXPECT_FALSE(platform::RewriteFileSafely("nowhere\\file.dat", "a"));
  Write("locked.dat", "keep");
  fs::permissions("locked.dat", fs::perms::owner_read);
  EXPECT_FALSE(platform::RewriteFileSafely("locked.dat", "lost"));
  EXPECT_EQ(Read("locked.dat"), "keep");
}

TEST_F(FileRewrite, ASymbolicLinkStaysAndTheFileItLeadsToIsRewritten) {
  Write("shared/table.dat", "old\n");
  fs::create_directories("dats");
  fs::create_symlink("../shared/table.dat", "dats/table.dat");
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\TABLE.dat", "new\n"));
  EXPECT_TRUE(fs::is_symlink("dats/table.dat"));
  EXPECT_EQ(Read("shared/table.dat"), "new\n");
  EXPECT_EQ(std::distance(fs::directory_iterator("dats"), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator("shared"), fs::directory_iterator()), 1);

  fs::create_symlink("table.dat", "dats/second.dat");  // a link to a link
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\second.dat", "newer\n"));
  EXPECT_TRUE(fs::is_symlink("dats/second.dat"));
  EXPECT_EQ(Read("shared/table.dat"), "newer\n");
}

// A process that has ended: its id, once it has been waited for.
pid_t EndedProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST_F(FileRewrite, LeftoversOfEndedRewritesOfThisFileAreRemoved) {
  Write("dats/table.dat", "old\n");
  const std::string dead = std::to_string(EndedProcess());
  const std::string living = std::to_string(getppid());
  const std::vector<std::string> removed = {".table.dat.new-" + dead + "-0", ".table.dat.new-" + dead + "-17"};
  const std::vector<std::string> kept = {
      ".table.dat.new-" + living + "-3",  // a rewrite that may still be running
      ".other.dat.new-" + dead + "-0",    // another table's, removed at its own rewrite
      ".table.dat.new-" + dead + "-x",    // no name of this program's
      ".table.dat.new-" + dead,          "table.dat.new-" + dead + "-0",
  };
  for (const auto& name : removed) Write("dats/" + name, "half");
  for (const auto& name : kept) Write("dats/" + name, "half");
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\table.dat", "new\n"));
  for (const auto& name : removed) EXPECT_FALSE(fs::exists("dats/" + name)) << name;
  for (const auto& name : kept) EXPECT_TRUE(fs::exists("dats/" + name)) << name;
  EXPECT_EQ(Read("dats/table.dat"), "new\n");
}

TEST_F(FileRewrite, TheFolderIsFlushedAfterEveryRewrite) {
  fs::create_directories("dats");
  const int before = FolderFlushes;
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\table.dat", "one\n"));
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\table.dat", "two\n"));
  EXPECT_EQ(FolderFlushes - before, 2);
}

TEST_F(FileRewrite, KeepsTheOwnerAndGroupWhereItMay) {
  if (geteuid() != 0) GTEST_SKIP() << "only the administrator may give a file to another user";
  constexpr uid_t Nobody = 65534;
  Write("dats/table.dat", "old\n");
  ASSERT_EQ(chown("dats/table.dat", Nobody, Nobody), 0);
  ASSERT_TRUE(platform::RewriteFileSafely("dats\\table.dat", "new\n"));
  struct stat status {};
  ASSERT_EQ(stat("dats/table.dat", &status), 0);
  EXPECT_EQ(status.st_uid, Nobody);
  EXPECT_EQ(status.st_gid, Nobody);
}

// A rewrite past the process's file-size limit fails and says so, instead of ending the program
// with SIGXFSZ; the old file stands and no temporary file is left.
TEST_F(FileRewrite, AFileSizeLimitFailsTheRewriteAndLeavesTheOldFile) {
  Write("dats/table.dat", "old\n");
  auto rewriteUnderALimit = [] {
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = 100;
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = platform::RewriteFileSafely("dats\\table.dat", std::string(1000, 'x'));
    _exit(written ? 1 : 0);
  };
  EXPECT_EXIT(rewriteUnderALimit(), testing::ExitedWithCode(0), "");
  EXPECT_EQ(Read("dats/table.dat"), "old\n");
  EXPECT_EQ(std::distance(fs::directory_iterator("dats"), fs::directory_iterator()), 1);
}

}  // namespace
