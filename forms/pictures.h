#pragma once

#include <QPixmap>
#include <QString>

#include <memory>

// Pictures made from the images embedded in the program. Each embedded image
// is decoded once; every picture made from it shares the decoded pixels.
namespace forms {

// A picture is a shared, immutable object: setting one image's picture to
// another's makes both hold the very same object.
using Picture = std::shared_ptr<const QPixmap>;

// The pixels of an embedded image: the image of the given size from an icon
// (the largest when size is 0), or the whole of any other image.
QPixmap embeddedPixels(const QString& path, int size = 0);

// A picture object of its own, made from an embedded image.
Picture loadPicture(const QString& path, int size = 0);

} // namespace forms
