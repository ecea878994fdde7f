#pragma once

// What the window tests share: a fresh program for every test function, and
// the small helpers that look at windows, drive buttons and measure ink.

#include "forms/runtime.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>
#include <memory>
#include <string_view>

class QWidget;

namespace forms {
class CommandButton;
}

namespace support {

// A program for one test function: a runtime of its own whose ends and
// reported failures are recorded instead of ending the process or showing a
// message box, with the start window shown as the start-up shows it. Like the
// real program, a reported failure ends it with status 1.
class Program {
public:
    // Starts a fresh program; the one before, if any, ends first.
    void start();
    // Ends the program and every window it created.
    void stop();

    forms::Runtime& runtime() { return *m_runtime; }

    // From now on every operation the program asks of the runtime is recorded
    // in `operations`, which starts empty, and none fails.
    void recordOperations();
    // From now on the one operation named "Kind Object.Member" fails.
    void failOn(const QString& operation);
    void failOn(QStringView kind, QStringView object, QStringView member);

    // The statuses the program ended with, in order.
    QList<int> ends;
    // The failures reported, as "Kind Object.Member".
    QStringList failures;
    // The operations recorded, as "Kind Object.Member".
    QStringList operations;

private:
    std::unique_ptr<forms::Runtime> m_runtime;
};

// An operation as the runtime names it: "Label Form1.l4.Caption".
QString operationName(QStringView kind, QStringView object, QStringView member);

// The recorded operations of the given kinds, without the kind:
// "Form4.I1.Picture".
QStringList operationsOf(const QStringList& operations, std::initializer_list<QStringView> kinds);

// Only the window moves of recorded operations: "Form2.Show", "Form1.Hide".
QStringList moves(const QStringList& operations);

// Which windows are visible, by name, in the order of their creation.
QStringList visibleWindows();

// A left click on the button's widget.
void click(forms::CommandButton& button);

// The code units of a view, as they stand.
QString fromView(std::u16string_view text);

// The section titles of the search, in catalogue order, written out here so
// that the tests do not take them from the code under test.
extern const QStringList titles;

// The face every control's font must name: Candara where it is installed, else
// the embedded Carlito.
QString controlFace();

// What a widget paints by itself, its children included, on a transparent
// ground.
QImage paintedAlone(QWidget* widget);

// The bounding box of the pixels within a band whose alpha is above a
// threshold; an empty rectangle where there are none. Without a band, the
// whole image; without a threshold, every pixel painted at all.
QRect inkBox(const QImage& image, const QRect& band, int alphaAbove);
QRect inkBox(const QImage& image);

} // namespace support
