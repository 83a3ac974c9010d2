#pragma once
// Reads a VS_VERSIONINFO block, what Windows shows under a file's Properties > Details.
#include <map>
#include <string>
#include <vector>

struct VersionInfo {
  std::string fileVersion;     // from the fixed part, "major.minor.patch.build"
  std::string productVersion;  // likewise
  std::map<std::string, std::string> strings;  // "CompanyName" -> "Velmora Software", ...
};

// Throws std::runtime_error when the block is malformed.
VersionInfo ReadVersionInfo(const std::vector<char>& block);
