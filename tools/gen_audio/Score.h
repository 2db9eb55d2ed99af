// A small toolkit for writing the background pieces as music rather than as MIDI bytes:
// note names, melodies written as text with bar checks, chord progressions, and the usual
// accompaniment figures (held chords, bass, arpeggios). A Piece turns it all into a file.
#pragma once

#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace gen_audio {

constexpr long kBeat = 480;  // ticks per quarter note

// "C4" is 60; sharps "#", flats "b": "F#3", "Bb2".
int PitchOf(std::string_view name);

struct Note {
    long start;
    long length;
    int pitch;
    int velocity;
};

struct Chord {
    long start;
    long length;
    std::vector<int> pitches;  // lowest first
};
using Progression = std::vector<Chord>;

// One instrument, one track, one channel.
struct Voice {
    std::string name;
    int channel = 0;
    int program = 0;
    int volume = 100;
    int pan = 64;
    int reverb = 64;
    int chorus = 0;
    std::vector<Note> notes;
    std::vector<std::pair<long, int>> bends;       // tick, -8192..8191
    std::vector<std::pair<long, int>> expression;  // tick, controller 11 value
};

// How a melody is played.
struct Phrasing {
    int velocity = 60;     // at the ends of a phrase
    int swell = 8;         // added at the middle of the phrase, rising and falling
    double legato = 0.92;  // part of each written length that sounds
    int transpose = 0;     // semitones
    double ring = 0;       // beats every note sounds, whatever its written length (plucked)
};

class Piece {
  public:
    // scale: the pitch classes of the mode (note names without octave); melodies are checked
    // against it so a slip of the pen does not end up in the music.
    Piece(std::string title, int numerator, int denominator, double beatsPerMinute,
          std::string_view scale);

    void Key(int sharps, bool minor) {
        keySharps_ = sharps;
        keyMinor_ = minor;
    }

    Voice& AddVoice(std::string name, int program, int volume, int pan, int reverb, int chorus = 0);
    // General MIDI percussion, channel 10.
    Voice& AddPercussion(std::string name, int volume, int pan, int reverb);

    long BarLength() const { return barLength_; }
    long Bar(double bar) const { return static_cast<long>(bar * barLength_); }

    // Notes as "E5/1.5 D5/0.5 r/1 | A4/4": pitch or r (rest), slash, length in quarter
    // notes. A "^" after the length scoops up into the note with the pitch wheel; a "!"
    // after the pitch allows a note outside the scale. "|" checks that a bar ends there.
    // Returns the tick after the last note.
    long Melody(Voice& voice, long start, std::string_view text, const Phrasing& phrasing);

    // "[A2 E3 C4]/4 [F2 C3 A3]/2 [G2 D3 B3]/2" from start on.
    Progression Chords(long start, std::string_view text) const;

    void Tempo(long tick, double beatsPerMinute);
    // Slows down gradually, one tempo change per beat, reaching the new tempo at `to`.
    void Slow(long from, long to, double beatsPerMinute);

    // The file ends here (after the last release and a moment of silence for the reverb).
    void End(long tick) { end_ = tick; }

    double Seconds() const;
    std::vector<uint8_t> ToMidi() const;

    // Small deterministic variations (velocity, timing) so the parts do not sound
    // mechanical.
    int Jitter(int range);

  private:
    double TempoAt(long tick) const;

    std::string title_;
    int numerator_;
    int denominator_;
    long barLength_;
    int keySharps_ = 0;
    bool keyMinor_ = false;
    std::set<int> scale_;
    std::vector<std::pair<long, double>> tempi_;
    std::deque<Voice> voices_;  // a deque, so the references AddVoice hands out stay valid
    long end_ = 0;
    uint32_t seed_;
};

// Accompaniment figures over a progression.

// Holds every chord (`count` pitches from `fromIndex` up) for its whole length.
void Hold(Voice& voice, const Progression& chords, int velocity, size_t fromIndex = 0,
          size_t count = 16);

// Plays a figure over every chord, repeated and cut at the chord's end. The figure is text:
// "0/1 2/0.5 3+/0.5 1,3/1 r/1": indices into the chord's pitches (lowest 0), "+" an octave
// up, "-" an octave down, "," for notes struck together, "r" a rest, then the length in
// quarter notes. A note sounds `ring` beats, or until the chord ends when `ring` is 0.
void Figure(Piece& piece, Voice& voice, const Progression& chords, std::string_view figure,
            int velocity, double ring = 0);

// Controller 11 from one value to another, in small steps.
void Fade(Voice& voice, long from, long to, int fromValue, int toValue);

}  // namespace gen_audio
