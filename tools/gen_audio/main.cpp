// gen_audio: synthesises Quorin's three sound effects and composes its background music.
//
// Writes, under the repository folder given as its only argument (default: the current
// folder):
//   resources/sounds/select.wav, noway.wav, done.wav   16-bit mono PCM, 11025 Hz
//   data/Musics/*.mid                                   standard MIDI files, format 1
//
// The output is the same on every run, so regenerating only shows a difference when the
// sounds or the music have been changed here. To run it again, from the repository top:
//   cmake -S . -B build -G Ninja -DQUORIN_GENERATORS=ON
//   cmake --build build --target gen_audio
//   build/gen_audio .
// To hear a piece as the game plays it, render it with the General MIDI SoundFont, e.g.
//   fluidsynth -ni -F night.wav /usr/share/sounds/sf2/default-GM.sf2 "data/Musics/Night.mid"
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Pieces.h"
#include "Sounds.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    // Written beside the target and renamed over it, so an interrupted run never leaves a
    // truncated file behind.
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    fs::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: %s [repository folder]\n", argv[0]);
        return 2;
    }
    const fs::path root = argc == 2 ? fs::path(argv[1]) : fs::current_path();
    try {
        using namespace gen_audio;
        const fs::path sounds = root / "resources" / "sounds";
        // The selection tick is heard most often: the softest of the three. The others
        // sit at -6 dBFS.
        Write(sounds / "select.wav", EncodeWave(SelectSound(), 0.45, 2, 8));
        Write(sounds / "noway.wav", EncodeWave(NoWaySound(), 0.5, 2, 6));
        Write(sounds / "done.wav", EncodeWave(DoneSound(), 0.5, 2, 70));
        std::printf("sounds written to %s\n", sounds.string().c_str());

        for (const PieceEntry& entry : AllPieces()) {
            const Piece piece = entry.compose();
            Write(root / "data" / "Musics" / entry.fileName, piece.ToMidi());
            std::printf("%-20s %5.1f s\n", entry.fileName.c_str(), piece.Seconds());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen_audio: %s\n", e.what());
        return 1;
    }
    return 0;
}
