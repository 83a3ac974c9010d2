#pragma once
class SimLog;

// Logs every value under the plug-in's key: the seven known ones in their fixed order
// first, then any others in the registry's order; or that the key is absent.
void DumpSettings(SimLog& log);
