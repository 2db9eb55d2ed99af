// The sound device rendered by hand: effects, and the music player's states.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "audio/AudioTestSupport.h"

namespace quorin {
namespace {

using test::Audible;
using test::RenderFrames;

std::string ReadWave(const char* name) {
    std::ifstream in(std::string(QUORIN_SOURCE_DIR "/resources/sounds/") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Effects : ::testing::Test {
    void SetUp() override {
        for (const char* name : {"select", "noway", "done"}) {
            const std::string wav = ReadWave((std::string(name) + ".wav").c_str());
            ASSERT_TRUE(device.AddWave(name, wav.data(), wav.size())) << name;
        }
    }
    SoundDevice device{"missing.sf2"};
};

TEST_F(Effects, PlayAtTheDeviceRateAndStopAtTheirEnd) {
    // "done" lasts about 363 ms: converted to 44.1 kHz it must neither end early nor linger.
    device.PlayWave("done");
    RenderFrames(device, SoundDevice::kRate * 300 / 1000);
    EXPECT_TRUE(Audible(RenderFrames(device, SoundDevice::kRate * 30 / 1000)));
    RenderFrames(device, SoundDevice::kRate * 50 / 1000);
    EXPECT_FALSE(Audible(RenderFrames(device, 4096)));

    device.PlayWave("select");  // about 45 ms
    RenderFrames(device, SoundDevice::kRate * 25 / 1000);
    EXPECT_TRUE(Audible(RenderFrames(device, SoundDevice::kRate * 15 / 1000)));
    RenderFrames(device, SoundDevice::kRate * 20 / 1000);
    EXPECT_FALSE(Audible(RenderFrames(device, 4096)));
}

TEST_F(Effects, ANewSoundCutsTheOldOneOff) {
    SoundDevice alone{"missing.sf2"};
    const std::string done = ReadWave("done.wav");
    ASSERT_TRUE(alone.AddWave("done", done.data(), done.size()));
    alone.PlayWave("done");
    const std::vector<float> expected = RenderFrames(alone, 8192);

    device.PlayWave("select");
    RenderFrames(device, 700);
    device.PlayWave("done");
    EXPECT_EQ(RenderFrames(device, 8192), expected);  // nothing of "select" is mixed in
}

TEST_F(Effects, RejectDamagedWavesAndIgnoreUnknownNames) {
    const std::string wav = ReadWave("noway.wav");
    EXPECT_FALSE(device.AddWave("bad", wav.data(), 20));
    EXPECT_FALSE(device.AddWave("bad", "RIFF", 4));
    device.PlayWave("bad");
    EXPECT_FALSE(Audible(RenderFrames(device, 4096)));
}

struct Music : ::testing::Test {
    void SetUp() override {
        // The set-up installs the SoundFont: without it these tests would prove nothing.
        std::string why;
        ASSERT_TRUE(device.MusicAvailable(&why)) << why;
        std::ofstream(shortPiece, std::ios::binary) << test::ShortMidi();
    }
    void TearDown() override { std::remove(shortPiece.c_str()); }
    SoundDevice device;
    std::string night = QUORIN_SOURCE_DIR "/data/Musics/Night.mid";
    // Each test runs in a process of its own, side by side with the others: a shared name
    // would let one test's tear-down remove the piece another is playing.
    std::string shortPiece =
        testing::TempDir() + "quorin_short_" + std::to_string(::getpid()) + ".mid";
};

TEST_F(Music, PlaysPausesAndResumesWhereItWas) {
    ASSERT_TRUE(device.Open(night));
    EXPECT_FALSE(Audible(RenderFrames(device, 4096)));  // opened, not yet playing
    device.Play();
    EXPECT_TRUE(Audible(RenderFrames(device, SoundDevice::kRate * 2)));
    const int at = device.Position();
    EXPECT_GT(at, 0);

    device.Pause();
    EXPECT_TRUE(device.Paused());
    EXPECT_FALSE(Audible(RenderFrames(device, SoundDevice::kRate)));
    EXPECT_EQ(device.Position(), at);

    device.Pause();  // the toggle resumes
    EXPECT_TRUE(device.Playing());
    EXPECT_TRUE(Audible(RenderFrames(device, SoundDevice::kRate)));
    EXPECT_GT(device.Position(), at);

    device.Stop();
    RenderFrames(device, 2048);
    EXPECT_FALSE(Audible(RenderFrames(device, 4096)));
}

TEST_F(Music, AMissingOrDamagedPieceKeepsTheCurrentOnePlaying) {
    ASSERT_TRUE(device.Open(night));
    device.Play();
    std::string why;
    EXPECT_FALSE(device.Open(QUORIN_SOURCE_DIR "/data/Musics/Gone.mid", &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(device.Open(QUORIN_SOURCE_DIR "/resources/sounds/done.wav", &why));
    EXPECT_TRUE(device.Playing());
    EXPECT_TRUE(Audible(RenderFrames(device, SoundDevice::kRate)));
}

TEST_F(Music, OnlyARegularFileOfSaneSizeIsRead) {
    ASSERT_TRUE(device.Open(night));
    device.Play();
    std::string why;
    // A real piece with 16 MiB of padding after it: refused before a byte is read.
    const std::string large = testing::TempDir() + "quorin_large.mid";
    std::ofstream(large, std::ios::binary) << test::ShortMidi();
    ASSERT_EQ(::truncate(large.c_str(), (16 << 20) + 1), 0);
    EXPECT_FALSE(device.Open(large, &why));
    EXPECT_NE(why.find("larger than 16 MB"), std::string::npos) << why;
    std::remove(large.c_str());
    // A FIFO nobody writes to would block the game for good.
    const std::string fifo = testing::TempDir() + "quorin_fifo.mid";
    std::remove(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(device.Open(fifo, &why));
    EXPECT_NE(why.find("not a regular file"), std::string::npos) << why;
    std::remove(fifo.c_str());
    // What was playing goes on.
    EXPECT_TRUE(device.Playing());
    EXPECT_TRUE(Audible(RenderFrames(device, SoundDevice::kRate / 2)));
}

TEST_F(Music, ReportsTheEndOnceAndStartsAgainFromTheStart) {
    ASSERT_TRUE(device.Open(shortPiece));
    device.Play();
    int waited = 0;
    while (!device.TakeEnded() && waited < 10) {
        RenderFrames(device, SoundDevice::kRate / 2);
        ++waited;
    }
    ASSERT_LT(waited, 10) << "the end of the piece was never seen";
    EXPECT_GE(device.Position(), device.Length());
    EXPECT_FALSE(device.TakeEnded());  // once per end

    device.Previous();
    EXPECT_EQ(device.Position(), 0);
    device.Play();
    EXPECT_TRUE(Audible(RenderFrames(device, SoundDevice::kRate / 4)));
}

TEST(MusicWithoutSoundFont, SaysWhyAndEffectsStillPlay) {
    SoundDevice device{"no-such-font.sf2"};
    std::string why;
    EXPECT_FALSE(device.MusicAvailable(&why));
    EXPECT_NE(why.find("SoundFont"), std::string::npos);
    EXPECT_FALSE(device.Open(QUORIN_SOURCE_DIR "/data/Musics/Night.mid"));
    const std::string wav = ReadWave("select.wav");
    ASSERT_TRUE(device.AddWave("select", wav.data(), wav.size()));
    device.PlayWave("select");
    EXPECT_TRUE(Audible(RenderFrames(device, 1024)));
}

}  // namespace
}  // namespace quorin
