// Fuzz target for the bitmap pictures: backgrounds through LoadPicture and tilesets through
// Tileset::Load, as the game reads them from disk. A refused file must leave the previous
// picture untouched and say why, naming the file; an accepted one must be a real picture.
#include <cstddef>
#include <cstdint>
#include <string>

#include <QImage>
#include <QString>

#include "FuzzFile.h"
#include "render/Pictures.h"
#include "render/Tileset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quorin;
    using fuzz::Check;
    const QString path = QString::fromStdString(fuzz::WriteInput(data, size, "Fuzz.bmp"));

    const QImage before(3, 2, QImage::Format_RGB32);
    QImage picture = before;
    QString error;
    if (LoadPicture(path, picture, error)) {
        Check(!picture.isNull() && picture.format() == QImage::Format_RGB32);
    } else {
        Check(picture.constBits() == before.constBits());
        Check(error.contains(path));
    }

    static Tileset tileset;
    const QImage sprites = tileset.TileSprites();
    QString tileError;
    if (!tileset.Load(path, &tileError)) {
        Check(!tileError.isEmpty());
        Check(tileset.TileSprites() == sprites);
    } else {
        Check(tileset.TilesetSource().width() >= Tileset::kMinWidth);
        Check(tileset.TilesetSource().height() >= Tileset::kMinHeight);
    }
    return 0;
}
