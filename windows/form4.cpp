#include "windows/form4.h"

#include "content/keyboard.h"
#include "content/texts.h"
#include "forms/widgets.h"
#include "windows/form2.h"

#include <QImage>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

namespace keys = content::keyboard;

// The two keys that a store's picture outlines, taken from the table the
// keyboard picture is drawn from.
struct Outline {
    forms::Image Form4::*store;
    keys::KeyRect first;
    keys::KeyRect second;
};

constexpr Outline outlines[] = {
    { &Form4::SF, keys::leftShiftKey, keys::functionKeys.at(3) },
    { &Form4::CA, keys::leftCtrlKey, keys::homeLetterKeys.of('A') },
    { &Form4::CC, keys::leftCtrlKey, keys::lowerLetterKeys.of('C') },
    { &Form4::CV, keys::leftCtrlKey, keys::lowerLetterKeys.of('V') },
    { &Form4::CZ, keys::leftCtrlKey, keys::lowerLetterKeys.of('Z') },
    { &Form4::CY, keys::leftCtrlKey, keys::upperLetterKeys.of('Y') },
    { &Form4::CO, keys::leftCtrlKey, keys::upperLetterKeys.of('O') },
    { &Form4::CS, keys::leftCtrlKey, keys::homeLetterKeys.of('S') },
};

// A one-pixel pure red frame along the edges of the key; no other pixel of the
// picture changes.
void drawOutline(QImage& picture, const keys::KeyRect& key)
{
    const QRgb red = qRgb(255, 0, 0);
    for (int column = key.firstColumn; column <= key.lastColumn; ++column) {
        picture.setPixel(column, key.firstRow, red);
        picture.setPixel(column, key.lastRow, red);
    }
    for (int row = key.firstRow; row <= key.lastRow; ++row) {
        picture.setPixel(key.firstColumn, row, red);
        picture.setPixel(key.lastColumn, row, red);
    }
}

} // namespace

Form4::Form4()
    : Window(className, { .caption = u"Ворсилан "_s, .backColor = QColor(0xE0, 0xE0, 0xE0) })
{
    // The shortcut pictures belong to the window as it is built, like the
    // pictures its description names: each is the plain keyboard already held
    // by the store I with the two keys of its combination outlined. They are
    // drawn on the decoded pixels, so the outlines are exact and every other
    // pixel stays as it is in the plain picture.
    const QImage plain = I.imageWidget()->picture()->toImage().convertToFormat(QImage::Format_RGB32);
    for (const Outline& outline : outlines) {
        QImage picture = plain;
        drawOutline(picture, outline.first);
        drawOutline(picture, outline.second);
        (this->*outline.store).imageWidget()->setPicture(std::make_shared<const QPixmap>(QPixmap::fromImage(picture)));
    }

    onClick(Command1, &Form4::Command1_Click);
    onClick(Command2, &Form4::Command2_Click);
    onClick(Command3, &Form4::Command3_Click);
    onClick(Command4, &Form4::Command4_Click);
    onClick(Command5, &Form4::Command5_Click);
    onClick(Command6, &Form4::Command6_Click);
    onClick(Command7, &Form4::Command7_Click);
    onClick(Command8, &Form4::Command8_Click);
    onClick(Command9, &Form4::Command9_Click);
}

void Form4::Command1_Click()
{
    showShortcut(content::changeFontAction, SF);
}

void Form4::Command2_Click()
{
    showShortcut(content::selectAllAction, CA);
}

void Form4::Command3_Click()
{
    showShortcut(content::copyAction, CC);
}

void Form4::Command4_Click()
{
    showShortcut(content::pasteAction, CV);
}

void Form4::Command5_Click()
{
    showShortcut(content::undoAction, CZ);
}

void Form4::Command6_Click()
{
    showShortcut(content::redoAction, CY);
}

void Form4::Command7_Click()
{
    showShortcut(content::openAction, CO);
}

void Form4::Command8_Click()
{
    showShortcut(content::saveAction, CS);
}

// A shortcut button names its action, then shows its store's very picture.
void Form4::showShortcut(std::u16string_view action, const forms::Image& store)
{
    l1.item(1).setCaption(action);
    I1.setPicture(store.picture());
}

void Form4::Command9_Click()
{
    forms::window<Form2>().show();
    hide();
    I1.setPicture(I.picture());
    l1.item(1).setCaption(u"");
}
