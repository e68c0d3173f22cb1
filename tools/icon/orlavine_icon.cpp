// orlavine-icon PACKAGE_DIR OUT.png: writes the package's window icon (resource 85) as a
// 48-pixel PNG for the desktop entry.
#include "records/resources.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: orlavine-icon PACKAGE_DIR OUT.png\n");
        return 2;
    }
    const std::optional<QByteArray> bytes = orlavine::FolderResources(QString::fromLocal8Bit(argv[1])).load(85);
    if (!bytes) {
        std::fprintf(stderr, "orlavine-icon: the package has no window icon (resource 85)\n");
        return 1;
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    QImage best;
    do { // the largest picture the icon file holds
        const QImage image = reader.read();
        if (image.width() > best.width())
            best = image;
    } while (reader.jumpToNextImage());
    if (best.isNull() || !best.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "orlavine-icon: cannot make %s\n", argv[2]);
        return 1;
    }
    return 0;
}
