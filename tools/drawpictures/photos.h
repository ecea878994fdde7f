#pragma once

#include <QImage>
#include <QString>

namespace pictures {

// The pale close-up of a white keyboard behind the windows' text, 484 × 436.
QImage drawBackground(const QString& fontFamily);

// The black notebook keyboard seen from above, 347 × 121, with every key on
// the pixel rectangle that the shortcut pages outline in red.
QImage drawKeyboard(const QString& fontFamily);

} // namespace pictures
