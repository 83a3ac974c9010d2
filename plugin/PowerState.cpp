#include "plugin/PowerState.h"

#include <windows.h>

#include "runtime/SystemLibrary.h"

namespace {
// The sleep subgroup of the power settings and its "Allow wake timers".
constexpr GUID SleepGroup = {0x238C9FA8, 0x0AAD, 0x41ED, {0x83, 0xF4, 0x97, 0xBE, 0x24, 0x2C, 0x8F, 0x20}};
constexpr GUID AllowWakeTimers = {0xBD3B718A, 0x0680, 0x4D9D, {0x8A, 0xB2, 0xE1, 0xD2, 0xB4, 0xAC, 0x80, 0x6D}};

using GetActiveScheme = DWORD WINAPI(HKEY, GUID**);
using ReadValueIndex = DWORD WINAPI(HKEY, const GUID*, const GUID*, const GUID*, DWORD*);
using CallPowerInformation = LONG WINAPI(POWER_INFORMATION_LEVEL, void*, ULONG, void*, ULONG);

std::optional<int> PlanValue(const char* reader, const GUID* scheme) {
  const auto read = SystemFunction<ReadValueIndex>("powrprof.dll", reader);
  DWORD value = 0;
  if (!read || read(nullptr, scheme, &SleepGroup, &AllowWakeTimers, &value) != ERROR_SUCCESS) return std::nullopt;
  return static_cast<int>(value);
}
}  // namespace

PowerFacts ReadPowerFacts() {
  PowerFacts facts;
  SYSTEM_POWER_STATUS status{};
  facts.onBattery = GetSystemPowerStatus(&status) && status.ACLineStatus == 0;
  GUID* scheme = nullptr;
  const auto activeScheme = SystemFunction<GetActiveScheme>("powrprof.dll", "PowerGetActiveScheme");
  if (activeScheme && activeScheme(nullptr, &scheme) == ERROR_SUCCESS && scheme) {
    facts.wakeTimersPluggedIn = PlanValue("PowerReadACValueIndex", scheme);
    facts.wakeTimersOnBattery = PlanValue("PowerReadDCValueIndex", scheme);
    LocalFree(scheme);
  }
  SYSTEM_POWER_CAPABILITIES capabilities{};
  const auto information = SystemFunction<CallPowerInformation>("powrprof.dll", "CallNtPowerInformation");
  if (information &&
      information(SystemPowerCapabilities, nullptr, 0, &capabilities, sizeof capabilities) == 0 /* success */)
    facts.modernStandby = capabilities.spare2[2] != 0;  // AoAc, a spare byte before Windows 8
  return facts;
}
