#pragma once
// Settings files and working folders for the program's tests.
#include <filesystem>
#include <string>

// A settings file as the program writes it, with the given language code and start-up tool (as
// they stand on lines 3 and 30) and the built-in values everywhere else.
std::string SettingsText(const std::string& languageCode, const std::string& startupTool);

// A fresh folder under the system's temporary folder, with an empty dats folder; removed with the
// object.
class WorkingFolder {
 public:
  WorkingFolder();
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path SettingsPath() const { return path_ / "dats" / "tavrpar.dat"; }
  void WriteSettings(const std::string& text) const;
  std::string ReadSettings() const;

 private:
  std::filesystem::path path_;
};
