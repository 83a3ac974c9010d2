#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "alarm/SettingsTable.h"

namespace {
const SettingRow& Row(const std::string& name) {
  for (const SettingRow& row : SettingsTable)
    if (row.name == name) return row;
  throw std::runtime_error("no row " + name);
}
}  // namespace

TEST(SettingsTable, TheReadmeListsEveryValueAsTheTableDescribesIt) {
  std::ifstream readme(SOURCE_DIR "/README.md");
  ASSERT_TRUE(readme.good());
  std::vector<std::string> documented;
  for (std::string line; std::getline(readme, line);)
    if (line.rfind("| `Vel", 0) == 0) documented.push_back(line);
  std::vector<std::string> expected;
  for (const SettingRow& row : SettingsTable) expected.push_back(DocumentedRow(row));
  EXPECT_EQ(documented, expected) << "the README's table of values, as it should read:\n"
                                  << [&] {
                                       std::string rows;
                                       for (const std::string& row : expected) rows += row + "\n";
                                       return rows;
                                     }();
}

TEST(SettingsTable, EachValueOnceWithOneFieldAndTheSevenOriginalsInFullOrders) {
  std::set<std::string> names;
  std::set<int> loadSteps, defaultSteps;
  for (const SettingRow& row : SettingsTable) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    const int fields = (row.time != nullptr) + (row.text != nullptr) + (row.flag != nullptr) + (row.number != nullptr) +
                       (row.instant != nullptr);
    EXPECT_EQ(fields, 1) << row.name;
    if (row.owner != SettingOwner::Dialog) continue;
    loadSteps.insert(row.loadStep);
    defaultSteps.insert(row.defaultStep);
  }
  // The store walks the originals by their steps and stops at the first gap.
  EXPECT_EQ(loadSteps, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(defaultSteps, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(SettingsTable, ANumberOutOfRangeOrADateThatIsNoDateReadsAsItsDefault) {
  EXPECT_EQ(NumberOrDefault(Row("VelSnoozeSeconds"), 59), 432);
  EXPECT_EQ(NumberOrDefault(Row("VelSnoozeSeconds"), 60), 60);
  EXPECT_EQ(NumberOrDefault(Row("VelSnoozeSeconds"), 0xFFFFFFFFll), 432);
  EXPECT_EQ(NumberOrDefault(Row("VelDays"), 128), 127);
  EXPECT_EQ(NumberOrDefault(Row("VelSkipDate"), 20261208), 20261208);
  EXPECT_EQ(NumberOrDefault(Row("VelSkipDate"), 20260230), 0);
}

TEST(SettingsTable, CopyingOneOwnersValuesLeavesEveryOtherValueAsItWas) {
  SettingsRecord from, to;
  from.VelURL = "dialog";
  from.VelDays = 1;
  from.VelLabel = "Work";
  to.VelLastRung = "2026-12-07 07:30";
  CopyValues(SettingOwner::Options, from, to);
  EXPECT_EQ(to.VelDays, 1);
  EXPECT_EQ(to.VelURL, "") << "the dialog's value is not the options'";
  EXPECT_EQ(to.VelLabel, "") << "nor the Alarm window's";
  for (SettingOwner owner : EditedOwners) CopyValues(owner, from, to);
  EXPECT_EQ(to.VelURL, "dialog");
  EXPECT_EQ(to.VelLabel, "Work");
  EXPECT_EQ(to.VelLastRung, "2026-12-07 07:30") << "the ring record stays";
}
