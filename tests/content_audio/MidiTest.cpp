// Every piece of the Musics folder, read with a reader of our own that is stricter than the
// synthesiser: a file that passes here plays to its end, releases every note and tells
// its true length to the end-of-piece check of the music player.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ContentFiles.h"

namespace {

using content_test::BigEndian;

struct MidiSummary {
    int format = -1;
    int declaredTracks = 0;
    int trackChunks = 0;
    int division = 0;
    long endTick = 0;
    std::vector<std::pair<long, uint32_t>> tempi;  // tick, microseconds per quarter
    int notes = 0;
    int minVelocity = 128;
    int maxVelocity = 0;
    std::map<int, long> firstNote;     // channel, tick
    std::map<int, long> firstProgram;  // channel, tick
    std::vector<std::string> errors;

    double Seconds() const {
        std::vector<std::pair<long, uint32_t>> map = tempi;
        std::stable_sort(map.begin(), map.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        double seconds = 0;
        long tick = 0;
        uint32_t tempo = 500000;  // until the first tempo event
        for (const auto& [at, value] : map) {
            seconds += (std::min(at, endTick) - tick) * tempo / 1e6 / division;
            tick = std::min(at, endTick);
            tempo = value;
        }
        return seconds + (endTick - tick) * tempo / 1e6 / division;
    }
};

void ReadTrack(const std::vector<uint8_t>& b, size_t from, size_t to, int track, MidiSummary& m) {
    auto error = [&](const std::string& what, size_t at) {
        m.errors.push_back("track " + std::to_string(track) + " at byte " + std::to_string(at) +
                           ": " + what);
    };
    std::map<int, int> sounding;  // channel * 128 + key
    long tick = 0;
    size_t at = from;
    int status = 0;
    bool ended = false;
    auto readLength = [&](size_t& pos) {
        unsigned long value = 0;
        for (int i = 0; i < 4; ++i) {
            if (pos >= to) {
                error("variable-length number runs past the chunk", pos);
                return 0ul;
            }
            const uint8_t c = b[pos++];
            value = (value << 7) | (c & 0x7F);
            if ((c & 0x80) == 0) {
                return value;
            }
        }
        error("variable-length number longer than four bytes", pos);
        return value;
    };

    while (at < to && !ended) {
        tick += static_cast<long>(readLength(at));
        if (at >= to) {
            error("delta time without an event", at);
            break;
        }
        if (b[at] < 0x80) {
            error("running status", at);
            if (status == 0) {
                break;
            }
        } else {
            status = b[at++];
        }

        if (status == 0xFF) {
            if (at >= to) {
                error("meta event cut off", at);
                break;
            }
            const uint8_t type = b[at++];
            const unsigned long length = readLength(at);
            if (at + length > to) {
                error("meta event runs past the chunk", at);
                break;
            }
            if (type == 0x2F) {
                ended = true;
                if (length != 0) {
                    error("End of Track with data", at);
                }
                m.endTick = std::max(m.endTick, tick);
            } else if (type == 0x51) {
                if (length != 3) {
                    error("tempo event of the wrong size", at);
                } else {
                    m.tempi.push_back({tick, BigEndian(b, at, 3)});
                }
            }
            at += length;
            status = 0;  // meta and system events cancel running status
        } else if (status == 0xF0 || status == 0xF7) {
            at += readLength(at);
            status = 0;
        } else if (status >= 0xF1) {
            error("system message in a file", at);
            break;
        } else {
            const int kind = status & 0xF0;
            const int channel = status & 0x0F;
            const size_t count = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            if (at + count > to) {
                error("channel message cut off", at);
                break;
            }
            for (size_t i = 0; i < count; ++i) {
                if (b[at + i] >= 0x80) {
                    error("data byte with its high bit set", at + i);
                }
            }
            const int key = b[at];
            const int value = count == 2 ? b[at + 1] : 0;
            const int slot = channel * 128 + key;
            if (kind == 0x90 && value > 0) {
                if (sounding[slot] > 0) {
                    error("key " + std::to_string(key) + " struck again while it sounds", at);
                }
                ++sounding[slot];
                ++m.notes;
                m.minVelocity = std::min(m.minVelocity, value);
                m.maxVelocity = std::max(m.maxVelocity, value);
                m.firstNote.try_emplace(channel, tick);
            } else if (kind == 0x80 || kind == 0x90) {
                if (sounding[slot] == 0) {
                    error("note-off of key " + std::to_string(key) + " that does not sound", at);
                } else {
                    --sounding[slot];
                }
            } else if (kind == 0xC0) {
                m.firstProgram.try_emplace(channel, tick);
            }
            at += count;
        }
    }
    if (!ended) {
        error("no End of Track", at);
    } else if (at != to) {
        error("End of Track before the end of the chunk", at);
    }
    for (const auto& [slot, count] : sounding) {
        if (count > 0) {
            error("key " + std::to_string(slot % 128) + " on channel " +
                      std::to_string(slot / 128 + 1) + " never released",
                  to);
        }
    }
}

MidiSummary ReadMidi(const std::vector<uint8_t>& b) {
    MidiSummary m;
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd") {
        m.errors.push_back("no MThd header");
        return m;
    }
    if (BigEndian(b, 4, 4) != 6) {
        m.errors.push_back("MThd length is not 6");
    }
    m.format = static_cast<int>(BigEndian(b, 8, 2));
    m.declaredTracks = static_cast<int>(BigEndian(b, 10, 2));
    m.division = static_cast<int>(BigEndian(b, 12, 2));
    if (m.division == 0 || (m.division & 0x8000) != 0) {
        m.errors.push_back("division is not in ticks per quarter note");
        return m;
    }
    for (size_t at = 8 + BigEndian(b, 4, 4); at < b.size();) {
        if (at + 8 > b.size()) {
            m.errors.push_back("chunk header cut off at byte " + std::to_string(at));
            break;
        }
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const size_t length = BigEndian(b, at + 4, 4);
        if (at + 8 + length > b.size()) {
            m.errors.push_back("chunk " + id + " runs past the end of the file");
            break;
        }
        if (id == "MTrk") {
            ReadTrack(b, at + 8, at + 8 + length, m.trackChunks, m);
            ++m.trackChunks;
        }
        at += 8 + length;
    }
    return m;
}

std::vector<std::string> MusicFiles() {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry :
         std::filesystem::directory_iterator(content_test::SourcePath("data/Musics"), ec)) {
        if (entry.path().extension() == ".mid") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Music, AtLeastFivePiecesAndNightAmongThem) {
    const auto names = MusicFiles();
    EXPECT_GE(names.size(), 5u);
    // A first start plays "Night".
    EXPECT_NE(std::find(names.begin(), names.end(), "Night.mid"), names.end());
}

TEST(Music, ReaderCatchesBrokenTracks) {
    // Header, then one track: note-on, a running-status note-on, End of Track with a note
    // still held, and a stray byte after it.
    const std::vector<uint8_t> file{'M', 'T', 'h', 'd', 0,   0,   0,    6,    0, 0,    0,   1,
                                    0,   96,  'M', 'T', 'r', 'k', 0,    0,    0, 13,   0,   0x90,
                                    60,  64,  10,  62,  64,  0,   0xFF, 0x2F, 0, 0x00, 0x00};
    const MidiSummary m = ReadMidi(file);
    auto mentions = [&](const std::string& text) {
        return std::any_of(m.errors.begin(), m.errors.end(),
                           [&](const std::string& e) { return e.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(mentions("running status"));
    EXPECT_TRUE(mentions("never released"));
    EXPECT_TRUE(mentions("before the end of the chunk"));
}

class Piece : public testing::TestWithParam<std::string> {
  protected:
    MidiSummary Read() const {
        const auto bytes =
            content_test::ReadBytes(content_test::SourcePath("data/Musics/" + GetParam()));
        EXPECT_FALSE(bytes.empty());
        return ReadMidi(bytes);
    }
};

TEST_P(Piece, IsAWellFormedStandardMidiFile) {
    const MidiSummary m = Read();
    for (const std::string& e : m.errors) {
        ADD_FAILURE() << e;
    }
    EXPECT_TRUE(m.format == 0 || m.format == 1) << "format " << m.format;
    EXPECT_EQ(m.declaredTracks, m.trackChunks);
    if (m.format == 0) {
        EXPECT_EQ(m.trackChunks, 1);
    }
    EXPECT_GT(m.notes, 100);
}

TEST_P(Piece, LastsOneToThreeMinutes) {
    const MidiSummary m = Read();
    ASSERT_FALSE(m.tempi.empty()) << "no tempo";
    const double seconds = m.Seconds();
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 180.0);
}

TEST_P(Piece, ChoosesItsInstrumentsAndPlaysSoftly) {
    const MidiSummary m = Read();
    for (const auto& [channel, tick] : m.firstNote) {
        if (channel == 9) {
            continue;  // percussion needs no program
        }
        const auto program = m.firstProgram.find(channel);
        EXPECT_TRUE(program != m.firstProgram.end() && program->second <= tick)
            << "channel " << channel + 1 << " plays before its instrument is chosen";
    }
    EXPECT_GE(m.firstNote.size(), 3u) << "several instruments";
    // Music behind a puzzle: no note is hammered.
    EXPECT_GE(m.minVelocity, 20);
    EXPECT_LE(m.maxVelocity, 90);
}

INSTANTIATE_TEST_SUITE_P(Musics, Piece, testing::ValuesIn(MusicFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (char c : info.param.substr(0, info.param.size() - 4)) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += c;
                                 }
                             }
                             return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Piece);

}  // namespace
