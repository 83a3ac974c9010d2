#pragma once
// Web pages go to the user's browser through the shell's "open" verb. Every link of
// the plug-in passes this one seam, so a test can see the verb and the address without
// a browser starting.
#include <string>
#include "runtime/Callback.h"

using ShellOpener = Callback<void(const std::string& verb, const std::string& target)>;

// Windows' power options, for a link's target.
constexpr const char* PowerOptionsPanel = "powercfg.cpl";

// Opens `link` with the verb "open"; the shell's answer is not looked at.
void OpenLink(const std::string& link);

// Replaces the shell for tests and returns the previous opener.
ShellOpener ReplaceShellOpener(ShellOpener opener);

// Whether the UTF-8 `path` names an existing file (not a folder).
bool FileExists(const std::string& path);
