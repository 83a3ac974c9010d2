#pragma once
// The record a general purpose plug-in hands the player. The player reads it with
// 32-bit pointers: 28 bytes, laid out as below.
#include <windows.h>

#include <cstddef>

struct PluginHeader {
  int version;              // 16
  const char* description;  // NUL-terminated 8-bit text
  int (*init)();            // 0 means success to the player
  void (*config)();
  void (*quit)();
  HWND parentWindow;         // written by the player: its main window
  HINSTANCE moduleInstance;  // written by the player; the plug-in never reads it
};

constexpr int PluginHeaderVersion = 16;
constexpr const char* PluginExportName = "winampGetGeneralPurposePlugin";
using PluginExportFunction = PluginHeader* (*)();

#if !defined(_WIN64)
static_assert(sizeof(PluginHeader) == 28, "the player reads a 28-byte header");
static_assert(offsetof(PluginHeader, description) == 4 && offsetof(PluginHeader, init) == 8 &&
                  offsetof(PluginHeader, config) == 12 && offsetof(PluginHeader, quit) == 16 &&
                  offsetof(PluginHeader, parentWindow) == 20 && offsetof(PluginHeader, moduleInstance) == 24,
              "field offsets as the player reads them");
#endif
