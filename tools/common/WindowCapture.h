#pragma once
#include <windows.h>

#include <string>

// Copies what `window` shows on the screen (its frame too when `withFrame`) into a
// 24-bit BMP file; throws std::runtime_error when that fails.
void SaveWindowImage(HWND window, bool withFrame, const std::string& path);
