#pragma once
// The player's published window messages: the WM_USER commands (their number travels
// in lParam), the Play button's WM_COMMAND id, and the WM_COPYDATA code that appends
// to the playlist.
namespace PlayerMessages {
constexpr int Version = 0;  // answer: 0x5000 and more from player 5.0 on
constexpr int StartPlay = 102;
constexpr int PlayStatus = 104;
constexpr int PlayPosition = 105;  // wParam 0: milliseconds into the current entry; wParam 1: its length in seconds
constexpr int PlayPositionLength = 1;
constexpr int SetPlaylistPosition = 121;
constexpr int SetVolume = 122;
constexpr int AskVolume = -666;  // as SetVolume's wParam: answers the volume instead
constexpr int PlaylistLength = 124;
constexpr int SettingsFolder = 335;       // answer: the folder as an ANSI text in the player's memory
constexpr int SettingsFolderWide = 1335;  // the same as a wide text, from player 5.58 on
constexpr int PlayButton = 40045;
constexpr int PauseButton = 40046;
constexpr int StopButton = 40047;
constexpr int PlayerMenus = 281;  // wParam 0: the main popup menu, 2: the Options menu; 0 before 2.9
constexpr int MainMenu = 0;
constexpr int OptionsMenu = 2;
constexpr int CopyDataAddToPlaylist = 100;
constexpr int EnqueueFileWide = 1100;  // wParam: an EnqueueFileWideRecord; from player 5.0 on

struct EnqueueFileWideRecord {
  const wchar_t* fileName;
  const wchar_t* title;  // null: the player finds one
  int length;            // 0: the player finds it
};
}  // namespace PlayerMessages
