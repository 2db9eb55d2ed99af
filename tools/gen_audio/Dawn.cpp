// "Dawn": a slow waltz in G major that brightens as it goes. Pan flute over harp and a
// soft pad; in the middle the cello sings in E minor; the last return brings the strings
// and a higher climb of the tune before the final G.
#include "Pieces.h"

namespace gen_audio {

Piece ComposeDawn() {
    Piece piece("Dawn", 3, 4, 84, "G A B C D E F#");
    piece.Key(1, false);

    Voice& panFlute = piece.AddVoice("Pan Flute", 75, 96, 72, 80);
    Voice& harp = piece.AddVoice("Harp", 46, 96, 46, 75);
    Voice& cello = piece.AddVoice("Cello", 42, 88, 54, 80);
    Voice& strings = piece.AddVoice("Strings", 48, 74, 62, 85);
    Voice& pad = piece.AddVoice("New Age Pad", 88, 56, 64, 95, 30);

    const std::string g = "[G2 D3 G3 B3 D4]";
    const std::string dOverFs = "[F#2 D3 A3 D4 F#4]";
    const std::string em7 = "[E2 B2 D3 G3 B3]";
    const std::string cadd9 = "[C3 G3 D4 E4 G4]";
    const std::string bm7 = "[B2 F#3 A3 D4 F#4]";
    const std::string dsus = "[D3 A3 D4 G4 A4]";
    const std::string d = "[D3 A3 D4 F#4 A4]";
    const std::string em = "[E2 B2 E3 G3 B3]";
    const std::string c = "[C3 G3 C4 E4 G4]";
    const std::string am7 = "[A2 E3 G3 C4 E4]";
    // Every chord of this piece lasts two bars unless a length is given.
    auto twoBars = [](std::initializer_list<std::string> list) {
        std::string text;
        for (const std::string& chord : list) {
            text += chord + (chord.find('/') == std::string::npos ? "/6 " : " ");
        }
        return text;
    };

    const Progression intro = piece.Chords(piece.Bar(0), twoBars({g, cadd9}));
    const Progression a = piece.Chords(
        piece.Bar(4), twoBars({g, dOverFs, em7, cadd9, g, bm7, cadd9, dsus + "/3", d + "/3"}));
    const Progression b =
        piece.Chords(piece.Bar(20), twoBars({em, c, g, d, em, c, am7, dsus + "/3", d + "/3"}));
    const Progression a2 =
        piece.Chords(piece.Bar(36), twoBars({g, dOverFs, em7, cadd9, g, bm7, am7, d}));
    const Progression coda = piece.Chords(piece.Bar(52), twoBars({cadd9}));
    const Progression last = piece.Chords(piece.Bar(54), "[G2 D3 G3 B3 D4 G4]/6");

    const char* rippling = "0/0.5 1/0.5 2/0.5 3/0.5 4/0.5 3/0.5";
    Figure(piece, harp, intro, rippling, 46);
    Figure(piece, harp, a, rippling, 48);
    Figure(piece, harp, b, "0/1 2/0.5 3/0.5 4/1", 44);
    Figure(piece, harp, a2, "0/0.5 2/0.5 4/0.5 2+/0.5 4/0.5 2/0.5", 50);
    Figure(piece, harp, coda, "0/0.5 2/0.5 4/0.5 2+/0.5 4/0.5 2/0.5", 46);
    Figure(piece, harp, last, "0/0.25 1/0.25 2/0.25 3/0.25 4/0.25 5/4.75", 50);

    for (const Progression* p : {&intro, &a, &b, &a2, &coda, &last}) {
        Hold(pad, *p, 38, 1);
    }
    Fade(pad, piece.Bar(0), piece.Bar(4), 20, 110);
    Fade(pad, piece.Bar(54), piece.Bar(56), 110, 20);

    const Phrasing flute{.velocity = 56, .swell = 12, .legato = 0.95};
    piece.Melody(panFlute, piece.Bar(4),
                 "B4/1 D5/1 E5/1 | D5/3 | A4/1 B4/1 D5/1 | A4/3 |"
                 "G4/1 A4/1 B4/1 | E5/2 D5/1 | D5/1.5 E5/0.5 G5/1 | E5/3 |"
                 "B4/1 D5/1 E5/1 | G5/2 A5/1 | B5/2 A5/1 | A5/1 D5/2 |"
                 "E5/1.5 D5/0.5 E5/1 | G5/3 | A5/2 G5/1 | A5/3 |",
                 flute);

    // B: the cello takes the tune in E minor; the pan flute only answers.
    piece.Melody(cello, piece.Bar(20),
                 "E4/2 G4/1 | B4/3 | C5/2 B4/1 | G4/3 | D4/1 G4/1 B4/1 | D5/3 |"
                 "C5/1 B4/1 A4/1 | F#4/3 | E4/2 G4/1 | B4/2 E5/1 | E5/1 D5/1 C5/1 | G4/3 |"
                 "A4/1 C5/1 E5/1 | D5/2 C5/1 | B4/1 A4/1 G4/1 | A4/3 |",
                 {.velocity = 54, .swell = 12, .legato = 0.98, .transpose = -12});
    piece.Melody(panFlute, piece.Bar(26), "r/3 | r/1 D6/1 A5/1 |", flute);
    piece.Melody(panFlute, piece.Bar(34), "r/3 | r/2 A4/1 |", flute);
    Hold(strings, b, 40, 1, 3);
    Fade(strings, piece.Bar(20), piece.Bar(22), 40, 100);

    // A': the tune returns and climbs higher; the cello hums below it.
    piece.Melody(panFlute, piece.Bar(36),
                 "B4/1 D5/1 E5/1 | D5/3 | A4/1 B4/1 D5/1 | A4/3 |"
                 "G4/1 A4/1 B4/1 | E5/2 D5/1 | D5/1.5 E5/0.5 G5/1 | E5/3 |"
                 "B4/1 D5/1 E5/1 | G5/2 A5/1 | B5/2 D6/1 | B5/1 A5/2 |"
                 "G5/1.5 E5/0.5 D5/1 | E5/3 | D5/2 E5/1 | D5/3 |"
                 "E5/2 D5/1 | E5/1 G5/2 | G5/6 |",
                 {.velocity = 58, .swell = 14, .legato = 0.95});
    piece.Melody(cello, piece.Bar(36),
                 "B3/6 | A3/6 | G3/6 | G3/3 | E3/3 | D3/6 | F#3/6 | E3/6 | F#3/3 | A3/3 |"
                 "G3/6 | G3/6 |",
                 {.velocity = 46, .swell = 6, .legato = 1.0});
    Hold(strings, a2, 42, 1, 3);
    Hold(strings, coda, 40, 1, 3);
    Hold(strings, last, 38, 1, 4);
    Fade(strings, piece.Bar(54), piece.Bar(56), 100, 15);

    piece.Slow(piece.Bar(52), piece.Bar(54), 70);
    piece.End(piece.Bar(56) + 2 * kBeat);
    return piece;
}

}  // namespace gen_audio
