#pragma once
#include <string>

// The host program's file name without its extension: the title of the plug-in's boxes.
std::string ApplicationTitle();

// The application's error box: the message (with the closing full stop rule), an OK
// button and a stop icon, titled with the application title.
void ShowApplicationError(const std::string& message);
