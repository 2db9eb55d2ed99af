#include "TilesetPicture.h"

#include <QPainter>

#include "Faces.h"
#include "Poster.h"
#include "TilesetLayout.h"

namespace tilesets {

FaceLayers SplitFace(const QImage& symbols, const QImage& faceBackground) {
    FaceLayers layers{QImage(symbols.size(), QImage::Format_RGB32),
                      QImage(symbols.size(), QImage::Format_RGB32)};
    const QImage src = symbols.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const QRgb s = src.pixel(x, y);
            const int a = qAlpha(s);
            if (a < kCoverageThreshold) {
                layers.cell.setPixel(x, y, qRgb(0, 0, 0));
                layers.mask.setPixel(x, y, qRgb(255, 255, 255));
                continue;
            }
            const QRgb b = faceBackground.pixel(x, y);
            auto over = [a](int sc, int bc) { return sc + (bc * (255 - a) + 127) / 255; };
            layers.cell.setPixel(
                x, y,
                qRgb(over(qRed(s), qRed(b)), over(qGreen(s), qGreen(b)), over(qBlue(s), qBlue(b))));
            layers.mask.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return layers;
}

std::vector<QImage> PaintAllSymbols(int k, QString* error) {
    std::vector<QImage> symbols;
    for (int f = 1; f <= kFaceCount; ++f)
        symbols.push_back(PaintFaceSymbols(f, k, error));
    return symbols;
}

std::vector<FaceLayers> MakeFaces(const std::vector<QImage>& symbols, const FaceFinish& finish,
                                  int k) {
    const QImage face = PaintFaceBackground(finish.face, finish.flat, k);
    std::vector<FaceLayers> faces;
    for (int f = 1; f <= kFaceCount; ++f) {
        const QImage& drawn = symbols[f - 1];
        faces.push_back(SplitFace(
            finish.flat ? PosterSymbols(drawn, f, k) : WithIndex(drawn, IndexOf(f), k), face));
    }
    return faces;
}

QImage PaintTilesetPicture(const BorderStyle& style, const std::vector<FaceLayers>& faces, int k) {
    QImage picture(kPictureWidth * k, kPictureHeight * k, QImage::Format_RGB32);
    picture.fill(kNeutral);
    QPainter p(&picture);
    for (int f = 1; f <= kFaceCount; ++f) {
        p.drawImage(FaceCellPos(f) * k, faces[f - 1].cell);
        p.drawImage(FaceMaskPos(f) * k, faces[f - 1].mask);
    }
    p.drawImage(kBlankTilePos * k, PaintBlankTile(style, k));
    const FaceFinish& finish = style.finish;
    p.drawImage(kSelectTintPos * k, PaintFaceBackground(finish.select, finish.flat, k));
    p.drawImage(kHintTintPos * k, PaintFaceBackground(finish.hint, finish.flat, k));
    p.drawImage(kTileMaskPos * k, PaintTileMask(k));
    return picture;
}

}  // namespace tilesets
