#pragma once
#include <string>

// The full path of the program file of the process that hosts the plug-in.
std::string HostProgramPath();
