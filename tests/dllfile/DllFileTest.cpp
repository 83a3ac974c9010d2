// What a player on a clean Windows needs from the built file: the right machine, the
// one plain export, imports from system DLLs only (no MinGW runtime beside it) and only
// functions that Windows XP SP3 has, a version resource that names the product, and a
// small download. The file is read with the MinGW binutils' objdump and windres.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string Product = DIST_DIR "/win32/gen_Rousa.dll";
const std::string Twin = DIST_DIR "/win64/gen_Rousa.dll";
constexpr std::uintmax_t LargestProduct = 350 * 1024;

// What `command` printed; a command that fails fails the test.
std::string Output(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string text;
  for (int c; (c = std::fgetc(pipe)) != EOF;) text += static_cast<char>(c);
  EXPECT_EQ(pclose(pipe), 0) << command << ":\n" << text;
  return text;
}

// The first group of every match of `pattern` in `text`.
std::vector<std::string> Matches(const std::string& text, const std::string& pattern) {
  std::vector<std::string> found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1]);
  return found;
}

// The file's headers, import and export tables as objdump prints them.
struct PeTables {
  explicit PeTables(const std::string& path) : text(Output("x86_64-w64-mingw32-objdump -p '" + path + "'")) {}
  std::string Format() const { return Matches(text, "file format (\\S+)").at(0); }
  bool IsDll() const { return text.find("\n\tDLL\n") != std::string::npos; }
  std::vector<std::string> ImportedDlls() const { return Matches(text, "DLL Name: (\\S+)"); }
  std::vector<std::string> ImportedFunctions() const { return Matches(text, "\n\t[0-9a-f]+\t +[0-9]+  (\\S+)"); }
  std::string ExportName() const { return Matches(text, "\nName\\s+[0-9a-f]+ (\\S+)").at(0); }
  std::vector<std::string> Exports() const {
    const std::string table = text.substr(text.find("[Ordinal/Name Pointer] Table"));
    return Matches(table.substr(0, table.find("\n\n")), "\n\t\\[ *[0-9]+\\] (\\S+)");
  }
  std::string text;
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool IsSystemDll(const std::string& name) {
  static const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",    "advapi32.dll",
                                               "shell32.dll",  "comdlg32.dll", "comctl32.dll", "uxtheme.dll",
                                               "msimg32.dll",  "ole32.dll",    "oleaut32.dll", "msvcrt.dll",
                                               "version.dll",  "shlwapi.dll",  "winmm.dll"};
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

void ExpectPlayerCanUse(const std::string& path, const std::string& format) {
  const PeTables tables(path);
  EXPECT_EQ(tables.Format(), format);
  EXPECT_TRUE(tables.IsDll());
  EXPECT_EQ(tables.ExportName(), "gen_Rousa.dll");
  EXPECT_EQ(tables.Exports(), std::vector<std::string>{"winampGetGeneralPurposePlugin"});
  EXPECT_FALSE(tables.ImportedDlls().empty());
  for (const std::string& dll : tables.ImportedDlls())
    EXPECT_TRUE(IsSystemDll(dll)) << dll << " is not part of Windows";
}

// The resources in the source form windres writes them back in.
std::string Resources() { return Output("i686-w64-mingw32-windres -i '" + Product + "' -O rc"); }

std::string VersionText(const std::string& resources, const std::string& name) {
  const auto found = Matches(resources, "VALUE \"" + name + "\", \"([^\"]*)\"");
  return found.empty() ? "(missing)" : found[0];
}

}  // namespace

TEST(ProductDllFile, Is32BitWithThePlainExportAndOnlySystemImports) { ExpectPlayerCanUse(Product, "pei-i386"); }

TEST(ProductDllFile, TwinIs64BitWithTheSameExportAndImports) { ExpectPlayerCanUse(Twin, "pei-x86-64"); }

TEST(ProductDllFile, ImportsNothingWindowsXpLacks) {
  const std::set<std::string> postXp = PostXpFunctions();
  ASSERT_GT(postXp.size(), 100u) << "the list of newer functions reads short";
  for (const std::string& dll : {Product, Twin}) {
    const std::vector<std::string> functions = PeTables(dll).ImportedFunctions();
    ASSERT_NE(std::find(functions.begin(), functions.end(), "CreateThread"), functions.end()) << "imports unread";
    for (const std::string& function : functions)
      EXPECT_EQ(postXp.count(function), 0u) << dll << " imports " << function << ", which Windows XP SP3 lacks";
  }
}

TEST(ProductDllFile, IsAtMost350KiB) {
  const std::uintmax_t size = std::filesystem::file_size(Product);
  EXPECT_LE(size, LargestProduct) << "the product is " << size / 1024 << " KiB";
}

// Windows shows the version resource under the file's Properties > Details.
TEST(ProductVersionResource, CarriesTheProjectVersionAndNamesTheProductMakerAndFile) {
  const std::string resources = Resources();
  const std::string fixed = std::regex_replace(PROJECT_VERSION ".0", std::regex("\\."), ", ");  // "1, 1, 0, 0"
  EXPECT_NE(resources.find(" FILEVERSION " + fixed + "\n"), std::string::npos) << resources;
  EXPECT_NE(resources.find(" PRODUCTVERSION " + fixed + "\n"), std::string::npos);
  EXPECT_EQ(VersionText(resources, "FileVersion"), PROJECT_VERSION);
  EXPECT_EQ(VersionText(resources, "ProductVersion"), PROJECT_VERSION);
  EXPECT_EQ(VersionText(resources, "CompanyName"), "Velmora Software");
  EXPECT_EQ(VersionText(resources, "ProductName"), "Velmora Wakeup");
  EXPECT_EQ(VersionText(resources, "OriginalFilename"), "gen_Rousa.dll");
  EXPECT_NE(VersionText(resources, "FileDescription").find("Velmora Wakeup"), std::string::npos);
}
