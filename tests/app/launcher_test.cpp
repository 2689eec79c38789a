#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "resources/launcher_form_ids.h"
#include "tests/support/script_steps.h"
#include "tests/app/settings_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

// The launcher copies the shipped data files into the user's data folder and starts the program
// there; what is there already stays as it is.
TEST(LauncherTest, CopiesOnlyMissingDataFilesAndStartsTheProgramInTheDataFolder) {
  WorkingFolder shipped;
  WorkingFolder home;
  fs::create_directories(shipped.Path() / "dats" / "datfiles" / "atomdata");
  shipped.WriteSettings(SettingsText("47", "0"));
  std::ofstream(shipped.Path() / "dats" / "datfiles" / "atomdata" / "balequ.dat", std::ios::binary) << "H2 + O2\n";
  fs::permissions(shipped.SettingsPath(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const fs::path script = home.Path() / "session.script";
  std::ofstream(script) << steps::Text(PeriodicTableCaptionId);
  const fs::path output = home.Path() / "session.out";
  const std::string command = "XDG_DATA_HOME='" + home.Path().string() +
                              "' TAVRIN_PROGRAM='" TAVRIN_PROGRAM "' TAVRIN_DATS='" +
                              (shipped.Path() / "dats").string() + "' TAVRIN_SCRIPT='" + script.string() +
                              "' '" TAVRIN_LAUNCHER "' > '" + output.string() + "' 2>&1";
  const fs::path data = home.Path() / "tavrin" / "dats";

  ASSERT_EQ(std::system(command.c_str()), 0) << Read(output);
  EXPECT_EQ(Read(output), steps::TextLine(PeriodicTableCaptionId, "  Periodesystemet") + "\n");
  EXPECT_EQ(Read(data / "tavrpar.dat"), SettingsText("47", "0"));
  EXPECT_EQ(Read(data / "datfiles" / "atomdata" / "balequ.dat"), "H2 + O2\n");
  EXPECT_NE(fs::status(data / "tavrpar.dat").permissions() & fs::perms::owner_write, fs::perms::none);

  std::ofstream(data / "tavrpar.dat", std::ios::binary) << SettingsText("44", "0");
  fs::remove(data / "datfiles" / "atomdata" / "balequ.dat");
  ASSERT_EQ(std::system(command.c_str()), 0) << Read(output);
  EXPECT_EQ(Read(output), steps::TextLine(PeriodicTableCaptionId, "   Periodic Table") + "\n");
  EXPECT_EQ(Read(data / "tavrpar.dat"), SettingsText("44", "0"));
  EXPECT_EQ(Read(data / "datfiles" / "atomdata" / "balequ.dat"), "H2 + O2\n");
}

}  // namespace
