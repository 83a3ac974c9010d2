#pragma once
#include <functional>
#include <string>

// The host program's file name without its extension: the title of the plug-in's boxes.
std::string ApplicationTitle();

// The application's error box: the message (with the closing full stop rule), an OK
// button and a stop icon, titled with the application title.
void ShowApplicationError(const std::string& message) noexcept;

// Runs `action`; an error it raises is shown in the error box (one that is no standard
// exception as `unknownError`) instead of travelling on into the host. False when the
// action failed.
bool ShowingErrors(const std::function<void()>& action,
                   const char* unknownError = "Unknown error in the wakeup plugin");
