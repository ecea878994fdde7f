#include "forms/pictures.h"

#include <QImage>
#include <QImageReader>
#include <QPixmapCache>

namespace forms {

namespace {

QPixmap decode(const QString& path, int size)
{
    QImageReader reader(path);
    QImage best;
    do {
        QImage image = reader.read();
        if (image.isNull())
            break;
        const bool exact = size > 0 && image.width() == size;
        const bool larger = size == 0 && image.width() > best.width();
        if (best.isNull() || exact || larger)
            best = image;
        if (exact)
            break;
    } while (reader.jumpToNextImage());
    return QPixmap::fromImage(best);
}

} // namespace

QPixmap embeddedPixels(const QString& path, int size)
{
    // Qt's pixmap cache keeps what is decoded for the next image that shows
    // the same picture; should it ever let a picture go, the picture is simply
    // decoded again.
    const QString key = path + u'#' + QString::number(size);
    QPixmap pixels;
    if (!QPixmapCache::find(key, &pixels)) {
        pixels = decode(path, size);
        QPixmapCache::insert(key, pixels);
    }
    return pixels;
}

Picture loadPicture(const QString& path, int size)
{
    return std::make_shared<const QPixmap>(embeddedPixels(path, size));
}

} // namespace forms
