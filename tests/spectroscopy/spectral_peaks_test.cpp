#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spectroscopy/model/spectral_peaks.h"

namespace {

struct PeakCase {
  const char* line;
  bool positiveOnly;
  std::vector<float> peaks;
};

TEST(ReadPeakList, NumbersAsTypedWithSeparatorsAndStrayCharacters) {
  const std::vector<PeakCase> cases = {
      {"3350 2970 1050", true, {3350, 2970, 1050}},
      {"1,715  2,950", true, {1715, 2950}},  // commas are skipped, not separators
      {"1.2E3", true, {1.23f}},              // letters are skipped inside a number
      {"0 -5 43", true, {43}},               // MS and IR keep values above 0 only
      {"- . 1.2", false, {0, 0, 1.2f}},      // NMR: a lone sign or point is a peak at 0
      {"-0.5 7.26", false, {-0.5f, 7.26f}},
      {"1.1\t2.2", false, {1.12f}},          // a tab does not close a number
      {"12 34\n56", true, {12}},             // a line feed ends the scan and drops 34
      {"abc", true, {}},
  };
  for (const PeakCase& c : cases) EXPECT_EQ(ReadPeakList(c.line, c.positiveOnly), c.peaks) << c.line;
}

TEST(ReadPeakList, LongNumberDropsTheRestAndTheListHoldsNinetyNine) {
  const std::string longNumber(36, '1');
  EXPECT_EQ(ReadPeakList("5 " + longNumber + " 7", true), std::vector<float>{5});

  std::string many;
  for (int i = 1; i <= 120; ++i) many += "1 ";
  EXPECT_EQ(ReadPeakList(many, true).size(), 99u);

  // The scan stops after 252 characters: the number that starts beyond them is not read.
  const std::string padded = std::string(250, ' ') + "12345";
  EXPECT_EQ(ReadPeakList(padded, true), std::vector<float>{12});
}

}  // namespace
