#include "photos.h"
#include "raster.h"

#include "content/keyboard.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>
#include <vector>

namespace pictures {

namespace {

namespace keyboard = content::keyboard;

// The keyboard is drawn this many times larger and then shrunk, which gives
// the legends and the rounded key corners the softness of a photograph.
constexpr int oversample = 4;
constexpr int pictureWidth = keyboard::pictureWidth;
constexpr int pictureHeight = keyboard::pictureHeight;

enum class Glyph {
    None,
    Logo,
    Menu,
    Left,
    Right,
    Up,
    Down,
    Backspace,
    Enter,
    Shift,
    Tab,
    Mute,
    VolumeDown,
    VolumeUp,
    Power,
};

struct Key {
    keyboard::KeyRect place;
    QString topLeft; // Latin letter or the shifted symbol
    QString bottomRight; // Cyrillic letter or its shifted symbol
    QString bottomLeft; // digit or unshifted symbol
    QString label; // word on function and modifier keys
    Glyph glyph = Glyph::None;

    QRectF area() const
    {
        return QRectF(place.firstColumn, place.firstRow, place.lastColumn - place.firstColumn + 1,
            place.lastRow - place.firstRow + 1);
    }
};

// Every key stands where the shared key table puts it; only the legends and
// the glyphs are the drawing's own.
std::vector<Key> layout()
{
    std::vector<Key> keys;
    auto add = [&keys](const keyboard::KeyRect& place) -> Key& {
        keys.push_back(Key { place, {}, {}, {}, {}, Glyph::None });
        return keys.back();
    };

    // Function row: shorter keys.
    const QStringList top = { QStringLiteral("Esc"), QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3"),
        QStringLiteral("F4"), QStringLiteral("F5"), QStringLiteral("F6"), QStringLiteral("F7"), QStringLiteral("F8"),
        QStringLiteral("F9"), QStringLiteral("F10"), QStringLiteral("F11"), QStringLiteral("F12"),
        QStringLiteral("PrtSc"), QStringLiteral("ScrLk"), QStringLiteral("Pause"), QStringLiteral("NumLk") };
    for (int i = 0; i < 18; ++i) {
        Key& key = add(keyboard::functionKeys.at(i));
        if (i < top.size())
            key.label = top.at(i);
        else
            key.glyph = Glyph::Power;
    }

    // Number row.
    {
        Key& grave = add(keyboard::graveKey);
        grave.topLeft = QStringLiteral("~");
        grave.bottomLeft = QStringLiteral("`");
        grave.bottomRight = QStringLiteral("Ё");
        const QString shifted = QStringLiteral("!@#$%^&*()_+");
        const QStringList russian = { {}, QStringLiteral("\""), QStringLiteral("№"), QStringLiteral(";"), {},
            QStringLiteral(":"), QStringLiteral("?"), {}, {}, {}, {}, {} };
        const keyboard::SymbolRun& digits = keyboard::digitKeys;
        for (int i = 0; i < digits.size(); ++i) {
            Key& key = add(digits.at(i));
            key.bottomLeft = QLatin1Char(digits.symbols[i]);
            key.topLeft = shifted.at(i);
            key.bottomRight = russian.at(i);
        }
        add(keyboard::backspaceKey).glyph = Glyph::Backspace;
        const keyboard::KeyRun sound = keyboard::sideKeys(keyboard::numberBand);
        add(sound.at(0)).glyph = Glyph::Mute;
        add(sound.at(1)).glyph = Glyph::VolumeDown;
        add(sound.at(2)).glyph = Glyph::VolumeUp;
    }

    // A letter goes on the top left of its key; a punctuation key bears its
    // plain symbol on the bottom left and its shifted one above it.
    auto letterRow = [&](const keyboard::SymbolRun& run, const QString& cyrillic) {
        const QString plain = QStringLiteral("[];',./");
        const QString shifted = QStringLiteral("{}:\"<>?");
        for (int i = 0; i < run.size(); ++i) {
            Key& key = add(run.at(i));
            const QChar symbol = QLatin1Char(run.symbols[i]);
            if (symbol.isLetter()) {
                key.topLeft = symbol;
            } else {
                key.bottomLeft = symbol;
                key.topLeft = shifted.at(plain.indexOf(symbol));
            }
            key.bottomRight = cyrillic.at(i);
        }
    };

    add(keyboard::tabKey).glyph = Glyph::Tab;
    letterRow(keyboard::upperLetterKeys, QStringLiteral("ЙЦУКЕНГШЩЗХЪ"));
    {
        Key& slash = add(keyboard::backslashKey);
        slash.topLeft = QStringLiteral("|");
        slash.bottomLeft = QStringLiteral("\\");
        slash.bottomRight = QStringLiteral("/");
    }
    const keyboard::KeyRun editing = keyboard::sideKeys(keyboard::upperBand);
    add(editing.at(0)).label = QStringLiteral("Ins");
    add(editing.at(1)).label = QStringLiteral("Home");
    add(editing.at(2)).label = QStringLiteral("PgUp");

    add(keyboard::capsLockKey).label = QStringLiteral("Caps Lock");
    letterRow(keyboard::homeLetterKeys, QStringLiteral("ФЫВАПРОЛДЖЭ"));
    {
        Key& enter = add(keyboard::enterKey);
        enter.label = QStringLiteral("Enter");
        enter.glyph = Glyph::Enter;
    }
    const keyboard::KeyRun moving = keyboard::sideKeys(keyboard::homeBand);
    add(moving.at(0)).label = QStringLiteral("Del");
    add(moving.at(1)).label = QStringLiteral("End");
    add(moving.at(2)).label = QStringLiteral("PgDn");

    {
        Key& shift = add(keyboard::leftShiftKey);
        shift.label = QStringLiteral("Shift");
        shift.glyph = Glyph::Shift;
    }
    letterRow(keyboard::lowerLetterKeys, QStringLiteral("ЯЧСМИТЬБЮ,"));
    {
        Key& shift = add(keyboard::rightShiftKey);
        shift.label = QStringLiteral("Shift");
        shift.glyph = Glyph::Shift;
    }
    add(keyboard::sideKeys(keyboard::lowerBand).at(1)).glyph = Glyph::Up;

    add(keyboard::leftCtrlKey).label = QStringLiteral("Ctrl");
    add(keyboard::logoKey).glyph = Glyph::Logo;
    add(keyboard::altKey).label = QStringLiteral("Alt");
    add(keyboard::spaceKey);
    add(keyboard::altGrKey).label = QStringLiteral("Alt Gr");
    add(keyboard::fnKey).label = QStringLiteral("Fn");
    add(keyboard::menuKey).glyph = Glyph::Menu;
    add(keyboard::rightCtrlKey).label = QStringLiteral("Ctrl");
    const keyboard::KeyRun arrows = keyboard::sideKeys(keyboard::bottomBand);
    add(arrows.at(0)).glyph = Glyph::Left;
    add(arrows.at(1)).glyph = Glyph::Down;
    add(arrows.at(2)).glyph = Glyph::Right;
    return keys;
}

class LegendPainter {
public:
    LegendPainter(QPainter& painter, const QString& family)
        : m_painter(painter)
        , m_family(family)
    {
    }

    // Fills text so that its ink box has the given corner at the given point;
    // the ink box, not the font's line box, is what the eye aligns on a key.
    void text(const QString& text, double pixelSize, QPointF at, Qt::Alignment corner)
    {
        if (text.isEmpty())
            return;
        QFont font(m_family);
        font.setPixelSize(int(pixelSize * 16));
        font.setHintingPreference(QFont::PreferNoHinting);
        QPainterPath path;
        path.addText(0, 0, font, text);
        QTransform scale = QTransform::fromScale(1.0 / 16, 1.0 / 16);
        path = scale.map(path);
        const QRectF ink = path.boundingRect();
        const double x = corner & Qt::AlignRight ? at.x() - ink.right() : at.x() - ink.left();
        const double y = corner & Qt::AlignBottom ? at.y() - ink.bottom() : at.y() - ink.top();
        m_painter.fillPath(path.translated(x, y), inkColour());
    }

    static QColor inkColour() { return QColor(240, 240, 240); }

private:
    QPainter& m_painter;
    QString m_family;
};

QPen legendPen(double width)
{
    QPen pen(LegendPainter::inkColour(), width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void drawTriangle(QPainter& p, QPointF tip, double length, double halfWidth, double angle)
{
    // angle is the direction the triangle points to, in degrees, 0 = right.
    QTransform t;
    t.translate(tip.x(), tip.y());
    t.rotate(angle);
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(-length, -halfWidth);
    path.lineTo(-length, halfWidth);
    path.closeSubpath();
    p.fillPath(t.map(path), LegendPainter::inkColour());
}

void drawSpeaker(QPainter& p, QPointF at)
{
    QPainterPath body;
    body.moveTo(at.x(), at.y() - 1);
    body.lineTo(at.x() + 1.4, at.y() - 1);
    body.lineTo(at.x() + 3.2, at.y() - 2.8);
    body.lineTo(at.x() + 3.2, at.y() + 2.8);
    body.lineTo(at.x() + 1.4, at.y() + 1);
    body.lineTo(at.x(), at.y() + 1);
    body.closeSubpath();
    p.fillPath(body, LegendPainter::inkColour());
}

void drawGlyph(QPainter& p, const Key& key)
{
    const QRectF r = key.area();
    const QPointF c = r.center();
    p.save();
    p.setBrush(Qt::NoBrush);
    switch (key.glyph) {
    case Glyph::None: break;
    case Glyph::Logo: {
        // Four small panes of a waving flag, the right pair a little lower.
        const double w = 3.2;
        const double h = 3.0;
        const double gap = 0.7;
        const double x0 = c.x() - w - gap / 2;
        const double y0 = c.y() - h - gap / 2 - 0.3;
        for (int col = 0; col < 2; ++col)
            for (int row = 0; row < 2; ++row) {
                const double x = x0 + col * (w + gap);
                const double y = y0 + row * (h + gap) + col * 0.6;
                QPainterPath pane;
                pane.moveTo(x, y);
                pane.quadTo(x + w / 2, y - 0.5 + col, x + w, y + 0.1);
                pane.lineTo(x + w, y + h + 0.1);
                pane.quadTo(x + w / 2, y + h - 0.5 + col, x, y + h);
                pane.closeSubpath();
                p.fillPath(pane, LegendPainter::inkColour());
            }
        break;
    }
    case Glyph::Menu: {
        p.setPen(legendPen(0.7));
        const QRectF page(c.x() - 3, c.y() - 3.5, 6, 7);
        p.drawRect(page);
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(page.left() + 1.3, page.top() + 1.8 + i * 1.6),
                QPointF(page.right() - 1.3, page.top() + 1.8 + i * 1.6));
        break;
    }
    case Glyph::Left: drawTriangle(p, QPointF(c.x() - 2.5, c.y()), 4.5, 2.6, 180); break;
    case Glyph::Right: drawTriangle(p, QPointF(c.x() + 2.5, c.y()), 4.5, 2.6, 0); break;
    case Glyph::Up: drawTriangle(p, QPointF(c.x(), c.y() - 2.5), 4.5, 2.6, -90); break;
    case Glyph::Down: drawTriangle(p, QPointF(c.x(), c.y() + 2.5), 4.5, 2.6, 90); break;
    case Glyph::Backspace: {
        p.setPen(legendPen(0.9));
        const double y = r.top() + 5.5;
        p.drawLine(QPointF(r.left() + 6, y), QPointF(r.left() + 17, y));
        drawTriangle(p, QPointF(r.left() + 3, y), 3.6, 2.1, 180);
        break;
    }
    case Glyph::Enter: {
        p.setPen(legendPen(0.9));
        const double x = r.right() - 4;
        const double y = r.bottom() - 5;
        p.drawLine(QPointF(x, r.top() + 3.5), QPointF(x, y));
        p.drawLine(QPointF(x + 0.45, y), QPointF(x - 8, y));
        drawTriangle(p, QPointF(x - 11, y), 3.4, 2, 180);
        break;
    }
    case Glyph::Shift: {
        p.setPen(legendPen(0.7));
        const double x = r.left() + 5.5;
        const double y = r.top() + 3;
        QPainterPath arrow;
        arrow.moveTo(x, y);
        arrow.lineTo(x + 3.3, y + 3.4);
        arrow.lineTo(x + 1.6, y + 3.4);
        arrow.lineTo(x + 1.6, y + 6.4);
        arrow.lineTo(x - 1.6, y + 6.4);
        arrow.lineTo(x - 1.6, y + 3.4);
        arrow.lineTo(x - 3.3, y + 3.4);
        arrow.closeSubpath();
        p.drawPath(arrow);
        break;
    }
    case Glyph::Tab: {
        p.setPen(legendPen(0.8));
        const double x0 = r.left() + 3;
        const double x1 = r.left() + 13;
        const double y0 = r.top() + 5;
        const double y1 = r.top() + 10;
        p.drawLine(QPointF(x0 + 3, y0), QPointF(x1, y0));
        drawTriangle(p, QPointF(x0, y0), 3.2, 1.8, 180);
        p.drawLine(QPointF(x0 - 0.5, y0 - 2), QPointF(x0 - 0.5, y0 + 2));
        p.drawLine(QPointF(x0, y1), QPointF(x1 - 3, y1));
        drawTriangle(p, QPointF(x1, y1), 3.2, 1.8, 0);
        p.drawLine(QPointF(x1 + 0.5, y1 - 2), QPointF(x1 + 0.5, y1 + 2));
        break;
    }
    case Glyph::Mute: {
        drawSpeaker(p, QPointF(c.x() - 4, c.y()));
        p.setPen(legendPen(0.7));
        p.drawLine(QPointF(c.x() + 0.6, c.y() - 1.6), QPointF(c.x() + 3.6, c.y() + 1.6));
        p.drawLine(QPointF(c.x() + 0.6, c.y() + 1.6), QPointF(c.x() + 3.6, c.y() - 1.6));
        break;
    }
    case Glyph::VolumeDown:
    case Glyph::VolumeUp: {
        drawSpeaker(p, QPointF(c.x() - 4.5, c.y()));
        p.setPen(legendPen(0.7));
        const int waves = key.glyph == Glyph::VolumeUp ? 3 : 1;
        for (int i = 0; i < waves; ++i) {
            const double radius = 1.6 + 1.5 * i;
            p.drawArc(QRectF(c.x() - 1.5 - radius, c.y() - radius, 2 * radius, 2 * radius), -50 * 16, 100 * 16);
        }
        break;
    }
    case Glyph::Power: {
        p.setPen(legendPen(0.8));
        p.drawArc(QRectF(c.x() - 2.8, c.y() - 2.5, 5.6, 5.6), 120 * 16, 300 * 16);
        p.drawLine(QPointF(c.x(), c.y() - 3.4), QPointF(c.x(), c.y() + 0.2));
        break;
    }
    }
    p.restore();
}

void drawKey(QPainter& p, const Key& key, const QString& family, std::mt19937& random)
{
    const QRectF r = key.area();
    std::uniform_int_distribution<int> wobble(-2, 2);
    const int tint = wobble(random);
    auto grey = [tint](int level, int alpha = 255) {
        const int v = std::clamp(level + tint, 0, 255);
        return QColor(v, v, v, alpha);
    };

    // A soft shadow falls into the gap below and to the right of each key.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(r.adjusted(0.3, 0.6, 0.6, 0.9), 1.6, 1.6);

    // The sloped sides of the cap catch the overhead light along the top edge.
    QLinearGradient skirt(0, r.top(), 0, r.bottom());
    skirt.setColorAt(0, grey(92));
    skirt.setColorAt(0.1, grey(62));
    skirt.setColorAt(0.85, grey(46));
    skirt.setColorAt(1, grey(34));
    p.setBrush(skirt);
    p.drawRoundedRect(r, 1.5, 1.5);

    const QRectF face = r.adjusted(1.05, 0.95, -1.05, -1.35);
    QLinearGradient top(0, face.top(), 0, face.bottom());
    top.setColorAt(0, grey(36));
    top.setColorAt(0.5, grey(27));
    top.setColorAt(1, grey(23));
    p.setBrush(top);
    p.drawRoundedRect(face, 1.1, 1.1);

    // A faint sheen across the upper half of the face.
    QLinearGradient sheen(face.topLeft(), face.bottomRight());
    sheen.setColorAt(0, QColor(255, 255, 255, 14));
    sheen.setColorAt(0.6, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(face, 1.1, 1.1);

    LegendPainter legends(p, family);
    const bool shortKey = r.height() < 16;
    if (!key.label.isEmpty()) {
        const double size = shortKey ? 6.0 : 6.3;
        if (shortKey)
            legends.text(key.label, size, QPointF(r.left() + 2.3, r.top() + 3.2), Qt::AlignLeft | Qt::AlignTop);
        else if (key.glyph == Glyph::Shift || key.glyph == Glyph::Enter)
            legends.text(key.label, size, QPointF(r.left() + 2.6, r.bottom() - 2.2), Qt::AlignLeft | Qt::AlignBottom);
        else
            legends.text(key.label, size, QPointF(r.left() + 2.6, r.top() + 2.8), Qt::AlignLeft | Qt::AlignTop);
    }
    const bool letter = key.bottomLeft.isEmpty() && !key.topLeft.isEmpty() && key.topLeft.at(0).isLetter();
    if (letter) {
        legends.text(key.topLeft, 8.4, QPointF(r.left() + 2.7, r.top() + 2.5), Qt::AlignLeft | Qt::AlignTop);
        legends.text(
            key.bottomRight, 6.9, QPointF(r.right() - 2.4, r.bottom() - 2.7), Qt::AlignRight | Qt::AlignBottom);
    } else {
        legends.text(key.topLeft, 6.4, QPointF(r.left() + 2.7, r.top() + 2.4), Qt::AlignLeft | Qt::AlignTop);
        legends.text(key.bottomLeft, 7.0, QPointF(r.left() + 2.7, r.bottom() - 2.6), Qt::AlignLeft | Qt::AlignBottom);
        legends.text(
            key.bottomRight, 6.2, QPointF(r.right() - 2.4, r.bottom() - 2.7), Qt::AlignRight | Qt::AlignBottom);
    }
    drawGlyph(p, key);
}

} // namespace

QImage drawKeyboard(const QString& fontFamily)
{
    QImage large(pictureWidth * oversample, pictureHeight * oversample, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&large);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(oversample, oversample);

        // The deck: matte black plastic, lit a little from the upper left.
        QLinearGradient deck(0, 0, pictureWidth, pictureHeight);
        deck.setColorAt(0, QColor(24, 24, 24));
        deck.setColorAt(1, QColor(12, 12, 12));
        p.fillRect(QRectF(0, 0, pictureWidth, pictureHeight), deck);

        std::mt19937 random(20240611);
        for (const Key& key : layout())
            drawKey(p, key, fontFamily, random);

        // The overhead lamp leaves the middle a touch brighter than the corners.
        QRadialGradient lamp(QPointF(pictureWidth * 0.42, pictureHeight * 0.3), pictureWidth * 0.75);
        lamp.setColorAt(0, QColor(255, 255, 255, 22));
        lamp.setColorAt(0.6, QColor(255, 255, 255, 0));
        lamp.setColorAt(1, QColor(0, 0, 0, 60));
        p.fillRect(QRectF(0, 0, pictureWidth, pictureHeight), lamp);
    }

    QImage photo = large.scaled(pictureWidth, pictureHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    photo = gaussianBlur(photo, 0.3);
    addGrain(photo, 1.6, 347121);
    return photo.convertToFormat(QImage::Format_RGB32);
}

} // namespace pictures
