// Standard MIDI file writer: format 1, one chunk per track, every event with its own
// status byte (no running status), End of Track closing each chunk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gen_audio {

class MidiTrack {
  public:
    // Events at the same tick are written in this order, so a note that ends where the next
    // one of the same pitch begins is released before it sounds again.
    enum class Order { Setup = 0, NoteOff = 1, Control = 2, NoteOn = 3 };

    void Name(const std::string& name) { Text(0, 0x03, name); }
    void Text(long tick, uint8_t type, const std::string& text);
    void Tempo(long tick, double beatsPerMinute);
    void TimeSignature(long tick, int numerator, int denominator);
    void KeySignature(long tick, int sharps, bool minor);

    void Program(long tick, int channel, int program);
    void Controller(long tick, int channel, int controller, int value,
                    Order order = Order::Control);
    void PitchBend(long tick, int channel, int value);  // -8192..8191, 0 = centre
    void Note(long start, long length, int channel, int pitch, int velocity);

    // The last tick of any event in the track.
    long LastTick() const;

    // The chunk body (without "MTrk" and length), End of Track at endTick.
    std::vector<uint8_t> Encode(long endTick) const;

  private:
    struct Event {
        long tick;
        Order order;
        std::vector<uint8_t> bytes;
    };
    void Add(long tick, Order order, std::vector<uint8_t> bytes);
    std::vector<Event> events_;
};

// The whole file: header chunk and the tracks, all ended at the same tick.
std::vector<uint8_t> EncodeMidiFile(int ticksPerQuarter, const std::vector<MidiTrack>& tracks,
                                    long endTick);

}  // namespace gen_audio
