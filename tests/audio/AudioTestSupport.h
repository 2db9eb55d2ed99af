// Renders a sound device by hand and measures what came out.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "audio/SoundDevice.h"

namespace quorin::test {

inline std::vector<float> RenderFrames(SoundDevice& device, int frames) {
    std::vector<float> out(static_cast<size_t>(frames) * 2);
    for (int done = 0; done < frames; done += 512)
        device.Render(out.data() + static_cast<size_t>(done) * 2, std::min(512, frames - done));
    return out;
}

inline float Peak(const std::vector<float>& samples) {
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

inline bool Audible(const std::vector<float>& samples) {
    return Peak(samples) > 1e-3F;
}

// One quarter note (half a second at the default tempo) on a piano: a piece that ends fast.
inline std::string ShortMidi() {
    const unsigned char bytes[] = {'M', 'T',  'h',  'd', 0,   0, 0, 6, 0,  0, 0,    1, 0,
                                   96,  'M',  'T',  'r', 'k', 0, 0, 0, 15, 0, 0xC0, 0,  // piano
                                   0,   0x90, 60,   100,                                // note on
                                   96,  0x80, 60,   0,   // note off a beat later
                                   0,   0xFF, 0x2F, 0};  // end of track
    return {reinterpret_cast<const char*>(bytes), sizeof bytes};
}

}  // namespace quorin::test
