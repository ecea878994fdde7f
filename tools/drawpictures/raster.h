#pragma once

#include <QImage>

#include <functional>

namespace pictures {

// Gaussian blur of a premultiplied ARGB image; edges repeat the border pixels.
QImage gaussianBlur(const QImage& source, double sigma);

// Blurs each pixel by its own amount, picked by sigmaAt(x, y), by blending
// between a few evenly blurred copies. Used for a camera's depth of field.
QImage depthBlur(const QImage& source, const std::function<double(int, int)>& sigmaAt, double maxSigma);

// Adds fine luminance grain, the same for every run so builds are repeatable.
void addGrain(QImage& image, double strength, unsigned seed);

} // namespace pictures
