#include "render/Tileset.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "board/Tiles.h"
#include "render/Pictures.h"

namespace quorin {

QRect Tileset::FaceCell(int face) {
    const FaceCellPos cell = quorin::FaceCell(face);
    return {41 * cell.col + 1, 51 * cell.row + 1, kFaceWidth, kFaceHeight};
}

QRect Tileset::FaceMask(int face) {
    return FaceCell(face).translated(0, kFaceMaskOffset);
}

QPoint Tileset::SpriteSlot(int face) {
    const FaceCellPos cell = quorin::FaceCell(face);
    return {kSpriteWidth * cell.col, kSpriteHeight * cell.row};
}

Tileset::Tileset()
    : source_(800, 600, QImage::Format_RGB32), sprites_(800, 600, QImage::Format_RGB32) {
    source_.fill(Qt::black);
    sprites_.fill(Qt::black);
    ChangeTexture();
}

bool Tileset::Load(const QString& path, QString* error) {
    QImage picture;
    QString message;
    if (!LoadPicture(path, picture, message)) {
        if (error)
            *error = message;
        return false;
    }
    if (!SetPicture(picture, path, error))
        return false;
    path_ = path;
    return true;
}

const QImage& Tileset::FinerSource(int k) const {
    static const QImage none;
    if (k < 2 || k > kMaxFactor || path_.isEmpty())
        return none;
    const size_t i = static_cast<size_t>(k - 2);
    if (!looked_[i]) {
        looked_[i] = true;
        const QFileInfo file(path_);
        const QString base =
            file.path() + '/' + file.completeBaseName() + QStringLiteral("@%1x.").arg(k);
        for (const char* ext : {"png", "bmp", "jpg"}) {
            const QString name = base + ext;
            if (!QFileInfo::exists(name))
                continue;
            // A finer picture that does not match the loaded one is left out rather than
            // drawn from the wrong places.
            QImage picture;
            QString ignored;
            if (QFileInfo(name).suffix() == "png")
                picture = QImageReader(name).read();
            else
                LoadPicture(name, picture, ignored);
            // Qt reads "@2x" in a name as a picture for a screen of that pixel ratio; the
            // board places every piece itself, in device pixels.
            picture.setDevicePixelRatio(1);
            if (picture.size() == source_.size() * k)
                finer_[i] = picture.convertToFormat(QImage::Format_RGB32);
            break;
        }
    }
    return finer_[i];
}

int Tileset::SourceFactorFor(double scale) const {
    int best = 1;
    for (int k = 2; k <= kMaxFactor; ++k) {
        if (best >= scale - 1e-9)
            break;
        if (!FinerSource(k).isNull())
            best = k;
    }
    return best;
}

bool Tileset::SetPicture(const QImage& picture, const QString& name, QString* error) {
    if (picture.width() < kMinWidth || picture.height() < kMinHeight) {
        if (error)
            *error = QStringLiteral(
                         "%1 is too small for a tileset: %2 x %3 pixels, at least %4 x %5 "
                         "needed.")
                         .arg(name)
                         .arg(picture.width())
                         .arg(picture.height())
                         .arg(kMinWidth)
                         .arg(kMinHeight);
        return false;
    }
    source_ = picture.convertToFormat(QImage::Format_RGB32);
    path_.clear();
    finer_ = {};
    looked_ = {};
    ChangeTexture();
    return true;
}

void Tileset::ChangeTexture() {
    ++generation_;
    QPainter p(&sprites_);
    for (int face = 1; face <= kFaceCount; ++face) {
        const QPoint slot = SpriteSlot(face);
        const QPoint faceArea = slot + QPoint(6, 0);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(slot, source_, kBlankTile);
        // The mask clears the face where the symbols go, the face cell (black elsewhere)
        // fills them in.
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(faceArea, source_, FaceMask(face));
        p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        p.drawImage(faceArea, source_, FaceCell(face));
    }
}

}  // namespace quorin
