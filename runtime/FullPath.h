#pragma once
// The absolute form of a file path, for messages that name a file: relative paths are
// taken from the current folder. A path that cannot be resolved comes back as given.
#include <string>

std::string FullPath(const std::string& path);
