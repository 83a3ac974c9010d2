#pragma once
// Just enough of a Windows PE reader to check what the built DLL promises a player:
// its machine type, its size, its export directory, what it imports and its version resource.
#include <cstdint>
#include <string>
#include <vector>

struct PeFacts {
  std::uint16_t machine = 0;
  bool isDll = false;
  std::size_t fileSize = 0;
  std::string exportModuleName;
  std::vector<std::string> exportNames;
  std::vector<std::string> importedDlls;
  std::vector<std::string> importedFunctions;  // by name, from every DLL; "#N" for an ordinal
  std::vector<char> versionResource;  // the raw VS_VERSIONINFO block; empty when there is none
};

// Reads the file at `path`; throws std::runtime_error when it is not a readable PE image.
PeFacts ReadPeFacts(const std::string& path);
