#pragma once
// The item list of the address box: a string list that compares by the user's locale
// and reads and writes its files through the platform, so that writers are shut out
// while it reads and failures carry the system's own reason.
#include "runtime/PlatformFiles.h"
#include "runtime/StringList.h"

// Letter case ignored as the user's locale pairs letters.
int CompareByUserLocale(const std::string& a, const std::string& b);

class TSCComboStrings : public TStringList {
 public:
  TSCComboStrings() : TStringList(CompareByUserLocale, PlatformStringListFiles()) {}
};
