#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "periodic_table/model/isotope_rows.h"
#include "tests/app/settings_fixture.h"

namespace {

namespace fs = std::filesystem;

// A working folder whose isotope.dat holds the given text.
class IsotopeRowsTest : public ::testing::Test {
 protected:
  IsotopeRowsTest() : previousFolder_(fs::current_path()) { fs::current_path(folder_.Path()); }
  ~IsotopeRowsTest() override { fs::current_path(previousFolder_); }

  void WriteIsotopeFile(const std::string& text) const {
    const fs::path atomdata = folder_.Path() / "dats" / "datfiles" / "atomdata";
    fs::create_directories(atomdata);
    std::ofstream(atomdata / "isotope.dat", std::ios::binary) << text;
  }

 private:
  WorkingFolder folder_;
  fs::path previousFolder_;
};

// The first line is taken as a record opener whatever it holds; H[2] has a short record (four
// lines after its key) followed by a second, complete one with the same key.
const char* const ShortAndDuplicateRecords =
    "isotope data\n"
    "H[1]\n1/2\n99.9885\n26.7522\n1.00\n2.7928\n\n100.000\nsources\n"
    "\\\n"
    "H[2]\n1\n0.0115\n4.1066\n1.11E-06\n"
    "\\\n"
    "H[2]\n5/2\n0.1\n9.9\n9.9\n9.9\n9.9\n99.9\nlater record\n"
    "\\\n";

TEST_F(IsotopeRowsTest, TheFirstRecordOfAKeyCountsAndItsMissingLinesAreEmpty) {
  WriteIsotopeFile(ShortAndDuplicateRecords);
  const std::pair<const char*, IsotopeValues> cases[] = {
      {"H[1]", {"1/2", "99.9885", "26.7522", "1.00", "2.7928", "", "100.000", "sources"}},
      {"H[2]", {"1", "0.0115", "4.1066", "1.11E-06", "", "", "", ""}},
      {"h[1]", {}},  // keys are compared exactly
      {"He[4]", {}},
  };
  for (const auto& [key, values] : cases) EXPECT_EQ(LookUpIsotopeValues(key), values) << key;
}

// Columns: key, abundance, mass padded to 11 with the spin after it, frequency (line 8),
// receptivity (5), moment (6), quadrupole moment (7), magnetogyric ratio (4); three blanks where
// a value is missing.
TEST_F(IsotopeRowsTest, HydrogenRowsTakeTheirValuesFromTheRecords) {
  WriteIsotopeFile(ShortAndDuplicateRecords);
  EXPECT_EQ(IsotopeTableRows(1), (std::vector<std::string>{
                                     "H[1]\t99.985\t1.007830   1/2\t100.000\t1.00\t2.7928\t   \t26.7522",
                                     "H[2]\t0.015\t2.014000   1\t   \t1.11E-06\t   \t   \t4.1066",
                                 }));
}

TEST_F(IsotopeRowsTest, WithoutTheFileKeyAbundanceAndMassStillShow) {
  EXPECT_EQ(LookUpIsotopeValues("H[1]"), IsotopeValues{});
  const std::vector<std::string> rows = IsotopeTableRows(1);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], "H[1]\t99.985\t1.007830      \t   \t   \t   \t   \t   ");
  EXPECT_TRUE(IsotopeTableRows(43).empty());  // technetium has no stable isotope
}

// Values of up to 252 characters make rows far wider than the window's 66: each row is cut
// there. A longer line keeps its first 252 characters, and the record's next line is still the
// next value.
TEST_F(IsotopeRowsTest, LongValuesAreCutAndDoNotShiftTheLinesAfterThem) {
  const std::string longSpin(300, 's');
  const std::string longFrequency(252, 'f');
  WriteIsotopeFile("\\\nH[1]\n" + longSpin + "\n3\n4\n5\n6\n7\n8\n9\n\\\nH[2]\n1\n3\n4\n5\n6\n7\n" + longFrequency +
                   "\n9\n\\\n");
  const IsotopeValues values = LookUpIsotopeValues("H[1]");
  EXPECT_EQ(values[0], std::string(IsotopeValueLimit, 's'));
  EXPECT_EQ(values[1], "3");
  EXPECT_EQ(values[7], "9");
  EXPECT_EQ(LookUpIsotopeValues("H[2]")[6], longFrequency);

  const std::vector<std::string> rows = IsotopeTableRows(1);
  ASSERT_EQ(rows.size(), 2u);
  // "H[1]\t99.985\t1.007830   " is 23 characters; the spin fills the rest of the 66.
  EXPECT_EQ(rows[0], "H[1]\t99.985\t1.007830   " + std::string(43, 's'));
  // "H[2]\t0.015\t2.014000   1\t" is 24 characters; the frequency fills the rest.
  EXPECT_EQ(rows[1], "H[2]\t0.015\t2.014000   1\t" + std::string(42, 'f'));
}

// isotope.dat as other editors and installations leave it: lone CR or CR LF line ends, saved as
// UTF-8, without write permission. Each reads as the same records.
TEST_F(IsotopeRowsTest, EveryLineEndCharacterSetAndAReadOnlyFileReadAlike) {
  const IsotopeValues hydrogen = {"1/2",
                                  "99.9885",
                                  "26.7522",
                                  "1.00",
                                  "2.7928",
                                  "\xB1"
                                  "0",
                                  "100.000",
                                  "sources"};
  const std::string lf =
      "\\\nH[1]\n1/2\n99.9885\n26.7522\n1.00\n2.7928\n\xB1"
      "0\n100.000\nsources\n\\\n";
  auto withLineEnd = [&](const std::string& end) {
    std::string text;
    for (char c : lf) text += c == '\n' ? end : std::string(1, c);
    return text;
  };
  std::string utf8 = lf;
  utf8.replace(utf8.find('\xB1'), 1, "\xC2\xB1");
  const std::pair<const char*, std::string> cases[] = {
      {"CR", withLineEnd("\r")}, {"CR LF", withLineEnd("\r\n")}, {"UTF-8", utf8}, {"LF", lf}};
  for (const auto& [what, text] : cases) {
    WriteIsotopeFile(text);
    EXPECT_EQ(LookUpIsotopeValues("H[1]"), hydrogen) << what;
  }
  fs::permissions(fs::path("dats") / "datfiles" / "atomdata" / "isotope.dat", fs::perms::owner_read);
  EXPECT_EQ(LookUpIsotopeValues("H[1]"), hydrogen) << "read-only";
}

}  // namespace
