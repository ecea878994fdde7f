#include "photos.h"
#include "raster.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pictures {

namespace {

constexpr int pictureWidth = 484;
constexpr int pictureHeight = 436;

// A key on the keyboard's own surface, measured in key widths.
struct PlaneKey {
    QRectF footprint;
    QString legend;
};

using KeyRow = std::vector<std::pair<QString, double>>; // legend and width

KeyRow letters(const QString& text)
{
    KeyRow row;
    for (QChar c : text)
        row.emplace_back(QString(c), 1.0);
    return row;
}

KeyRow operator+(KeyRow a, const KeyRow& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<PlaneKey> planeLayout()
{
    std::vector<PlaneKey> keys;
    auto row = [&keys](double x, double y, double height, const KeyRow& list) {
        for (const auto& [legend, width] : list) {
            keys.push_back({ QRectF(x, y, width, height), legend });
            x += width;
        }
    };

    const double fy = -1.45; // the function keys stand apart, above the rest
    row(0, fy, 0.8, { { QStringLiteral("Esc"), 1 } });
    for (int group = 0; group < 3; ++group) {
        KeyRow four;
        for (int i = 1; i <= 4; ++i)
            four.emplace_back(QStringLiteral("F%1").arg(group * 4 + i), 1.0);
        row(1.5 + group * 4.5, fy, 0.8, four);
    }
    row(0, 0, 1, letters(QStringLiteral("~1234567890-=")) + KeyRow { { QStringLiteral("Backspace"), 2 } });
    row(0, 1, 1,
        KeyRow { { QStringLiteral("Tab"), 1.5 } } + letters(QStringLiteral("QWERTYUIOP[]"))
            + KeyRow { { QStringLiteral("\\"), 1.5 } });
    row(0, 2, 1,
        KeyRow { { QStringLiteral("Caps Lock"), 1.75 } } + letters(QStringLiteral("ASDFGHJKL;'"))
            + KeyRow { { QStringLiteral("Enter"), 2.25 } });
    row(0, 3, 1,
        KeyRow { { QStringLiteral("Shift"), 2.25 } } + letters(QStringLiteral("ZXCVBNM,./"))
            + KeyRow { { QStringLiteral("Shift"), 2.75 } });
    row(0, 4, 1,
        KeyRow { { QStringLiteral("Ctrl"), 1.5 }, { {}, 1.25 }, { QStringLiteral("Alt"), 1.25 }, { {}, 6 },
            { QStringLiteral("Alt"), 1.25 }, { {}, 1.25 }, { QStringLiteral("Ctrl"), 1.5 } });
    return keys;
}

// The camera: the keyboard is turned so that its rows climb to the right,
// and tilted away so that its far side is smaller and higher in the picture.
struct Camera {
    QPointF target { 7.4, 2.35 }; // the point of the keyboard at the picture's centre
    double turn = -27.0; // degrees
    double scale = 84.0; // pixels per key width at the target
    double tilt = 0.78; // vertical foreshortening
    double depth = 0.085; // how fast keys shrink towards the top

    QPointF project(QPointF plane) const
    {
        const double a = turn * std::numbers::pi / 180;
        const double dx = plane.x() - target.x();
        const double dy = plane.y() - target.y();
        const double xr = dx * std::cos(a) - dy * std::sin(a);
        const double yr = dx * std::sin(a) + dy * std::cos(a);
        const double s = 1.0 / (1.0 - depth * yr);
        return { pictureWidth / 2.0 + scale * xr * s, pictureHeight / 2.0 + scale * tilt * yr * s };
    }

    // The projection is a plane-to-plane perspective, so four points fix it.
    QTransform transform() const
    {
        const QPolygonF plane { QPointF(-4, -4), QPointF(20, -4), QPointF(20, 10), QPointF(-4, 10) };
        QPolygonF picture;
        for (const QPointF& p : plane)
            picture << project(p);
        QTransform t;
        QTransform::quadToQuad(plane, picture, t);
        return t;
    }

    // A step on the keyboard surface that looks straight up in the picture.
    QPointF upward(double length) const
    {
        const double a = turn * std::numbers::pi / 180;
        return { -std::sin(a) * length, -std::cos(a) * length };
    }
};

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

} // namespace

QImage drawBackground(const QString& fontFamily)
{
    const Camera camera;
    const QTransform toPicture = camera.transform();
    std::vector<PlaneKey> keys = planeLayout();
    // Far keys first, so nearer caps overlap them as they would in a photograph.
    std::sort(keys.begin(), keys.end(), [&](const PlaneKey& a, const PlaneKey& b) {
        return camera.project(a.footprint.center()).y() < camera.project(b.footprint.center()).y();
    });

    // The tray under the keys with the soft shadows the caps cast into it.
    QImage tray(pictureWidth, pictureHeight, QImage::Format_ARGB32_Premultiplied);
    {
        tray.fill(QColor(188, 190, 194));
        QPainter p(&tray);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(toPicture);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 122, 128));
        for (const PlaneKey& key : keys)
            p.drawRoundedRect(key.footprint.adjusted(0.0, 0.02, 0.02, 0.06), 0.1, 0.1);
    }
    tray = gaussianBlur(tray, 3.2);

    QImage picture = tray;
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(toPicture);
        p.setPen(Qt::NoPen);
        QFont font(fontFamily);
        font.setPixelSize(100);
        const QPointF lift = camera.upward(0.09);
        for (const PlaneKey& key : keys) {
            const QRectF base = key.footprint.adjusted(0.035, 0.035, -0.035, -0.035);
            // The sides of the cap; the one facing us is darker under the lamp.
            QLinearGradient side(base.topLeft() + lift, base.bottomLeft());
            side.setColorAt(0, QColor(238, 239, 241));
            side.setColorAt(1, QColor(200, 202, 207));
            p.setBrush(side);
            p.drawRoundedRect(base, 0.12, 0.12);

            const QRectF face = base.adjusted(0.08, 0.06, -0.08, -0.12).translated(lift);
            QLinearGradient top(face.topLeft(), face.bottomRight());
            top.setColorAt(0, QColor(255, 255, 255));
            top.setColorAt(0.55, QColor(246, 247, 248));
            top.setColorAt(1, QColor(236, 237, 240));
            p.setBrush(top);
            p.drawRoundedRect(face, 0.1, 0.1);

            if (!key.legend.isEmpty()) {
                // Legends are printed near the top-left corner of each cap.
                const double size = key.legend.size() > 1 ? 0.2 : 0.3;
                QPainterPath text;
                text.addText(0, 0, font, key.legend);
                const QRectF ink = text.boundingRect();
                QTransform place;
                place.translate(face.left() + 0.12, face.top() + 0.1);
                place.scale(size / 100 * 1.4, size / 100 * 1.4);
                place.translate(-ink.left(), -ink.top());
                p.fillPath(place.map(text), QColor(120, 122, 128));
            }
        }
    }

    // The lens keeps only a band near the bottom sharp; the far keys at the top
    // dissolve. Depth grows with height in this view, so blur follows y.
    picture = depthBlur(
        picture,
        [](int, int y) {
            const double t = double(y) / pictureHeight;
            return 7.0 * smoothstep(0.62, 0.0, t) + 1.2 * smoothstep(0.85, 1.0, t);
        },
        7.0);

    // Washed out, as if overexposed against a bright window: lift every tone
    // towards white, more so at the top.
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const double wash = 0.5 - 0.18 * smoothstep(0.7, 0.0, double(y) / pictureHeight);
        for (int x = 0; x < picture.width(); ++x) {
            const double glow = 0.06 * smoothstep(0.8, 0.0, std::hypot(x - pictureWidth * 0.2, y) / pictureWidth);
            auto lift = [&](int v, double coolness) {
                const double dark = (255 - v) * wash * (1 - glow);
                return std::clamp(int(std::lround(255 - dark + coolness)), 0, 255);
            };
            line[x] = qRgb(lift(qRed(line[x]), -0.8), lift(qGreen(line[x]), 0), lift(qBlue(line[x]), 1.2));
        }
    }
    addGrain(picture, 1.1, 484436);
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace pictures
