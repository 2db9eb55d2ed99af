// "Rain": E dorian, a marimba pattering like drops on a roof under a soft halo pad.
// The electric piano sings the A section, the vibraphone the B section; in the coda the
// drops thin out until only the chord is left.
#include "Pieces.h"

namespace gen_audio {

Piece ComposeRain() {
    Piece piece("Rain", 4, 4, 88, "E F# G A B C# D");
    piece.Key(2, true);

    Voice& marimba = piece.AddVoice("Marimba", 12, 90, 40, 70);
    Voice& piano = piece.AddVoice("Electric Piano", 4, 92, 66, 75, 40);
    Voice& vibes = piece.AddVoice("Vibraphone", 11, 120, 84, 80);
    Voice& pad = piece.AddVoice("Halo Pad", 94, 56, 64, 100);
    Voice& bass = piece.AddVoice("Fretless Bass", 35, 82, 60, 40);

    // Bass note first, then the upper voicing the marimba and the pad draw from.
    const std::string em9 = "[E2 G3 B3 D4 F#4 B4]";
    const std::string gmaj9 = "[G2 B3 D4 F#4 A4 D5]";
    const std::string a9 = "[A2 E3 B3 C#4 E4 A4]";
    const std::string bm7 = "[B2 F#3 A3 D4 F#4 A4]";
    const std::string d6 = "[D2 A3 B3 D4 F#4 A4]";
    const std::string fsm7 = "[F#2 E3 A3 C#4 E4 A4]";
    const std::string bsus = "[B2 F#3 B3 E4 F#4 B4]";
    auto bars = [](std::initializer_list<std::string> list) {
        std::string text;
        for (const std::string& chord : list) {
            text += chord + "/4 ";
        }
        return text;
    };

    const Progression intro = piece.Chords(piece.Bar(0), bars({em9, em9}));
    const Progression a = piece.Chords(
        piece.Bar(2),
        bars({em9, em9, gmaj9, gmaj9, a9, a9, bm7, bm7, em9, em9, gmaj9, gmaj9, a9, a9, bm7, em9}));
    const Progression b =
        piece.Chords(piece.Bar(18), bars({gmaj9, d6, a9, em9, gmaj9, d6, fsm7, bsus}));
    const Progression a2 =
        piece.Chords(piece.Bar(26), bars({em9, em9, gmaj9, gmaj9, a9, a9, bm7, em9}));
    const Progression coda = piece.Chords(piece.Bar(34), bars({em9}));

    const char* drops = "1/0.5 3/0.5 r/0.5 4/0.5 2/0.5 5/0.5 r/0.5 3/0.5";
    const char* steady = "1/0.5 3/0.5 2/0.5 4/0.5 3/0.5 5/0.5 4/0.5 3/0.5";
    Figure(piece, marimba, intro, drops, 40, 0.75);
    Figure(piece, marimba, a, drops, 42, 0.75);
    Figure(piece, marimba, b, steady, 40, 0.75);
    Figure(piece, marimba, a2, drops, 42, 0.75);
    Figure(piece, marimba, coda, drops, 40, 0.75);
    // The rain stops: fewer and fewer drops.
    Figure(piece, marimba, piece.Chords(piece.Bar(35), em9 + "/4"),
           "1/0.5 3/0.5 r/1 4/0.5 r/0.5 5/0.5 r/0.5", 38, 0.75);
    Figure(piece, marimba, piece.Chords(piece.Bar(36), em9 + "/4"), "3/0.5 r/1.5 5/0.5 r/1.5", 36,
           1);
    Figure(piece, marimba, piece.Chords(piece.Bar(37), em9 + "/4"), "r/2 4/0.5 r/1.5", 34, 1.5);

    const Progression last = piece.Chords(piece.Bar(35), em9 + "/12");
    for (const Progression* p : {&intro, &a, &b, &a2, &coda, &last}) {
        Hold(pad, *p, 36, 1, 4);
    }
    Fade(pad, piece.Bar(0), piece.Bar(2), 20, 105);
    Fade(pad, piece.Bar(36), piece.Bar(38), 105, 15);

    for (const Progression* p : {&a, &b, &a2, &coda}) {
        Figure(piece, bass, *p, "0/3 0/1", 50);
    }
    Figure(piece, bass, last, "0/12", 46);

    const Phrasing keys{.velocity = 54, .swell = 12, .legato = 0.95};
    piece.Melody(piano, piece.Bar(2),
                 "r/2 B4/1 D5/1 | E5/3 D5/1 | B4/2 r/1 A4/0.5 B4/0.5 | D5/4 |"
                 "r/1 E5/1 A5/1 G5/1 | E5/3 r/1 | D5/1 E5/1 B4/2 | A4/2 B4/2 |"
                 "r/2 G5/1 A5/1 | B5/3 A5/1 | G5/2 r/1 E5/0.5 D5/0.5 | D5/4 |"
                 "r/1 E5/1 G5/1 A5/1 | E5/3 r/1 | D5/1 B4/1 A4/1 D5/1 | E5/4 |",
                 keys);

    // B: the vibraphone, leaning on the dorian sixth (C#).
    piece.Melody(vibes, piece.Bar(18),
                 "B4/1.5 D5/0.5 F#5/2 | E5/1 D5/1 A4/2 | C#5/1.5 E5/0.5 B4/2 | G4/2 B4/2 |"
                 "D5/1.5 F#5/0.5 A5/2 | F#5/1 E5/1 D5/2 | C#5/1 E5/1 A4/2 | B4/4 |",
                 {.velocity = 62, .swell = 12, .ring = 1.5});

    piece.Melody(piano, piece.Bar(26),
                 "r/2 B4/1 D5/1 | E5/3 D5/1 | B4/2 r/1 A4/0.5 B4/0.5 | D5/4 |"
                 "r/1 E5/1 A5/1 G5/1 | E5/3 r/1 | D5/1 E5/1 B4/1 A4/1 | B4/2 E5/2 |"
                 "r/4 | r/2 D5/1 B4/1 | E5/8 |",
                 {.velocity = 52, .swell = 10, .legato = 0.95});

    piece.Slow(piece.Bar(34), piece.Bar(36), 74);
    piece.End(piece.Bar(38) + 2 * kBeat);
    return piece;
}

}  // namespace gen_audio
