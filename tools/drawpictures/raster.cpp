#include "raster.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace pictures {

namespace {

std::vector<double> kernel(double sigma)
{
    const int radius = std::max(1, int(std::ceil(sigma * 3)));
    std::vector<double> weights(size_t(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double w = std::exp(-(i * i) / (2 * sigma * sigma));
        weights[size_t(i + radius)] = w;
        sum += w;
    }
    for (double& w : weights)
        w /= sum;
    return weights;
}

// Blurs along one direction, reading and writing four floats per pixel.
void blurPass(const std::vector<float>& in, std::vector<float>& out, int width, int height,
    const std::vector<double>& weights, bool horizontal)
{
    const int radius = int(weights.size() / 2);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double acc[4] = { 0, 0, 0, 0 };
            for (int k = -radius; k <= radius; ++k) {
                const int sx = horizontal ? std::clamp(x + k, 0, width - 1) : x;
                const int sy = horizontal ? y : std::clamp(y + k, 0, height - 1);
                const float* p = &in[size_t(sy * width + sx) * 4];
                const double w = weights[size_t(k + radius)];
                for (int c = 0; c < 4; ++c)
                    acc[c] += p[c] * w;
            }
            float* q = &out[size_t(y * width + x) * 4];
            for (int c = 0; c < 4; ++c)
                q[c] = float(acc[c]);
        }
}

} // namespace

QImage gaussianBlur(const QImage& source, double sigma)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (sigma < 0.05)
        return image;
    const int w = image.width();
    const int h = image.height();
    std::vector<float> a(size_t(w * h * 4));
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float* p = &a[size_t(y * w + x) * 4];
            p[0] = float(qRed(line[x]));
            p[1] = float(qGreen(line[x]));
            p[2] = float(qBlue(line[x]));
            p[3] = float(qAlpha(line[x]));
        }
    }
    std::vector<float> b(a.size());
    const std::vector<double> weights = kernel(sigma);
    blurPass(a, b, w, h, weights, true);
    blurPass(b, a, w, h, weights, false);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float* p = &a[size_t(y * w + x) * 4];
            auto c = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
            const int alpha = c(p[3]);
            line[x] = qRgba(std::min(c(p[0]), alpha), std::min(c(p[1]), alpha), std::min(c(p[2]), alpha), alpha);
        }
    }
    return image;
}

QImage depthBlur(const QImage& source, const std::function<double(int, int)>& sigmaAt, double maxSigma)
{
    constexpr int levels = 7;
    std::vector<QImage> copies;
    std::vector<double> sigmas;
    for (int i = 0; i < levels; ++i) {
        const double s = maxSigma * i / (levels - 1);
        sigmas.push_back(s);
        copies.push_back(gaussianBlur(source, s));
    }
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const double s = std::clamp(sigmaAt(x, y), 0.0, maxSigma);
            const double pos = s / maxSigma * (levels - 1);
            const int lo = std::min(int(pos), levels - 2);
            const double t = pos - lo;
            const QRgb a = reinterpret_cast<const QRgb*>(copies[size_t(lo)].constScanLine(y))[x];
            const QRgb b = reinterpret_cast<const QRgb*>(copies[size_t(lo + 1)].constScanLine(y))[x];
            auto mix = [t](int p, int q) { return int(std::lround(p + (q - p) * t)); };
            line[x] = qRgba(
                mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)), mix(qAlpha(a), qAlpha(b)));
        }
    }
    return out;
}

void addGrain(QImage& image, double strength, unsigned seed)
{
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, strength);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            const int n = int(std::lround(noise(random) * alpha / 255.0));
            auto c = [n, alpha](int v) { return std::clamp(v + n, 0, alpha); };
            line[x] = qRgba(c(qRed(line[x])), c(qGreen(line[x])), c(qBlue(line[x])), alpha);
        }
    }
}

} // namespace pictures
