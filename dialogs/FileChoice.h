#pragma once
// The platform's file-open dialog over one of our stay-on-top windows.
#include <optional>
#include <string>

class TForm;

// The name of an existing file the user picked, or nothing. `over` leaves the top layer
// while the file dialog runs, so that the file dialog can come in front, and returns to
// it however the file dialog ends.
std::optional<std::string> ChooseExistingFile(TForm& over);
