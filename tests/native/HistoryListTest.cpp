#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/HistoryList.h"

namespace {
std::vector<std::string> Entries(int count, const char* stem = "entry") {
  std::vector<std::string> entries;
  for (int i = 0; i < count; ++i) entries.push_back(stem + std::to_string(i));
  return entries;
}

TStringList ListOf(const std::vector<std::string>& entries) {
  TStringList list;
  for (const std::string& e : entries) list.Add(e);
  return list;
}

}  // namespace

TEST(History, AddressDifferingOnlyInCaseAddsNothingAndKeepsTheOrder) {
  TStringList list = ListOf({"http://b.example/", "HTTP://A.example/Stream"});
  PushHistory(list, "http://a.example/stream", true);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"http://b.example/", "HTTP://A.example/Stream"}));
}

TEST(History, LocatedFileAlreadyListedGetsASecondCopyAtTheHead) {
  TStringList list = ListOf({"a.mp3", "b.mp3"});
  PushHistory(list, "b.mp3", false);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"b.mp3", "a.mp3", "b.mp3"}));
}

TEST(History, PushOntoTenDropsTheOldest) {
  TStringList list = ListOf(Entries(10));
  PushHistory(list, "new", true);
  ASSERT_EQ(list.Count(), 10);
  EXPECT_EQ(list.Strings(0), "new");
  EXPECT_EQ(list.Strings(9), "entry8");
}

TEST(History, AHandWrittenLongerListShrinksByOnlyThePushedOutEntry) {
  TStringList list = ListOf(Entries(15));
  PushHistory(list, "new", true);
  EXPECT_EQ(list.Count(), 15);
  EXPECT_EQ(list.IndexOf("entry9"), -1);  // was index 9, pushed to 10, gone
  EXPECT_EQ(list.Strings(10), "entry10");
}

TEST(History, AnEmptyAddressIsAnEntryLikeAnyOther) {
  TStringList list = ListOf({"a"});
  PushHistory(list, "", true);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"", "a"}));
  PushHistory(list, "", true);
  EXPECT_EQ(list.Count(), 2);
}
