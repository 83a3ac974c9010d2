#pragma once
// The plug-in's own alarm tone, generated in memory: a bar of four short beeps and a
// pause, played in a loop when the alarm's sound fails.
#include <cstdint>
#include <vector>

constexpr int ToneSampleRate = 22050;  // mono, 16 bits: any sound card of the last 25 years

// One bar of the tone, ready to loop: it starts and ends at silence, so the seam is clean.
std::vector<std::int16_t> AlarmToneBar(int sampleRate);
