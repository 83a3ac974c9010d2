#pragma once
// Decimal numbers to and from text without the C library's formatted I/O, which would
// bring its whole printf and scanf machinery into the plug-in.
#include <cstdint>
#include <optional>
#include <string>

// `value` in decimal, zero-padded to `digits` characters including a minus sign.
std::string ZeroPadded(std::int64_t value, int digits = 1);

// The unsigned decimal number that `text[from, from + length)` spells, digits only.
std::optional<std::int64_t> DigitsValue(const std::string& text, std::size_t from, std::size_t length);
