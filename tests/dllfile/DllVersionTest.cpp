// Windows shows the version resource under the file's Properties > Details: it must carry
// the project's one version number and name the product and its maker.
#include <gtest/gtest.h>

#include "PeFile.h"
#include "VersionInfo.h"

namespace {

VersionInfo ProductVersionInfo() {
  const PeFacts facts = ReadPeFacts(DIST_DIR "/win32/gen_Rousa.dll");
  if (facts.versionResource.empty()) throw std::runtime_error("the DLL has no version resource");
  return ReadVersionInfo(facts.versionResource);
}

}  // namespace

TEST(ProductVersionResource, FixedVersionsAreTheProjectVersion) {
  const VersionInfo info = ProductVersionInfo();
  EXPECT_EQ(info.fileVersion, PROJECT_VERSION ".0");
  EXPECT_EQ(info.productVersion, PROJECT_VERSION ".0");
}

TEST(ProductVersionResource, TextsNameTheVersionProductMakerAndFile) {
  std::map<std::string, std::string> strings = ProductVersionInfo().strings;
  EXPECT_EQ(strings["FileVersion"], PROJECT_VERSION);
  EXPECT_EQ(strings["ProductVersion"], PROJECT_VERSION);
  EXPECT_EQ(strings["CompanyName"], "Velmora Software");
  EXPECT_EQ(strings["ProductName"], "Velmora Wakeup");
  EXPECT_EQ(strings["OriginalFilename"], "gen_Rousa.dll");
  EXPECT_NE(strings["FileDescription"].find("Velmora Wakeup"), std::string::npos);
}

TEST(ProductVersionResource, ReaderRejectsATruncatedBlock) {
  std::vector<char> block = ReadPeFacts(DIST_DIR "/win32/gen_Rousa.dll").versionResource;
  ASSERT_GT(block.size(), 100u);
  block.resize(100);
  EXPECT_THROW(ReadVersionInfo(block), std::runtime_error);
}
