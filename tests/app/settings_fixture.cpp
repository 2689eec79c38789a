#include "tests/app/settings_fixture.h"

#include <fstream>
#include <random>
#include <sstream>
#include <vector>

std::string SettingsText(const std::string& languageCode, const std::string& startupTool) {
  std::vector<std::string> lines(100, "0");
  lines[0] = "XXXXXXXXXX";
  const std::pair<int, const char*> keyed[] = {
      {2, "iLANGTAVRIN="},    {4, "cMMMODTAVRIN="},   {6, "cMMSTRTAVRIN="},
      {8, "cSKMULTITAVRIN="}, {10, "iSKDEFTAVRIN="},  {12, "iBALMINTAVRIN="},
      {14, "iBALMIDTAVRIN="}, {16, "iBALMAXTAVRIN="}, {18, "dSKDEVTAVRIN="},
  };
  for (const auto& [line, key] : keyed) lines[static_cast<size_t>(line) - 1] = key;
  const std::pair<int, std::string> values[] = {
      {3, languageCode}, {5, "3"},          {11, "8"}, {13, "1"}, {15, "10"}, {17, "20"},
      {19, "1.100000"},  {30, startupTool}, {34, "1"}, {36, "1"}, {62, ""},
  };
  for (const auto& [line, value] : values) lines[static_cast<size_t>(line) - 1] = value;
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

WorkingFolder::WorkingFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("tavrin-test-" + std::to_string(random()));
  std::filesystem::create_directories(path_ / "dats");
}

WorkingFolder::~WorkingFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WorkingFolder::WriteSettings(const std::string& text) const {
  std::ofstream(SettingsPath(), std::ios::binary) << text;
}

std::string WorkingFolder::ReadSettings() const {
  std::ifstream file(SettingsPath(), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}
