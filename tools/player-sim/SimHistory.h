#pragma once
// The plug-in keeps its address history in "velhistory.ini" beside the player's program;
// the simulator writes it before a run and logs its exact bytes after one.
#include <string>
#include <vector>

class SimLog;

// The full path of `fileName` in the simulator's own folder.
std::string BesideSimulator(const std::string& fileName);

// Writes the history file with each line followed by CR LF; `readOnly` sets the file's
// read-only attribute. No lines and not read-only: the file is removed.
void PrepareHistory(SimLog& log, const std::vector<std::string>& lines, bool readOnly);

// Logs "history file N bytes '...'" (control bytes escaped) or "no history file".
void DumpHistory(SimLog& log);
