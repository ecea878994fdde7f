#include "icofile.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace pictures {

namespace {

void putU8(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
}

void putU16(QByteArray& out, quint32 value)
{
    putU8(out, static_cast<int>(value));
    putU8(out, static_cast<int>(value >> 8));
}

void putU32(QByteArray& out, quint32 value)
{
    putU16(out, value & 0xffff);
    putU16(out, value >> 16);
}

int strideOf(int bytesPerRow)
{
    return (bytesPerRow + 3) / 4 * 4;
}

struct ColourBox {
    std::vector<std::pair<QRgb, int>> colours; // colour and how many pixels have it
    long long pixels = 0;

    int channel(QRgb c, int which) const { return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c); }

    // The widest channel and its range, used to pick which box to split next.
    std::pair<int, int> widest() const
    {
        int best = 0;
        int bestRange = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255;
            int hi = 0;
            for (const auto& [c, n] : colours) {
                lo = std::min(lo, channel(c, ch));
                hi = std::max(hi, channel(c, ch));
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                best = ch;
            }
        }
        return { best, bestRange };
    }

    QRgb average() const
    {
        double r = 0;
        double g = 0;
        double b = 0;
        for (const auto& [c, n] : colours) {
            r += qRed(c) * double(n);
            g += qGreen(c) * double(n);
            b += qBlue(c) * double(n);
        }
        const double total = double(std::max<long long>(pixels, 1));
        return qRgb(int(r / total + 0.5), int(g / total + 0.5), int(b / total + 0.5));
    }
};

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    // Weighted roughly by how strongly the eye sees each primary.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearest(const std::vector<QRgb>& palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < int(palette.size()); ++i) {
        const int d = distance(palette[size_t(i)], colour);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// Lays a possibly translucent pixel over the matte; the result is opaque.
QRgb overMatte(QRgb pixel, QColor matte)
{
    const int a = qAlpha(pixel);
    auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(pixel), matte.red()), mix(qGreen(pixel), matte.green()), mix(qBlue(pixel), matte.blue()));
}

QByteArray dibHeader(int width, int height, int bitsPerPixel, quint32 imageBytes)
{
    QByteArray out;
    putU32(out, 40);
    putU32(out, quint32(width));
    putU32(out, quint32(height * 2)); // colour bitmap and mask together
    putU16(out, 1);
    putU16(out, quint32(bitsPerPixel));
    putU32(out, 0); // uncompressed
    putU32(out, imageBytes);
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0); // palette size follows from the depth
    putU32(out, 0);
    return out;
}

QByteArray andMask(const QImage& image, bool useIndexThreshold)
{
    const int rowBytes = strideOf((image.width() + 7) / 8);
    QByteArray out;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(image.pixel(x, y));
            const bool transparent = useIndexThreshold ? a < 128 : a == 0;
            if (transparent)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray encodeIndexed(const IconImage& icon)
{
    const QImage image = icon.image.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();

    QImage opaque(w, h, QImage::Format_ARGB32);
    opaque.fill(Qt::transparent);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) >= 128)
                opaque.setPixel(x, y, overMatte(p, icon.matte));
        }

    // Entry 0 stays black so that masked pixels leave the screen untouched
    // when a viewer combines the mask and the colour bitmap the old way.
    std::vector<QRgb> palette { qRgb(0, 0, 0) };
    for (QRgb c : buildPalette(opaque, 255))
        palette.push_back(c);
    palette.resize(256, qRgb(0, 0, 0));

    const int stride = strideOf(w);
    QByteArray pixels;
    QHash<QRgb, int> lookup;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb p = opaque.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            auto it = lookup.find(p);
            if (it == lookup.end())
                it = lookup.insert(p, nearest(palette, qRgb(qRed(p), qGreen(p), qBlue(p))));
            row[x] = char(it.value());
        }
        pixels.append(row);
    }
    const QByteArray mask = andMask(image, true);

    QByteArray out = dibHeader(w, h, 8, quint32(pixels.size() + mask.size()));
    for (QRgb c : palette) {
        putU8(out, qBlue(c));
        putU8(out, qGreen(c));
        putU8(out, qRed(c));
        putU8(out, 0);
    }
    out.append(pixels);
    out.append(mask);
    return out;
}

QByteArray encodeTrueColour(const IconImage& icon)
{
    const QImage image = icon.image.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    QByteArray pixels;
    pixels.reserve(w * h * 4);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            const bool clear = qAlpha(p) == 0;
            putU8(pixels, clear ? 0 : qBlue(p));
            putU8(pixels, clear ? 0 : qGreen(p));
            putU8(pixels, clear ? 0 : qRed(p));
            putU8(pixels, qAlpha(p));
        }
    const QByteArray mask = andMask(image, false);
    QByteArray out = dibHeader(w, h, 32, quint32(pixels.size() + mask.size()));
    out.append(pixels);
    out.append(mask);
    return out;
}

} // namespace

std::vector<QRgb> buildPalette(const QImage& opaqueImage, int maxColours)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < opaqueImage.height(); ++y)
        for (int x = 0; x < opaqueImage.width(); ++x) {
            const QRgb p = opaqueImage.pixel(x, y);
            if (qAlpha(p) != 0)
                ++counts[qRgb(qRed(p), qGreen(p), qBlue(p))];
        }

    std::vector<QRgb> palette;
    if (counts.size() <= maxColours) {
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            palette.push_back(it.key());
        std::sort(palette.begin(), palette.end());
        return palette;
    }

    // The colours go in a fixed order, and the cuts below order equal channel
    // values by the whole colour: a hash's order changes from run to run, and
    // the same drawing must give the same palette every time.
    std::vector<ColourBox> boxes(1);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        boxes[0].colours.emplace_back(it.key(), it.value());
        boxes[0].pixels += it.value();
    }
    std::sort(boxes[0].colours.begin(), boxes[0].colours.end());
    while (int(boxes.size()) < maxColours) {
        // Split the box whose spread, weighted by how many pixels it covers,
        // is largest: busy regions get more entries than rare stray colours.
        int pick = -1;
        double pickScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const ColourBox& box = boxes[size_t(i)];
            if (box.colours.size() < 2)
                continue;
            const double score = double(box.widest().second + 1) * std::sqrt(double(box.pixels));
            if (score > pickScore) {
                pickScore = score;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        ColourBox& box = boxes[size_t(pick)];
        const int ch = box.widest().first;
        std::sort(box.colours.begin(), box.colours.end(), [&](const auto& a, const auto& b) {
            const int left = box.channel(a.first, ch);
            const int right = box.channel(b.first, ch);
            return left < right || (left == right && a.first < b.first);
        });
        long long seen = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.colours.size(); ++i) {
            seen += box.colours[i].second;
            cut = i + 1;
            if (seen * 2 >= box.pixels)
                break;
        }
        ColourBox upper;
        upper.colours.assign(box.colours.begin() + long(cut), box.colours.end());
        box.colours.resize(cut);
        box.pixels = 0;
        for (const auto& [c, n] : box.colours)
            box.pixels += n;
        for (const auto& [c, n] : upper.colours)
            upper.pixels += n;
        boxes.push_back(std::move(upper));
    }
    for (const ColourBox& box : boxes)
        palette.push_back(box.average());
    return palette;
}

QByteArray encodeIco(const std::vector<IconImage>& images)
{
    QByteArray header;
    putU16(header, 0);
    putU16(header, 1); // icon, not cursor
    putU16(header, quint32(images.size()));

    std::vector<QByteArray> bodies;
    for (const IconImage& icon : images) {
        if (icon.bitsPerPixel != 8 && icon.bitsPerPixel != 32)
            throw std::invalid_argument("icon images are stored at 8 or 32 bits per pixel");
        bodies.push_back(icon.bitsPerPixel == 8 ? encodeIndexed(icon) : encodeTrueColour(icon));
    }

    quint32 offset = quint32(6 + 16 * images.size());
    QByteArray directory;
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage& image = images[i].image;
        putU8(directory, image.width() >= 256 ? 0 : image.width());
        putU8(directory, image.height() >= 256 ? 0 : image.height());
        putU8(directory, 0); // 256 or more colours
        putU8(directory, 0);
        putU16(directory, 1);
        putU16(directory, quint32(images[i].bitsPerPixel));
        putU32(directory, quint32(bodies[i].size()));
        putU32(directory, offset);
        offset += quint32(bodies[i].size());
    }

    QByteArray out = header + directory;
    for (const QByteArray& body : bodies)
        out.append(body);
    return out;
}

} // namespace pictures
