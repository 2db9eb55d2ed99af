// "Bamboo Garden": koto and shakuhachi in the miyako-bushi scale on D (D Eb G A Bb),
// over a quiet string drone. Now and then the bamboo of a garden fountain tips over and
// knocks on its stone (a low wood block). Form: koto intro, A (shakuhachi), B (koto
// melody, the flute answering), A' (higher), coda with a falling koto cascade.
#include "Pieces.h"

namespace gen_audio {

Piece ComposeBambooGarden() {
    Piece piece("Bamboo Garden", 4, 4, 72, "D Eb G A Bb");
    piece.Key(-2, true);

    Voice& koto = piece.AddVoice("Koto", 107, 100, 44, 60);
    Voice& lowKoto = piece.AddVoice("Koto (low strings)", 107, 88, 54, 60);
    Voice& flute = piece.AddVoice("Shakuhachi", 77, 92, 82, 85);
    Voice& drone = piece.AddVoice("Strings", 48, 70, 64, 90);
    Voice& fountain = piece.AddPercussion("Fountain", 80, 30, 96);

    // Harmonic areas, voiced as a koto would find them on its strings.
    const std::string tonic = "[D3 A3 Bb3 D4 A4]";
    const std::string sub = "[G2 D3 G3 Bb3 D4]";
    const std::string flat = "[Eb3 Bb3 D4 Eb4 G4]";
    const std::string lift = "[Bb2 D3 A3 D4 G4]";
    auto bars = [&](std::initializer_list<std::string> list) {
        std::string text;
        for (const std::string& chord : list) {
            text += chord + "/4 ";
        }
        return text;
    };

    const Progression intro = piece.Chords(piece.Bar(0), bars({tonic, sub, flat, tonic}));
    const Progression a =
        piece.Chords(piece.Bar(4), bars({tonic, sub, tonic, flat, sub, tonic, lift, tonic}));
    const Progression b =
        piece.Chords(piece.Bar(12), bars({flat, sub, tonic, tonic, flat, sub, lift, tonic}));
    const Progression a2 =
        piece.Chords(piece.Bar(20), bars({tonic, sub, tonic, flat, sub, tonic, lift, tonic}));
    const Progression coda = piece.Chords(piece.Bar(28), bars({flat, sub}));
    const Progression last = piece.Chords(piece.Bar(30), "[D2 A2 D3 A3 D4]/8");

    // The koto plucks and lets its strings ring.
    Figure(piece, koto, intro, "0/0.5 1/0.5 2/0.5 3/0.5 4/1 3/1", 50, 2);
    Figure(piece, koto, a, "0/1 2/0.5 3/0.5 4/1 3/0.5 2/0.5", 48, 2);
    Figure(piece, lowKoto, b, "0/2 1,2/1 3/1", 46, 2);
    Figure(piece, koto, a2, "0/0.5 2/0.5 3/0.5 4/0.5 3/0.5 2/0.5 1/0.5 2/0.5", 46, 1.5);
    Figure(piece, koto, coda, "4/0.5 3/0.5 2/0.5 1/0.5 0/2", 48, 2);
    Figure(piece, lowKoto, last, "0/0.25 1/0.25 2/0.25 3/0.25 4/7", 50);

    Hold(drone, piece.Chords(piece.Bar(0), "[D3 A3]/120"), 44);
    Hold(drone, last, 40, 1);
    Fade(drone, piece.Bar(0), piece.Bar(4), 0, 100);
    Fade(drone, piece.Bar(30), piece.Bar(32), 100, 10);

    const Phrasing breath{.velocity = 58, .swell = 12, .legato = 0.9};
    piece.Melody(flute, piece.Bar(4),
                 "A4/2^ Bb4/1 A4/1 | G4/3 r/1 | D5/2^ Eb5/1 D5/1 | Bb4/3 r/1 |"
                 "Bb4/1.5 A4/0.5 G4/1 D4/1 | Eb4/2 D4/2 | G4/1 A4/1 Bb4/1 D5/1 | A4/3 r/1 |",
                 breath);

    // B: the koto takes the tune; the shakuhachi only answers at the ends of phrases.
    piece.Melody(koto, piece.Bar(12),
                 "D5/0.5 Eb5/0.5 G5/1 Bb5/1 G5/1 | A5/0.5 G5/0.5 D5/1 Bb4/2 |"
                 "A4/0.5 Bb4/0.5 D5/1 Eb5/1 D5/1 | A4/4 |"
                 "G5/0.5 A5/0.5 Bb5/1 A5/1 G5/1 | D5/1 Eb5/0.5 D5/0.5 Bb4/1 G4/1 |"
                 "A4/1 Bb4/0.5 A4/0.5 G4/1 Eb4/1 | D4/4 |",
                 {.velocity = 56, .swell = 10, .ring = 1.5});
    piece.Melody(flute, piece.Bar(15), "r/1 Eb5/1 D5/2^ |", breath);
    piece.Melody(flute, piece.Bar(19), "r/1 A4/3^ |", breath);

    piece.Melody(flute, piece.Bar(20),
                 "D5/2^ Eb5/1 D5/1 | Bb4/3 r/1 | A5/2^ Bb5/1 A5/1 | G5/3 r/1 |"
                 "Bb4/1.5 A4/0.5 G4/1 D4/1 | Eb4/2 D4/2 | G4/1 A4/1 Bb4/1 Eb5/1 | D5/4 |",
                 {.velocity = 60, .swell = 12, .legato = 0.9});
    piece.Melody(flute, piece.Bar(29), "r/2 G5/1 Eb5/1 | D5/8^ |",
                 {.velocity = 52, .swell = 4, .legato = 0.95});

    // The fountain: a knock on the stone and a lighter one as the bamboo swings back.
    for (double bar : {7.75, 11.75, 19.75, 27.75, 31.0}) {
        const long at = piece.Bar(bar);
        fountain.notes.push_back({at, kBeat / 4, 77, 52});
        fountain.notes.push_back({at + kBeat * 3 / 8, kBeat / 4, 77, 34});
    }

    piece.Slow(piece.Bar(29), piece.Bar(31), 60);
    piece.End(piece.Bar(32) + 2 * kBeat);
    return piece;
}

}  // namespace gen_audio
