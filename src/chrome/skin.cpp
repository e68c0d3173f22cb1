#include "chrome/skin.h"

#include "records/pictures.h"

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
    // The image reader gives a picture named "...@2x" its device pixel ratio of 2.
    const QPixmap& sharp =
        picture(name.section(QLatin1Char('.'), 0, 0) + QStringLiteral("@2x.png"));
    return sharp.isNull() ? picture(name) : sharp;
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
