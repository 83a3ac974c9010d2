#pragma once
// Text helpers for the simulator's log: every log line is one line, so texts that come
// from the plug-in or the registry are shown with their control characters escaped.
#include <cstddef>
#include <string>

std::string Format(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

// 'text' with CR, LF, TAB as \r \n \t and other control bytes as \xNN.
std::string Quoted(const std::string& text);

// Lowercase hex digits, two per byte, no separators.
std::string HexBytes(const unsigned char* bytes, std::size_t count);

// 0x followed by lowercase hex digits, no padding.
std::string HexAddress(const void* address);
