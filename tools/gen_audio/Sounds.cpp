#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gen_audio {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

size_t SamplesFor(double ms) {
    return static_cast<size_t>(std::lround(ms * kSampleRate / 1000));
}

double Seconds(size_t sample) {
    return static_cast<double>(sample) / kSampleRate;
}

// A raised-cosine ramp from 0 to 1 over `length` samples: no corner, so no click.
double Ramp(size_t i, size_t length) {
    if (i >= length) {
        return 1;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / length);
}

// One decaying partial, as a struck bar or bell rings.
struct Partial {
    double frequency;
    double amplitude;
    double decayMs;
};

// Adds a struck tone at `onsetMs`, softened by a short attack so the mallet is felt, not
// heard as a click. Partials above what 11025 samples a second can carry are left out.
void Strike(Signal& signal, double onsetMs, double attackMs, double level,
            const std::vector<Partial>& partials) {
    const size_t onset = SamplesFor(onsetMs);
    const size_t attack = std::max<size_t>(1, SamplesFor(attackMs));
    for (size_t i = onset; i < signal.size(); ++i) {
        const double t = Seconds(i - onset);
        double sum = 0;
        for (const Partial& p : partials) {
            if (p.frequency < 0.45 * kSampleRate) {
                sum += p.amplitude * std::exp(-t * 1000 / p.decayMs) *
                       std::sin(kTwoPi * p.frequency * t);
            }
        }
        signal[i] += level * Ramp(i - onset, attack) * sum;
    }
}

// A buzz: a few harmonics of a low tone, rounded by a gentle low-pass so it sounds
// muted rather than harsh, under an envelope with soft edges.
void Buzz(Signal& signal, double fromMs, double toMs, double frequency, double level) {
    const size_t from = SamplesFor(fromMs);
    const size_t to = std::min(signal.size(), SamplesFor(toMs));
    const size_t edge = SamplesFor(4);
    double smoothed = 0;
    const double alpha = 1 - std::exp(-kTwoPi * 900.0 / kSampleRate);
    for (size_t i = from; i < to; ++i) {
        const double t = Seconds(i - from);
        double raw = 0;
        for (int n = 1; n <= 9; ++n) {
            raw += std::pow(n, -1.3) * std::sin(kTwoPi * n * frequency * t);
        }
        smoothed += alpha * (raw - smoothed);
        const double envelope = Ramp(i - from, edge) * Ramp(to - 1 - i, edge * 2) *
                                (0.75 + 0.25 * std::exp(-t * 1000 / 12));
        signal[i] += level * envelope * smoothed;
    }
}

}  // namespace

Signal SelectSound() {
    Signal s(SamplesFor(45), 0.0);
    // A small wooden block: a bright main mode, a short inharmonic overtone for the "tick",
    // and a lower body mode that rounds it off.
    Strike(s, 0, 1.5, 1.0,
           {{1480, 1.0, 9}, {1480 * 2.57, 0.30, 3.5}, {740, 0.35, 14}, {2960 * 1.18, 0.08, 2}});
    return s;
}

Signal NoWaySound() {
    Signal s(SamplesFor(68), 0.0);
    // Two short buzzes, the second a step lower: "uh-uh".
    Buzz(s, 0, 29, 165, 1.0);
    Buzz(s, 35, 66, 147, 0.9);
    return s;
}

Signal DoneSound() {
    Signal s(SamplesFor(363), 0.0);
    // G5, C6, E6: a rising arpeggio of soft bells, each ringing into the next.
    const double notes[] = {783.99, 1046.50, 1318.51};
    const double levels[] = {0.75, 0.85, 1.0};
    for (int n = 0; n < 3; ++n) {
        const double f = notes[n];
        Strike(s, 72.0 * n, 3, levels[n],
               {{f, 1.0, 150}, {2 * f, 0.22, 70}, {2.76 * f, 0.10, 40}, {f * 1.002, 0.3, 150}});
    }
    return s;
}

std::vector<uint8_t> EncodeWave(Signal signal, double peak, double fadeInMs, double fadeOutMs) {
    const size_t n = signal.size();
    const size_t fadeIn = SamplesFor(fadeInMs);
    const size_t fadeOut = SamplesFor(fadeOutMs);
    for (size_t i = 0; i < n; ++i) {
        signal[i] *= Ramp(i, fadeIn) * Ramp(n - 1 - i, fadeOut);
    }
    double loudest = 0;
    for (double v : signal) {
        loudest = std::max(loudest, std::abs(v));
    }
    const double gain = loudest > 0 ? peak / loudest : 0;

    std::vector<uint8_t> out;
    auto put = [&out](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back((value >> (8 * i)) & 0xFF);
        }
    };
    auto tag = [&out](const char* name) {
        for (int i = 0; i < 4; ++i) {
            out.push_back(static_cast<uint8_t>(name[i]));
        }
    };
    const uint32_t dataBytes = static_cast<uint32_t>(n * 2);
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(kSampleRate, 4);
    put(kSampleRate * 2, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(dataBytes, 4);
    for (double v : signal) {
        const long sample = std::clamp<long>(std::lround(v * gain * 32767), -32768, 32767);
        put(static_cast<uint16_t>(static_cast<int16_t>(sample)), 2);
    }
    return out;
}

}  // namespace gen_audio
