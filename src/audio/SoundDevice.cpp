#include "audio/SoundDevice.h"

#include <SDL.h>
#include <fluidsynth.h>

#include <algorithm>
#include <cstring>

#include "platform/SafeFile.h"

namespace quorin {

namespace {

constexpr char kSystemFont[] = "/usr/share/sounds/sf2/default-GM.sf2";

// 512 frames at 44.1 kHz is 11.6 ms per buffer: a click reaches the card within two of them.
constexpr Uint16 kDeviceFrames = 512;

fluid_synth_t* Synth(void* p) {
    return static_cast<fluid_synth_t*>(p);
}
fluid_player_t* Player(void* p) {
    return static_cast<fluid_player_t*>(p);
}

bool FileExists(const std::string& path) {
    SDL_RWops* f = SDL_RWFromFile(path.c_str(), "rb");
    if (f == nullptr)
        return false;
    SDL_RWclose(f);
    return true;
}

}  // namespace

SoundDevice::SoundDevice(std::string soundFont) : fontPath_(std::move(soundFont)) {
    if (fontPath_.empty())
        fontPath_ = kSystemFont;
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    auto* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);  // we hold our own lock
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    // Only the instruments a piece selects are read into memory: our pieces use a handful
    // of the SoundFont's presets, and the rest of its samples would weigh several MiB.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // Our pieces sound a few dozen notes at once at most; every voice costs memory.
    fluid_settings_setint(settings, "synth.polyphony", 64);
    settings_ = settings;
    loader_ = std::thread([this, settings] {
        if (!FileExists(fontPath_)) {
            fontError_ = "no SoundFont installed (" + fontPath_ + ")";
            return;
        }
        fluid_synth_t* synth = new_fluid_synth(settings);
        if (synth == nullptr || fluid_synth_sfload(synth, fontPath_.c_str(), 1) == FLUID_FAILED) {
            if (synth != nullptr)
                delete_fluid_synth(synth);
            fontError_ = "cannot load the SoundFont " + fontPath_;
            return;
        }
        synth_ = synth;
    });
}

SoundDevice::~SoundDevice() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    WaitForFont();
    Close();
    if (synth_ != nullptr)
        delete_fluid_synth(Synth(synth_));
    delete_fluid_settings(static_cast<fluid_settings_t*>(settings_));
}

void SoundDevice::WaitForFont() {
    if (loader_.joinable())
        loader_.join();
}

std::string SoundDevice::OpenOutput() {
    if (device_ != 0)
        return {};
    // Otherwise SDL takes over SIGINT and SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return SDL_GetError();
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = kDeviceFrames;
    want.callback = &SoundDevice::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
        std::string error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return error.empty() ? "no sound device" : error;
    }
    SDL_PauseAudioDevice(device_, 0);
    return {};
}

void SoundDevice::Callback(void* self, uint8_t* stream, int bytes) {
    static_cast<SoundDevice*>(self)->Render(reinterpret_cast<float*>(stream),
                                            bytes / static_cast<int>(2 * sizeof(float)));
}

void SoundDevice::Render(float* out, int frames) {
    std::lock_guard guard(lock_);
    const size_t n = static_cast<size_t>(frames) * 2;
    std::fill(out, out + n, 0.0F);
    // A paused or stopped piece is not rendered at all: the player's clock is the synth's
    // sample count, so it stands still and resumes exactly where it was.
    if (state_ == State::Playing && synth_ != nullptr)
        fluid_synth_write_float(Synth(synth_), frames, out, 0, 2, out, 1, 2);
    if (current_ != nullptr) {
        const size_t take = std::min(n, current_->frames.size() - currentAt_);
        for (size_t i = 0; i < take; ++i)
            out[i] += current_->frames[currentAt_ + i];
        currentAt_ += take;
        if (currentAt_ >= current_->frames.size())
            current_ = nullptr;
    }
}

bool SoundDevice::AddWave(const std::string& name, const void* data, size_t size) {
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (rw == nullptr || SDL_LoadWAV_RW(rw, 1, &spec, &buffer, &length) == nullptr)
        return false;
    // SDL_AudioStream loses the tail of a short single conversion; the CVT does not.
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_F32SYS, 2, kRate) <
        0) {
        SDL_FreeWAV(buffer);
        return false;
    }
    std::vector<Uint8> work(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult));
    std::memcpy(work.data(), buffer, length);
    SDL_FreeWAV(buffer);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (cvt.needed != 0 && SDL_ConvertAudio(&cvt) != 0)
        return false;
    Wave wave{name, std::vector<float>(static_cast<size_t>(cvt.len_cvt) / sizeof(float))};
    std::memcpy(wave.frames.data(), work.data(), wave.frames.size() * sizeof(float));
    std::lock_guard guard(lock_);
    current_ = nullptr;  // the vector may move
    auto at =
        std::find_if(waves_.begin(), waves_.end(), [&](const Wave& w) { return w.name == name; });
    if (at != waves_.end())
        *at = std::move(wave);
    else
        waves_.push_back(std::move(wave));
    return true;
}

void SoundDevice::PlayWave(const std::string& name) {
    std::lock_guard guard(lock_);
    auto at =
        std::find_if(waves_.begin(), waves_.end(), [&](const Wave& w) { return w.name == name; });
    current_ = at == waves_.end() ? nullptr : &*at;
    currentAt_ = 0;
}

bool SoundDevice::MusicAvailable(std::string* why) {
    WaitForFont();
    if (synth_ == nullptr && why != nullptr)
        *why = fontError_;
    return synth_ != nullptr;
}

bool SoundDevice::Open(const std::string& path, std::string* why) {
    if (!MusicAvailable(why))
        return false;
    // Read here like every other file the game takes: only a regular file of sane size, so
    // a FIFO cannot hang the game and a huge file is refused before it costs any memory.
    const ReadResult read = ReadRegularFile(path, kMaxMusicBytes);
    if (!read.ok || !read.data.starts_with("MThd")) {
        if (why != nullptr)
            *why = read.ok ? "not a MIDI file" : read.error;
        return false;
    }
    fluid_player_t* player = new_fluid_player(Synth(synth_));
    if (player == nullptr ||
        fluid_player_add_mem(player, read.data.data(), read.data.size()) != FLUID_OK) {
        if (player != nullptr)
            delete_fluid_player(player);
        if (why != nullptr)
            *why = "cannot read the MIDI file";
        return false;
    }
    Close();
    std::lock_guard guard(lock_);
    player_ = player;
    piece_ = path;
    state_ = State::Stopped;
    return true;
}

void SoundDevice::Close() {
    std::lock_guard guard(lock_);
    if (player_ != nullptr) {
        fluid_player_stop(Player(player_));
        delete_fluid_player(Player(player_));
        player_ = nullptr;
    }
    if (synth_ != nullptr)
        fluid_synth_system_reset(Synth(synth_));
    state_ = State::Closed;
}

void SoundDevice::Play() {
    std::lock_guard guard(lock_);
    if (player_ == nullptr || state_ == State::Playing)
        return;
    fluid_player_play(Player(player_));
    state_ = State::Playing;
}

void SoundDevice::Stop() {
    std::lock_guard guard(lock_);
    if (player_ == nullptr)
        return;
    state_ = State::Stopped;
    if (synth_ != nullptr)
        fluid_synth_all_sounds_off(Synth(synth_), -1);
}

void SoundDevice::Pause() {
    std::lock_guard guard(lock_);
    if (state_ == State::Playing)
        state_ = State::Paused;
    else if (state_ == State::Paused)
        state_ = State::Playing;
}

void SoundDevice::Previous() {
    // A finished player does not start again: a fresh one plays the piece from its start.
    if (piece_.empty())
        return;
    const bool wasPlaying = Playing();
    const std::string piece = piece_;
    if (Open(piece) && wasPlaying)
        Play();
}

int SoundDevice::Length() {
    std::lock_guard guard(lock_);
    return player_ == nullptr ? 0 : fluid_player_get_total_ticks(Player(player_));
}

int SoundDevice::Position() {
    std::lock_guard guard(lock_);
    return player_ == nullptr ? 0 : fluid_player_get_current_tick(Player(player_));
}

bool SoundDevice::Playing() {
    std::lock_guard guard(lock_);
    return state_ == State::Playing;
}

bool SoundDevice::Paused() {
    std::lock_guard guard(lock_);
    return state_ == State::Paused;
}

bool SoundDevice::TakeEnded() {
    std::lock_guard guard(lock_);
    if (player_ == nullptr || state_ != State::Playing)
        return false;
    // The player reports "playing" for seconds after the last event: compare ticks.
    const int total = fluid_player_get_total_ticks(Player(player_));
    const bool done = fluid_player_get_status(Player(player_)) == FLUID_PLAYER_DONE ||
                      (total > 0 && fluid_player_get_current_tick(Player(player_)) >= total);
    if (!done)
        return false;
    state_ = State::Stopped;
    return true;
}

}  // namespace quorin
