#pragma once
// The general purpose plug-in component: the player has told it its main window
// through the header, and it forwards the player's three callbacks as events.
#include "runtime/Callback.h"

#include "player/WinAmpCustomPlugin.h"
#include "plugin/PluginHeader.h"

using TGPFWinAmpGenericPluginInitEvent = Callback<int(TComponent* sender)>;

class TGPFWinAmpGenericPlugin : public TGPFWinAmpCustomPlugin {
 public:
  using TGPFWinAmpCustomPlugin::TGPFWinAmpCustomPlugin;

  HWND GetWindowHandle() override;
  bool IsHostPlugin() override { return true; }
  // Also points the header's description at the newly stored text.
  void SetDescription(const std::string& text) override;
  // Remembers the header (none clears it) and points its description at ours.
  void SetPluginHeader(PluginHeader* header);

  TGPFWinAmpGenericPluginInitEvent OnInit;
  TNotifyEvent OnConfig;
  TNotifyEvent OnQuit;

 private:
  PluginHeader* header_ = nullptr;
};
