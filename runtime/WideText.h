#pragma once
// Conversions between the plug-in's 8-bit texts and the system's UTF-16. Texts travel
// as UTF-8 inside the plug-in, so a name outside the ANSI code page survives; texts for
// the ANSI boxes and messages are converted to the code page at the last moment.
#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromAnsi(const std::string& text);
// Characters outside the code page become the code page's default character.
std::string AnsiFromWide(const std::wstring& text);
// Whether every character of `text` has its own exact form in the ANSI code page.
bool FitsAnsiCodePage(const std::wstring& text);

// `path` in the form the wide file functions accept beyond MAX_PATH characters: a full
// path longer than that gets the \\?\ (or \\?\UNC\) prefix.
std::wstring ExtendedLengthPath(const std::wstring& fullPath);
