// What the window system gives every program without being asked: assistive
// technology reads the labels and images, Enter clicks a focused button and
// nothing else, the one-line search box takes the first line of text that
// arrives whole, Qt's own texts are Russian, and labels stay readable on any
// colour scheme.

#include "support.h"

#include "content/texts.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace Qt::Literals::StringLiterals;

using forms::window;
using support::click;
using support::fromView;
using support::visibleWindows;

namespace {

forms::Window& windowNumber(int number)
{
    switch (number) {
    case 1: return window<Form1>();
    case 2: return window<Form2>();
    case 3: return window<Form3>();
    case 4: return window<Form4>();
    default: return window<Form5>();
    }
}

// What assistive technology hears: the objects whose accessible name changed,
// and where the cursor moved to in the search box.
QList<QObject*> s_renamed;
QList<int> s_caretMoves;

void recordUpdates(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::NameChanged)
        s_renamed.append(event->object());
    if (event->type() == QAccessible::TextCaretMoved && qobject_cast<QLineEdit*>(event->object()))
        s_caretMoves.append(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
}

// What the screen shows where a widget stands: what its window last put
// there, not a rendering made for the asking.
QImage onScreen(QWidget* widget)
{
    const QPoint at = widget->mapTo(widget->window(), QPoint());
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage();
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// How text reaches the search box whole.
enum class Arrival { CtrlV, ShiftInsert, Menu, MiddleButton, Drop, DropAsMove };
const std::pair<Arrival, const char*> arrivals[] = {
    { Arrival::CtrlV, "Ctrl+V" },
    { Arrival::ShiftInsert, "Shift+Insert" },
    { Arrival::Menu, "menu" },
    { Arrival::MiddleButton, "middle button" },
    { Arrival::Drop, "drop" },
    { Arrival::DropAsMove, "drop proposing a move" },
};

// Where the text cursor stands in the box.
QPoint cursorPoint(QLineEdit* box)
{
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
}

void deliver(QLineEdit* box, const QString& text, Arrival how)
{
    switch (how) {
    case Arrival::CtrlV:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Arrival::ShiftInsert:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Arrival::Menu: {
        QGuiApplication::clipboard()->setText(text);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, cursorPoint(box), box->mapToGlobal(cursorPoint(box)));
        QApplication::sendEvent(box, &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(paste))
                action->trigger();
        }
        menu->close();
        break;
    }
    case Arrival::MiddleButton:
        // The pointer stands where the cursor is: the click puts it there.
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, cursorPoint(box));
        break;
    case Arrival::Drop:
    case Arrival::DropAsMove: {
        QMimeData data;
        data.setText(text);
        // Shift held over the box proposes a move, which the source ends by
        // deleting what it gave.
        const Qt::KeyboardModifiers modifiers = how == Arrival::DropAsMove ? Qt::ShiftModifier : Qt::NoModifier;
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(cursorPoint(box), actions, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(cursorPoint(box), actions, &data, Qt::LeftButton, modifiers);
        QCOMPARE(drop.proposedAction(), how == Arrival::DropAsMove ? Qt::MoveAction : Qt::CopyAction);
        QApplication::sendEvent(box, &drop);
        // The source keeps what the box did not take.
        if (drop.isAccepted() && (text.contains(u'\n') || text.contains(u'\r')))
            QCOMPARE(drop.dropAction(), Qt::CopyAction);
        break;
    }
    }
}

// The darkest colour channel of every clearly painted pixel, at its lightest.
int lightestInk(const QImage& image)
{
    int lightest = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 128)
                lightest = std::max(lightest, std::max({ qRed(pixel), qGreen(pixel), qBlue(pixel) }));
        }
    }
    return lightest;
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void windowsAndControlsForAssistiveTechnology_data();
    void windowsAndControlsForAssistiveTechnology();
    void captionsReachTheScreenAndAssistiveTechnology();
    void enterClicksTheFocusedButton_data();
    void enterClicksTheFocusedButton();
    void enterAndEscapeElsewhereDoNothing_data();
    void enterAndEscapeElsewhereDoNothing();
    void textArrivingWholeKeepsItsFirstLine_data();
    void textArrivingWholeKeepsItsFirstLine();
    void pasteIsAnUndoStepOfItsOwn_data();
    void pasteIsAnUndoStepOfItsOwn();
    void pastedShortcutIsFound();
    void emptyListShowsTheFocus();
    void qtTextsAreRussian();
    void labelTextIsBlackOnEveryScheme_data();
    void labelTextIsBlackOnEveryScheme();

private:
    support::Program m_program;
};

void TestPlatform::initTestCase()
{
    // What a screen reader does when it starts listening.
    QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(accessibility);
    accessibility->setActive(true);
    QAccessible::installUpdateHandler(recordUpdates);
}

void TestPlatform::init()
{
    m_program.start();
    s_renamed.clear();
}

void TestPlatform::cleanup()
{
    m_program.stop();
    QApplication::setPalette(QPalette());
}

void TestPlatform::windowsAndControlsForAssistiveTechnology_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("imageName");
    QTest::newRow("Form1") << 1 << u"Ворсилан "_s << QString();
    QTest::newRow("Form2") << 2 << u"Ворсилан"_s << QString();
    QTest::newRow("Form3") << 3 << u"Ворсилан"_s << u"Win"_s;
    QTest::newRow("Form4") << 4 << u"Ворсилан "_s << QString();
    QTest::newRow("Form5") << 5 << u"Ворсилан "_s << QString();
}

// Every window is a window named by its title. Every control that takes the
// focus has a name; a picture button's is its tool tip. Every label is static
// text named by its caption exactly as it holds it (a topic text by all of it,
// runs of blanks included) and described by its tool tip; every image is a
// graphic described by its tool tip, and the Windows-key icons are named by
// the key they show.
void TestPlatform::windowsAndControlsForAssistiveTechnology()
{
    QFETCH(int, number);
    QFETCH(QString, title);
    QFETCH(QString, imageName);
    QWidget* surface = windowNumber(number).widget();
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(surface);
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), title);
    int focusable = 0;
    for (auto* control : surface->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        QVERIFY2(!accessibleName(control).trimmed().isEmpty(), qPrintable(control->objectName()));
        if (auto* button = qobject_cast<QPushButton*>(control); button && button->text().isEmpty())
            QCOMPARE(accessibleName(button), button->toolTip());
        ++focusable;
    }
    QVERIFY(focusable >= 1);
    int labels = 0;
    for (auto* label : surface->findChildren<forms::LabelWidget*>()) {
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(label);
        QVERIFY(seen);
        QCOMPARE(seen->role(), QAccessible::StaticText);
        QCOMPARE(seen->text(QAccessible::Name), label->caption());
        QCOMPARE(seen->text(QAccessible::Description), label->toolTip());
        QVERIFY(!seen->state().focusable);
        ++labels;
    }
    QVERIFY(labels >= 2);
    for (auto* image : surface->findChildren<forms::ImageWidget*>()) {
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(image);
        QVERIFY(seen);
        QCOMPARE(seen->role(), QAccessible::Graphic);
        QCOMPARE(seen->text(QAccessible::Name), imageName);
        QCOMPARE(seen->text(QAccessible::Description), image->toolTip());
    }

    if (number == 1) {
        const Form1& start = window<Form1>();
        QCOMPARE(accessibleName(start.Label1.widget()), u"X"_s);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(start.Label1.widget())->text(QAccessible::Description), u"Выход"_s);
        QCOMPARE(accessibleName(start.l4.widget()), fromView(content::creditStart));
    }
    if (number == 2) {
        // The four "Далее" keep the caption the user sees and says as their
        // name, and each is described by the section in its row.
        Form2& menu = window<Form2>();
        const std::pair<forms::CommandButton*, QString> rows[] = {
            { &menu.Command2, u"При работе с текстовыми редакторами"_s },
            { &menu.Command4, u"При работе в браузере"_s },
            { &menu.Command5, u"При работе в Windows"_s },
            { &menu.Command3, u"На Yandex-почте"_s },
        };
        for (const auto& [button, section] : rows) {
            QCOMPARE(accessibleName(button->widget()), u"Далее"_s);
            QCOMPARE(QAccessible::queryAccessibleInterface(button->widget())->text(QAccessible::Description), section);
        }
    }
    if (number == 3) {
        const QString windows = accessibleName(window<Form3>().wind3.widget());
        QVERIFY(windows.startsWith(u"Alt+Tab - "_s));
        QVERIFY(windows.contains(QString(142, u' ')));
    }
}

// A handler's new caption reaches the screen, and it is the label's name at
// once, assistive technology being told of each change.
void TestPlatform::captionsReachTheScreenAndAssistiveTechnology()
{
    Form1& start = window<Form1>();
    QVERIFY(QTest::qWaitForWindowExposed(start.widget()));
    const QImage l3AtRest = onScreen(start.l3.widget());
    const QImage l4AtRest = onScreen(start.l4.widget());
    QTest::mousePress(start.Label4.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(accessibleName(start.l3.widget()), fromView(content::creditLine1));
    QCOMPARE(accessibleName(start.l4.widget()), fromView(content::creditLine2));
    QCOMPARE(s_renamed, (QList<QObject*> { start.l3.widget(), start.l4.widget() }));
    QTRY_VERIFY(onScreen(start.l3.widget()) != l3AtRest);
    QTRY_VERIFY(onScreen(start.l4.widget()) != l4AtRest);

    s_renamed.clear();
    QTest::mouseRelease(start.Label4.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(accessibleName(start.l3.widget()), QString());
    QCOMPARE(accessibleName(start.l4.widget()), fromView(content::creditStart));
    QCOMPARE(s_renamed, (QList<QObject*> { start.l3.widget(), start.l4.widget() }));
    QTRY_COMPARE(onScreen(start.l3.widget()), l3AtRest);
    QTRY_COMPARE(onScreen(start.l4.widget()), l4AtRest);

    click(start.Command1);
    click(window<Form2>().Command2);
    QWidget* action = window<Form4>().l1.item(1).widget();
    QVERIFY(QTest::qWaitForWindowExposed(window<Form4>().widget()));
    const QImage noAction = onScreen(action);
    s_renamed.clear();
    click(window<Form4>().Command3);
    QCOMPARE(accessibleName(action), u"Скопировать выделенный текст"_s);
    QCOMPARE(s_renamed, QList<QObject*> { action });
    QTRY_VERIFY(onScreen(action) != noAction);

    click(window<Form4>().Command9);
    // Creating a window names its controls; only the handler's change counts.
    window<Form3>();
    s_renamed.clear();
    click(window<Form2>().Command5);
    QCOMPARE(accessibleName(window<Form3>().l1.widget()), u"Комбинации клавиш при работе в Windows"_s);
    QCOMPARE(s_renamed, QList<QObject*> { window<Form3>().l1.widget() });
}

void TestPlatform::enterClicksTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

// Enter goes to the focused button as a key goes to any focused control, and
// clicks it: the start button, a "Далее" button, a shortcut button. A key held
// down clicks once.
void TestPlatform::enterClicksTheFocusedButton()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    const auto press = [&](forms::Window& w, forms::CommandButton& button) {
        button.button()->setFocus();
        QTest::keyClick(w.widget()->windowHandle(), Qt::Key(key), modifiers);
    };

    Form1& start = window<Form1>();
    QCOMPARE(start.widget()->focusWidget(), start.Command1.button());
    QTest::keyClick(start.widget()->windowHandle(), Qt::Key(key), modifiers);
    QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });

    press(window<Form2>(), window<Form2>().Command2);
    QCOMPARE(visibleWindows(), QStringList { u"Form4"_s });

    Form4& editors = window<Form4>();
    press(editors, editors.Command3);
    QCOMPARE(editors.l1.item(1).labelWidget()->caption(), u"Скопировать выделенный текст"_s);

    // The repeats of a held key click nothing.
    editors.Command5.button()->setFocus();
    QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
    QApplication::sendEvent(editors.Command5.button(), &repeat);
    QCOMPARE(editors.l1.item(1).labelWidget()->caption(), u"Скопировать выделенный текст"_s);

    press(editors, editors.Command9);
    QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
    QVERIFY(m_program.failures.isEmpty());
}

void TestPlatform::enterAndEscapeElsewhereDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    for (const QString& focus : { u"search box"_s, u"result list"_s }) {
        QTest::addRow("Enter, %s", qPrintable(focus)) << int(Qt::Key_Return) << focus;
        QTest::addRow("keypad Enter, %s", qPrintable(focus)) << int(Qt::Key_Enter) << focus;
        QTest::addRow("Escape, %s", qPrintable(focus)) << int(Qt::Key_Escape) << focus;
    }
    QTest::newRow("Escape, start button") << int(Qt::Key_Escape) << u"start button"_s;
}

// No button is a default or a cancel button: Enter in the search box or on the
// result list searches nothing and moves nowhere, and Escape does nothing
// anywhere. No button is drawn as a default button either.
void TestPlatform::enterAndEscapeElsewhereDoNothing()
{
    QFETCH(int, key);
    QFETCH(QString, focus);

    Form1& start = window<Form1>();
    start.t1.lineEdit()->setText(u"Ctrl+C"_s);
    start.lt1.list()->addItem(u"entry"_s);
    start.lt1.list()->setVisible(true);
    QWidget* focused = focus == u"search box" ? start.t1.widget()
        : focus == u"result list"             ? start.lt1.widget()
                                              : start.Command1.widget();
    focused->setFocus();
    QTest::keyClick(
        start.widget()->windowHandle(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    QCOMPARE(m_program.runtime().windows().size(), std::size_t(1));
    QCOMPARE(start.lt1.items(), QStringList { u"entry"_s });
    QCOMPARE(start.t1.lineEdit()->text(), u"Ctrl+C"_s);
    QVERIFY(m_program.ends.isEmpty());
    for (int number = 1; number <= 5; ++number) {
        for (auto* button : windowNumber(number).widget()->findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }
}

void TestPlatform::textArrivingWholeKeepsItsFirstLine_data()
{
    QTest::addColumn<Arrival>("how");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");

    struct Case {
        const char* name;
        QString before;
        int cursor;
        int selected;
        QString text;
        QString after;
    };
    const Case cases[] = {
        { "line break between", {}, 0, 0, u"Ctrl+S\nCtrl+C"_s, u"Ctrl+S"_s },
        { "trailing line break", {}, 0, 0, u"Ctrl+C\n"_s, u"Ctrl+C"_s },
        { "Windows line break", {}, 0, 0, u"Ctrl+C\r\nCtrl+V"_s, u"Ctrl+C"_s },
        { "carriage return", {}, 0, 0, u"Ctrl+C\rCtrl+V"_s, u"Ctrl+C"_s },
        { "at the cursor, the rest kept", u"Ctrl+ - копировать"_s, 5, 0, u"C\nV"_s, u"Ctrl+C - копировать"_s },
        { "no line break", u"Alt"_s, 3, 0, u"+Tab  \t"_s, u"Alt+Tab  \t"_s },
        { "nothing before the line break", u"Ctrl"_s, 4, 0, u"\n+S"_s, u"Ctrl"_s },
        { "over the selection", u"Ctrl+X"_s, 5, 1, u"S\r\nZ"_s, u"Ctrl+S"_s },
        { "nothing before the line break, over the selection", u"Ctrl+X"_s, 5, 1, u"\nZ"_s, u"Ctrl+"_s },
    };
    for (const auto& [how, way] : arrivals) {
        for (const Case& c : cases) {
            // The middle button and a drop put the text where the pointer is
            // and take no selection.
            const bool atPointer = how == Arrival::MiddleButton || how == Arrival::Drop || how == Arrival::DropAsMove;
            if (atPointer && c.selected > 0)
                continue;
            QTest::addRow("%s, %s", way, c.name) << how << c.before << c.cursor << c.selected << c.text << c.after;
        }
    }
}

// Text that arrives whole goes in up to its first line break (CR, LF or
// CR LF), at the cursor or over the selection, and the rest of the box stays.
void TestPlatform::textArrivingWholeKeepsItsFirstLine()
{
    QFETCH(Arrival, how);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(int, selected);
    QFETCH(QString, text);
    QFETCH(QString, after);

    if (how == Arrival::MiddleButton && !QGuiApplication::clipboard()->supportsSelection())
        QSKIP("This platform has no selection to paste.");
    QLineEdit* box = window<Form1>().t1.lineEdit();
    box->setFocus();
    box->setText(before);
    if (selected > 0)
        box->setSelection(cursor, selected);
    else
        box->setCursorPosition(cursor);
    deliver(box, text, how);
    QCOMPARE(box->text(), after);
}

void TestPlatform::pasteIsAnUndoStepOfItsOwn_data()
{
    QTest::addColumn<Arrival>("how");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("overSelection");
    QTest::addColumn<QString>("pasted");

    // What the box holds before the paste: the "Ctrl+" typed, "Ctrl+X" with
    // the "X" selected, or nothing, emptied of its starting text.
    struct Start {
        const char* name;
        QString before;
        bool overSelection;
    };
    const Start starts[] = {
        { "at the end", u"Ctrl+"_s, false },
        { "over the selection", u"Ctrl+X"_s, true },
        { "into the emptied box", QString(), false },
    };
    for (const auto& [how, way] : arrivals) {
        // A drop is not a paste.
        if (how == Arrival::Drop || how == Arrival::DropAsMove)
            continue;
        for (const Start& start : starts) {
            // The middle button puts the text where the pointer is and takes
            // no selection.
            if (how == Arrival::MiddleButton && start.overSelection)
                continue;
            QTest::addRow("%s, %s, one line", way, start.name) << how << start.before << start.overSelection << u"C"_s;
            // Cut at a line break, a paste into an empty box joins the undo
            // step before it.
            if (!start.before.isEmpty())
                QTest::addRow("%s, %s, cut at a line break", way, start.name)
                    << how << start.before << start.overSelection << u"C\nV"_s;
        }
    }
}

// Typing, a paste and typing again are three undo steps, as with the line
// edit's own paste: the first undo takes back the typing after the paste, the
// second the paste alone, and redo brings the paste back. The cursor moves
// from where the paste began to its end and nowhere else; of a one-line paste,
// the line edit's own, assistive technology hears that one move alone.
void TestPlatform::pasteIsAnUndoStepOfItsOwn()
{
    QFETCH(Arrival, how);
    QFETCH(QString, before);
    QFETCH(bool, overSelection);
    QFETCH(QString, pasted);

    if (how == Arrival::MiddleButton && !QGuiApplication::clipboard()->supportsSelection())
        QSKIP("This platform has no selection to paste.");
    QLineEdit* box = window<Form1>().t1.lineEdit();
    box->setFocus();
    box->setText(u"Поисковая строка"_s);
    if (before.isEmpty()) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        box->clear();
        QTest::keyClicks(box, before);
        if (overSelection)
            QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    }
    QCOMPARE(box->text(), before);
    // The pasted "C" ends the box whatever it replaced.
    const QString after = before.isEmpty() ? u"C"_s : u"Ctrl+C"_s;
    QSignalSpy moves(box, &QLineEdit::cursorPositionChanged);
    s_caretMoves.clear();
    deliver(box, pasted, how);
    QCOMPARE(box->text(), after);
    const int from = int(after.size() - 1);
    QCOMPARE(moves, (QList<QList<QVariant>> { { from, from + 1 } }));
    if (!pasted.contains(u'\n'))
        QCOMPARE(s_caretMoves, QList<int> { from + 1 });
    QTest::keyClicks(box, u" Ctrl+V"_s);

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), after);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), before);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(box->text(), after);
}

// The fault users met: a shortcut copied with its line break is found.
void TestPlatform::pastedShortcutIsFound()
{
    Form1& start = window<Form1>();
    start.t1.lineEdit()->clear();
    deliver(start.t1.lineEdit(), u"Ctrl+C\r\n"_s, Arrival::CtrlV);
    click(start.Command2);
    QCOMPARE(start.lt1.items(), QStringList { support::titles.at(9) });
}

// Tab from the search button onto a list that a search left empty: the list
// shows that it has the focus where its first row would stand, and nowhere
// else, as a current row shows it.
void TestPlatform::emptyListShowsTheFocus()
{
    Form1& start = window<Form1>();
    QVERIFY(QTest::qWaitForWindowActive(start.widget()));
    start.t1.lineEdit()->setText(u"Ctrl+Ы"_s);
    click(start.Command2);
    QVERIFY(start.lt1.items().isEmpty());
    QCOMPARE(QApplication::focusWidget(), start.Command2.widget());
    const QImage unfocused = start.lt1.widget()->grab().toImage();
    QTest::keyClick(start.widget()->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), start.lt1.widget());
    const QImage focused = start.lt1.widget()->grab().toImage();
    // The mark goes with the focus when the user tabs on.
    QTest::keyClick(start.widget()->windowHandle(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != start.lt1.widget());
    QCOMPARE(start.lt1.widget()->grab().toImage(), unfocused);

    QRect changed;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (focused.pixel(x, y) != unfocused.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    start.lt1.list()->addItem(u"row"_s);
    const QRect row = start.lt1.list()->visualItemRect(start.lt1.list()->item(0));
    QVERIFY2(!changed.isEmpty(), "the empty list looks the same with the focus");
    QCOMPARE(changed, row.translated(start.lt1.list()->viewport()->pos()));
}

// Qt's own texts read in Russian whatever the machine's locale: the search
// box's menu, and Qt's strings wherever they appear.
void TestPlatform::qtTextsAreRussian()
{
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), u"В&ставить"_s);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Отмена"_s);

    std::unique_ptr<QMenu> menu(window<Form1>().t1.lineEdit()->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text().section(u'\t', 0, 0).remove(u'&'));
    }
    QCOMPARE(texts,
        (QStringList { u"Отменить действие"_s, u"Повторить действие"_s, u"Вырезать"_s, u"Копировать"_s, u"Вставить"_s,
            u"Удалить"_s, u"Выделить всё"_s }));
}

void TestPlatform::labelTextIsBlackOnEveryScheme_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("number");
    for (bool dark : { false, true }) {
        for (int number = 1; number <= 5; ++number)
            QTest::addRow("%s, Form%d", dark ? "dark" : "light", number) << dark << number;
    }
}

// Labels lie on the pale background picture, so their text is black whatever
// the desktop's colours; the buttons keep the desktop's colours.
void TestPlatform::labelTextIsBlackOnEveryScheme()
{
    QFETCH(bool, dark);
    QFETCH(int, number);

    if (dark) {
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
        palette.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
        palette.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
        palette.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
        palette.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
        palette.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
    }
    forms::Window& shown = windowNumber(number);
    int painted = 0;
    for (auto* label : shown.widget()->findChildren<forms::LabelWidget*>()) {
        if (label->caption().trimmed().isEmpty())
            continue;
        const int lightest = lightestInk(support::paintedAlone(label));
        QVERIFY2(lightest >= 0, qPrintable(label->objectName()));
        QVERIFY2(lightest < 40, qPrintable(u"%1: %2"_s.arg(label->objectName()).arg(lightest)));
        ++painted;
    }
    QVERIFY(painted > 0);
    for (auto* button : shown.widget()->findChildren<QPushButton*>())
        QCOMPARE(button->palette().color(QPalette::ButtonText), QApplication::palette().color(QPalette::ButtonText));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
