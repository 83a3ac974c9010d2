#pragma once
#include <windows.h>

#include <vector>

// The visible child windows of `parent`, descendants included, in the order
// EnumChildWindows gives them; none for a null parent.
std::vector<HWND> VisibleChildren(HWND parent);
