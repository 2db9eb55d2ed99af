// The seeds of the picture fuzz targets must open every door of the readers: a fuzzer that
// starts from a few files of one kind spends its time looking for a header the reader takes
// and never gets deep into a decoder. Every kind counted here is a seed the readers accept.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "render/Pictures.h"
#include "render/Tileset.h"

namespace {

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

unsigned Byte(const QByteArray& d, qsizetype at) {
    return at < d.size() ? static_cast<unsigned char>(d[at]) : 0u;
}

unsigned Le(const QByteArray& d, qsizetype at, int bytes) {
    unsigned value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | Byte(d, at + i);
    return value;
}

bool IsJpeg(const QByteArray& d) {
    return Byte(d, 0) == 0xFF && Byte(d, 1) == 0xD8;
}

// "header 40", "depth 8", "compression 1", "top-down" for a bitmap.
void BitmapKinds(const QByteArray& d, std::set<std::string>& kinds) {
    const unsigned header = Le(d, 14, 4);
    kinds.insert("header " + std::to_string(header));
    const bool os2 = header == 12;
    kinds.insert("depth " + std::to_string(Le(d, os2 ? 24 : 28, 2)));
    kinds.insert("compression " + std::to_string(os2 ? 0 : Le(d, 30, 4)));
    if (!os2 && static_cast<int32_t>(Le(d, 22, 4)) < 0)
        kinds.insert("top-down");
}

// "SOF c2" (the frame type), "components 3", "sampling 21" of the first component, and
// "restarts" for a JPEG.
void JpegKinds(const QByteArray& d, std::set<std::string>& kinds) {
    for (qsizetype at = 2; at + 4 <= d.size();) {
        if (Byte(d, at) != 0xFF)
            return;
        const unsigned marker = Byte(d, at + 1);
        const unsigned length = Byte(d, at + 2) << 8 | Byte(d, at + 3);
        if (marker == 0xDA)
            return;  // the scans follow
        if (marker == 0xDD)
            kinds.insert("restarts");
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            char sof[8];
            std::snprintf(sof, sizeof sof, "SOF %x", marker);
            kinds.insert(sof);
            kinds.insert("components " + std::to_string(Byte(d, at + 9)));
            char sampling[16];
            std::snprintf(sampling, sizeof sampling, "sampling %x", Byte(d, at + 11));
            kinds.insert(sampling);
        }
        at += 2 + length;
    }
}

// What the readers accept of a corpus folder.
std::set<std::string> AcceptedKinds(const QString& folder) {
    std::set<std::string> kinds;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const QString path = folder + "/" + name;
        const QByteArray data = Read(path);
        QImage picture;
        QString error;
        if (!quorin::DecodePicture(data, name, picture, error))
            continue;
        if (IsJpeg(data)) {
            kinds.insert("jpeg");
            JpegKinds(data, kinds);
        } else {
            kinds.insert("bitmap");
            BitmapKinds(data, kinds);
            quorin::Tileset tileset;
            QString tilesetError;
            if (tileset.Load(path, &tilesetError))
                kinds.insert("tileset");
        }
    }
    return kinds;
}

void ExpectKinds(const std::set<std::string>& found, const std::set<std::string>& wanted) {
    for (const std::string& kind : wanted)
        EXPECT_TRUE(found.count(kind)) << "no accepted seed of the kind \"" << kind << "\"";
}

}  // namespace

TEST(FuzzSeeds, BitmapSeedsCoverEveryKindTheReaderTakes) {
    const std::set<std::string> kinds = AcceptedKinds(QUORIN_SOURCE_DIR "/tests/fuzz/corpus/bmp");
    ExpectKinds(kinds,
                {"depth 1", "depth 4", "depth 8", "depth 16", "depth 24", "depth 32",
                 "compression 0", "compression 1", "compression 2", "compression 3", "header 12",
                 "header 40", "header 108", "header 124", "top-down", "tileset", "jpeg"});
}

TEST(FuzzSeeds, JpegSeedsCoverEveryCodingTheDecoderTakes) {
    const std::set<std::string> kinds = AcceptedKinds(QUORIN_SOURCE_DIR "/tests/fuzz/corpus/jpeg");
    ExpectKinds(kinds, {"SOF c0", "SOF c2", "SOF c9", "SOF ca", "components 1", "components 3",
                        "sampling 11", "sampling 21", "sampling 12", "sampling 22", "sampling 41",
                        "restarts", "bitmap"});
}
