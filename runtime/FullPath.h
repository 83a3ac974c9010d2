#pragma once
// The absolute form of a file path, for messages that name a file: relative paths are
// taken from the current folder. A path that cannot be resolved comes back as given.
// Windows resolves it with the wide path functions (PlatformFiles.cpp), so the list's
// messages name a file as the file functions' own do.
#include <string>

std::string FullPath(const std::string& path);
