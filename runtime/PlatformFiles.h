#pragma once
// A string list's files through the platform's calls: reading shuts writers out, and a
// failure carries the system's reason and the file's full path.
#include "runtime/StringList.h"

// Reading denies other programs write access; writing replaces a file only once its new
// content is complete.
const StringListFiles& PlatformStringListFiles();
