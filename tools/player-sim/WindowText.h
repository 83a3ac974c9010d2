#pragma once
#include <windows.h>

#include <string>

// A window's text as UTF-8, asked of its thread with a time limit: a stuck thread gives "".
std::string WindowText(HWND window);
