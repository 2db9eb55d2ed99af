// A tileset picture and the 42 tile sprites composed from it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

namespace quorin {

class Tileset {
  public:
    // Regions of the tileset picture.
    static constexpr QRect kBlankTile{0, 256, 46, 56};
    static constexpr QRect kBlankFace{6, 256, 40, 50};
    static constexpr QRect kSelectionTint{52, 256, 40, 50};  // also the editor's ghost face
    static constexpr QRect kHintTint{98, 256, 40, 50};       // also the "Colored Tile" hover
    static constexpr QRect kTileMask{138, 256, 46, 56};
    static constexpr QRect kCornerMask{178, 306, 6, 6};
    static constexpr int kFaceMaskOffset = 312;

    static constexpr int kSpriteWidth = 46;
    static constexpr int kSpriteHeight = 56;
    static constexpr int kFaceWidth = 40;
    static constexpr int kFaceHeight = 50;

    // A picture must reach the last face mask (column 8, row 4): 41 * 8 + 1 + 40 wide and
    // 51 * 4 + 1 + 50 + 312 high.
    static constexpr int kMinWidth = 370;
    static constexpr int kMinHeight = 568;

    // Face picture of face 1..42 in the tileset picture, and its mask.
    static QRect FaceCell(int face);
    static QRect FaceMask(int face);
    // Top-left corner of the sprite of face 1..42 in TileSprites().
    static QPoint SpriteSlot(int face);

    // Starts with a black picture: tiles stay invisible until a tileset is loaded.
    Tileset();

    // Reads a tileset file. A file that cannot be read or is too small leaves the current
    // picture and sprites as they were, and `error` (when given) says why.
    bool Load(const QString& path, QString* error);
    // The same with a picture already in memory; `name` names it in messages.
    bool SetPicture(const QImage& picture, const QString& name, QString* error);

    // Composes every sprite from the picture: the blank tile with the face laid into it.
    void ChangeTexture();

    // The picture as loaded (Format_RGB32, its own size; 800 x 600 before the first load).
    const QImage& TilesetSource() const { return source_; }

    // The same tileset drawn at `k` (2 to 4) times the size, for boards drawn larger: a file
    // NAME@2x.png (or .bmp, .jpg) beside NAME.bmp, with every region at k times its place
    // and size. Read when first asked for; null when there is none or it does not fit the
    // picture (another size, unreadable).
    const QImage& FinerSource(int k) const;
    // The factor a board drawn at `scale` device pixels per board pixel reads: the smallest
    // among 1 and the finer pictures there are that is at least `scale`, else the largest.
    int SourceFactorFor(double scale) const;
    // Counts loads and picture changes, so drawings made from the pictures know when to
    // make themselves again.
    int Generation() const { return generation_; }
    // 800 x 600, Format_RGB32.
    const QImage& TileSprites() const { return sprites_; }

  private:
    static constexpr int kMaxFactor = 4;

    QImage source_;
    QImage sprites_;
    QString path_;  // empty for a picture set from memory
    int generation_ = 0;
    mutable std::array<QImage, kMaxFactor - 1> finer_;
    mutable std::array<bool, kMaxFactor - 1> looked_{};
};

}  // namespace quorin
