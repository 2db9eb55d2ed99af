// A JPEG picture decoded with libjpeg straight into a QImage the board can draw.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quorin {

class JpegPicture {
  public:
    // Reads and decodes a file. On failure Image() keeps what it held and Error() says why.
    bool Load(const QString& path);
    // Decodes a whole JPEG file held in memory.
    bool Decode(const QByteArray& data);

    // Format_RGB32.
    const QImage& Image() const { return image_; }
    const QString& Error() const { return error_; }

    // Larger pictures are refused rather than risking the memory of the whole game.
    static constexpr qint64 kMaxPixels = qint64{1} << 26;
    // Real pictures have a handful of scans; a file of hundreds of empty ones would make the
    // decoder go over a huge picture hundreds of times.
    static constexpr int kMaxScans = 100;

  private:
    QImage image_;
    QString error_;
};

}  // namespace quorin
