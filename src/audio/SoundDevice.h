// The one sound output of the game: a General MIDI synthesiser playing the current piece,
// mixed with the current sound effect. Standard C++; SDL2 and FluidSynth stay behind it.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorin {

class SoundDevice {
  public:
    static constexpr int kRate = 44100;  // frames per second, two float channels

    // `soundFont` is loaded on a thread of its own so start-up never waits for it; an empty
    // name takes the system's General MIDI SoundFont.
    explicit SoundDevice(std::string soundFont = {});
    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // Opens the sound card. Returns an error text, empty on success. Without a card the
    // game goes on: `Render` can still be driven by hand.
    std::string OpenOutput();
    bool OutputOpen() const { return device_ != 0; }

    // Mixes `frames` stereo frames into `out` (what the device callback does).
    void Render(float* out, int frames);

    // --- Sound effects ---
    // Keeps a RIFF wave under `name`, converted to the output format. False when damaged.
    bool AddWave(const std::string& name, const void* data, size_t size);
    // Starts the wave at once; a sound still playing is cut off.
    void PlayWave(const std::string& name);

    // --- Music ---
    // False with a reason when there is no SoundFont.
    bool MusicAvailable(std::string* why = nullptr);
    // Opens a MIDI file: false (with a reason) when it is missing or not a MIDI file.
    bool Open(const std::string& path, std::string* why = nullptr);
    void Close();
    void Play();
    void Stop();
    void Pause();     // pauses a playing piece, resumes a paused one
    void Previous();  // back to the start of the piece
    // In MIDI ticks; the length reads 0 until the piece has rendered once.
    int Start() const { return 0; }
    int Length();
    int Position();
    bool Playing();
    bool Paused();
    // True once per piece that reached its end while playing.
    bool TakeEnded();

  private:
    struct Wave {
        std::string name;
        std::vector<float> frames;  // interleaved stereo
    };
    enum class State { Closed, Stopped, Playing, Paused };

    void WaitForFont();
    static void Callback(void* self, uint8_t* stream, int bytes);

    std::string fontPath_;
    std::thread loader_;
    std::string fontError_;
    void* settings_ = nullptr;  // fluid_settings_t
    void* synth_ = nullptr;     // fluid_synth_t
    void* player_ = nullptr;    // fluid_player_t
    uint32_t device_ = 0;

    std::mutex lock_;  // guards everything below against the output thread
    std::vector<Wave> waves_;
    const Wave* current_ = nullptr;
    size_t currentAt_ = 0;
    State state_ = State::Closed;
    std::string piece_;
};

}  // namespace quorin
