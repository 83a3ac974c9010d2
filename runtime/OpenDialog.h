#pragma once
// The platform's file-open dialog, with every option at its default: no filter, no
// title, opening in the current directory.
#include <windows.h>

#include <string>

#include "runtime/Component.h"

class TOpenDialog : public TComponent {
 public:
  using TComponent::TComponent;

  // Runs the dialog over `owner`; true when the user confirmed a name.
  bool Execute(HWND owner);
  // The chosen file's path as UTF-8.
  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
};
