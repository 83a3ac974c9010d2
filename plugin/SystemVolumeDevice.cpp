#include "plugin/SystemVolumeDevice.h"

#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include "runtime/DebugTrace.h"
#include "runtime/SystemLibrary.h"

namespace {
constexpr CLSID DeviceEnumeratorClass = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr IID DeviceEnumeratorInterface = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr IID EndpointVolumeInterface = {0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};

template <typename Interface>
struct Released {
  Interface* pointer = nullptr;
  ~Released() {
    if (pointer) pointer->Release();
  }
};

// Runs `use` on the default render endpoint's volume; false where there is none (XP,
// no device). COM is set up for the call and taken down after it on this thread.
template <typename Use>
bool WithEndpoint(const Use& use) {
  const auto initialize = SystemFunction<decltype(CoInitializeEx)>("ole32.dll", "CoInitializeEx");
  const auto create = SystemFunction<decltype(CoCreateInstance)>("ole32.dll", "CoCreateInstance");
  const auto uninitialize = SystemFunction<decltype(CoUninitialize)>("ole32.dll", "CoUninitialize");
  if (!initialize || !create || !uninitialize) return false;
  const bool initialized = SUCCEEDED(initialize(nullptr, COINIT_MULTITHREADED));
  bool used = false;
  {
    Released<IMMDeviceEnumerator> devices;
    Released<IMMDevice> device;
    Released<IAudioEndpointVolume> volume;
    if (SUCCEEDED(create(DeviceEnumeratorClass, nullptr, CLSCTX_ALL, DeviceEnumeratorInterface,
                         reinterpret_cast<void**>(&devices.pointer))) &&
        SUCCEEDED(devices.pointer->GetDefaultAudioEndpoint(eRender, eConsole, &device.pointer)) &&
        SUCCEEDED(device.pointer->Activate(EndpointVolumeInterface, CLSCTX_ALL, nullptr,
                                           reinterpret_cast<void**>(&volume.pointer))))
      used = use(*volume.pointer);
  }
  if (initialized) uninitialize();
  return used;
}

// One control of the first wave-out device's master line, through the mixer (XP).
class MixerControl {
 public:
  explicit MixerControl(DWORD type) {
    const HMODULE winmm = LoadLibraryA("winmm.dll");
    open_ = Find<decltype(mixerOpen)>(winmm, "mixerOpen");
    lineInfo_ = Find<decltype(mixerGetLineInfoA)>(winmm, "mixerGetLineInfoA");
    lineControls_ = Find<decltype(mixerGetLineControlsA)>(winmm, "mixerGetLineControlsA");
    details_ = Find<decltype(mixerGetControlDetailsA)>(winmm, "mixerGetControlDetailsA");
    setDetails_ = Find<decltype(mixerSetControlDetails)>(winmm, "mixerSetControlDetails");
    close_ = Find<decltype(mixerClose)>(winmm, "mixerClose");
    if (!open_ || !lineInfo_ || !lineControls_ || !details_ || !setDetails_ || !close_) return;
    if (open_(&mixer_, 0, 0, 0, MIXER_OBJECTF_WAVEOUT) != MMSYSERR_NOERROR) return;
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    const HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(mixer_);
    if (lineInfo_(object, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR) return;
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = type;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control_;
    controls.pamxctrl = &control_;
    control_.cbStruct = sizeof control_;
    found_ = lineControls_(object, &controls, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) ==
             MMSYSERR_NOERROR;
  }
  ~MixerControl() {
    if (mixer_) close_(mixer_);
  }

  bool Found() const { return found_; }
  DWORD Minimum() const { return control_.Bounds.dwMinimum; }
  DWORD Span() const { return control_.Bounds.dwMaximum > Minimum() ? control_.Bounds.dwMaximum - Minimum() : 1; }

  DWORD Get() {
    DWORD value = 0;
    Details(value, [this](HMIXEROBJ object, MIXERCONTROLDETAILS* details) {
      details_(object, details, MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE);
    });
    return value;
  }
  void Set(DWORD value) {
    Details(value, [this](HMIXEROBJ object, MIXERCONTROLDETAILS* details) {
      setDetails_(object, details, MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE);
    });
  }

 private:
  template <typename Function>
  static Function* Find(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
  }

  // A uniform control's one value (an unsigned volume and a boolean mute are both a DWORD).
  template <typename Call>
  void Details(DWORD& value, const Call& call) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = control_.dwControlID;
    details.cChannels = 1;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    call(reinterpret_cast<HMIXEROBJ>(mixer_), &details);
  }

  decltype(mixerOpen)* open_ = nullptr;
  decltype(mixerGetLineInfoA)* lineInfo_ = nullptr;
  decltype(mixerGetLineControlsA)* lineControls_ = nullptr;
  decltype(mixerGetControlDetailsA)* details_ = nullptr;
  decltype(mixerSetControlDetails)* setDetails_ = nullptr;
  decltype(mixerClose)* close_ = nullptr;
  HMIXER mixer_ = nullptr;
  MIXERCONTROLA control_{};
  bool found_ = false;
};
}  // namespace

std::optional<SoundLevel> SystemVolumeDevice::Read() {
  std::optional<SoundLevel> level;
  if (WithEndpoint([&](IAudioEndpointVolume& volume) {
        BOOL muted = FALSE;
        float scalar = 0;
        if (FAILED(volume.GetMute(&muted)) || FAILED(volume.GetMasterVolumeLevelScalar(&scalar))) return false;
        level = SoundLevel{muted != FALSE, static_cast<int>(scalar * 100 + 0.5f)};
        return true;
      }))
    return level;
  MixerControl mute(MIXERCONTROL_CONTROLTYPE_MUTE), volume(MIXERCONTROL_CONTROLTYPE_VOLUME);
  if (volume.Found())
    return SoundLevel{mute.Found() && mute.Get() != 0,
                      static_cast<int>((volume.Get() - volume.Minimum()) * 100ull / volume.Span())};
  DebugTrace("system sound: no playback device to read, left alone");
  return std::nullopt;
}

void SystemVolumeDevice::SetMuted(bool muted) {
  if (WithEndpoint([&](IAudioEndpointVolume& volume) { return SUCCEEDED(volume.SetMute(muted, nullptr)); })) return;
  MixerControl mute(MIXERCONTROL_CONTROLTYPE_MUTE);
  if (mute.Found()) mute.Set(muted);
}

void SystemVolumeDevice::SetPercent(int percent) {
  if (WithEndpoint([&](IAudioEndpointVolume& volume) {
        return SUCCEEDED(volume.SetMasterVolumeLevelScalar(percent / 100.0f, nullptr));
      }))
    return;
  MixerControl volume(MIXERCONTROL_CONTROLTYPE_VOLUME);
  if (volume.Found()) volume.Set(volume.Minimum() + static_cast<DWORD>(volume.Span() * percent / 100ull));
}
