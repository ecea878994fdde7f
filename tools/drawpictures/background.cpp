#include "photos.h"
namespace pictures {
QImage drawBackground(const QString &) { QImage i(484, 436, QImage::Format_RGB32); i.fill(Qt::white); return i; }
}
