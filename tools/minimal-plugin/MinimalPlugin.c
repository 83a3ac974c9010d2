/* The least a general purpose plug-in of this kind can do at load: hand over its header,
   write the seven settings' defaults where they are missing and start a worker thread
   that polls once a second. scripts/benchmark loads it beside the real plug-in to see
   what the real one costs the player on top. */
#include <windows.h>

typedef struct {
  int version;
  const char* description;
  int (*init)(void);
  void (*config)(void);
  void (*quit)(void);
  HWND parent;
  HINSTANCE instance;
} GeneralPurposePlugin;

static HANDLE stopSignal;
static HANDLE worker;

static DWORD WINAPI Poll(LPVOID unused) {
  (void)unused;
  while (WaitForSingleObject(stopSignal, 1000) == WAIT_TIMEOUT) {
  }
  return 0;
}

static void WriteIfMissing(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
  if (RegQueryValueExA(key, name, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
    RegSetValueExA(key, name, 0, type, (const BYTE*)data, size);
}

static void WriteDefaults(void) {
  static const char* const switches[] = {"VelActive", "VelVolume", "VelStreaming", "VelSnooze", "VelNoRestart"};
  const DWORD on = 1;
  SYSTEMTIME now;
  double wakeUp;
  HKEY key;
  int i;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\VelWakeUp", 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &key, NULL) !=
      ERROR_SUCCESS)
    return;
  GetLocalTime(&now);
  wakeUp = ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) / 86400.0 - 2.0;
  WriteIfMissing(key, "VelWakeupTime", REG_BINARY, &wakeUp, sizeof wakeUp);
  WriteIfMissing(key, "VelURL", REG_SZ, "", 1);
  for (i = 0; i < 5; ++i) WriteIfMissing(key, switches[i], REG_DWORD, &on, sizeof on);
  RegCloseKey(key);
}

static int Init(void) {
  WriteDefaults();
  stopSignal = CreateEventA(NULL, TRUE, FALSE, NULL);
  worker = stopSignal ? CreateThread(NULL, 0, Poll, NULL, 0, NULL) : NULL;
  return worker ? 0 : 1;
}

static void Config(void) {}

static void Quit(void) {
  if (worker) {
    SetEvent(stopSignal);
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);
  }
  if (stopSignal) CloseHandle(stopSignal);
  worker = stopSignal = NULL;
}

static GeneralPurposePlugin header = {0x10, "Minimal plug-in for load-time comparison", Init, Config, Quit, NULL, NULL};

__declspec(dllexport) GeneralPurposePlugin* winampGetGeneralPurposePlugin(void) { return &header; }
