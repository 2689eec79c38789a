// The curve-fit data sets delivered with the program, read as the window reads them: the record
// frame, the numbers through the window's data reading and the number check, and a fit by the
// model each set shows.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "engine/reaction.h"
#include "engine/records/record_file.h"
#include "calculators/model/curve_data.h"
#include "calculators/model/curve_fit_models.h"

namespace {

const std::string AtomData = TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/";
const char* const PlotFiles[] = {"noplot.dat", "enplot.dat"};

constexpr std::size_t LinesPerRecord = 19;
constexpr std::size_t LineLimit = 7677;      // the window reads no longer line
constexpr std::size_t NameLimit = 35;        // the list's key
constexpr std::size_t FieldTextLimit = 251;  // title and axis texts
constexpr int DataLine = 13;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool IsNumber(std::string text) {
  std::string numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = 0;
  double value = 0;
  return ParseNumberText(text, DoublePrecisionLimits, numberText, WholeNumberMode, nextChar, intClass, position,
                         value) == 0;
}

// The data line as the window shows it: each BEL a line break.
std::string ShownData(const std::string& line) {
  std::string shown;
  for (char c : line) shown += c == '\a' ? std::string("\r\n") : std::string(1, c);
  return shown;
}

std::string Folded(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

TEST(PlotDataSets, BytesAreWindows1252WithLineFeeds) {
  for (const char* name : PlotFiles) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadBytes(AtomData + name);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.substr(0, 2), "\\\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\\\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto u = static_cast<unsigned char>(bytes[i]);
      // Printable characters, LF, and BEL inside the data lines; no CR, no UTF-8 pair.
      EXPECT_TRUE(u == '\n' || u == '\a' ||
                  (u >= 0x20 && u != 0x7F && u != 0x81 && u != 0x8D && u != 0x8F && u != 0x90 && u != 0x9D))
          << "byte " << int(u) << " at " << i;
      if (u >= 0xC2 && u <= 0xDF && i + 1 < bytes.size()) {
        const auto next = static_cast<unsigned char>(bytes[i + 1]);
        EXPECT_FALSE(next >= 0x80 && next <= 0xBF) << "UTF-8 at " << i;
      }
    }
  }
  // The Norwegian texts hold Norwegian letters in Windows-1252: "ø" of "Førsteordens" is 0xF8.
  EXPECT_NE(ReadBytes(AtomData + "noplot.dat").find("F\xF8rsteordens"), std::string::npos);
}

TEST(PlotDataSets, EveryRecordKeepsTheFrameAndFitsItsModel) {
  for (const char* name : PlotFiles) {
    SCOPED_TRACE(name);
    const auto records = ReadRecordFile(AtomData + name);
    EXPECT_GE(records.size(), 8u);
    std::set<std::string> names;
    for (const auto& record : records) {
      const std::string setName = RecordLine(record, 1);
      SCOPED_TRACE(setName);
      ASSERT_EQ(record.size(), LinesPerRecord);
      for (const auto& line : record) EXPECT_LE(line.size(), LineLimit);
      EXPECT_FALSE(setName.empty());
      EXPECT_LE(setName.size(), NameLimit);
      EXPECT_TRUE(names.insert(Folded(setName)).second) << "a name twice";
      for (int empty : {2, 11, 14, 15, 16, 17, 18, 19}) EXPECT_EQ(RecordLine(record, empty), "") << "line " << empty;
      for (int text : {3, 4, 5}) {
        EXPECT_FALSE(RecordLine(record, text).empty());
        EXPECT_LE(RecordLine(record, text).size(), FieldTextLimit);
      }
      // The ranges: all derived (empty), or four numbers in order.
      if (!RecordLine(record, 6).empty()) {
        for (int range = 6; range <= 9; ++range) EXPECT_TRUE(IsNumber(RecordLine(record, range))) << "line " << range;
        EXPECT_LT(std::stod(RecordLine(record, 6)), std::stod(RecordLine(record, 7)));
        EXPECT_LT(std::stod(RecordLine(record, 8)), std::stod(RecordLine(record, 9)));
      } else {
        for (int range = 7; range <= 9; ++range) EXPECT_EQ(RecordLine(record, range), "");
      }
      const std::string flags = RecordLine(record, 10);
      ASSERT_EQ(flags.size(), 5u);
      EXPECT_EQ(flags.find_first_not_of("01"), std::string::npos);
      EXPECT_EQ(flags.substr(3), "00");

      const int model = std::stoi(RecordLine(record, 12));
      EXPECT_TRUE(model == CurveModelBestFit || model == CurveModelNoFit ||
                  (model >= CurveModelLine && model <= CurveModelQuadratic));
      const auto data = ReadCurveData(ShownData(RecordLine(record, DataLine)));
      ASSERT_TRUE(data.valid);
      EXPECT_FALSE(data.tooManyPairs || data.tooManyCharacters);
      EXPECT_GE(data.points.size(), 6u);

      const auto fit = FitChosenModel(data.points, model);
      if (model == CurveModelNoFit) {
        // The titration: pH rising through the equivalence point, inside 0 to 14.
        EXPECT_FALSE(fit.Succeeded());
        for (std::size_t i = 1; i < data.points.size(); ++i) EXPECT_GT(data.points[i].y, data.points[i - 1].y);
        EXPECT_GT(data.points.front().y, 0);
        EXPECT_LT(data.points.back().y, 14);
        continue;
      }
      ASSERT_TRUE(fit.Succeeded());
      EXPECT_EQ(fit.code, model);
      EXPECT_GT(fit.rSquared, 0.99);
    }
  }
}

// The two languages hold the same sets: the same numbers, ranges, options and models, record by
// record, with texts of their own.
TEST(PlotDataSets, BothLanguagesHoldTheSameSets) {
  const auto norwegian = ReadRecordFile(AtomData + "noplot.dat");
  const auto english = ReadRecordFile(AtomData + "enplot.dat");
  ASSERT_EQ(norwegian.size(), english.size());
  for (std::size_t i = 0; i < norwegian.size(); ++i) {
    SCOPED_TRACE(RecordLine(english[i], 1));
    for (int line = 6; line <= static_cast<int>(LinesPerRecord); ++line)
      EXPECT_EQ(RecordLine(norwegian[i], line), RecordLine(english[i], line)) << "line " << line;
    EXPECT_NE(RecordLine(norwegian[i], 3) + RecordLine(norwegian[i], 4),
              RecordLine(english[i], 3) + RecordLine(english[i], 4));
  }
}

}  // namespace
