#pragma once

#include <QByteArray>
#include <QImage>

namespace pictures {

// Encodes an image as a baseline JPEG that carries an sRGB colour profile, so
// colour-managed viewers show the same pale tones that we drew.
QByteArray encodeJpeg(const QImage& image, int quality);

// Returns the ICC profile stored in a JPEG's APP2 segments, or nothing.
QByteArray jpegIccProfile(const QByteArray& jpeg);

} // namespace pictures
