// The glossaries delivered for the dictionary window, Norwegian and English: record files of
// nine lines a record, the word on line 1 and its explanation on line 3, Windows-1252 text with
// BEL for each line break inside an explanation.

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "engine/records/record_file.h"
#include "tests/engine/test_support.h"

namespace {

const std::string AtomData = TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/";
constexpr const char* NorwegianGlossary = "nooliste.dat";
constexpr const char* EnglishGlossary = "enoliste.dat";

constexpr std::size_t LinesPerRecord = 9;
constexpr int WordLine = 1, ExplanationLine = 3;
constexpr std::size_t WordLimit = 251;          // the word field reads 252 characters with the terminator
constexpr std::size_t ExplanationLimit = 3996;  // the explanation field
constexpr char LineBreak = '\a';                // BEL: a line break inside an explanation
constexpr std::size_t LeastTerms = 150;

using Record = std::vector<std::string>;

// Faults the record-file reader cannot see: the bytes, the final line feed, and separator lines
// that are exactly "\" every ten lines, with no other line taken for one.
std::vector<std::string> FileFaults(const std::string& text) {
  std::vector<std::string> faults;
  if (text.empty() || text.back() != '\n') faults.push_back("the file does not end in a line feed");
  std::string why;
  if (!IsWindows1252Text(text, why, std::string(1, LineBreak))) faults.push_back(why);
  const auto lines = SplitLines(text);
  if (lines.empty() || (lines.size() - 1) % (LinesPerRecord + 1) != 0)
    faults.push_back("a record without nine lines, or no separator line after the last");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool separatorPlace = i % (LinesPerRecord + 1) == 0;
    if (separatorPlace && lines[i] != RecordSeparatorLine)
      faults.push_back("line " + std::to_string(i + 1) + " is not a separator line");
    if (!separatorPlace && IsSeparatorLine(lines[i]))
      faults.push_back("line " + std::to_string(i + 1) + " begins with a backslash");
  }
  return faults;
}

bool HasControlCharacter(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Faults of one record as the reader gives it: its nine lines, a word and an explanation within
// their fields' limits, every other line empty.
std::vector<std::string> RecordFaults(const Record& record) {
  std::vector<std::string> faults;
  const std::string& word = RecordLine(record, WordLine);
  auto fault = [&](const std::string& what) { faults.push_back(word + ": " + what); };
  if (record.size() != LinesPerRecord) fault(std::to_string(record.size()) + " lines");
  if (word.empty()) fault("no word");
  if (word.size() > WordLimit) fault("a word longer than its field");
  if (!word.empty() && (word.front() == ' ' || word.back() == ' ')) fault("a word with a blank at an end");
  if (HasControlCharacter(word)) fault("a control character in the word");
  const std::string& explanation = RecordLine(record, ExplanationLine);
  if (explanation.size() > ExplanationLimit) fault("an explanation longer than its field");
  if (explanation.empty() || explanation.back() != '.') fault("an explanation that does not end a sentence");
  if (!explanation.empty() && (explanation.front() == LineBreak || explanation.front() == ' '))
    fault("an explanation that begins with a break or a blank");
  if (std::any_of(explanation.begin(), explanation.end(),
                  [](char c) { return c != LineBreak && static_cast<unsigned char>(c) < 0x20; }))
    fault("a control character other than a line break in the explanation");
  for (int line = 1; line <= static_cast<int>(record.size()); ++line)
    if (line != WordLine && line != ExplanationLine && !RecordLine(record, line).empty())
      fault("line " + std::to_string(line) + " is not empty");
  return faults;
}

// The order of the list: letters and digits only, case folded, accented letters with their base
// letter and the Norwegian letters after z as in the Norwegian alphabet (ae, o slash, a ring).
std::string CollationKey(const std::string& word) {
  std::string key;
  for (char c : Folded(word)) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= '0' && u <= '9') || (u >= 'a' && u <= 'z'))
      key += c;
    else if (u == 0xE6 || u == 0xE4)  // ae, a umlaut
      key += '{';
    else if (u == 0xF8 || u == 0xF6)  // o slash, o umlaut
      key += '|';
    else if (u == 0xE5)  // a ring
      key += '}';
    else if (u >= 0xE8 && u <= 0xEA)  // e grave, acute, circumflex
      key += 'e';
    else if (u == 0xFC)  // u umlaut, a y in Norwegian order
      key += 'y';
  }
  return key;
}

std::string Words(const std::vector<Record>& records) {
  std::string words;
  for (const auto& r : records) words += RecordLine(r, WordLine) + "\n";
  return words;
}

Record GlossaryRecord(const std::string& word, const std::string& explanation) {
  Record record(LinesPerRecord);
  record[WordLine - 1] = word;
  record[ExplanationLine - 1] = explanation;
  return record;
}

// ---- The checks themselves find the faults ----

TEST(GlossaryChecks, FileCheckFindsBrokenFramesAndBytes) {
  const std::string good = "\\\nion\n\nAn ion.\aA line.\n\n\n\n\n\n\n\\\n";
  ASSERT_TRUE(FileFaults(good).empty());
  const struct {
    const char* what;
    std::string text;
  } broken[] = {
      {"empty file", ""},
      {"no opening separator", "ion\n\nAn ion.\n\n\n\n\n\n\n\\\n"},
      {"eight lines", "\\\nion\n\nAn ion.\n\n\n\n\n\n\\\n"},
      {"ten lines", "\\\nion\n\nAn ion.\n\n\n\n\n\n\n\n\\\n"},
      {"no closing separator", "\\\nion\n\nAn ion.\n\n\n\n\n\n\n"},
      {"no final line feed", "\\\nion\n\nAn ion.\n\n\n\n\n\n\n\\"},
      {"separator with more than a backslash", "\\\nion\n\nAn ion.\n\n\n\n\n\n\n\\x\n"},
      {"carriage return", "\\\nion\n\nAn ion.\r\n\n\n\n\n\n\n\\\n"},
      {"tab", "\\\nion\n\nAn\tion.\n\n\n\n\n\n\n\\\n"},
      {"unassigned byte", "\\\nion\n\nAn ion\x81.\n\n\n\n\n\n\n\\\n"},
      {"UTF-8 letter", "\\\nl\xC3\xB8sning\n\nA solution.\n\n\n\n\n\n\n\\\n"},
  };
  for (const auto& b : broken) EXPECT_FALSE(FileFaults(b.text).empty()) << b.what;
}

TEST(GlossaryChecks, RecordCheckKeepsTheFieldsLimits) {
  EXPECT_TRUE(RecordFaults(GlossaryRecord("ion", "A charged particle.\aExample: Na+.")).empty());
  EXPECT_TRUE(RecordFaults(GlossaryRecord(std::string(WordLimit, 'w'), "A word.")).empty());
  EXPECT_TRUE(RecordFaults(GlossaryRecord("ion", std::string(ExplanationLimit - 1, 'x') + ".")).empty());
  EXPECT_FALSE(RecordFaults(GlossaryRecord(std::string(WordLimit + 1, 'w'), "A word.")).empty());
  EXPECT_FALSE(RecordFaults(GlossaryRecord("ion", std::string(ExplanationLimit, 'x') + ".")).empty());

  const struct {
    const char* what;
    Record record;
  } broken[] = {
      {"no word", GlossaryRecord("", "A word.")},
      {"leading blank", GlossaryRecord(" ion", "A word.")},
      {"trailing blank", GlossaryRecord("ion ", "A word.")},
      {"line break in the word", GlossaryRecord("i\aon", "A word.")},
      {"no explanation", GlossaryRecord("ion", "")},
      {"cut-off explanation", GlossaryRecord("ion", "A charged particle with")},
      {"explanation opening with a break", GlossaryRecord("ion", "\aA word.")},
      {"tab in the explanation", GlossaryRecord("ion", "A\tword.")},
  };
  for (const auto& b : broken) EXPECT_FALSE(RecordFaults(b.record).empty()) << b.what;
  auto eightLines = GlossaryRecord("ion", "A word.");
  eightLines.pop_back();
  EXPECT_FALSE(RecordFaults(eightLines).empty());
  for (int line : {2, 4, 9}) {
    auto record = GlossaryRecord("ion", "A word.");
    record[static_cast<std::size_t>(line) - 1] = "x";
    EXPECT_FALSE(RecordFaults(record).empty()) << "line " << line;
  }
}

TEST(GlossaryChecks, CollationPutsTheNorwegianLettersAfterZ) {
  const char* ordered[] = {"2-metylpropan", "atom", "Avogadros konstant", "ion", "ionebinding", "zink", "\xE6re",
                           "\xF8l",         "\xE5s"};
  for (std::size_t i = 1; i < std::size(ordered); ++i)
    EXPECT_LT(CollationKey(ordered[i - 1]), CollationKey(ordered[i])) << ordered[i - 1] << " / " << ordered[i];
  EXPECT_EQ(CollationKey("Hess' lov"), CollationKey("hess lov"));
  EXPECT_EQ(CollationKey("H\xE9lium"), CollationKey("helium"));
}

// ---- The delivered glossaries, read as the program reads them ----

class DeliveredGlossaries : public WorkFolderTest {
 protected:
  static std::vector<Record> Read(const std::string& name) {
    WriteFile("dats/datfiles/atomdata/" + name, ReadBytes(AtomData + name));
    return ReadRecordFile("dats\\datfiles\\atomdata\\" + name);
  }
};

TEST_F(DeliveredGlossaries, AreWindows1252RecordFilesWithExactSeparators) {
  for (const char* name : {NorwegianGlossary, EnglishGlossary}) {
    const std::string text = ReadBytes(AtomData + name);
    ASSERT_FALSE(text.empty()) << name;
    for (const auto& fault : FileFaults(text)) ADD_FAILURE() << name << ": " << fault;
  }
}

TEST_F(DeliveredGlossaries, EveryRecordHasItsFrameAndFitsTheFields) {
  for (const char* name : {NorwegianGlossary, EnglishGlossary}) {
    const auto records = Read(name);
    EXPECT_GE(records.size(), LeastTerms) << name;
    for (const auto& record : records)
      for (const auto& fault : RecordFaults(record)) ADD_FAILURE() << name << ": " << fault;
  }
}

TEST_F(DeliveredGlossaries, WordsAreUniqueRegardlessOfCase) {
  for (const char* name : {NorwegianGlossary, EnglishGlossary}) {
    std::set<std::string> seen;
    for (const auto& record : Read(name))
      EXPECT_TRUE(seen.insert(Folded(RecordLine(record, WordLine))).second)
          << name << ": duplicate word " << RecordLine(record, WordLine);
  }
}

TEST_F(DeliveredGlossaries, ListInAlphabeticalOrder) {
  // The list shows the words in file order.
  for (const char* name : {NorwegianGlossary, EnglishGlossary}) {
    const auto records = Read(name);
    for (std::size_t i = 1; i < records.size(); ++i) {
      const std::string& before = RecordLine(records[i - 1], WordLine);
      const std::string& after = RecordLine(records[i], WordLine);
      EXPECT_LT(CollationKey(before), CollationKey(after)) << name << ": " << before << " / " << after;
    }
  }
}

TEST_F(DeliveredGlossaries, BothLanguagesHoldTheSameNumberOfTerms) {
  const auto norwegian = Read(NorwegianGlossary);
  const auto english = Read(EnglishGlossary);
  ASSERT_FALSE(norwegian.empty());
  EXPECT_EQ(norwegian.size(), english.size()) << Words(norwegian) << "--\n" << Words(english);
}

TEST_F(DeliveredGlossaries, ExplainTheCoreTermsInBothLanguages) {
  const struct {
    const char* norwegian;
    const char* english;
  } terms[] = {
      {"atom", "atom"},
      {"ion", "ion"},
      {"mol", "mole"},
      {"molar masse", "molar mass"},
      {"stoffmengde", "amount of substance"},
      {"oksidasjonstall", "oxidation number"},
      {"buffer", "buffer"},
      {"likevektskonstant", "equilibrium constant"},
      {"entalpi", "enthalpy"},
      {"entropi", "entropy"},
      {"elektrodepotensial", "electrode potential"},
      {"l\xF8selighetsprodukt", "solubility product"},
      {"isotop", "isotope"},
      {"kromatografi", "chromatography"},
      {"titrering", "titration"},
      {"pH", "pH"},
      {"Gibbs energi", "Gibbs energy"},
      {"Lambert-Beers lov", "Beer-Lambert law"},
      {"flammepunkt", "flash point"},
  };
  const auto norwegian = Read(NorwegianGlossary);
  const auto english = Read(EnglishGlossary);
  auto explained = [](const std::vector<Record>& records, const std::string& word) {
    return std::any_of(records.begin(), records.end(), [&](const Record& r) {
      return RecordLine(r, WordLine) == word && !RecordLine(r, ExplanationLine).empty();
    });
  };
  for (const auto& t : terms) {
    EXPECT_TRUE(explained(norwegian, t.norwegian)) << t.norwegian;
    EXPECT_TRUE(explained(english, t.english)) << t.english;
  }
}

}  // namespace
