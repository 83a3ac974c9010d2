#pragma once
// A plug-in component: it knows (or finds) the player's main window and carries the
// description the player shows for the plug-in.
#include <windows.h>

#include <string>

#include "runtime/Component.h"

class TGPFWinAmpCustomPlugin : public TComponent {
 public:
  using TComponent::TComponent;

  const std::string& Description() const { return description_; }

  // The player's main window, or 0 when this kind of plug-in cannot tell.
  virtual HWND GetWindowHandle() = 0;
  virtual bool IsHostPlugin() = 0;
  virtual void SetDescription(const std::string& text) { description_ = text; }

 private:
  std::string description_;
};
