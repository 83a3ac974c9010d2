#pragma once
// The history file's place and its reading and writing, as the configuration dialog
// uses them. Failures raise the messages the dialog shows.
#include "dialogs/HistoryList.h"

// Makes the folder of the player's program file the current directory of the process.
void EnterHostDirectory();
// Replaces `items` with the lines of the history file in the current directory, when
// there is such a file; otherwise leaves them alone.
void LoadHistory(TStringList& items);
// Writes the history file anew in the current directory.
void SaveHistory(const TStringList& items);
