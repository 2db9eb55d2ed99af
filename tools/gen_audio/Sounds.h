// The three sound effects, synthesised as 16-bit mono PCM at 11025 samples per second.
#pragma once

#include <cstdint>
#include <vector>

namespace gen_audio {

constexpr int kSampleRate = 11025;

// Samples in -1..1, before scaling to 16 bits.
using Signal = std::vector<double>;

Signal SelectSound();  // about 45 ms: a soft wooden tick
Signal NoWaySound();   // about 68 ms: a low, muted double buzz
Signal DoneSound();    // about 363 ms: a rising three-note chime

// Scales the peak to `peak` (0.5 is -6 dBFS), fades the ends so neither clicks, and
// writes a RIFF/WAVE file body.
std::vector<uint8_t> EncodeWave(Signal signal, double peak, double fadeInMs, double fadeOutMs);

}  // namespace gen_audio
