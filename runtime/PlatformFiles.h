#pragma once
// String-list files through the system's wide file functions. Paths are UTF-8 text, so
// any folder name works, beyond MAX_PATH characters too; messages name the file's full
// path, in UTF-8 like every text of the plug-in.
#include "runtime/StringList.h"

// Reading denies other programs write access; a save replaces the file atomically.
const StringListFiles& PlatformStringListFiles();

// The full path of `path` (UTF-8), resolved against the current folder.
std::wstring FullWidePath(const std::string& path);

// Whether `fullPath` names an existing file, or folder; any length.
bool WideFileExists(const std::wstring& fullPath);
bool WideFolderExists(const std::wstring& fullPath);
