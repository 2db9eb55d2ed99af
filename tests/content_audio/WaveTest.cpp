// The three sound effects: the format the sound device is opened with, their lengths, and
// that they neither click at their ends nor clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "ContentFiles.h"

namespace {

using content_test::LittleEndian;

struct Wave {
    uint16_t format = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
    std::vector<int16_t> samples;
};

// Walks the RIFF chunks: fmt and data may come in any order, other chunks are skipped.
Wave ParseWave(const std::vector<uint8_t>& b) {
    Wave wave;
    EXPECT_GE(b.size(), 44u);
    if (b.size() < 12) {
        return wave;
    }
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(LittleEndian(b, 4, 4), b.size() - 8) << "RIFF size field";
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    bool haveFormat = false;
    bool haveData = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const uint32_t size = LittleEndian(b, at + 4, 4);
        EXPECT_LE(at + 8 + size, b.size()) << "chunk " << id << " runs past the end";
        if (at + 8 + size > b.size()) {
            break;
        }
        if (id == "fmt ") {
            EXPECT_GE(size, 16u);
            wave.format = LittleEndian(b, at + 8, 2);
            wave.channels = LittleEndian(b, at + 10, 2);
            wave.rate = LittleEndian(b, at + 12, 4);
            wave.byteRate = LittleEndian(b, at + 16, 4);
            wave.blockAlign = LittleEndian(b, at + 20, 2);
            wave.bits = LittleEndian(b, at + 22, 2);
            haveFormat = true;
        } else if (id == "data") {
            EXPECT_EQ(size % 2, 0u);
            for (uint32_t i = 0; i + 1 < size; i += 2) {
                wave.samples.push_back(static_cast<int16_t>(LittleEndian(b, at + 8 + i, 2)));
            }
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_TRUE(haveFormat) << "no fmt chunk";
    EXPECT_TRUE(haveData) << "no data chunk";
    return wave;
}

struct Effect {
    const char* file;
    double milliseconds;
};

class SoundEffect : public testing::TestWithParam<Effect> {};

TEST_P(SoundEffect, IsMonoPcmAt11025HzWithItsLength) {
    const auto bytes = content_test::ReadBytes(
        content_test::SourcePath(std::string("resources/sounds/") + GetParam().file));
    ASSERT_FALSE(bytes.empty()) << GetParam().file << " is missing";
    const Wave wave = ParseWave(bytes);
    EXPECT_EQ(wave.format, 1) << "PCM";
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, 11025u);
    EXPECT_EQ(wave.bits, 16);
    EXPECT_EQ(wave.blockAlign, 2);
    EXPECT_EQ(wave.byteRate, 22050u);
    const double ms = wave.samples.size() * 1000.0 / 11025;
    EXPECT_NEAR(ms, GetParam().milliseconds, 3.0);
}

TEST_P(SoundEffect, StartsAndEndsSilentlyAndDoesNotClip) {
    const auto bytes = content_test::ReadBytes(
        content_test::SourcePath(std::string("resources/sounds/") + GetParam().file));
    const Wave wave = ParseWave(bytes);
    ASSERT_GT(wave.samples.size(), 40u);
    const auto& s = wave.samples;

    // A sound that starts or stops away from zero clicks through the speakers.
    EXPECT_LT(std::abs(s.front()), 330) << "first sample";
    EXPECT_LT(std::abs(s.back()), 330) << "last sample";
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_LT(std::abs(s[i]), 6554) << "sample " << i << " jumps in";
        EXPECT_LT(std::abs(s[s.size() - 1 - i]), 6554) << "sample " << i << " from the end";
    }

    int peak = 0;
    for (int16_t v : s) {
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    }
    const double dbfs = 20 * std::log10(peak / 32768.0);
    EXPECT_LT(peak, 32000) << "clipped";
    EXPECT_GT(dbfs, -10.0) << "too quiet to hear over the music";
    EXPECT_LT(dbfs, -3.0) << "louder than the other sounds of the desktop";
}

INSTANTIATE_TEST_SUITE_P(Resources, SoundEffect,
                         testing::Values(Effect{"select.wav", 45}, Effect{"noway.wav", 68},
                                         Effect{"done.wav", 363}),
                         [](const testing::TestParamInfo<Effect>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
