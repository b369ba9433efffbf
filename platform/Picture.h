#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

namespace brevasto {

// Turns the bytes of a picture file into an image; throws std::runtime_error on data
// it cannot decode.
using PictureDecoder = std::function<QImage(const QByteArray &)>;

// The picture kinds the program knows, by file extension (lower case, no dot).
// A picture of a kind that is not registered is not made at all.
namespace PictureKinds {
void Register(const QString &extension, PictureDecoder decoder);
void Unregister(const QString &extension);
bool IsRegistered(const QString &extension);
// Decodes the file at `path` (a file or a Qt resource) with the kind its extension
// names; a null image when the kind is unknown or the file cannot be read.
QImage Load(const QString &path);
} // namespace PictureKinds

} // namespace brevasto
