// A write checks that the file still holds the record the window shows: another instance's edit
// of the file in between makes it change nothing rather than act on another record.

#include <gtest/gtest.h>

#include "chemicals_database/model/database_engine.h"
#include "tests/chemicals_database/database_fixture.h"

namespace {

class DatabaseChangedElsewhere : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    WriteList({"dats\\first.dat", "*"});
    WriteNamedFile("dats/first.dat", {"FOSFORSYRE", "SALPETERSYRE", "SVOVELSYRE"});
  }

  // Shows the record of that name, as a search of the window does.
  static void Show(const std::string& name) {
    ChemDbResetCursor();
    ASSERT_EQ(ChemDbRun("sk 3\\" + name), ChemDbDone);
  }

  static int Write(const std::string& operation, const std::string& name = "") {
    ChemDbRecord.Clear();
    ChemDbRecord.slots[3] = name;
    return ChemDbRun("", operation);
  }
};

TEST_F(DatabaseChangedElsewhere, NoWriteActsOnARecordThatMovedOrChanged) {
  struct Case {
    const char* operation;
    std::vector<std::string> elsewhere;  // the file as another instance left it
  };
  const Case cases[] = {
      {"d", {"SALPETERSYRE", "SVOVELSYRE"}},                  // the record before it deleted
      {"c", {"NY", "FOSFORSYRE", "SALPETERSYRE"}},            // a record stored before it
      {"i", {"FOSFORSYRE", "SALPETERSYRE 2", "SVOVELSYRE"}},  // the record itself overwritten
      {"b", {"FOSFORSYRE"}},                                  // the file cut short
  };
  for (const Case& c : cases) {
    WriteNamedFile("dats/first.dat", {"FOSFORSYRE", "SALPETERSYRE", "SVOVELSYRE"});
    Show("SALPETERSYRE");
    WriteNamedFile("dats/first.dat", c.elsewhere);
    const std::string before = ReadFile("dats/first.dat");
    EXPECT_EQ(Write(c.operation, "KALIUMNITRAT"), ChemDbChangedElsewhere) << c.operation;
    EXPECT_EQ(ReadFile("dats/first.dat"), before) << c.operation;
  }
}

// Changes elsewhere that leave the record shown where it was do not stand in the way.
TEST_F(DatabaseChangedElsewhere, AChangeThatLeavesTheRecordInPlaceIsNoObstacle) {
  Show("SALPETERSYRE");
  WriteNamedFile("dats/first.dat", {"FOSFORSYRE", "SALPETERSYRE", "NY", "SVOVELSYRE"});
  ASSERT_EQ(Write("d"), ChemDbDone);
  EXPECT_EQ(ReadFile("dats/first.dat"),
            DatabaseText({NamedRecord("FOSFORSYRE"), NamedRecord("NY"), NamedRecord("SVOVELSYRE")}));
  // The record shown after this instance's own write is the one the next write checks.
  CommandStep("s ");
  EXPECT_EQ(Shown(), "NY");
  ASSERT_EQ(Write("c", "NYERE"), ChemDbDone);
  EXPECT_EQ(ReadFile("dats/first.dat"),
            DatabaseText({NamedRecord("FOSFORSYRE"), NamedRecord("NYERE"), NamedRecord("SVOVELSYRE")}));
}

}  // namespace
