// Reading the pictures the player can choose: backgrounds and tilesets.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quorin {

// A file that starts like a JPEG (FF D8 FF) is read as JPEG, anything else as a Windows
// bitmap, whatever its name says. On success `out` is Format_RGB32; on failure it is left as
// it was and `error` names the file and the fault.
bool LoadPicture(const QString& path, QImage& out, QString& error);

// The same from the bytes of a whole file; `label` names it in the error.
bool DecodePicture(const QByteArray& data, const QString& label, QImage& out, QString& error);

// Empty when the headers of a Windows bitmap agree with its size, else what is wrong: a
// truncated or inconsistent file would otherwise draw memory that was never written.
QString BitmapFault(const QByteArray& data);

}  // namespace quorin
