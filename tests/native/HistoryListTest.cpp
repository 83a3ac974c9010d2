#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
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

// A file of this test alone: ctest runs the tests in parallel processes, and other
// checkouts' runs share the temporary folder.
struct TempFile {
  std::string path = testing::TempDir() + "velhistory-" + std::to_string(getpid()) + "-" +
                     testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
  ~TempFile() { std::remove(path.c_str()); }
  void Write(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
  std::string Read() const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};
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

TEST(History, HandWrittenFifteenLinesShrinkByOnlyThePushedOutEntry) {
  TempFile file;
  std::string text;
  for (const std::string& e : Entries(15)) text += e + "\r\n";
  file.Write(text);
  TStringList list;
  list.LoadFromFile(file.path);
  ASSERT_EQ(list.Count(), 15);
  PushHistory(list, "new", true);
  EXPECT_EQ(list.Count(), 15);
  EXPECT_EQ(list.IndexOf("entry9"), -1);  // was index 9, pushed to 10, gone
  EXPECT_EQ(list.Strings(10), "entry10");
}

TEST(History, EmptyAddressIsKeptAsAnEmptyLineAndComesBack) {
  TempFile file;
  TStringList list = ListOf({"a"});
  PushHistory(list, "", true);
  list.SaveToFile(file.path);
  EXPECT_EQ(file.Read(), "\r\na\r\n");
  TStringList again;
  again.LoadFromFile(file.path);
  EXPECT_EQ(again.Items(), (std::vector<std::string>{"", "a"}));
  PushHistory(again, "", true);
  EXPECT_EQ(again.Count(), 2);
}

TEST(History, AnyLineEndsReadAlikeAndAreWrittenBackAsCrLf) {
  TempFile file;
  file.Write(std::string("one\ntwo\rthree\r\nfour\n\rfive") + '\0' + "hidden\r\n");
  TStringList list;
  list.LoadFromFile(file.path);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"one", "two", "three", "four", "", "five"}));
  list.SaveToFile(file.path);
  EXPECT_EQ(file.Read(), "one\r\ntwo\r\nthree\r\nfour\r\n\r\nfive\r\n");
  TStringList none;
  none.SaveToFile(file.path);
  EXPECT_EQ(file.Read(), "");
}
