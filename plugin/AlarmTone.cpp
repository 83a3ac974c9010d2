#include "plugin/AlarmTone.h"

#include <string>

#include "plugin/AlarmToneWave.h"
#include "runtime/NumberText.h"

namespace {
// The wave output functions, from winmm.dll loaded at first use and kept to the end.
struct WaveOutput {
  decltype(&waveOutOpen) open = nullptr;
  decltype(&waveOutPrepareHeader) prepare = nullptr;
  decltype(&waveOutWrite) write = nullptr;
  decltype(&waveOutReset) reset = nullptr;
  decltype(&waveOutUnprepareHeader) unprepare = nullptr;
  decltype(&waveOutClose) close = nullptr;
  bool Loaded() const { return open && prepare && write && reset && unprepare && close; }
};

template <typename Function>
void Find(HMODULE library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

const WaveOutput& Wave() {
  static const WaveOutput wave = [] {
    WaveOutput found;
    if (HMODULE library = LoadLibraryA("winmm.dll")) {
      Find(library, "waveOutOpen", found.open);
      Find(library, "waveOutPrepareHeader", found.prepare);
      Find(library, "waveOutWrite", found.write);
      Find(library, "waveOutReset", found.reset);
      Find(library, "waveOutUnprepareHeader", found.unprepare);
      Find(library, "waveOutClose", found.close);
    }
    return found;
  }();
  return wave;
}

bool Silent(const char* why, MMRESULT result) {
  OutputDebugStringA(
      ("Velmora Wakeup: the alarm tone cannot sound: " + std::string(why) + " (" + ZeroPadded(result) + ")\n").c_str());
  return false;
}
}  // namespace

bool AlarmTone::Start() {
  if (device_) return true;
  const WaveOutput& wave = Wave();
  if (!wave.Loaded()) return Silent("no wave output in winmm.dll", 0);
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = ToneSampleRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 2;
  format.nAvgBytesPerSec = ToneSampleRate * 2;
  MMRESULT result = wave.open(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
  if (result != MMSYSERR_NOERROR) {
    device_ = nullptr;
    return Silent("no sound device", result);
  }
  if (samples_.empty()) samples_ = AlarmToneBar(ToneSampleRate);
  header_ = WAVEHDR{};
  header_.lpData = reinterpret_cast<LPSTR>(samples_.data());
  header_.dwBufferLength = static_cast<DWORD>(samples_.size() * sizeof samples_[0]);
  header_.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
  header_.dwLoops = 0xFFFFFFFF;  // stopped by the caller long before
  result = wave.prepare(device_, &header_, sizeof header_);
  if (result == MMSYSERR_NOERROR) result = wave.write(device_, &header_, sizeof header_);
  if (result != MMSYSERR_NOERROR) {
    Stop();
    return Silent("the sound device refused the tone", result);
  }
  return true;
}

void AlarmTone::Stop() {
  if (!device_) return;
  const WaveOutput& wave = Wave();
  wave.reset(device_);  // returns the buffer, so that it can be unprepared
  if (header_.dwFlags & WHDR_PREPARED) wave.unprepare(device_, &header_, sizeof header_);
  wave.close(device_);
  device_ = nullptr;
}
