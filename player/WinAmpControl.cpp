#include "player/WinAmpControl.h"

#include "player/PlayerMessages.h"
#include "runtime/PlatformFiles.h"
#include "runtime/WideText.h"

TGPFWinAmpNonePlugin::TGPFWinAmpNonePlugin(TGPFWinAmpControl* owner) : TGPFWinAmpCustomPlugin(owner), control_(owner) {}

HWND TGPFWinAmpNonePlugin::GetWindowHandle() { return FindWindowA(control_->WindowClassName().c_str(), nullptr); }

TGPFWinAmpControl::TGPFWinAmpControl(TComponent* owner)
    : TComponent(owner), fallback_(new TGPFWinAmpNonePlugin(this)) {}

void TGPFWinAmpControl::SetWindowClassName(const std::string& name) {
  if (name != windowClassName_) windowClassName_ = name;
}

void TGPFWinAmpControl::SetPlugin(TGPFWinAmpCustomPlugin* plugin) {
  plugin_ = plugin;
  if (plugin_) FreeNotification(plugin_);
}

void TGPFWinAmpControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == plugin_) plugin_ = nullptr;
}

HWND TGPFWinAmpControl::WinampHandle() {
  if (plugin_) {
    if (HWND fromPlugin = plugin_->GetWindowHandle()) return fromPlugin;
  }
  return fallback_->GetWindowHandle();
}

LRESULT TGPFWinAmpControl::SendUserMessage(WPARAM wParam, LPARAM command) {
  return SendMessageA(WinampHandle(), WM_USER, wParam, command);
}

TGPFWinAmpPlayStatus TGPFWinAmpControl::GetPlayStatus() {
  return PlayStatusFromReply(SendUserMessage(0, PlayerMessages::PlayStatus));
}

std::int32_t TGPFWinAmpControl::GetPlaylistLength() {
  return static_cast<std::int32_t>(SendUserMessage(0, PlayerMessages::PlaylistLength));
}

void TGPFWinAmpControl::SetPlaylistPosition(std::int32_t position) {
  // The position travels as the signed 32-bit value it is, sign-extended on 64-bit.
  SendUserMessage(static_cast<WPARAM>(static_cast<INT_PTR>(position)), PlayerMessages::SetPlaylistPosition);
}

void TGPFWinAmpControl::SetVolume(std::uint8_t volume) { SendUserMessage(volume, PlayerMessages::SetVolume); }

std::uint8_t TGPFWinAmpControl::GetVolume() {
  const LRESULT volume =
      SendUserMessage(static_cast<WPARAM>(static_cast<INT_PTR>(PlayerMessages::AskVolume)), PlayerMessages::SetVolume);
  return static_cast<std::uint8_t>(volume < 0 ? 0 : volume > 255 ? 255 : volume);
}

std::int32_t TGPFWinAmpControl::GetPlayPosition() {
  return static_cast<std::int32_t>(SendUserMessage(0, PlayerMessages::PlayPosition));
}

std::int32_t TGPFWinAmpControl::GetTrackSeconds() {
  return static_cast<std::int32_t>(SendUserMessage(PlayerMessages::PlayPositionLength, PlayerMessages::PlayPosition));
}

void TGPFWinAmpControl::Stop() { SendMessageA(WinampHandle(), WM_COMMAND, PlayerMessages::StopButton, 0); }

HMENU TGPFWinAmpControl::PlayerMenu(int which) {
  return reinterpret_cast<HMENU>(SendUserMessage(which, PlayerMessages::PlayerMenus));
}

void TGPFWinAmpControl::StartPlay() { SendUserMessage(0, PlayerMessages::StartPlay); }

void TGPFWinAmpControl::Play() { SendMessageA(WinampHandle(), WM_COMMAND, PlayerMessages::PlayButton, 0); }

void TGPFWinAmpControl::Pause() { SendMessageA(WinampHandle(), WM_COMMAND, PlayerMessages::PauseButton, 0); }

void TGPFWinAmpControl::AddFile(const std::string& address) {
  const std::wstring wide = WideFromUtf8(address);
  const bool fits = FitsAnsiCodePage(wide);
  // Asked only when the answer matters, so an address in the code page is sent as ever.
  const LRESULT version = fits ? 0 : SendUserMessage(0, PlayerMessages::Version);
  // The texts and the records need only live until the synchronous send returns.
  if (ChooseEnqueue(version, fits) == EnqueueBy::WideEnqueue) {
    PlayerMessages::EnqueueFileWideRecord record = {wide.c_str(), nullptr, 0};
    SendMessageW(WinampHandle(), WM_USER, reinterpret_cast<WPARAM>(&record), PlayerMessages::EnqueueFileWide);
    return;
  }
  const std::string ansi = AnsiFromWide(wide);
  COPYDATASTRUCT record;
  record.dwData = PlayerMessages::CopyDataAddToPlaylist;
  record.cbData = static_cast<DWORD>(ansi.size() + 1);
  record.lpData = const_cast<char*>(ansi.c_str());
  SendMessageA(WinampHandle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
}

std::wstring TGPFWinAmpControl::SettingsFolder() {
  // Both answers point into the player's memory: this code runs in its process.
  const LRESULT wide = SendUserMessage(0, PlayerMessages::SettingsFolderWide);
  if (wide && WideFolderExists(reinterpret_cast<const wchar_t*>(wide))) return reinterpret_cast<const wchar_t*>(wide);
  const LRESULT ansi = SendUserMessage(0, PlayerMessages::SettingsFolder);
  const std::wstring folder = ansi ? WideFromAnsi(reinterpret_cast<const char*>(ansi)) : std::wstring();
  return !folder.empty() && WideFolderExists(folder) ? folder : std::wstring();
}
