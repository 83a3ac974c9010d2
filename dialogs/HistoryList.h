#pragma once
// The rules of the address history: newest first, at most ten after a push, and the
// file that keeps it beside the player.
#include <string>

#include "runtime/StringList.h"

constexpr const char* HistoryFileName = "velhistory.ini";
constexpr int HistoryCap = 10;

// Puts `entry` at the head. With `onlyIfAbsent` an entry already in the list (letter
// case ignored) stays where it is and nothing is added. A push onto a full list drops
// exactly the entry pushed to index 10, so a longer hand-written list shrinks by one.
void PushHistory(TStringList& items, const std::string& entry, bool onlyIfAbsent);
