#include "Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace brevasto::PictureKinds {

namespace {

QHash<QString, PictureDecoder> &Kinds()
{
    static QHash<QString, PictureDecoder> kinds;
    return kinds;
}

} // namespace

void Register(const QString &extension, PictureDecoder decoder)
{
    Kinds().insert(extension.toLower(), std::move(decoder));
}

void Unregister(const QString &extension)
{
    Kinds().remove(extension.toLower());
}

bool IsRegistered(const QString &extension)
{
    return Kinds().contains(extension.toLower());
}

QImage Load(const QString &path)
{
    const auto kind = Kinds().constFind(QFileInfo(path).suffix().toLower());
    if (kind == Kinds().constEnd())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return (*kind)(file.readAll());
}

} // namespace brevasto::PictureKinds
