#include "jpegfile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>

#include <stdexcept>

namespace pictures {

namespace {

const QByteArray iccTag("ICC_PROFILE\0", 12);

int segmentLength(const QByteArray& jpeg, qsizetype at)
{
    return (quint8(jpeg[at]) << 8) | quint8(jpeg[at + 1]);
}

// Builds the APP2 segments for a profile; a segment holds at most 65519
// profile bytes, so a large profile is split and numbered.
QByteArray iccSegments(const QByteArray& profile)
{
    constexpr qsizetype chunk = 65519;
    const int count = int((profile.size() + chunk - 1) / chunk);
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        const QByteArray part = profile.mid(i * chunk, chunk);
        const int length = int(2 + iccTag.size() + 2 + part.size());
        out.append(char(0xff));
        out.append(char(0xe2));
        out.append(char(length >> 8));
        out.append(char(length & 0xff));
        out.append(iccTag);
        out.append(char(i + 1));
        out.append(char(count));
        out.append(part);
    }
    return out;
}

} // namespace

QByteArray jpegIccProfile(const QByteArray& jpeg)
{
    QByteArray profile;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xff) {
        const quint8 marker = quint8(jpeg[at + 1]);
        if (marker == 0xda || marker == 0xd9) // image data follows; no more headers
            break;
        const int length = segmentLength(jpeg, at + 2);
        if (marker == 0xe2 && jpeg.mid(at + 4, iccTag.size()) == iccTag)
            profile.append(jpeg.mid(at + 4 + iccTag.size() + 2, length - 2 - iccTag.size() - 2));
        at += 2 + length;
    }
    return profile;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
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

    if (jpegIccProfile(jpeg).isEmpty()) {
        // The profile goes right after the JFIF header, where readers look for it.
        qsizetype at = 2;
        if (quint8(jpeg[at]) == 0xff && quint8(jpeg[at + 1]) == 0xe0)
            at += 2 + segmentLength(jpeg, at + 2);
        jpeg.insert(at, iccSegments(QColorSpace(QColorSpace::SRgb).iccProfile()));
    }
    return jpeg;
}

} // namespace pictures
