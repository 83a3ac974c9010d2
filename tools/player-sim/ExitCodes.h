#pragma once
// The simulator's exit codes; scripts and tests tell the outcomes apart by them.
constexpr int ExitNormal = 0;
constexpr int ExitBadCommandLine = 1;
constexpr int ExitPluginNotStarted = 2;
constexpr int ExitPluginCallHung = 3;
constexpr int ExitCrashed = 4;
constexpr int ExitSimulatorFailed = 5;
