#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

#include <vector>

namespace pictures {

// One image inside an icon file. Images stored with a palette keep only the
// pixels that are at least half opaque; those are laid over the matte colour
// first, so a soft edge turns into a row of blended pixels instead of a halo.
struct IconImage {
    QImage image;
    int bitsPerPixel = 32; // 8 (palette and mask) or 32 (colour with alpha)
    QColor matte = Qt::white;
};

// Encodes the images, in the given order, as one .ico file.
QByteArray encodeIco(const std::vector<IconImage>& images);

// Reduces the opaque colours of an image to at most maxColours entries by
// median cut; exact when the image has few enough colours already.
std::vector<QRgb> buildPalette(const QImage& opaqueImage, int maxColours);

} // namespace pictures
