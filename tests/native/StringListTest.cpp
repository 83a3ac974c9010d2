#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "runtime/Exception.h"
#include "runtime/StringList.h"

using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {

TStringList ListOf(const Lines& items) {
  TStringList list;
  for (const std::string& item : items) list.Add(item);
  return list;
}

// The message of the Exception `action` throws; empty when it throws none.
template <typename Action>
std::string ErrorOf(Action action) {
  try {
    action();
  } catch (const Exception& error) {
    return error.Message();
  }
  return "";
}

// Named for this process: other checkouts' runs share the temporary folder.
std::string TempFile(const std::string& name) {
  return ::testing::TempDir() + "stringlist-" + std::to_string(getpid()) + "-" + name;
}

void WriteBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(SplitLines, EndsLinesAtCrLfLoneCrAndLoneLfUpToTheFirstNulAndKeepsEveryOtherByte) {
  const std::string binary = "\x01\x7f\x80\xff\t \x1a";
  const std::pair<std::string, Lines> cases[] = {
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},    // LF CR: two line ends
      {"a\r\r\nb", {"a", "", "b"}},  // CR CR LF: two line ends
      {"\r\n", {""}},
      {"a\n\n", {"a", ""}},
      {"one\r\ntwo", {"one", "two"}},      // a last line without an end counts
      {"one\r\ntwo\r\n", {"one", "two"}},  // no empty line after a final end
      {"one\r", {"one"}},
      {"", {}},
      {"kept\r\nalso\0dropped\r\nlost"s, {"kept", "also"}},
      {"\0a\r\nb"s, {}},
      {binary + "\r\n" + binary, {binary, binary}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(SplitLines(text), lines) << testing::PrintToString(text);
}

TEST(JoinLines, FollowsEveryItemWithCrLf) {
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLines({}), "");
}

TEST(StringListIndexOf, IgnoresLetterCaseAndFindsTheFirstMatch) {
  const TStringList list = ListOf({"x", "abc", "ABC"});
  EXPECT_EQ(list.IndexOf("ABC"), 1);
  EXPECT_EQ(list.IndexOf("aBc"), 1);
  EXPECT_EQ(list.IndexOf("abcd"), -1);
  EXPECT_EQ(list.IndexOf(""), -1);
  EXPECT_EQ(ListOf({"a", ""}).IndexOf(""), 1);
}

TEST(StringListIndexOf, AsksTheGivenComparisonWhichLettersCorrespond) {
  // The product's comparison follows the user's locale; here a stand-in that also
  // pairs the Latin-1 e acute (0xE9) with its capital (0xC9).
  const CaseInsensitiveCompare latin1 = [](const std::string& a, const std::string& b) {
    auto fold = [](std::string s) {
      for (char& c : s)
        if (static_cast<unsigned char>(c) == 0xC9) c = static_cast<char>(0xE9);
      return s;
    };
    return CompareAsciiIgnoringCase(fold(a), fold(b));
  };
  TStringList list(latin1);
  list.Add("caf\xe9");
  EXPECT_EQ(list.IndexOf("CAF\xc9"), 0);
  EXPECT_EQ(ListOf({"caf\xe9"}).IndexOf("CAF\xc9"), -1);  // ASCII folding alone does not pair them
}

TEST(StringListInsert, AcceptsEveryIndexFromZeroToCount) {
  TStringList list;
  list.Insert(0, "b");
  EXPECT_EQ(list.Count(), 1);
  list.Insert(0, "a");
  list.Insert(2, "d");
  list.Insert(2, "c");
  EXPECT_EQ(list.Items(), (Lines{"a", "b", "c", "d"}));
  list.Insert(0, "");
  EXPECT_EQ(list.Strings(0), "");
  EXPECT_EQ(list.Count(), 5);
}

TEST(StringListInsert, OutsideZeroToCountFailsAndChangesNothing) {
  TStringList list = ListOf({"a", "b"});
  EXPECT_EQ(ErrorOf([&] { list.Insert(3, "x"); }), "List index out of bounds (3)");
  EXPECT_EQ(ErrorOf([&] { list.Insert(-1, "x"); }), "List index out of bounds (-1)");
  TStringList empty;
  EXPECT_EQ(ErrorOf([&] { empty.Insert(1, "x"); }), "List index out of bounds (1)");
  EXPECT_EQ(list.Items(), (Lines{"a", "b"}));
  EXPECT_EQ(empty.Count(), 0);
}

TEST(StringListInsert, CutsATextAtEachCarriageReturnIntoConsecutiveItems) {
  TStringList list = ListOf({"first", "last"});
  list.Insert(1, "one\r\ntwo\rthree");
  EXPECT_EQ(list.Items(), (Lines{"first", "one", "two", "three", "last"}));
  TStringList feeds;
  feeds.Insert(0, "lone\nfeed");  // only a carriage return cuts
  feeds.Insert(1, "ends\r\n");
  EXPECT_EQ(feeds.Items(), (Lines{"lone\nfeed", "ends"}));
}

TEST(StringListDelete, RemovesOneItemAndRefusesIndexesOutsideTheList) {
  TStringList list = ListOf({"a", "b", "c"});
  list.Delete(1);
  EXPECT_EQ(list.Items(), (Lines{"a", "c"}));
  EXPECT_EQ(ErrorOf([&] { list.Delete(2); }), "List index out of bounds (2)");
  EXPECT_EQ(ErrorOf([&] { list.Delete(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf([&] { (void)list.Strings(2); }), "List index out of bounds (2)");
  EXPECT_EQ(list.Items(), (Lines{"a", "c"}));
  TStringList empty;
  EXPECT_EQ(ErrorOf([&] { empty.Delete(0); }), "List index out of bounds (0)");
}

TEST(StringListFile, SavesUtf8AfterTheMarkWithCrLfAndLoadsItBack) {
  const std::string path = TempFile("roundtrip.txt");
  const std::string morning = "C:\\\xE9\x9F\xB3\xE6\xA5\xBD\\\xE6\x9C\x9D.mp3";  // C:\音楽\朝.mp3
  const Lines items{"http://radio.example/a.m3u", "", morning, "\xC3\xA9t\xC3\xA9", "\xF0\x9F\x8E\xB5"};
  ListOf(items).SaveToFile(path);
  EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF" + JoinLines(items));
  TStringList loaded = ListOf({"replaced"});
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Items(), items);
  TStringList().SaveToFile(path);
  EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF");
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Items(), Lines{});
  std::remove(path.c_str());
}

TEST(StringListFile, AFileWithoutTheMarkIsTheCodePagesText) {
  const std::string path = TempFile("codepage.txt");
  // As earlier versions wrote it: one byte a character, here Latin-1 (the portable code page).
  WriteBytes(path, "caf\xE9.mp3\r\n\xC3\xA9\r\n");
  TStringList list;
  list.LoadFromFile(path);
  EXPECT_EQ(list.Items(), (Lines{"caf\xC3\xA9.mp3", "\xC3\x83\xC2\xA9"}));
  std::remove(path.c_str());
}

namespace {
std::string Repeated(const std::string& text, int times) {
  std::string repeated;
  while (times-- > 0) repeated += text;
  return repeated;
}
}  // namespace

// Overlong forms, surrogates and code points past U+10FFFF are as malformed as stray bytes.
TEST(StringListFile, MalformedBytesAfterTheMarkBecomeReplacementCharactersInTheirOwnLine) {
  const std::string path = TempFile("malformed.txt");
  WriteBytes(path, "\xEF\xBB\xBFok\r\nbad\xFF\xC3\r\n\xE6\x9C\r\n\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\r\nlast");
  TStringList list;
  list.LoadFromFile(path);
  const std::string bad = "\xEF\xBF\xBD";
  EXPECT_EQ(list.Items(), (Lines{"ok", "bad" + bad + bad, bad + bad, Repeated(bad, 9), "last"}));
  std::remove(path.c_str());
}

TEST(StringListFile, LoadsTheReadFormWhateverTheLineEnds) {
  const std::string path = TempFile("lineends.txt");
  WriteBytes(path, "a\nb\rc\r\nd"s + '\0' + "after the NUL\r\n");
  TStringList list;
  list.LoadFromFile(path);
  EXPECT_EQ(list.Items(), (Lines{"a", "b", "c", "d"}));
  std::remove(path.c_str());
}

TEST(StringListFile, LoadsALargeFileWhole) {
  const std::string path = TempFile("large.txt");
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "entry " + std::to_string(i) + (i % 2 ? "\n" : "\r\n");
  WriteBytes(path, text);
  TStringList list;
  list.LoadFromFile(path);
  ASSERT_EQ(list.Count(), 200000);
  EXPECT_EQ(list.Strings(199999), "entry 199999");
  std::remove(path.c_str());
}

namespace {
// An endless file with a NUL at `nulAt`: a reader that went on past it would never stop.
class EndlessSource : public TextSource {
 public:
  EndlessSource(std::size_t nulAt, std::size_t* delivered) : nulAt_(nulAt), delivered_(delivered) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    for (std::size_t i = 0; i < size; ++i, ++*delivered_) buffer[i] = *delivered_ == nulAt_ ? '\0' : 'x';
    return size;
  }

 private:
  std::size_t nulAt_;
  std::size_t* delivered_;
};

class EndlessFiles : public StringListFiles {
 public:
  explicit EndlessFiles(std::size_t nulAt) : nulAt_(nulAt) {}
  std::unique_ptr<TextSource> OpenForReading(const std::string&) const override {
    return std::make_unique<EndlessSource>(nulAt_, &delivered);
  }
  void CreateWith(const std::string&, const std::string&) const override {}
  std::string Utf8FromCodePage(const std::string& text) const override { return text; }
  mutable std::size_t delivered = 0;

 private:
  std::size_t nulAt_;
};
}  // namespace

TEST(StringListFile, StopsReadingAtTheNulByte) {
  const EndlessFiles files(300000);
  TStringList list(CompareAsciiIgnoringCase, files);
  list.LoadFromFile("endless");
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Strings(0).size(), 300000u);
  EXPECT_LT(files.delivered, 300000u + 64 * 1024 + 1);
}

TEST(StringListFile, AFileThatCannotBeOpenedLeavesTheListAsItWas) {
  TStringList list = ListOf({"kept"});
  const std::string missing = TempFile("no-such-file.txt");
  const std::string message = ErrorOf([&] { list.LoadFromFile(missing); });
  EXPECT_EQ(message.rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << message;
  EXPECT_GT(message.size(), ("Cannot open file \"" + missing + "\". ").size());
  EXPECT_EQ(list.Items(), Lines{"kept"});
}

TEST(StringListFile, AFileThatCannotBeCreatedIsReportedWithItsPath) {
  const std::string path = TempFile("no-such-folder/list.txt");
  const std::string message = ErrorOf([&] { ListOf({"a"}).SaveToFile(path); });
  EXPECT_EQ(message.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << message;
}
