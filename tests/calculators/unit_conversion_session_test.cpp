#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resources/unit_conversion_ids.h"
#include "resources/menu_commands.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Step(const std::string& verb, int id, const std::string& rest = "") {
  return verb + " " + std::to_string(id) + (rest.empty() ? "" : " " + rest) + "\n";
}

// A reading step's line as the session prints it.
std::string Read(int id, const std::string& value) { return "text " + std::to_string(id) + ": " + value; }

struct Shown {
  int id;
  const char* text;
};

struct Conversion {
  int source;
  const char* typed;
  std::vector<Shown> expected;
};

class ConversionSessionTest : public ::testing::Test {
 protected:
  SessionResult Run(const std::string& language, const std::string& script) {
    folder.WriteSettings(SettingsText(language, "0"));
    return RunSession(folder.Path(), script);
  }
  WorkingFolder folder;
};

// Through Table, Conversion: a value typed into one field and Enter; the other fields of the group
// as handbooks give them (the arithmetic beside each case).
TEST_F(ConversionSessionTest, TheUsualConversionsInBothLanguages) {
  const Conversion conversions[] = {
      {CelsiusFieldId, "0", {{KelvinFieldId, "273.15"}, {FahrenheitFieldId, "32"}}},
      {FahrenheitFieldId, "-40", {{CelsiusFieldId, "-40"}, {KelvinFieldId, "233.15"}}},
      // 10^5 Pa; 10^5 / 101325 = 0.986923 atm.
      {BarFieldId, "1", {{PascalFieldId, "100000"}, {StandardAtmosphereFieldId, "0.986923"}}},
      // 10^5 Btu = 1.05506E8 J.
      {ThermFieldId, "1", {{JouleFieldId, "1.05506E+08"}, {BtuFieldId, "100000"}}},
      // 480 grains of 64.79891 mg.
      {TroyOunceFieldId, "1", {{KilogramFieldId, "0.0311035"}, {GrainFieldId, "480"}}},
      {MileFieldId, "1", {{MetreFieldId, "1609.34"}, {FootFieldId, "5280"}, {YardFieldId, "1760"}}},
      // 550 ft lbf/s = 745.700 W = 1.01387 metric hp.
      {HorsepowerFieldId, "1", {{WattFieldId, "745.7"}, {MetricHorsepowerFieldId, "1.01387"}}},
      // 9.80665 N = 2.20462 lbf.
      {KilogramForceFieldId, "1", {{NewtonFieldId, "9.80665"}, {PoundForceFieldId, "2.20462"}}},
      // 3.6 MJ = 859845 cal = 3412.14 Btu.
      {KilowattHourFieldId, "1", {{JouleFieldId, "3.6E+06"}, {CalorieFieldId, "859845"}, {BtuFieldId, "3412.14"}}},
  };
  std::string script = Step("menu", ConversionCommand) + "window\n";
  std::vector<std::string> expected;
  for (const Conversion& conversion : conversions) {
    script += Step("type", conversion.source, conversion.typed) + "key Enter\n";
    for (const Shown& field : conversion.expected) {
      script += Step("text", field.id);
      expected.push_back(Read(field.id, field.text));
    }
  }
  script += "key Escape\nwindow\n";
  for (const auto& [language, caption] : {std::pair{"44", "CONVERSION"}, std::pair{"47", "KONVERTERE"}}) {
    const SessionResult result = Run(language, script);
    EXPECT_EQ(result.exitCode, 0) << language;
    std::vector<std::string> lines = {std::string("window: ") + caption + ": CONVERT"};
    lines.insert(lines.end(), expected.begin(), expected.end());
    lines.push_back("window: TAVRIN: CLIENT");
    EXPECT_EQ(result.lines, lines) << language;
  }
}

// Enter on an empty temperature field is a number error in the window's language; on an empty
// field of another group it does nothing, and the fields stay empty.
TEST_F(ConversionSessionTest, EmptyFields) {
  const std::string script = Step("menu", ConversionCommand) + Step("type", BarFieldId, "") + "key Enter\n" +
                             Step("text", PascalFieldId) + Step("type", CelsiusFieldId, "") + "key Enter\n" +
                             Step("text", KelvinFieldId) + Step("text", FahrenheitFieldId) + "key Escape\n";
  for (const auto& [language, headline] : {std::pair{"44", "NUMBER ERROR"}, std::pair{"47", "TALLFEIL"}}) {
    const SessionResult result = Run(language, script);
    EXPECT_EQ(result.exitCode, 0) << language;
    EXPECT_EQ(result.lines, (std::vector<std::string>{Read(PascalFieldId, ""),
                                                      std::string("messagebox: TAVRIN: ") + headline + "\\n\\n",
                                                      Read(KelvinFieldId, ""), Read(FahrenheitFieldId, "")}))
        << language;
  }
}

// Pictures of the window for a look at its layout (written to the build folder, never compared).
TEST_F(ConversionSessionTest, Snapshots) {
  for (const auto& [language, name] :
       {std::pair{"44", "convert-session-en.png"}, std::pair{"47", "convert-session-no.png"}}) {
    const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / name;
    fs::remove(picture);
    const SessionResult result =
        Run(language, Step("menu", ConversionCommand) + Step("type", FahrenheitFieldId, "-40") + "key Enter\n" +
                          Step("type", StandardAtmosphereFieldId, "1") + "key Enter\nsnapshot " + picture.string() +
                          "\nkey Escape\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(fs::exists(picture)) << language;
  }
}

}  // namespace
