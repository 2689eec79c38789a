#include "calculators/unit_conversion_window.h"

#include <cmath>
#include <string>
#include <vector>

#include "resources/unit_conversion_ids.h"
#include "engine/settings/settings.h"
#include "tests/support/tool_window_fixture.h"
#include "calculators/unit_conversion.h"

namespace {

struct Shown {
  int id;
  const char* text;
};

struct Conversion {
  int source;
  const char* typed;
  std::vector<Shown> expected;
};

// Expected texts are handbook values ("%G", six significant digits), with the arithmetic where it
// is not a definition.
const std::vector<Conversion>& Conversions() {
  static const std::vector<Conversion> conversions = {
      {CelsiusFieldId, "0", {{KelvinFieldId, "273.15"}, {FahrenheitFieldId, "32"}}},
      {FahrenheitFieldId, "-40", {{CelsiusFieldId, "-40"}, {KelvinFieldId, "233.15"}}},
      {KelvinFieldId, "0", {{CelsiusFieldId, "-273.15"}, {FahrenheitFieldId, "-459.67"}}},
      // Blanks are no part of a number: " 2 5 " is 25.
      {CelsiusFieldId, " 2 5 ", {{KelvinFieldId, "298.15"}, {FahrenheitFieldId, "77"}}},
      // 1 bar = 10^5 Pa; 10^5 / 101325 = 0.986923 atm; 10^5 / 6894.757 = 14.5038 psi;
      // 10^5 / 133.3224 = 750.062 mmHg; 10^5 / 3386.389 = 29.5300 inHg.
      {BarFieldId,
       "1",
       {{PascalFieldId, "100000"},
        {StandardAtmosphereFieldId, "0.986923"},
        {PoundForcePerSquareInchFieldId, "14.5038"},
        {MillimetreOfMercuryFieldId, "750.062"},
        {InchOfMercuryFieldId, "29.53"}}},
      // 1 atm = 760 mmHg = 14.6959 psi = 29.9213 inHg = 406.782 inH2O = 33.8985 ftH2O
      // = 2116.22 lbf/ft2 = 1.01325 bar.
      {StandardAtmosphereFieldId,
       "1",
       {{PascalFieldId, "101325"},
        {MillimetreOfMercuryFieldId, "760"},
        {PoundForcePerSquareInchFieldId, "14.6959"},
        {InchOfMercuryFieldId, "29.9213"},
        {InchOfWaterFieldId, "406.782"},
        {FootOfWaterFieldId, "33.8985"},
        {PoundForcePerSquareFootFieldId, "2116.22"},
        {BarFieldId, "1.01325"}}},
      // 1 therm = 105.506 MJ = 10^5 Btu (1.05506E8 / 1055.056 = 100000.4) = 29.3072 kWh.
      {ThermFieldId, "1", {{JouleFieldId, "1.05506E+08"}, {BtuFieldId, "100000"}, {KilowattHourFieldId, "29.3072"}}},
      // The troy ounce: 480 grains of 64.79891 mg = 31.1035 g; 480 / 7000 lb = 0.0685714 lb.
      {TroyOunceFieldId, "1", {{KilogramFieldId, "0.0311035"}, {GrainFieldId, "480"}, {PoundFieldId, "0.0685714"}}},
      {PoundFieldId, "1", {{KilogramFieldId, "0.453592"}, {GrainFieldId, "7000"}}},
      {MileFieldId,
       "1",
       {{MetreFieldId, "1609.34"}, {FootFieldId, "5280"}, {YardFieldId, "1760"}, {InchFieldId, "63360"}}},
      // 1 hp = 550 ft lbf/s = 745.700 W = 1.01387 metric hp of 735.499 W.
      {HorsepowerFieldId, "1", {{WattFieldId, "745.7"}, {MetricHorsepowerFieldId, "1.01387"}}},
      // 1 kgf = 9.80665 N = 2.20462 lbf = 70.9316 pdl = 35.2740 ozf = 0.000984207 long tonf.
      {KilogramForceFieldId,
       "1",
       {{NewtonFieldId, "9.80665"},
        {DyneFieldId, "980665"},
        {PoundForceFieldId, "2.20462"},
        {PoundalFieldId, "70.9316"},
        {OunceForceFieldId, "35.274"},
        {TonForceFieldId, "0.000984207"}}},
      // 1 kWh = 3.6 MJ = 859845 cal = 3412.14 Btu = 1.34102 hp h = 0.0341213 therm; the thermie is
      // 10^6 cal.
      {KilowattHourFieldId,
       "1",
       {{JouleFieldId, "3.6E+06"},
        {ErgFieldId, "3.6E+13"},
        {CalorieFieldId, "859845"},
        {BtuFieldId, "3412.14"},
        {HorsepowerHourFieldId, "1.34102"},
        {ThermieFieldId, "0.859845"},
        {ThermFieldId, "0.0341213"}}},
      // Far beyond single precision, still a number in double precision.
      {BarFieldId, "1E39", {{PascalFieldId, "1E+44"}, {StandardAtmosphereFieldId, "9.86923E+38"}}},
  };
  return conversions;
}

class ConversionWindowTest : public ToolWindowTest {
 protected:
  void InConverter(const Steps& steps) { InWindow(OpenConversionDialog, steps); }
  // Steps that type the text into the field and press Enter.
  Steps Convert(int field, const std::string& text) {
    return {[this, field, text] { driver.Type(field, text); }, [this] { driver.Key("Enter"); }};
  }
  // The message boxes shown after the first `from`, as caption and text.
  std::vector<std::string> BoxesSince(std::size_t from) const {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < driver.MessageBoxes().size(); ++i)
      texts.push_back(driver.MessageBoxes()[i].caption + ": " + driver.MessageBoxes()[i].text);
    return texts;
  }
};

TEST_F(ConversionWindowTest, EnterShowsTheValueInEveryUnitOfItsGroup) {
  for (const int language : {EnglishLanguage, NorwegianLanguage}) {
    Language scope(language);
    Steps steps;
    std::vector<std::vector<std::string>> shown(Conversions().size());
    for (std::size_t i = 0; i < Conversions().size(); ++i) {
      const Conversion& conversion = Conversions()[i];
      for (const auto& step : Convert(conversion.source, conversion.typed)) steps.push_back(step);
      steps.push_back([this, &conversion, &shown, i] {
        for (const Shown& field : conversion.expected) shown[i].push_back(Text(field.id));
        shown[i].push_back(Text(conversion.source));
      });
    }
    InConverter(steps);
    for (std::size_t i = 0; i < Conversions().size(); ++i) {
      const Conversion& conversion = Conversions()[i];
      ASSERT_EQ(shown[i].size(), conversion.expected.size() + 1);
      for (std::size_t j = 0; j < conversion.expected.size(); ++j) {
        EXPECT_EQ(shown[i][j], conversion.expected[j].text)
            << conversion.typed << " in field " << conversion.source << ", field " << conversion.expected[j].id;
      }
      EXPECT_EQ(shown[i].back(), conversion.typed) << "the source keeps its text";
    }
    EXPECT_TRUE(driver.MessageBoxes().empty());
  }
}

// Taking a field empties the other fields of its group and no other group.
TEST_F(ConversionWindowTest, TakingAFieldEmptiesTheRestOfItsGroup) {
  std::vector<std::string> texts;
  InConverter({Convert(MileFieldId, "1")[0], Convert(MileFieldId, "1")[1],
               [this] { driver.Type(KilogramFieldId, "2"); }, [this] { driver.Key("Enter"); },
               [this] { driver.Type(FootFieldId, "3"); },
               [&] {
                 for (int id : {MetreFieldId, MileFieldId, YardFieldId, FootFieldId, PoundFieldId})
                   texts.push_back(Text(id));
               }});
  EXPECT_EQ(texts, (std::vector<std::string>{"", "", "", "3", "4.40925"}));  // 2 kg = 4.40925 lb
  EXPECT_EQ(ConversionSourceField, FootFieldId);
}

// An empty temperature is a number error; an empty field of another group converts nothing. A
// text that is no number, or a value whose result no double holds, is a number error too, and the
// group stays as it was.
TEST_F(ConversionWindowTest, NumberErrorsInTheirLanguage) {
  struct Case {
    int field;
    const char* typed;
    bool error;
  };
  const Case cases[] = {
      {CelsiusFieldId, "", true},
      {KelvinFieldId, "", true},
      {FahrenheitFieldId, "", true},
      {BarFieldId, "", false},
      {JouleFieldId, "", false},
      {MetreFieldId, "12a", true},
      {MetreFieldId, "1 m", true},
      {KilogramFieldId, "1.2.3", true},
      {WattFieldId, "abc", true},
      // 1E307 tonf/in2 is 1.5E314 Pa, beyond the largest double: no "INF" is ever shown.
      {TonForcePerSquareInchFieldId, "1E307", true},
      // (1.7E308 - 273.15) x 1.8 + 32 is beyond the largest double too.
      {KelvinFieldId, "1.7E308", true},
      {NewtonFieldId, "1E400", true},
      // Below absolute zero: -300 C would be -26.85 K.
      {CelsiusFieldId, "-300", true},
      {KelvinFieldId, "-0.01", true},
      {FahrenheitFieldId, "-460", true},
  };
  for (const auto& [language, headline] :
       {std::pair{NorwegianLanguage, "TAVRIN: TALLFEIL\n\n"}, std::pair{EnglishLanguage, "TAVRIN: NUMBER ERROR\n\n"},
        std::pair{45, "TAVRIN: NUMBER ERROR\n\n"}}) {
    Language scope(language);
    for (const Case& example : cases) {
      std::vector<std::string> group;
      const std::size_t boxes = driver.MessageBoxes().size();
      InConverter({Convert(example.field, example.typed)[0], Convert(example.field, example.typed)[1], [&] {
                     for (const UnitField& unit : UnitGroupOf(example.field)) group.push_back(Text(unit.id));
                   }});
      const std::vector<std::string> expected =
          example.error ? std::vector<std::string>{headline} : std::vector<std::string>{};
      EXPECT_EQ(BoxesSince(boxes), expected) << example.typed << " in " << example.field;
      for (std::size_t i = 0; i < group.size(); ++i) {
        const bool source = UnitGroupOf(example.field)[i].id == example.field;
        EXPECT_EQ(group[i], source ? example.typed : "") << example.typed << " in " << example.field;
      }
    }
  }
}

// Absolute zero itself converts, from each of the three scales, also where the Fahrenheit sum
// reaches it only to within rounding.
TEST(UnitConversion, AbsoluteZeroConvertsFromEveryScale) {
  for (const auto& [field, typed] : {std::pair{KelvinFieldId, "0"}, std::pair{CelsiusFieldId, "-273.15"},
                                     std::pair{FahrenheitFieldId, "-459.67"}}) {
    const auto converted = ConvertUnitText(field, typed);
    ASSERT_TRUE(converted.has_value()) << typed;
    for (const ConvertedField& shown : *converted) {
      if (shown.id == KelvinFieldId) {
        EXPECT_NEAR(std::stod(shown.text), 0.0, 1e-9) << typed;
      }
    }
  }
}

// The source field is remembered from one opening to the next, until another field takes the focus.
TEST_F(ConversionWindowTest, TheSourceFieldOutlivesTheWindow) {
  InConverter({[this] { driver.Type(GrainFieldId, "1"); }});
  EXPECT_EQ(ConversionSourceField, GrainFieldId);
  std::string focused;
  InConverter({[&] { focused = std::to_string(GetDlgCtrlID(GetFocus())); }});
  EXPECT_EQ(focused, std::to_string(ConvertCloseId)) << "the close button is the first tab stop";
  EXPECT_EQ(ConversionSourceField, GrainFieldId);
}

TEST_F(ConversionWindowTest, TextsInTheLanguageOfLanguageCode) {
  struct Case {
    int language;
    std::vector<std::string> texts;
  };
  const std::vector<int> ids = {ConvertCloseId,    HorsepowerHourLabelId,   KilowattHourLabelId,
                                HorsepowerLabelId, MetricHorsepowerLabelId, TemperatureGroupId,
                                PressureGroupId,   EnergyGroupId,           PowerGroupId,
                                ForceGroupId,      LengthGroupId,           MassGroupId};
  const std::vector<std::string> norwegian = {"Lukk",
                                              "hk t",
                                              "kWt",
                                              "hk",
                                              "mtr.hk",
                                              "Temperatur",
                                              "Trykk - Stress - Kraft/areal",
                                              "Energi - Varme - Arbeid",
                                              "Effekt",
                                              "Kraft - Vekt",
                                              "Lengde",
                                              "Masse"};
  const Case cases[] = {
      {EnglishLanguage,
       {"Close", "hp h", "kWh", "hp", "mtr.hp(ch,PS)", "Temperature", "Pressure - Stress - Force/area",
        "Energy - Heat - Work", "Power", "Force - Weight", "Length", "Mass"}},
      {NorwegianLanguage, norwegian},
      {45, norwegian},
  };
  for (const Case& example : cases) {
    Language scope(example.language);
    std::vector<std::string> texts;
    std::string caption;
    InConverter({[&] {
      caption = driver.WindowCaption().value_or("");
      for (int id : ids) texts.push_back(Text(id));
    }});
    EXPECT_EQ(caption, example.language == EnglishLanguage ? "CONVERSION" : "KONVERTERE");
    EXPECT_EQ(texts, example.texts) << example.language;
  }
}

// Each factor, built from the definitions of its units, agrees with the six-digit figure of the
// usual conversion tables.
TEST(UnitFactors, AgreeWithTheSixDigitTables) {
  const std::pair<int, double> published[] = {
      {PoundalPerSquareFootFieldId, 1.48816},
      {PoundForcePerSquareFootFieldId, 47.8803},
      {MillimetreOfMercuryFieldId, 133.322},
      {InchOfWaterFieldId, 249.089},
      {FootOfWaterFieldId, 2989.07},
      {InchOfMercuryFieldId, 3386.39},
      {PoundForcePerSquareInchFieldId, 6894.76},
      {BarFieldId, 100000},
      {StandardAtmosphereFieldId, 101325},
      {TonForcePerSquareFootFieldId, 107252},
      {TonForcePerSquareInchFieldId, 15444300},
      {ErgFieldId, 1e-7},
      {HorsepowerHourFieldId, 2684520},
      {ThermieFieldId, 4186800},
      {ThermFieldId, 105506000},
      {CalorieFieldId, 4.1868},
      {BtuFieldId, 1055.06},
      {KilowattHourFieldId, 3600000},
      {HorsepowerFieldId, 745.7},
      {MetricHorsepowerFieldId, 735.499},
      {DyneFieldId, 1e-5},
      {PoundalFieldId, 0.138255},
      {OunceForceFieldId, 0.278014},
      {PoundForceFieldId, 4.44822},
      {KilogramForceFieldId, 9.80665},
      {TonForceFieldId, 9964.02},
      {InchFieldId, 0.0254},
      {FootFieldId, 0.3048},
      {YardFieldId, 0.9144},
      {MileFieldId, 1609.34},
      {GrainFieldId, 6.47989e-5},
      {TroyOunceFieldId, 0.0311035},
      {PoundFieldId, 0.453592},
  };
  for (const auto& [id, figure] : published) {
    double factor = 0;
    for (const UnitField& unit : UnitGroupOf(id)) {
      if (unit.id == id) factor = unit.factor;
    }
    EXPECT_NEAR(factor, figure, std::abs(figure) * 5e-6) << "field " << id;
  }
  int units = 0;
  for (int id = 100; id < 220; ++id) {
    if (!UnitGroupOf(id).empty()) ++units;
  }
  EXPECT_EQ(units, 42);
}

TEST_F(ConversionWindowTest, Snapshots) {
  for (const auto& [code, file] : {std::pair{44, "convert-en.png"}, std::pair{47, "convert-no.png"}}) {
    Language language(code);
    bool written = false;
    Steps steps = Convert(CelsiusFieldId, "25");
    for (const auto& step : Convert(StandardAtmosphereFieldId, "1")) steps.push_back(step);
    for (const auto& step : Convert(KilowattHourFieldId, "1")) steps.push_back(step);
    for (const auto& step : Convert(HorsepowerFieldId, "1")) steps.push_back(step);
    for (const auto& step : Convert(KilogramForceFieldId, "1")) steps.push_back(step);
    for (const auto& step : Convert(MileFieldId, "1")) steps.push_back(step);
    for (const auto& step : Convert(TroyOunceFieldId, "1")) steps.push_back(step);
    steps.push_back([&] { written = driver.Snapshot(std::string(TAVRIN_OUTPUT_DIR) + "/" + file); });
    InConverter(steps);
    EXPECT_TRUE(written) << driver.LastError();
  }
}

}  // namespace
