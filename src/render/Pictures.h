// Reading the pictures the player can choose: backgrounds and tilesets.
#pragma once

#include <QImage>
#include <QString>

namespace quorin {

// A path containing ".jpg" (in lower case, anywhere) is read as JPEG, anything else as a
// Windows bitmap, whatever the file holds. On success `out` is Format_RGB32; on failure it
// is left as it was and `error` names the file and the fault.
bool LoadPicture(const QString& path, QImage& out, QString& error);

}  // namespace quorin
