// The bitmap seeds, written byte by byte: a library writer would give only the one or two
// kinds it prefers, and the point is to offer the reader every kind it takes.
#include <algorithm>

#include "Seeds.h"

namespace gen {

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

struct Bytes {
    std::vector<uint8_t> v;
    void U8(unsigned x) { v.push_back(static_cast<uint8_t>(x)); }
    void U16(unsigned x) {
        U8(x & 0xFF);
        U8(x >> 8 & 0xFF);
    }
    void U32(uint32_t x) {
        U16(x & 0xFFFF);
        U16(x >> 16);
    }
};

// Smooth colour with a sharp diagonal edge, so that no two rows of a seed are alike.
void Colour(int x, int y, int& r, int& g, int& b) {
    r = (x * 37 + y * 11) & 0xFF;
    g = (y * 53) & 0xFF;
    b = x > y ? 0xE0 : 0x20;
}

int Index(int x, int y, int colours) {
    return (x / 2 + y * 3) % colours;
}

struct Spec {
    int width = 8;
    int height = 6;
    int depth = 24;
    uint32_t compression = kRgb;
    uint32_t header = 40;  // 12 (OS/2), 40, 108 (V4) or 124 (V5)
    bool topDown = false;
    int colours = 0;               // palette entries of a depth of 8 or less
    std::vector<uint32_t> masks;   // red, green, blue (and alpha) of bitfield pixels
    std::vector<uint8_t> encoded;  // run-length pixels, when compressed
};

// The uncompressed rows, bottom row first unless top-down, each padded to 4 bytes.
std::vector<uint8_t> Rows(const Spec& s) {
    Bytes out;
    const bool rgb565 = s.masks.size() >= 3 && s.masks[1] == 0x07E0;
    const int colours = s.header == 12 ? 1 << s.depth : s.colours;
    for (int row = 0; row < s.height; ++row) {
        const int y = s.topDown ? row : s.height - 1 - row;
        const size_t start = out.v.size();
        unsigned bits = 0, count = 0;
        for (int x = 0; x < s.width; ++x) {
            int r, g, b;
            Colour(x, y, r, g, b);
            if (s.depth <= 8) {
                bits = bits << s.depth | static_cast<unsigned>(Index(x, y, colours));
                count += static_cast<unsigned>(s.depth);
                if (count == 8) {
                    out.U8(bits);
                    bits = count = 0;
                }
            } else if (s.depth == 16) {
                out.U16(rgb565 ? (r >> 3) << 11 | (g >> 2) << 5 | b >> 3
                               : (r >> 3) << 10 | (g >> 3) << 5 | b >> 3);
            } else {
                out.U8(static_cast<unsigned>(b));
                out.U8(static_cast<unsigned>(g));
                out.U8(static_cast<unsigned>(r));
                if (s.depth == 32)
                    out.U8(static_cast<unsigned>((x * 29) & 0xFF));
            }
        }
        if (count > 0)
            out.U8(bits << (8 - count));
        while ((out.v.size() - start) % 4 != 0)
            out.U8(0);
    }
    return out.v;
}

std::vector<uint8_t> Bitmap(const Spec& s) {
    const std::vector<uint8_t> pixels = s.encoded.empty() ? Rows(s) : s.encoded;
    Bytes info;
    info.U32(s.header);
    if (s.header == 12) {
        info.U16(static_cast<unsigned>(s.width));
        info.U16(static_cast<unsigned>(s.height));
        info.U16(1);
        info.U16(static_cast<unsigned>(s.depth));
    } else {
        info.U32(static_cast<uint32_t>(s.width));
        info.U32(static_cast<uint32_t>(s.topDown ? -s.height : s.height));
        info.U16(1);
        info.U16(static_cast<unsigned>(s.depth));
        info.U32(s.compression);
        info.U32(static_cast<uint32_t>(pixels.size()));
        info.U32(2835);  // 72 dpi
        info.U32(2835);
        info.U32(static_cast<uint32_t>(s.colours));
        info.U32(0);
        if (s.header >= 108) {
            for (size_t i = 0; i < 4; ++i)
                info.U32(i < s.masks.size() ? s.masks[i] : 0);
            info.U32(0x73524742);  // "sRGB"
            for (int i = 0; i < 12; ++i)
                info.U32(0);  // end points and gamma, unused with sRGB
        }
        if (s.header == 124)
            for (int i = 0; i < 4; ++i)
                info.U32(i == 0 ? 4 : 0);  // intent "images", no profile
        else if (s.header == 40 && s.compression == kBitfields)
            for (size_t i = 0; i < 3; ++i)
                info.U32(s.masks[i]);
    }
    // An OS/2 palette has three bytes an entry and always the full count.
    const int entries = s.header != 12 ? s.colours : s.depth <= 8 ? 1 << s.depth : 0;
    for (int i = 0; i < entries; ++i) {
        info.U8(static_cast<unsigned>((i * 70) & 0xFF));
        info.U8(static_cast<unsigned>((255 - i * 40) & 0xFF));
        info.U8(static_cast<unsigned>((i * 110) & 0xFF));
        if (s.header != 12)
            info.U8(0);
    }
    Bytes file;
    const auto offset = static_cast<uint32_t>(14 + info.v.size());
    file.U8('B');
    file.U8('M');
    file.U32(offset + static_cast<uint32_t>(pixels.size()));
    file.U32(0);
    file.U32(offset);
    file.v.insert(file.v.end(), info.v.begin(), info.v.end());
    file.v.insert(file.v.end(), pixels.begin(), pixels.end());
    return file.v;
}

// Run-length pixels of a small picture: runs, an absolute stretch, a jump ("delta") and the
// ends of line and bitmap, as 8 or 4 bits a pixel.
std::vector<uint8_t> SmallRle(bool four) {
    Bytes out;
    for (int y = 0; y < 6; ++y) {
        if (y == 3) {
            out.U8(0);  // jump two pixels right and one row up
            out.U8(2);
            out.U8(2);
            out.U8(1);
            continue;
        }
        out.U8(3);  // a run of three
        out.U8(four ? 0x12 : static_cast<unsigned>(y + 1));
        out.U8(0);  // five pixels as they are, then padding to a word
        out.U8(5);
        if (four) {
            out.U8(0x34);
            out.U8(0x56);
            out.U8(0x70);
            out.U8(0);
        } else {
            for (int i = 0; i < 5; ++i)
                out.U8(static_cast<unsigned>((i + y) % 8));
            out.U8(0);
        }
        out.U8(0);  // end of line
        out.U8(0);
    }
    out.U8(0);  // end of bitmap
    out.U8(1);
    return out.v;
}

// Run-length pixels the size of a tileset (370 x 568): two runs a row, so a few kB reach
// the tileset's own checks.
std::vector<uint8_t> TilesetRle(int width, int height, bool four) {
    Bytes out;
    for (int y = 0; y < height; ++y) {
        const int first = 120 + (y * 7) % 130;  // both runs within 255
        for (const int run : {first, width - first}) {
            out.U8(static_cast<unsigned>(run));
            const int colour = (y / 40 + (run == first ? 0 : 1)) % 4;
            out.U8(four ? static_cast<unsigned>(colour << 4 | ((colour + 1) % 4))
                        : static_cast<unsigned>(colour));
        }
        out.U8(0);
        out.U8(0);
    }
    out.U8(0);
    out.U8(1);
    return out.v;
}

}  // namespace

std::vector<Seed> BmpSeeds() {
    std::vector<Seed> seeds;
    auto add = [&seeds](const char* name, const Spec& spec) {
        seeds.push_back({name, Bitmap(spec)});
    };
    add("gen_1bit.bmp", {.width = 13, .depth = 1, .colours = 2});
    add("gen_4bit.bmp", {.width = 9, .depth = 4, .colours = 16});
    add("gen_8bit.bmp", {.width = 7, .height = 5, .depth = 8, .colours = 24});
    add("gen_16bit_555.bmp", {.width = 5, .depth = 16});
    add("gen_16bit_565.bmp",
        {.width = 5, .depth = 16, .compression = kBitfields, .masks = {0xF800, 0x07E0, 0x001F}});
    add("gen_24bit.bmp", {.width = 7});
    add("gen_24bit_top_down.bmp", {.width = 6, .topDown = true});
    add("gen_32bit.bmp", {.width = 5, .depth = 32});
    add("gen_32bit_bitfields.bmp",
        {.depth = 32, .compression = kBitfields, .masks = {0x00FF0000, 0x0000FF00, 0x000000FF}});
    add("gen_32bit_v4_alpha.bmp", {.width = 6,
                                   .depth = 32,
                                   .compression = kBitfields,
                                   .header = 108,
                                   .masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}});
    add("gen_24bit_v5.bmp", {.width = 5, .header = 124});
    add("gen_8bit_v5_top_down.bmp",
        {.width = 6, .depth = 8, .header = 124, .topDown = true, .colours = 12});
    add("gen_os2_4bit.bmp", {.width = 11, .depth = 4, .header = 12});
    add("gen_os2_24bit.bmp", {.width = 5, .header = 12});
    // Ten wide: the jump puts the row after it two pixels further right.
    add("gen_rle8.bmp",
        {.width = 10, .depth = 8, .compression = kRle8, .colours = 8, .encoded = SmallRle(false)});
    add("gen_rle4.bmp",
        {.width = 10, .depth = 4, .compression = kRle4, .colours = 8, .encoded = SmallRle(true)});
    add("gen_rle8_tileset.bmp", {.width = 370,
                                 .height = 568,
                                 .depth = 8,
                                 .compression = kRle8,
                                 .colours = 4,
                                 .encoded = TilesetRle(370, 568, false)});
    add("gen_rle4_tileset.bmp", {.width = 370,
                                 .height = 568,
                                 .depth = 4,
                                 .compression = kRle4,
                                 .colours = 4,
                                 .encoded = TilesetRle(370, 568, true)});
    return seeds;
}

}  // namespace gen
