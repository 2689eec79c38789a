#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/services/files.h"

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
  static std::vector<std::string> ReadLines(std::string_view programPath) {
    std::vector<std::string> lines;
    auto file = platform::TextFile::OpenForUpdate(programPath);
    if (!file) return lines;
    std::string line;
    while (file->ReadLine(line)) lines.push_back(line);
    return lines;
  }

 private:
  fs::path previous_;
  fs::path folder_;
};

using PathLookup = FolderFixture;
using TextFileReading = FolderFixture;
using FileRewrite = FolderFixture;

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

TEST_F(TextFileReading, ReadsLfAndCrLfLinesAlike) {
  Write("f.dat", "one\r\ntwo\nthree\r\n\nlast");
  EXPECT_EQ(ReadLines("F.DAT"), (std::vector<std::string>{"one", "two", "three", "", "last"}));
}

TEST_F(TextFileReading, KeepsALoneCarriageReturnInsideALine) {
  Write("f.dat", "a\rb\nend\r");
  EXPECT_EQ(ReadLines("f.dat"), (std::vector<std::string>{"a\rb", "end"}));
}

TEST_F(TextFileReading, CutsALongLineWithoutShiftingTheNextOne) {
  Write("f.dat", std::string(100, 'x') + "\nnext\n");
  auto file = platform::TextFile::OpenForUpdate("f.dat");
  ASSERT_TRUE(file);
  std::string line;
  ASSERT_TRUE(file->ReadLine(line, 10));
  EXPECT_EQ(line, std::string(10, 'x'));
  ASSERT_TRUE(file->ReadLine(line, 10));
  EXPECT_EQ(line, "next");
  EXPECT_FALSE(file->ReadLine(line, 10));
}

TEST_F(TextFileReading, MissingReadOnlyAndFolderReadAsMissing) {
  Write("readonly.dat", "text\n");
  fs::permissions("readonly.dat", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_directories("folder.dat");
  EXPECT_FALSE(platform::TextFile::OpenForUpdate("readonly.dat"));
  EXPECT_FALSE(platform::TextFile::OpenForUpdate("folder.dat"));
  EXPECT_FALSE(platform::TextFile::OpenForUpdate("absent.dat"));
  Write("writable.dat", "text\n");
  EXPECT_TRUE(platform::TextFile::OpenForUpdate("WRITABLE.dat"));
}

TEST_F(TextFileReading, WholeFileLinesTellMissingReadOnlyAndUnreadableApart) {
  Write("table.dat", "\\\r\n" + std::string(400, 'x') + "\r\nlast");
  auto read = platform::ReadFileLines("TABLE.dat");
  EXPECT_EQ(read.status, platform::FileReadStatus::Read);
  EXPECT_EQ(read.lines, (std::vector<std::string>{"\\", std::string(400, 'x'), "last"}));  // lines read whole

  EXPECT_EQ(platform::ReadFileLines("absent.dat").status, platform::FileReadStatus::Missing);
  Write("locked.dat", "a\n");
  fs::permissions("locked.dat", fs::perms::owner_read);
  read = platform::ReadFileLines("locked.dat");
  EXPECT_EQ(read.status, platform::FileReadStatus::ReadOnly);
  EXPECT_TRUE(read.lines.empty());
  fs::create_directories("folder.dat");
  EXPECT_EQ(platform::ReadFileLines("folder.dat").status, platform::FileReadStatus::Unreadable);
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

}  // namespace
