#pragma once
#include <string>

// The full path of the program file of the process that hosts the plug-in.
std::wstring HostProgramWidePath();
// The same in the ANSI code page, for the ANSI file functions.
std::string HostProgramPath();
