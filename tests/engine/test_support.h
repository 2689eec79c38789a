#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/globals.h"

// The bytes of a file as they are on disk; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// The lines of a text whose every line ends in a line feed; a text that does not end in
// one gives its last piece as a line too, so a frame check sees it.
std::vector<std::string> SplitLines(const std::string& text);

// Letter case folded as the list box compares keys, Windows-1252 letters included.
std::string Folded(const std::string& text);

// True when every byte is printable Windows-1252 text (printable ASCII and the code page's
// characters above 127), a line feed, or one of the control characters alsoAllowed; else
// false with the first offending byte or UTF-8 sequence in why.
bool IsWindows1252Text(const std::string& text, std::string& why, std::string_view alsoAllowed = {});

// A fresh folder made the working folder for one test, removed afterwards, so
// that files the program names relatively ("dats\tavrpar.dat") land in it.
class WorkFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  static void WriteFile(const std::filesystem::path& path, const std::string& contents);
  static std::string ReadFile(const std::filesystem::path& path);

 private:
  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

// Every settings value, taken when made and put back when destroyed, so a test
// that changes settings leaves the compiled-in defaults for the next one.
class SettingsSnapshot {
 public:
  SettingsSnapshot();
  ~SettingsSnapshot();
  SettingsSnapshot(const SettingsSnapshot&) = delete;
  SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

 private:
  struct Values;
  static void Copy(Values& to, bool take);
  std::unique_ptr<Values> values_;
};

// Sets LanguageCode for one scope.
class LanguageScope {
 public:
  explicit LanguageScope(int code) : previous_(LanguageCode) { LanguageCode = code; }
  ~LanguageScope() { LanguageCode = previous_; }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;

 private:
  int previous_;
};
