// "Night": a slow nocturne in A minor for piano, with a flute in the middle section.
// Form: intro, A (question and answer), B (flute, towards the relative major), A' (answer
// with strings), coda that settles on a long A minor ninth.
#include "Pieces.h"

namespace gen_audio {

Piece ComposeNight() {
    Piece piece("Night", 4, 4, 66, "A B C D E F G");
    piece.Key(0, true);

    Voice& melody = piece.AddVoice("Piano", 0, 120, 58, 70);
    Voice& left = piece.AddVoice("Piano (left hand)", 0, 92, 50, 70);
    Voice& pad = piece.AddVoice("Warm Pad", 89, 66, 64, 90, 30);
    Voice& flute = piece.AddVoice("Flute", 73, 104, 76, 80);
    Voice& strings = piece.AddVoice("Strings", 49, 70, 40, 85);

    const char* am9 = "[A2 E3 B3 C4 E4]";
    const char* fmaj9 = "[F2 C3 G3 A3 E4]";
    const char* cadd9 = "[C3 G3 D4 E4 G4]";
    const char* g69 = "[G2 D3 A3 B3 E4]";
    const char* dm9 = "[D2 A2 E3 F3 C4]";
    const char* esus = "[E2 B2 E3 A3 B3]";
    const char* em7 = "[E2 B2 D3 G3 B3]";
    auto bars = [](std::initializer_list<std::pair<const char*, const char*>> list) {
        std::string text;
        for (const auto& [chord, length] : list) {
            text += std::string(chord) + "/" + length + " ";
        }
        return text;
    };

    const Progression intro = piece.Chords(piece.Bar(0), bars({{am9, "4"}, {am9, "4"}}));
    const Progression question = piece.Chords(piece.Bar(2), bars({{am9, "4"},
                                                                  {fmaj9, "4"},
                                                                  {cadd9, "4"},
                                                                  {g69, "4"},
                                                                  {am9, "4"},
                                                                  {fmaj9, "4"},
                                                                  {dm9, "4"},
                                                                  {esus, "2"},
                                                                  {em7, "2"}}));
    const Progression answer = piece.Chords(piece.Bar(10), bars({{am9, "4"},
                                                                 {fmaj9, "4"},
                                                                 {cadd9, "4"},
                                                                 {g69, "4"},
                                                                 {am9, "4"},
                                                                 {fmaj9, "4"},
                                                                 {dm9, "2"},
                                                                 {esus, "2"},
                                                                 {am9, "4"}}));
    const Progression middle = piece.Chords(piece.Bar(18), bars({{fmaj9, "4"},
                                                                 {g69, "4"},
                                                                 {em7, "4"},
                                                                 {am9, "4"},
                                                                 {dm9, "4"},
                                                                 {g69, "4"},
                                                                 {cadd9, "4"},
                                                                 {esus, "2"},
                                                                 {em7, "2"}}));
    const Progression reprise = piece.Chords(piece.Bar(26), bars({{am9, "4"},
                                                                  {fmaj9, "4"},
                                                                  {cadd9, "4"},
                                                                  {g69, "4"},
                                                                  {am9, "4"},
                                                                  {fmaj9, "4"},
                                                                  {dm9, "2"},
                                                                  {esus, "2"},
                                                                  {am9, "4"}}));
    const Progression coda = piece.Chords(piece.Bar(34), bars({{fmaj9, "4"}, {g69, "4"}}));
    const Progression last = piece.Chords(piece.Bar(36), "[A2 E3 B3 C4 E4 A4]/8");

    // The left hand flows in eighths; each note rings until the harmony moves, as with
    // the pedal down.
    const char* flowing = "0/0.5 1/0.5 2/0.5 3/0.5 4/0.5 3/0.5 2/0.5 1/0.5";
    const char* wider = "0/0.5 2/0.5 4/0.5 2/0.5 3/0.5 2/0.5 1/0.5 2/0.5";
    Figure(piece, left, intro, flowing, 44);
    Figure(piece, left, question, flowing, 46);
    Figure(piece, left, answer, flowing, 46);
    Figure(piece, left, middle, "0/1 2/0.5 4/0.5 3/1 2/1", 44);
    Figure(piece, left, reprise, wider, 46);
    Figure(piece, left, coda, wider, 44);
    Figure(piece, left, last, "0/0.5 1/0.5 2/0.5 3/0.5 4/0.5 5/5.5", 42);

    for (const Progression* p : {&intro, &question, &answer, &middle, &reprise, &coda, &last}) {
        Hold(pad, *p, 40, 1);
    }
    Fade(pad, piece.Bar(0), piece.Bar(2), 30, 110);
    Fade(pad, piece.Bar(36), piece.Bar(38), 110, 20);

    Phrasing piano{.velocity = 60, .swell = 10, .legato = 1.0};
    piece.Melody(melody, piece.Bar(2),
                 "E5/1.5 D5/0.5 C5/1 A4/1 | G4/2 A4/2 | C5/1.5 D5/0.5 E5/1 G5/1 | E5/4 |"
                 "E5/1.5 D5/0.5 C5/1 A4/1 | C5/1.5 D5/0.5 E5/2 | D5/1 C5/1 A4/1 G4/1 |"
                 "A4/2 G4/2 |",
                 piano);
    const char* answerTune =
        "E5/1.5 D5/0.5 C5/1 A4/1 | G4/2 A4/2 | C5/1.5 D5/0.5 E5/1 G5/1 | A5/3 G5/1 |"
        "E5/1.5 G5/0.5 A5/2 | G5/1 E5/1 D5/1 C5/1 | D5/1.5 C5/0.5 A4/1 B4/1 | A4/4 |";
    piece.Melody(melody, piece.Bar(10), answerTune, piano);

    // Middle section: the flute sings, the piano answers with a soft chime on the third
    // beat, the strings come in underneath.
    piece.Melody(flute, piece.Bar(18),
                 "A5/2 G5/1 E5/1 | D5/3 r/1 | G5/1.5 E5/0.5 D5/1 B4/1 | C5/4 |"
                 "D5/1 E5/1 F5/1 A5/1 | G5/2 D5/2 | E5/1.5 D5/0.5 C5/1 G4/1 | A4/2 B4/2 |",
                 {.velocity = 54, .swell = 12, .legato = 0.96});
    Figure(piece, melody, middle, "r/2 4+/1 3+/1", 40, 1.5);
    Hold(strings, middle, 40, 2);
    Fade(strings, piece.Bar(18), piece.Bar(20), 40, 110);

    // A': the answer again, an octave lower in the strings' company, then the coda.
    piece.Melody(melody, piece.Bar(26), answerTune, {.velocity = 58, .swell = 12, .legato = 1.0});
    Hold(strings, reprise, 38, 1);
    Hold(strings, coda, 38, 1);
    Hold(strings, last, 36, 2);
    Fade(strings, piece.Bar(36), piece.Bar(38), 110, 10);
    piece.Melody(melody, piece.Bar(34), "r/2 E5/1 G5/1 | A5/3 G5/1 | A5/8 |",
                 {.velocity = 50, .swell = 6, .legato = 1.0});

    piece.Slow(piece.Bar(34), piece.Bar(36), 52);
    piece.End(piece.Bar(38) + 2 * kBeat);
    return piece;
}

}  // namespace gen_audio
