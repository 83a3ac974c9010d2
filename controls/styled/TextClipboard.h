#pragma once
// Plain text to and from the clipboard, for the address box: UTF-8 here, Unicode text
// there, so that any character survives (the system offers it to ANSI programs too).
#include <windows.h>

#include <string>

// False when the clipboard is held by another program or memory runs out.
bool CopyTextToClipboard(HWND owner, const std::string& text);
// The clipboard's text up to its first NUL, never read past the end of its memory;
// empty when there is none.
std::string TextFromClipboard(HWND owner);
