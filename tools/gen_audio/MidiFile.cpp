#include "MidiFile.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace gen_audio {

namespace {

void PutVariableLength(std::vector<uint8_t>& out, unsigned long value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(groups[--count] | 0x80);
    }
    out.push_back(groups[0]);
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back((value >> (8 * i)) & 0xFF);
    }
}

void Check(bool ok, const char* what) {
    if (!ok) {
        throw std::invalid_argument(what);
    }
}

uint8_t DataByte(int value) {
    Check(value >= 0 && value <= 127, "MIDI data byte out of range");
    return static_cast<uint8_t>(value);
}

uint8_t Status(int kind, int channel) {
    Check(channel >= 0 && channel <= 15, "MIDI channel out of range");
    return static_cast<uint8_t>(kind | channel);
}

}  // namespace

void MidiTrack::Add(long tick, Order order, std::vector<uint8_t> bytes) {
    Check(tick >= 0, "MIDI event before the start");
    events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::Text(long tick, uint8_t type, const std::string& text) {
    std::vector<uint8_t> bytes{0xFF, type};
    PutVariableLength(bytes, text.size());
    bytes.insert(bytes.end(), text.begin(), text.end());
    Add(tick, Order::Setup, std::move(bytes));
}

void MidiTrack::Tempo(long tick, double beatsPerMinute) {
    const auto micros = static_cast<uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
    std::vector<uint8_t> bytes{0xFF, 0x51, 0x03};
    PutBigEndian(bytes, micros, 3);
    Add(tick, Order::Setup, std::move(bytes));
}

void MidiTrack::TimeSignature(long tick, int numerator, int denominator) {
    int power = 0;
    while ((1 << power) < denominator) {
        ++power;
    }
    Check((1 << power) == denominator, "time signature denominator must be a power of two");
    // A metronome click per beat: a quarter for x/4, a dotted quarter for compound x/8.
    const int clocks = denominator == 8 && numerator % 3 == 0 ? 36 : 96 / denominator;
    Add(tick, Order::Setup,
        {0xFF, 0x58, 0x04, DataByte(numerator), DataByte(power), DataByte(clocks), 8});
}

void MidiTrack::KeySignature(long tick, int sharps, bool minor) {
    Check(sharps >= -7 && sharps <= 7, "key signature out of range");
    Add(tick, Order::Setup,
        {0xFF, 0x59, 0x02, static_cast<uint8_t>(static_cast<int8_t>(sharps)),
         static_cast<uint8_t>(minor ? 1 : 0)});
}

void MidiTrack::Program(long tick, int channel, int program) {
    Add(tick, Order::Setup, {Status(0xC0, channel), DataByte(program)});
}

void MidiTrack::Controller(long tick, int channel, int controller, int value, Order order) {
    Add(tick, order, {Status(0xB0, channel), DataByte(controller), DataByte(value)});
}

void MidiTrack::PitchBend(long tick, int channel, int value) {
    const int raw = std::clamp(value + 8192, 0, 16383);
    Add(tick, Order::Control,
        {Status(0xE0, channel), DataByte(raw & 0x7F), DataByte((raw >> 7) & 0x7F)});
}

void MidiTrack::Note(long start, long length, int channel, int pitch, int velocity) {
    Check(length > 0, "a note needs a length");
    Check(velocity >= 1, "a note-on needs a velocity above 0");
    Add(start, Order::NoteOn, {Status(0x90, channel), DataByte(pitch), DataByte(velocity)});
    Add(start + length, Order::NoteOff, {Status(0x80, channel), DataByte(pitch), 64});
}

long MidiTrack::LastTick() const {
    long last = 0;
    for (const Event& e : events_) {
        last = std::max(last, e.tick);
    }
    return last;
}

std::vector<uint8_t> MidiTrack::Encode(long endTick) const {
    Check(endTick >= LastTick(), "End of Track before the last event");
    std::vector<const Event*> sorted;
    sorted.reserve(events_.size());
    for (const Event& e : events_) {
        sorted.push_back(&e);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        return a->tick != b->tick ? a->tick < b->tick : a->order < b->order;
    });

    std::vector<uint8_t> out;
    long now = 0;
    for (const Event* e : sorted) {
        PutVariableLength(out, e->tick - now);
        now = e->tick;
        out.insert(out.end(), e->bytes.begin(), e->bytes.end());
    }
    PutVariableLength(out, endTick - now);
    out.insert(out.end(), {0xFF, 0x2F, 0x00});
    return out;
}

std::vector<uint8_t> EncodeMidiFile(int ticksPerQuarter, const std::vector<MidiTrack>& tracks,
                                    long endTick) {
    Check(ticksPerQuarter > 0 && ticksPerQuarter < 0x8000, "division out of range");
    std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
    PutBigEndian(out, 6, 4);
    PutBigEndian(out, 1, 2);
    PutBigEndian(out, static_cast<uint32_t>(tracks.size()), 2);
    PutBigEndian(out, static_cast<uint32_t>(ticksPerQuarter), 2);
    for (const MidiTrack& track : tracks) {
        const std::vector<uint8_t> body = track.Encode(endTick);
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        PutBigEndian(out, static_cast<uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

}  // namespace gen_audio
