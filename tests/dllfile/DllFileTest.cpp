// What a player on a clean Windows needs from the built file: the right machine, the
// one plain export, imports from system DLLs only (no MinGW runtime beside it) and only
// functions that Windows XP SP3 has, in a small download.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <string>

#include "PeFile.h"

namespace {

constexpr std::uint16_t MachineI386 = 0x14C;
constexpr std::uint16_t MachineAmd64 = 0x8664;
constexpr std::size_t LargestProduct = 300 * 1024;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool IsSystemDll(const std::string& name) {
  static const std::set<std::string> system = {
      "kernel32.dll", "user32.dll",  "gdi32.dll",    "advapi32.dll", "shell32.dll", "comdlg32.dll",
      "comctl32.dll", "uxtheme.dll", "msimg32.dll",  "ole32.dll",    "oleaut32.dll", "msvcrt.dll",
      "version.dll",  "shlwapi.dll", "winmm.dll"};
  return system.count(Lower(name)) > 0;
}

// Functions newer than Windows XP SP3, one a line; '#' starts a comment.
std::set<std::string> PostXpFunctions() {
  std::ifstream list(POST_XP_IMPORTS);
  if (!list) throw std::runtime_error("cannot read " POST_XP_IMPORTS);
  std::set<std::string> names;
  for (std::string line; std::getline(list, line);)
    if (!line.empty() && line[0] != '#') names.insert(line);
  return names;
}

void ExpectPlayerCanUse(const std::string& path, std::uint16_t machine) {
  const PeFacts facts = ReadPeFacts(path);
  EXPECT_EQ(facts.machine, machine);
  EXPECT_TRUE(facts.isDll);
  EXPECT_EQ(facts.exportModuleName, "gen_Rousa.dll");
  EXPECT_EQ(facts.exportNames, std::vector<std::string>{"winampGetGeneralPurposePlugin"});
  EXPECT_FALSE(facts.importedDlls.empty());
  for (const std::string& dll : facts.importedDlls) EXPECT_TRUE(IsSystemDll(dll)) << dll << " is not part of Windows";
}

}  // namespace

TEST(ProductDllFile, Is32BitWithThePlainExportAndOnlySystemImports) {
  ExpectPlayerCanUse(DIST_DIR "/win32/gen_Rousa.dll", MachineI386);
}

TEST(ProductDllFile, ImportsNothingWindowsXpLacks) {
  const std::set<std::string> postXp = PostXpFunctions();
  ASSERT_GT(postXp.size(), 100u) << "the list of newer functions reads short";
  for (const char* dll : {DIST_DIR "/win32/gen_Rousa.dll", DIST_DIR "/win64/gen_Rousa.dll"})
    for (const std::string& function : ReadPeFacts(dll).importedFunctions)
      EXPECT_EQ(postXp.count(function), 0u) << dll << " imports " << function << ", which Windows XP SP3 lacks";
}

TEST(ProductDllFile, IsAtMost300KiB) {
  const std::size_t size = ReadPeFacts(DIST_DIR "/win32/gen_Rousa.dll").fileSize;
  EXPECT_LE(size, LargestProduct) << "the product is " << size / 1024 << " KiB";
}

TEST(ProductDllFile, ReaderListsImportedFunctionsByName) {
  const std::vector<std::string> functions = ReadPeFacts(DIST_DIR "/win32/gen_Rousa.dll").importedFunctions;
  EXPECT_NE(std::find(functions.begin(), functions.end(), "CreateThread"), functions.end());
}

TEST(ProductDllFile, TwinIs64BitWithTheSameExportAndImports) {
  ExpectPlayerCanUse(DIST_DIR "/win64/gen_Rousa.dll", MachineAmd64);
}

TEST(ProductDllFile, ReaderRejectsAFileThatIsNoImage) {
  EXPECT_THROW(ReadPeFacts(DIST_DIR "/../README.md"), std::runtime_error);
}
