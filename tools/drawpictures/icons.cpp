#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pictures {

namespace {

// Every icon is drawn in a 48 × 48 design square scaled to the image's own
// size, so each size is rendered afresh instead of shrunk from a larger one.
class Canvas {
public:
    explicit Canvas(int size)
        : m_image(size, size, QImage::Format_ARGB32_Premultiplied)
        , m_unit(size / 48.0)
    {
        m_image.fill(Qt::transparent);
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.scale(m_unit, m_unit);
    }

    QPainter& painter() { return m_painter; }

    // A pen width in design units that never drops below one pixel.
    double line(double width) const { return std::max(width, 1.0 / m_unit); }

    // One pixel, in design units.
    double pixel() const { return 1.0 / m_unit; }

    QImage finish()
    {
        m_painter.end();
        return m_image;
    }

private:
    QImage m_image;
    QPainter m_painter;
    double m_unit;
};

QPen pen(const QColor& colour, double width)
{
    QPen p(colour, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

// ---------------------------------------------------------------------------
// The four-pane waving flag, drawn straight in pixels so that the narrow gaps
// between the panes fall on whole pixel columns even at 16 pixels.

struct FlagShape {
    QRectF area; // the whole flag before it waves
    double gap = 1; // between the panes, in pixels
    double wave = 1; // how far the rows rise and fall, in pixels
    double drop = 0; // how much lower the right-hand column sits
};

double flagWave(const FlagShape& flag, double x)
{
    const double t = (x - flag.area.left()) / flag.area.width();
    // Less than a full period: the flag rises on the left and dips on the right,
    // the way cloth looks a moment after a gust.
    return -flag.wave * std::sin(2 * std::numbers::pi * (0.8 * t + 0.05));
}

QPainterPath flagPane(const FlagShape& flag, int column, int row)
{
    const double leftWidth = std::floor((flag.area.width() - flag.gap) / 2);
    const double topHeight = std::floor((flag.area.height() - flag.gap) / 2);
    const double x0 = column == 0 ? flag.area.left() : flag.area.left() + leftWidth + flag.gap;
    const double x1 = column == 0 ? flag.area.left() + leftWidth : flag.area.right();
    const double y0 = row == 0 ? flag.area.top() : flag.area.top() + topHeight + flag.gap;
    const double y1 = row == 0 ? flag.area.top() + topHeight : flag.area.bottom();
    const double shift = column == 1 ? flag.drop : 0.0;

    constexpr int steps = 24;
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const double x = x0 + (x1 - x0) * i / steps;
        const QPointF p(x, y0 + shift + flagWave(flag, x));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    for (int i = steps; i >= 0; --i) {
        const double x = x0 + (x1 - x0) * i / steps;
        path.lineTo(x, y1 + shift + flagWave(flag, x));
    }
    path.closeSubpath();
    return path;
}

QImage drawFlag(int size, const FlagShape& flag, const QColor& colour)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            p.drawPath(flagPane(flag, column, row));
    p.end();
    return image;
}

FlagShape appFlag(int size)
{
    const double margin = std::max(1.0, std::round(size * 0.06));
    const double gap = std::max(1.0, std::round(size * 0.045));
    FlagShape flag;
    flag.gap = gap;
    flag.wave = std::max(0.8, size * 0.065);
    flag.drop = std::round(size * 0.03);
    double width = size - 2 * margin;
    // Equal columns: what is left after the gap must split evenly.
    if (std::fmod(width - gap, 2.0) != 0)
        width -= 1;
    const double left = std::floor((size - width) / 2);
    const double top = margin + std::ceil(flag.wave) - 1;
    flag.area = QRectF(left, top, width, size - top - margin - std::ceil(flag.wave) - flag.drop + 1);
    return flag;
}

QImage appImage(int size, bool palette)
{
    // The palette images show solid grey panes; the others show black panes
    // at 60 % opacity so the logo takes on the colour of what is behind it.
    const QColor colour = palette ? QColor(100, 100, 100) : QColor(0, 0, 0, 154);
    return drawFlag(size, appFlag(size), colour);
}

// ---------------------------------------------------------------------------

QImage startImage(int size)
{
    Canvas c(size);
    QPainter& p = c.painter();
    const QPointF centre(24, 24);
    const double radius = 23.2;

    // Dark outer rim gives the light face an edge on a light background.
    QLinearGradient rim(0, 0, 0, 48);
    rim.setColorAt(0, QColor(150, 150, 150));
    rim.setColorAt(1, QColor(92, 96, 104));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(centre, radius, radius);

    const double faceRadius = radius - std::max(1.6, c.pixel());
    QPainterPath face;
    face.addEllipse(centre, faceRadius, faceRadius);
    QRadialGradient body(QPointF(24, 16), 30, QPointF(22, 12));
    body.setColorAt(0, QColor(252, 252, 252));
    body.setColorAt(0.55, QColor(226, 227, 229));
    body.setColorAt(1, QColor(184, 186, 190));
    p.setBrush(body);
    p.drawPath(face);

    p.save();
    p.setClipPath(face);
    QRadialGradient glow(QPointF(24, 50), 24);
    glow.setColorAt(0, QColor(110, 185, 255, 235));
    glow.setColorAt(0.55, QColor(150, 205, 255, 150));
    glow.setColorAt(1, QColor(190, 225, 255, 0));
    p.setBrush(glow);
    p.drawRect(QRectF(0, 20, 48, 28));

    QLinearGradient shine(0, 2, 0, 24);
    shine.setColorAt(0, QColor(255, 255, 255, 235));
    shine.setColorAt(1, QColor(255, 255, 255, 20));
    p.setBrush(shine);
    p.drawEllipse(QRectF(7, 2.2, 34, 21));
    p.restore();

    QPainterPath triangle;
    triangle.moveTo(18, 12.5);
    triangle.lineTo(35.5, 24);
    triangle.lineTo(18, 35.5);
    triangle.closeSubpath();
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(triangle.translated(0.9, 1.3));
    p.setPen(pen(QColor(120, 124, 132), c.line(1.0)));
    p.setBrush(Qt::white);
    p.drawPath(triangle);
    return c.finish();
}

// ---------------------------------------------------------------------------

QImage searchImage(int size)
{
    Canvas c(size);
    QPainter& p = c.painter();
    const QPointF centre(19, 19);
    const double outer = 16.0;
    const double inner = 10.5;

    // The handle goes first so that the rim overlaps its end.
    QLinearGradient handle(QPointF(30, 40), QPointF(40, 30));
    handle.setColorAt(0, QColor(40, 40, 42));
    handle.setColorAt(0.45, QColor(96, 96, 100));
    handle.setColorAt(1, QColor(48, 48, 50));
    QPen handlePen(QBrush(handle), 7.5);
    handlePen.setCapStyle(Qt::RoundCap);
    p.setPen(handlePen);
    p.drawLine(QPointF(31, 31), QPointF(42.5, 42.5));
    p.setPen(pen(QColor(128, 128, 130), 6.5));
    p.drawLine(QPointF(29, 29), QPointF(31.5, 31.5));

    QPainterPath lens;
    lens.addEllipse(centre, inner, inner);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 228, 255, 70));
    p.drawPath(lens);

    // The rim is shaded across its width rather than outlined: at 24 pixels
    // two outlines would leave no light grey between them.
    QPainterPath ring;
    ring.addEllipse(centre, outer, outer);
    ring.addEllipse(centre, inner, inner);
    QRadialGradient metal(centre, outer);
    const double in = inner / outer;
    metal.setColorAt(in, QColor(150, 150, 156));
    metal.setColorAt(in + (1 - in) * 0.3, QColor(246, 246, 248));
    metal.setColorAt(in + (1 - in) * 0.7, QColor(214, 214, 218));
    metal.setColorAt(1, QColor(96, 96, 102));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawPath(ring);
    p.setBrush(Qt::NoBrush);
    if (size >= 32) {
        p.setPen(pen(QColor(104, 104, 110), 0.8));
        p.drawEllipse(centre, outer - 0.4, outer - 0.4);
    } else {
        // Too small for soft edges: crisp one-pixel circles keep the rim round
        // instead of leaving it ragged where half-covered pixels are cut away.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(118, 118, 124), 0));
        p.drawEllipse(centre, outer - c.pixel() / 2, outer - c.pixel() / 2);
        p.setPen(QPen(QColor(168, 168, 174), 0));
        p.drawEllipse(centre, inner, inner);
        p.setRenderHint(QPainter::Antialiasing, true);
    }

    // A glint on the glass.
    p.setPen(pen(QColor(255, 255, 255, 210), c.line(2.2)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 7.5, centre.y() - 7.5, 15, 15), 100 * 16, 70 * 16);
    return c.finish();
}

// ---------------------------------------------------------------------------

QImage hideImage(int size)
{
    Canvas c(size);
    QPainter& p = c.painter();

    const QRectF shaft(15, 2.5, 18, 22);
    QPainterPath head;
    head.moveTo(2.5, 21);
    head.lineTo(45.5, 21);
    head.lineTo(24, 45.5);
    head.closeSubpath();

    QLinearGradient pale(shaft.left(), 0, shaft.right(), 0);
    pale.setColorAt(0, QColor(255, 222, 170));
    pale.setColorAt(0.4, QColor(255, 240, 214));
    pale.setColorAt(1, QColor(252, 196, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(pale);
    p.drawRect(shaft);

    QLinearGradient strong(0, 21, 0, 46);
    strong.setColorAt(0, QColor(255, 164, 48));
    strong.setColorAt(1, QColor(232, 104, 0));
    p.setBrush(strong);
    p.drawPath(head);

    QPainterPath whole;
    whole.addRect(shaft);
    whole = whole.united(head);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(176, 82, 0), c.line(1.3)));
    p.drawPath(whole);
    return c.finish();
}

// ---------------------------------------------------------------------------

QImage homeImage(int size)
{
    Canvas c(size);
    QPainter& p = c.painter();
    const QColor brown(92, 50, 20);
    const QColor outline(120, 120, 124);

    // Base the house stands on.
    QLinearGradient base(0, 40.5, 0, 46);
    base.setColorAt(0, QColor(196, 196, 198));
    base.setColorAt(1, QColor(128, 128, 132));
    p.setPen(pen(QColor(100, 100, 104), c.line(0.9)));
    p.setBrush(base);
    p.drawRect(QRectF(4, 40.5, 40, 5));

    // Chimney, partly hidden by the roof.
    QLinearGradient brick(33, 0, 39, 0);
    brick.setColorAt(0, QColor(196, 196, 198));
    brick.setColorAt(1, QColor(150, 150, 154));
    p.setPen(pen(QColor(90, 90, 94), c.line(0.9)));
    p.setBrush(brick);
    p.drawRect(QRectF(32.5, 6.5, 5.5, 12));

    // Front wall and gable, one white shape.
    QPainterPath front;
    front.moveTo(9, 40.5);
    front.lineTo(9, 22.5);
    front.lineTo(24, 8);
    front.lineTo(39, 22.5);
    front.lineTo(39, 40.5);
    front.closeSubpath();
    QLinearGradient wall(0, 8, 48, 40);
    wall.setColorAt(0, QColor(255, 255, 255));
    wall.setColorAt(1, QColor(226, 226, 230));
    p.setPen(pen(outline, c.line(0.9)));
    p.setBrush(wall);
    p.drawPath(front);

    // Roof edge.
    QPainterPath roof;
    roof.moveTo(3.5, 25);
    roof.lineTo(24, 5.2);
    roof.lineTo(44.5, 25);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(brown, c.line(3.4)));
    p.drawPath(roof);

    // Four-pane window under the ridge.
    const QRectF window(20.5, 13.5, 7, 7);
    p.setPen(pen(QColor(96, 96, 100), c.line(1.0)));
    p.setBrush(QColor(182, 188, 196));
    p.drawRect(window);
    p.drawLine(QPointF(window.center().x(), window.top()), QPointF(window.center().x(), window.bottom()));
    p.drawLine(QPointF(window.left(), window.center().y()), QPointF(window.right(), window.center().y()));

    // Door in the middle of the front, with two panels and a knob.
    const QRectF door(18.5, 25.5, 11, 15);
    QLinearGradient wood(door.left(), 0, door.right(), 0);
    wood.setColorAt(0, QColor(224, 140, 60));
    wood.setColorAt(1, QColor(176, 92, 30));
    p.setPen(pen(QColor(112, 56, 16), c.line(1.0)));
    p.setBrush(wood);
    p.drawRect(door);
    if (size >= 32) {
        p.setPen(pen(QColor(140, 70, 22), c.line(0.8)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(20.8, 27.8, 6.4, 4.6));
        p.drawRect(QRectF(20.8, 34.0, 6.4, 4.6));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 226, 150));
    p.drawEllipse(QPointF(27.4, 33.2), 1.1, 1.1);
    return c.finish();
}

// ---------------------------------------------------------------------------

QImage backImage(int size)
{
    Canvas c(size);
    QPainter& p = c.painter();

    QPainterPath arrow;
    arrow.moveTo(3, 24);
    arrow.lineTo(23, 5);
    arrow.lineTo(23, 15);
    arrow.lineTo(44, 15);
    arrow.quadTo(45.5, 15, 45.5, 16.5);
    arrow.lineTo(45.5, 31.5);
    arrow.quadTo(45.5, 33, 44, 33);
    arrow.lineTo(23, 33);
    arrow.lineTo(23, 43);
    arrow.closeSubpath();

    QLinearGradient body(3, 0, 46, 0);
    body.setColorAt(0, QColor(170, 214, 40));
    body.setColorAt(0.45, QColor(196, 232, 120));
    body.setColorAt(1, QColor(212, 240, 176));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(arrow);

    p.save();
    p.setClipPath(arrow);
    // The lower part of the head is a stronger yellow-green.
    QLinearGradient lower(0, 24, 0, 44);
    lower.setColorAt(0, QColor(160, 206, 20, 0));
    lower.setColorAt(1, QColor(150, 200, 10, 210));
    p.setBrush(lower);
    p.drawRect(QRectF(0, 24, 26, 24));
    // Gloss across the upper half.
    QLinearGradient gloss(0, 5, 0, 25);
    gloss.setColorAt(0, QColor(255, 255, 255, 200));
    gloss.setColorAt(1, QColor(255, 255, 255, 30));
    p.setBrush(gloss);
    QPainterPath sheen;
    sheen.moveTo(0, 25);
    sheen.lineTo(0, 0);
    sheen.lineTo(48, 0);
    sheen.lineTo(48, 22);
    sheen.cubicTo(30, 25, 16, 25.5, 0, 25);
    p.drawPath(sheen);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(86, 112, 20), c.line(1.4)));
    p.drawPath(arrow);
    return c.finish();
}

} // namespace

std::vector<IconImage> drawAppIcon()
{
    std::vector<IconImage> images;
    for (int size : { 48, 32, 24, 16 })
        images.push_back({ appImage(size, true), 8, Qt::white });
    for (int size : { 48, 32, 24, 16 })
        images.push_back({ appImage(size, false), 32, Qt::white });
    return images;
}

std::vector<IconImage> drawStartIcon()
{
    return { { startImage(36), 8, QColor(236, 236, 236) }, { startImage(48), 32, Qt::white } };
}

std::vector<IconImage> drawSearchIcon()
{
    return { { searchImage(24), 8, QColor(236, 236, 236) }, { searchImage(48), 32, Qt::white } };
}

std::vector<IconImage> drawHideIcon()
{
    return { { hideImage(24), 8, Qt::white }, { hideImage(48), 32, Qt::white } };
}

std::vector<IconImage> drawHomeIcon()
{
    return { { homeImage(36), 8, Qt::white }, { homeImage(48), 32, Qt::white } };
}

std::vector<IconImage> drawBackIcon()
{
    return { { backImage(36), 8, Qt::white }, { backImage(48), 32, Qt::white } };
}

std::vector<IconImage> drawLogoKeyIcon()
{
    FlagShape flag;
    flag.area = QRectF(2, 2, 16, 15);
    flag.gap = 1;
    flag.wave = 0.8;
    flag.drop = 1.2;
    // Edge pixels blend towards dark grey rather than white, like print on a key.
    return { { drawFlag(20, flag, Qt::black), 8, QColor(70, 70, 70) } };
}

} // namespace pictures
