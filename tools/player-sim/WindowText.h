#pragma once
#include <windows.h>

#include <string>

// A window's text, asked of its thread with a time limit: a stuck thread gives "".
std::string WindowText(HWND window);
