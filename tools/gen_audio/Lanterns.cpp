// "Lanterns": an evening lullaby in 6/8, F major pentatonic. Celesta and ocarina take turns
// with the tune over a nylon guitar; the middle section turns to D minor as if the
// lanterns drifted off over the water. A triangle marks the sections, very softly.
#include "Pieces.h"

namespace gen_audio {

Piece ComposeLanterns() {
    Piece piece("Lanterns", 6, 8, 96, "F G A Bb C D E");
    piece.Key(-1, false);

    Voice& celesta = piece.AddVoice("Celesta", 8, 116, 72, 80);
    Voice& ocarina = piece.AddVoice("Ocarina", 79, 92, 82, 80);
    Voice& guitar = piece.AddVoice("Nylon Guitar", 24, 76, 46, 60);
    Voice& strings = piece.AddVoice("Strings", 49, 66, 58, 85);
    Voice& bass = piece.AddVoice("Acoustic Bass", 32, 80, 56, 40);
    Voice& triangle = piece.AddPercussion("Triangle", 90, 90, 90);

    // Bass note first, then five notes under the guitarist's fingers.
    const std::string f = "[F2 C3 F3 A3 C4 F4]";
    const std::string dm7 = "[D2 A2 D3 F3 A3 C4]";
    const std::string bbmaj7 = "[Bb1 F2 D3 F3 A3 D4]";
    const std::string csus = "[C2 G2 C3 F3 G3 C4]";
    const std::string c = "[C2 G2 C3 E3 G3 C4]";
    const std::string am7 = "[A1 E2 A2 E3 G3 C4]";
    const std::string bb6 = "[Bb1 F2 D3 G3 Bb3 D4]";
    const std::string gm7 = "[G1 D2 F3 Bb3 D4 F4]";
    const std::string asus = "[A1 E2 A2 D3 E3 A3]";
    const std::string a = "[A1 E2 A2 C#3 E3 A3]";
    const std::string dm = "[D2 A2 D3 F3 A3 D4]";
    const std::string bb = "[Bb1 F2 Bb2 D3 F3 Bb3]";
    // One chord a bar; a pair given as "x+y" shares its bar.
    auto bars = [](std::initializer_list<std::string> list) {
        std::string text;
        for (const std::string& chord : list) {
            const size_t plus = chord.find("]+[");
            text += plus == std::string::npos
                        ? chord + "/3 "
                        : chord.substr(0, plus + 1) + "/1.5 " + chord.substr(plus + 2) + "/1.5 ";
        }
        return text;
    };

    const Progression intro = piece.Chords(piece.Bar(0), bars({f, dm7, bbmaj7, csus + "+" + c}));
    const Progression a1 =
        piece.Chords(piece.Bar(4), bars({f, dm7, bbmaj7, csus, f, am7, bb6, csus + "+" + c}));
    const Progression a2 =
        piece.Chords(piece.Bar(12), bars({f, dm7, bbmaj7, csus, f, am7, bb6, f}));
    const Progression b1 =
        piece.Chords(piece.Bar(20), bars({dm, bb, f, c, dm, bb, gm7, asus + "+" + a}));
    const Progression b2 =
        piece.Chords(piece.Bar(28), bars({dm, bb, f, c, dm, bb, gm7, csus + "+" + c}));
    const Progression a3 =
        piece.Chords(piece.Bar(36), bars({f, dm7, bbmaj7, csus, f, am7, bb6, csus + "+" + c}));
    const Progression a4 =
        piece.Chords(piece.Bar(44), bars({f, dm7, bbmaj7, csus, f, am7, bb6, f}));
    const Progression coda = piece.Chords(piece.Bar(52), bars({bb6, csus + "+" + c}));
    const Progression last = piece.Chords(piece.Bar(54), f + "/6");

    const std::vector<const Progression*> body{&intro, &a1, &a2, &b1, &b2, &a3, &a4, &coda};
    for (const Progression* p : body) {
        Figure(piece, guitar, *p, "1/0.5 3/0.5 4/0.5 5/0.5 4/0.5 3/0.5", 46, 1.5);
        if (p != &intro) {
            Figure(piece, bass, *p, "0/1.5 1/1.5", 50, 1.4);
        }
        Hold(strings, *p, 38, 2, 3);
    }
    Figure(piece, guitar, last, "1/0.25 2/0.25 3/0.25 4/0.25 5/5", 48);
    Figure(piece, bass, last, "0/6", 46);
    Hold(strings, last, 36, 2, 3);
    Fade(strings, piece.Bar(0), piece.Bar(4), 30, 100);
    Fade(strings, piece.Bar(54), piece.Bar(56), 100, 15);

    const char* tuneA =
        "C5/1 A4/0.5 C5/1 D5/0.5 | F5/1.5 D5/1.5 | D5/1 C5/0.5 A4/1 G4/0.5 | G4/3 |"
        "A4/1 C5/0.5 D5/1 F5/0.5 | G5/1.5 C5/1.5 | D5/1 C5/0.5 G4/1 C5/0.5 | G4/1.5 r/1.5 |";
    const char* tuneA2 =
        "C5/1 A4/0.5 C5/1 D5/0.5 | F5/1.5 D5/1.5 | D5/1 C5/0.5 A4/1 G4/0.5 | G4/3 |"
        "A4/1 C5/0.5 D5/1 F5/0.5 | A5/1.5 G5/1.5 | F5/1 D5/0.5 C5/1 D5/0.5 | F5/3 |";
    const Phrasing bell{.velocity = 56, .swell = 10, .ring = 1.5};
    piece.Melody(celesta, piece.Bar(4), tuneA, bell);
    piece.Melody(celesta, piece.Bar(12), tuneA2, bell);

    // B: D minor, the ocarina; the second time the celesta chimes in above it.
    const Phrasing breath{.velocity = 54, .swell = 12, .legato = 0.95};
    piece.Melody(ocarina, piece.Bar(20),
                 "A4/1.5 D5/1 C5/0.5 | D5/3 | F5/1 G5/0.5 A5/1 G5/0.5 | G5/3 |"
                 "A5/1.5 G5/1 F5/0.5 | D5/3 | C5/1 D5/0.5 F5/1 D5/0.5 | A4/3 |"
                 "A4/1.5 D5/1 F5/0.5 | G5/1.5 F5/1.5 | A5/1 C6/0.5 A5/1 G5/0.5 | G5/3 |"
                 "A5/1.5 G5/1 F5/0.5 | D5/1.5 F5/1.5 | G5/1 F5/0.5 D5/1 C5/0.5 | C5/3 |",
                 breath);
    piece.Melody(celesta, piece.Bar(28),
                 "r/3 | D6/1.5 Bb5/1.5 | r/3 | C6/1.5 G5/1.5 | r/3 | Bb5/1.5 F5/1.5 | r/3 |"
                 "G5/1.5 E5/1.5 |",
                 {.velocity = 44, .swell = 4, .ring = 2});

    // A': the celesta again with the ocarina humming below, then the ocarina takes the
    // answer while the celesta sparkles high.
    piece.Melody(celesta, piece.Bar(36), tuneA, bell);
    piece.Melody(ocarina, piece.Bar(36), "A4/3 | F4/3 | F4/3 | G4/3 | A4/3 | E4/3 | D4/3 | E4/3 |",
                 {.velocity = 46, .swell = 6, .legato = 0.97});
    piece.Melody(ocarina, piece.Bar(44), tuneA2, breath);
    Figure(piece, celesta, a4, "r/1.5 5+/0.5 4+/0.5 3+/0.5", 38, 1);
    piece.Melody(celesta, piece.Bar(52), "D5/1.5 C5/1.5 | G4/1.5 E5/1.5 | F5/6 |",
                 {.velocity = 50, .swell = 6, .ring = 3});

    for (double bar : {4.0, 20.0, 36.0, 54.0}) {
        triangle.notes.push_back({piece.Bar(bar), kBeat, 81, bar == 54.0 ? 44 : 48});
    }

    piece.Slow(piece.Bar(52), piece.Bar(54), 80);
    piece.End(piece.Bar(56) + 2 * kBeat);
    return piece;
}

}  // namespace gen_audio
