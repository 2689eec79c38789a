#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/globals.h"

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
