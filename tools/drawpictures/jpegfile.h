#pragma once

#include <QByteArray>
#include <QImage>

namespace pictures {

// Encodes an image as a baseline JPEG that carries an sRGB colour profile, so
// colour-managed viewers show the same pale tones that we drew.
QByteArray encodeJpeg(const QImage& image, int quality);

} // namespace pictures
