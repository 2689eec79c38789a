#include "platform/services/file_pair_rewrite.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The name whose rename fails in this program, as a rename across devices would; every other
// rename is done.
std::string FailingRenameTarget;

}  // namespace

extern "C" int rename(const char* from, const char* to) noexcept {
  if (!FailingRenameTarget.empty() && fs::path(to).filename() == FailingRenameTarget) {
    errno = EXDEV;
    return -1;
  }
  return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace {

class FilePairRewrite : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    folder_ = fs::temp_directory_path() / ("tavrin-pair-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "pages");
    fs::current_path(folder_);
  }
  void TearDown() override {
    FailingRenameTarget.clear();
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }
  static void Write(const fs::path& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("pages")) names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
  }
  static bool Rewrite() { return platform::RewriteFilePairSafely("pages/a.htm", "new a", "pages/b.htm", "new b"); }

 private:
  fs::path previous_;
  fs::path folder_;
};

TEST_F(FilePairRewrite, ReplacesBothKeepingModesAndLinksAndLeavesNoOtherFile) {
  Write("pages/a.htm", "old a");
  Write("pages/real-b.htm", "old b");
  fs::permissions("pages/a.htm", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real-b.htm", "pages/b.htm");
  ASSERT_TRUE(Rewrite());
  EXPECT_EQ(Read("pages/a.htm"), "new a");
  EXPECT_EQ(Read("pages/real-b.htm"), "new b");
  EXPECT_TRUE(fs::is_symlink("pages/b.htm"));
  EXPECT_EQ(fs::status("pages/a.htm").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.htm", "b.htm", "real-b.htm"}));
}

// The second rename failing after the first was done: the first file is put back as it was, or
// removed when it is new, and no new or kept file stays behind.
TEST_F(FilePairRewrite, ASecondRenameThatFailsPutsTheFirstFileBack) {
  FailingRenameTarget = "b.htm";
  Write("pages/a.htm", "old a");
  Write("pages/b.htm", "old b");
  EXPECT_FALSE(Rewrite());
  EXPECT_EQ(Read("pages/a.htm"), "old a");
  EXPECT_EQ(Read("pages/b.htm"), "old b");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.htm", "b.htm"}));

  fs::remove("pages/a.htm");
  EXPECT_FALSE(Rewrite());
  EXPECT_EQ(Names(), (std::vector<std::string>{"b.htm"}));
}

TEST_F(FilePairRewrite, AFirstRenameThatFailsChangesNothing) {
  FailingRenameTarget = "a.htm";
  Write("pages/a.htm", "old a");
  EXPECT_FALSE(Rewrite());
  EXPECT_EQ(Read("pages/a.htm"), "old a");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.htm"}));
}

// Refused before anything is written: a read-only target, a folder in a target's place, a missing folder.
TEST_F(FilePairRewrite, TargetsThatCannotBeReplacedAreRefused) {
  Write("pages/a.htm", "old a");
  Write("pages/b.htm", "old b");
  fs::permissions("pages/b.htm", fs::perms::owner_read);
  EXPECT_FALSE(Rewrite());
  fs::remove("pages/b.htm");
  fs::create_directory("pages/b.htm");
  EXPECT_FALSE(Rewrite());
  EXPECT_FALSE(platform::RewriteFilePairSafely("pages/a.htm", "new a", "missing/b.htm", "new b"));
  EXPECT_EQ(Read("pages/a.htm"), "old a");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.htm", "b.htm"}));
}

}  // namespace
