#pragma once
// The history file's place and its reading and writing, as the configuration dialog
// uses them. Failures raise the messages the dialog shows.
#include <string>

#include "dialogs/HistoryList.h"

// The file lives in the player's settings folder (`playerSettingsFolder`, the player's
// answer of the moment, empty when it gave none), or, when that names no existing
// folder, in the folder of the player's program. The process's current folder is
// never changed: it belongs to the player.
std::wstring HistoryFilePath(const std::wstring& playerSettingsFolder);

// Replaces `items` with the lines of the history file when there is one; a list kept
// beside the player's program by earlier versions is read when the settings folder
// has none yet. Otherwise leaves them alone.
void LoadHistory(TStringList& items, const std::wstring& playerSettingsFolder);
// Writes the history file anew.
void SaveHistory(const TStringList& items, const std::wstring& playerSettingsFolder);
