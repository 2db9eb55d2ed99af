#include "Score.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

#include "MidiFile.h"

namespace gen_audio {

namespace {

[[noreturn]] void Fail(const std::string& what, std::string_view where) {
    throw std::invalid_argument(what + ": \"" + std::string(where) + "\"");
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t next = text.find(separator, pos);
        if (next == std::string_view::npos) {
            next = text.size();
        }
        if (next > pos) {
            parts.push_back(text.substr(pos, next - pos));
        }
        pos = next + 1;
    }
    return parts;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        size_t end = pos;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) {
            ++end;
        }
        if (end > pos) {
            words.push_back(text.substr(pos, end - pos));
        }
        pos = end;
    }
    return words;
}

int Letter(std::string_view name) {
    static const std::map<char, int> kNatural{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                              {'G', 7}, {'A', 9}, {'B', 11}};
    if (name.empty() || !kNatural.contains(name[0])) {
        Fail("not a note name", name);
    }
    return kNatural.at(name[0]);
}

// Semitones of the sharps and flats after the letter; `used` is set past them.
int Accidentals(std::string_view name, size_t& used) {
    int shift = 0;
    used = 1;
    while (used < name.size() && (name[used] == '#' || name[used] == 'b')) {
        shift += name[used] == '#' ? 1 : -1;
        ++used;
    }
    return shift;
}

int PitchClassOf(std::string_view name) {
    size_t used = 0;
    const int shift = Accidentals(name, used);
    return ((Letter(name) + shift) % 12 + 12) % 12;
}

long Ticks(std::string_view beats) {
    size_t used = 0;
    double value = 0;
    try {
        value = std::stod(std::string(beats), &used);
    } catch (const std::logic_error&) {
        Fail("not a length", beats);
    }
    if (used != beats.size() || value <= 0) {
        Fail("not a length", beats);
    }
    const double ticks = value * kBeat;
    if (std::abs(ticks - std::round(ticks)) > 1e-6) {
        Fail("length off the tick grid", beats);
    }
    return std::lround(ticks);
}

// The jitter must come out the same on every machine, so no std::hash.
uint32_t Fnv1a(const std::string& text) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 16777619u;
    }
    return hash;
}

}  // namespace

int PitchOf(std::string_view name) {
    const int letter = Letter(name);
    size_t used = 0;
    const int shift = Accidentals(name, used);
    const std::string_view octave = name.substr(used);
    if (octave.empty() || !std::all_of(octave.begin(), octave.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        Fail("a note name needs its octave", name);
    }
    // The accidentals move the pitch, not the octave: "B#3" is C4 and "Cb4" is B3.
    const int pitch = 12 * (std::stoi(std::string(octave)) + 1) + letter + shift;
    if (pitch < 0 || pitch > 127) {
        Fail("pitch out of range", name);
    }
    return pitch;
}

Piece::Piece(std::string title, int numerator, int denominator, double beatsPerMinute,
             std::string_view scale)
    : title_(std::move(title)),
      numerator_(numerator),
      denominator_(denominator),
      barLength_(kBeat * 4 * numerator / denominator),
      seed_(Fnv1a(title_)) {
    for (std::string_view name : Words(scale)) {
        scale_.insert(PitchClassOf(name));
    }
    tempi_.push_back({0, beatsPerMinute});
}

Voice& Piece::AddVoice(std::string name, int program, int volume, int pan, int reverb, int chorus) {
    int channel = 0;
    for (const Voice& v : voices_) {
        if (v.channel != 9) {
            ++channel;
        }
    }
    if (channel >= 9) {
        ++channel;  // channel 10 is the percussion's
    }
    if (channel > 15) {
        throw std::invalid_argument("too many voices");
    }
    voices_.push_back({std::move(name), channel, program, volume, pan, reverb, chorus, {}, {}, {}});
    return voices_.back();
}

Voice& Piece::AddPercussion(std::string name, int volume, int pan, int reverb) {
    voices_.push_back({std::move(name), 9, 0, volume, pan, reverb, 0, {}, {}, {}});
    return voices_.back();
}

int Piece::Jitter(int range) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<int>((static_cast<uint64_t>(seed_) * (2 * range + 1)) >> 32) - range;
}

long Piece::Melody(Voice& voice, long start, std::string_view text, const Phrasing& phrasing) {
    struct Written {
        long start;
        long length;
        int pitch;
        bool scoop;
    };
    std::vector<Written> written;
    long now = start;
    std::string spaced;
    for (char c : text) {
        spaced += c == '|' ? std::string(" | ") : std::string(1, c);
    }
    for (std::string_view word : Words(spaced)) {
        if (word == "|") {
            if (now % barLength_ != 0) {
                Fail("bar line in the middle of a bar in " + title_, text.substr(0, 60));
            }
            continue;
        }
        const size_t slash = word.find('/');
        if (slash == std::string_view::npos) {
            Fail("a note needs a length", word);
        }
        std::string_view name = word.substr(0, slash);
        std::string_view length = word.substr(slash + 1);
        const bool scoop = !length.empty() && length.back() == '^';
        if (scoop) {
            length.remove_suffix(1);
        }
        const long ticks = Ticks(length);
        if (name != "r") {
            const bool outside = name.back() == '!';
            if (outside) {
                name.remove_suffix(1);
            }
            const int pitch = PitchOf(name) + phrasing.transpose;
            if (!outside && !scale_.contains(((pitch - phrasing.transpose) % 12 + 12) % 12)) {
                Fail("note outside the scale of " + title_, word);
            }
            written.push_back({now, ticks, pitch, scoop});
        }
        now += ticks;
    }

    // The phrase swells towards its middle and relaxes at its ends.
    const double span = std::max<long>(1, now - start);
    for (const Written& w : written) {
        const double where = (w.start + w.length / 2.0 - start) / span;
        const bool downbeat = w.start % barLength_ == 0;
        int velocity =
            phrasing.velocity +
            static_cast<int>(std::lround(phrasing.swell * std::sin(std::numbers::pi * where))) +
            (downbeat ? 3 : 0) + Jitter(2);
        velocity = std::clamp(velocity, 1, 127);
        const long at = w.start + (w.start > 0 ? Jitter(4) + 4 : 0);
        long sounding = phrasing.ring > 0 ? std::lround(phrasing.ring * kBeat)
                                          : std::lround(w.length * phrasing.legato);
        sounding = std::max<long>(sounding - (at - w.start), 30);
        voice.notes.push_back({at, sounding, w.pitch, velocity});
        if (w.scoop) {
            // Up from a quarter tone below, as a breath player bends into a long note.
            const long glide = std::min<long>(kBeat / 3, sounding / 2);
            for (int step = 0; step <= 6; ++step) {
                voice.bends.push_back({at + glide * step / 6, -2048 + 2048 * step / 6});
            }
        }
    }
    return now;
}

Progression Piece::Chords(long start, std::string_view text) const {
    Progression chords;
    long now = start;
    size_t pos = 0;
    while (true) {
        const size_t open = text.find('[', pos);
        if (open == std::string_view::npos) {
            break;
        }
        const size_t close = text.find(']', open);
        if (close == std::string_view::npos || close + 1 >= text.size() || text[close + 1] != '/') {
            Fail("a chord is written [notes]/length", text.substr(open));
        }
        size_t end = close + 2;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) &&
               text[end] != '[') {
            ++end;
        }
        Chord chord{now, Ticks(text.substr(close + 2, end - close - 2)), {}};
        for (std::string_view name : Words(text.substr(open + 1, close - open - 1))) {
            chord.pitches.push_back(PitchOf(name));
        }
        std::sort(chord.pitches.begin(), chord.pitches.end());
        now += chord.length;
        chords.push_back(std::move(chord));
        pos = end;
    }
    return chords;
}

void Piece::Tempo(long tick, double beatsPerMinute) {
    tempi_.erase(std::remove_if(tempi_.begin(), tempi_.end(),
                                [tick](const auto& t) { return t.first == tick; }),
                 tempi_.end());
    tempi_.push_back({tick, beatsPerMinute});
    std::sort(tempi_.begin(), tempi_.end());
}

double Piece::TempoAt(long tick) const {
    double bpm = tempi_.front().second;
    for (const auto& [at, value] : tempi_) {
        if (at <= tick) {
            bpm = value;
        }
    }
    return bpm;
}

void Piece::Slow(long from, long to, double beatsPerMinute) {
    const double before = TempoAt(from);
    const long steps = std::max<long>(1, (to - from) / kBeat);
    for (long i = 1; i <= steps; ++i) {
        Tempo(from + (to - from) * (i - 1) / steps,
              before + (beatsPerMinute - before) * i / static_cast<double>(steps));
    }
}

double Piece::Seconds() const {
    double seconds = 0;
    for (size_t i = 0; i < tempi_.size(); ++i) {
        const long from = tempi_[i].first;
        const long to = i + 1 < tempi_.size() ? tempi_[i + 1].first : end_;
        if (to > from) {
            seconds += (to - from) / static_cast<double>(kBeat) * 60.0 / tempi_[i].second;
        }
    }
    return seconds;
}

std::vector<uint8_t> Piece::ToMidi() const {
    std::vector<MidiTrack> tracks;
    MidiTrack& conductor = tracks.emplace_back();
    conductor.Name(title_);
    conductor.Text(0, 0x01, "Composed for the Quorin Mah-Jongg game");
    conductor.TimeSignature(0, numerator_, denominator_);
    conductor.KeySignature(0, keySharps_, keyMinor_);
    for (const auto& [tick, bpm] : tempi_) {
        conductor.Tempo(tick, bpm);
    }

    for (const Voice& voice : voices_) {
        MidiTrack& track = tracks.emplace_back();
        track.Name(voice.name);
        const int ch = voice.channel;
        if (ch != 9) {
            track.Program(0, ch, voice.program);
        }
        track.Controller(0, ch, 7, voice.volume, MidiTrack::Order::Setup);
        track.Controller(0, ch, 10, voice.pan, MidiTrack::Order::Setup);
        track.Controller(0, ch, 91, voice.reverb, MidiTrack::Order::Setup);
        track.Controller(0, ch, 93, voice.chorus, MidiTrack::Order::Setup);
        if (voice.expression.empty() || voice.expression.front().first > 0) {
            track.Controller(0, ch, 11, 127, MidiTrack::Order::Setup);
        }
        for (const auto& [tick, value] : voice.expression) {
            track.Controller(tick, ch, 11, value);
        }
        for (const auto& [tick, value] : voice.bends) {
            track.PitchBend(tick, ch, value);
        }

        // A pitch struck again while it still sounds is released first: a second note-on
        // of the same key would leave one of the two without its note-off.
        std::vector<Note> notes = voice.notes;
        std::stable_sort(notes.begin(), notes.end(),
                         [](const Note& a, const Note& b) { return a.start < b.start; });
        std::map<int, size_t> sounding;
        std::vector<bool> dropped(notes.size(), false);
        for (size_t i = 0; i < notes.size(); ++i) {
            auto it = sounding.find(notes[i].pitch);
            if (it != sounding.end()) {
                Note& earlier = notes[it->second];
                if (earlier.start + earlier.length > notes[i].start) {
                    earlier.length = notes[i].start - earlier.start;
                    if (earlier.length <= 0) {
                        dropped[it->second] = true;
                        notes[i].velocity = std::max(notes[i].velocity, earlier.velocity);
                    }
                }
            }
            sounding[notes[i].pitch] = i;
        }
        for (size_t i = 0; i < notes.size(); ++i) {
            if (!dropped[i]) {
                track.Note(notes[i].start, notes[i].length, ch, notes[i].pitch, notes[i].velocity);
            }
        }
    }

    long last = end_;
    for (const MidiTrack& track : tracks) {
        last = std::max(last, track.LastTick());
    }
    if (last > end_) {
        throw std::logic_error(title_ + " has events after its end");
    }
    return EncodeMidiFile(kBeat, tracks, end_);
}

void Hold(Voice& voice, const Progression& chords, int velocity, size_t fromIndex, size_t count) {
    for (const Chord& chord : chords) {
        for (size_t i = fromIndex; i < chord.pitches.size() && i < fromIndex + count; ++i) {
            voice.notes.push_back({chord.start, chord.length, chord.pitches[i], velocity});
        }
    }
}

void Figure(Piece& piece, Voice& voice, const Progression& chords, std::string_view figure,
            int velocity, double ring) {
    struct Step {
        std::vector<std::pair<size_t, int>> notes;  // index, octave shift
        long length;
    };
    std::vector<Step> steps;
    long cycle = 0;
    for (std::string_view word : Words(figure)) {
        const size_t slash = word.find('/');
        if (slash == std::string_view::npos) {
            Fail("a figure step needs a length", word);
        }
        Step step{{}, Ticks(word.substr(slash + 1))};
        if (word.substr(0, slash) != "r") {
            for (std::string_view item : Split(word.substr(0, slash), ',')) {
                int shift = 0;
                while (!item.empty() && (item.back() == '+' || item.back() == '-')) {
                    shift += item.back() == '+' ? 12 : -12;
                    item.remove_suffix(1);
                }
                step.notes.push_back({std::stoul(std::string(item)), shift});
            }
        }
        cycle += step.length;
        steps.push_back(std::move(step));
    }
    if (steps.empty()) {
        Fail("empty figure", figure);
    }

    for (const Chord& chord : chords) {
        long now = chord.start;
        const long end = chord.start + chord.length;
        for (size_t s = 0; now < end; s = (s + 1) % steps.size()) {
            const Step& step = steps[s];
            const bool strong = (now - chord.start) % cycle == 0;
            for (const auto& [index, shift] : step.notes) {
                if (index >= chord.pitches.size()) {
                    Fail("figure reaches above the chord", figure);
                }
                const long sounding = ring > 0 ? std::lround(ring * kBeat) : end - now;
                const int v = std::clamp(velocity + (strong ? 4 : 0) + piece.Jitter(3), 1, 127);
                voice.notes.push_back({now, sounding, chord.pitches[index] + shift, v});
            }
            now += step.length;
        }
    }
}

void Fade(Voice& voice, long from, long to, int fromValue, int toValue) {
    const long steps = std::max<long>(1, (to - from) / (kBeat / 4));
    for (long i = 0; i <= steps; ++i) {
        voice.expression.push_back(
            {from + (to - from) * i / steps,
             static_cast<int>(
                 std::lround(fromValue + (toValue - fromValue) * i / static_cast<double>(steps)))});
    }
}

}  // namespace gen_audio
