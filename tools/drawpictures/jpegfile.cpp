#include "jpegfile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>

#include <stdexcept>

namespace pictures {

QByteArray encodeJpeg(const QImage& image, int quality)
{
    // Qt's JPEG writer stores the image's colour space as an ICC profile.
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    rgb.setColorSpace(QColorSpace(QColorSpace::SRgb));

    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(quality);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false);
        if (!writer.write(rgb))
            throw std::runtime_error("JPEG encoding failed: " + writer.errorString().toStdString());
    }
    return jpeg;
}

} // namespace pictures
