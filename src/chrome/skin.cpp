#include "chrome/skin.h"

#include "records/pictures.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace orlavine {

namespace {

struct Cache {
    QHash<QString, QPixmap> pictures;
    int filesRead = 0;
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}

QPixmap ReadPicture(const QString& path)
{
    // An icon file holds several sizes; the first one is the small title-bar icon.
    QImageReader reader(path);
    return QPixmap::fromImage(reader.read());
}

} // namespace

ToolbarPictures ToolbarButtonPictures(const QString& stem)
{
    return {stem + QStringLiteral("_off.bmp"), stem + QStringLiteral("_on.bmp"),
            stem + QStringLiteral("_pressed.bmp"), stem + QStringLiteral("_disabled.bmp")};
}

const QPixmap& Skin::picture(const QString& name)
{
    Cache& cache = TheCache();
    auto found = cache.pictures.constFind(name);
    if (found != cache.pictures.constEnd())
        return *found;
    ++cache.filesRead;
    return *cache.pictures.insert(name, ReadPicture(FindGraphicsFile(name)));
}

const QPixmap& Skin::picture(const QString& name, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return picture(name);
    const QString sharpName = name.section(QLatin1Char('.'), 0, 0) + QStringLiteral("@2x.png");
    Cache& cache = TheCache();
    auto found = cache.pictures.constFind(sharpName);
    if (found == cache.pictures.constEnd()) {
        const QString path = FindGraphicsFile(sharpName);
        QPixmap sharp;
        if (QFileInfo::exists(path)) {
            ++cache.filesRead;
            sharp = ReadPicture(path);
            sharp.setDevicePixelRatio(2);
        }
        found = cache.pictures.insert(sharpName, sharp);
    }
    return found->isNull() ? picture(name) : *found;
}

void Skin::reload()
{
    TheCache().pictures.clear();
}

int Skin::filesRead()
{
    return TheCache().filesRead;
}

} // namespace orlavine
