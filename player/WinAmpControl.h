#pragma once
// Drives the player from outside its code: each command looks up the player's main
// window afresh and sends it one of the player's published messages.
#include <windows.h>

#include <string>

#include "player/PlayerCommands.h"
#include "player/WinAmpCustomPlugin.h"

class TGPFWinAmpControl;

// The fallback: finds the player's main window by its class name.
class TGPFWinAmpNonePlugin : public TGPFWinAmpCustomPlugin {
 public:
  explicit TGPFWinAmpNonePlugin(TGPFWinAmpControl* owner);
  HWND GetWindowHandle() override;
  bool IsHostPlugin() override { return false; }

 private:
  TGPFWinAmpControl* control_;
};

class TGPFWinAmpControl : public TComponent, public PlayerCommands, public PlayerProbe {
 public:
  explicit TGPFWinAmpControl(TComponent* owner);

  const std::string& WindowClassName() const { return windowClassName_; }
  void SetWindowClassName(const std::string& name);
  TGPFWinAmpCustomPlugin* Plugin() const { return plugin_; }
  void SetPlugin(TGPFWinAmpCustomPlugin* plugin);

  // The window the next command goes to: the plug-in's answer, else the class search.
  HWND WinampHandle();

  TGPFWinAmpPlayStatus GetPlayStatus() override;
  std::int32_t GetPlaylistLength() override;
  void SetPlaylistPosition(std::int32_t position) override;
  void SetVolume(std::uint8_t volume) override;
  void StartPlay() override;
  void Play() override;
  void Pause() override;
  void AddFile(const std::string& address) override;
  std::uint8_t GetVolume() override;
  std::int32_t GetPlayPosition() override;
  // The current entry's length in seconds; 0 or less when unknown (a stream).
  std::int32_t GetTrackSeconds();
  void Stop();
  // The player's menu `which` (PlayerMessages::MainMenu or OptionsMenu), or null.
  HMENU PlayerMenu(int which);

  // The folder where the player keeps its settings, asked now (wide first, then ANSI);
  // empty when the player names no existing folder.
  std::wstring SettingsFolder();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  LRESULT SendUserMessage(WPARAM wParam, LPARAM command);

  std::string windowClassName_ = "Winamp v1.x";
  TGPFWinAmpCustomPlugin* plugin_ = nullptr;
  TGPFWinAmpNonePlugin* fallback_;  // owned through the component tree
};
