#include "plugin/AlarmToneWave.h"

#include <cmath>

namespace {
constexpr double BeepHz = 1000;
constexpr double BeepSeconds = 0.1;
constexpr double GapSeconds = 0.05;
constexpr double PauseSeconds = 0.5;
constexpr int BeepsPerBar = 4;
constexpr double Amplitude = 0.6 * 32767;
constexpr double EdgeSeconds = 0.005;  // soft edges: no clicks at each beep's start and end
constexpr double Pi = 3.14159265358979323846;
}  // namespace

std::vector<std::int16_t> AlarmToneBar(int sampleRate) {
  const int beep = static_cast<int>(BeepSeconds * sampleRate);
  const int gap = static_cast<int>(GapSeconds * sampleRate);
  const int edge = static_cast<int>(EdgeSeconds * sampleRate);
  const int pause = static_cast<int>(PauseSeconds * sampleRate);
  // Silent throughout at first: the gaps and the closing pause stay zero.
  std::vector<std::int16_t> bar(static_cast<std::size_t>(BeepsPerBar * (beep + gap) + pause));
  for (int b = 0; b < BeepsPerBar; ++b) {
    std::int16_t* const start = bar.data() + b * (beep + gap);
    for (int i = 0; i < beep; ++i) {
      const int fromEdge = i < beep - 1 - i ? i : beep - 1 - i;
      const double envelope = fromEdge < edge ? static_cast<double>(fromEdge) / edge : 1.0;
      start[i] = static_cast<std::int16_t>(Amplitude * envelope * std::sin(2 * Pi * BeepHz * i / sampleRate));
    }
  }
  return bar;
}
