#pragma once
// Caption accelerators: the character after a single "&" ("&Save settings" answers
// Alt+S); "&&" shows a literal ampersand and marks nothing.
#include <optional>
#include <string>

// The accelerator of the first single "&"; nothing when the caption has none.
std::optional<char> AcceleratorOf(const std::string& caption);

// Whether the typed character is the caption's accelerator, letters of the ASCII range
// compared without regard to case.
bool IsAcceleratorOf(char typed, const std::string& caption);

// The caption as it reads: its marking "&" gone, each "&&" one "&".
std::string CaptionText(const std::string& caption);
// The key a screen reader names for the caption's accelerator ("Alt+S"); empty without one.
std::string AcceleratorKeyName(const std::string& caption);
