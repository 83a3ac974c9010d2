// What a player on a clean Windows needs from the built file: the right machine, the
// one plain export, and imports from system DLLs only (no MinGW runtime beside it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "PeFile.h"

namespace {

constexpr std::uint16_t MachineI386 = 0x14C;
constexpr std::uint16_t MachineAmd64 = 0x8664;

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

TEST(ProductDllFile, TwinIs64BitWithTheSameExportAndImports) {
  ExpectPlayerCanUse(DIST_DIR "/win64/gen_Rousa.dll", MachineAmd64);
}

TEST(ProductDllFile, ReaderRejectsAFileThatIsNoImage) {
  EXPECT_THROW(ReadPeFacts(DIST_DIR "/../README.md"), std::runtime_error);
}
