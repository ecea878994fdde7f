#include "support.h"

#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

using forms::window;
using support::click;
using support::visibleWindows;

namespace {

// One step of the mouse on the start window: a press or a release of a button,
// over the exit label or away from it.
struct MouseStep {
    bool press;
    Qt::MouseButton button;
    bool onLabel;
};

} // namespace

Q_DECLARE_METATYPE(QList<MouseStep>)

class TestRuntime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startState();
    void movesKeepOneWindowAndTheSameInstances();
    void movesShowBeforeHide();
    void form1Layout_data();
    void form1Layout();
    void form1TabOrderAndFocus();
    void credits_data();
    void credits();
    void releaseWhileAnotherButtonIsHeld();
    void failureStopsTheHandler();
    void failedShowLeavesTheWindow();
    void failureShowsAMessageAndEnds_data();
    void failureShowsAMessageAndEnds();
    void startWithoutADisplayEnds_data();
    void startWithoutADisplayEnds();
    void exitEndsTheProgram();
    void exitLabelClick_data();
    void exitLabelClick();
    void closingAWindowEndsTheProgram();
    void framesOfAllWindows_data();
    void framesOfAllWindows();

private:
    support::Program m_program;
};

void TestRuntime::init()
{
    m_program.start();
}

void TestRuntime::cleanup()
{
    m_program.stop();
}

void TestRuntime::startState()
{
    QCOMPARE(m_program.runtime().windows().size(), std::size_t(1));
    QVERIFY(!m_program.runtime().exists<Form2>());
    QVERIFY(!m_program.runtime().exists<Form3>());
    QVERIFY(!m_program.runtime().exists<Form4>());
    QVERIFY(!m_program.runtime().exists<Form5>());
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
}

void TestRuntime::movesKeepOneWindowAndTheSameInstances()
{
    Form1& start = window<Form1>();
    start.t1.lineEdit()->setText(u"Ctrl"_s);
    start.lt1.list()->addItem(u"entry"_s);
    start.lt1.list()->setVisible(true);

    click(start.Command1);
    QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
    Form2& menu = window<Form2>();

    click(menu.Command1);
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    QCOMPARE(&window<Form1>(), &start);
    QCOMPARE(start.t1.lineEdit()->text(), u"Ctrl"_s);
    QCOMPARE(start.lt1.items(), QStringList { u"entry"_s });
    QVERIFY(start.lt1.isVisible());
    QCOMPARE(start.l3.labelWidget()->caption(), QString());

    click(start.Command1);
    QCOMPARE(&window<Form2>(), &menu);
    QCOMPARE(m_program.runtime().windows().size(), std::size_t(2));
}

void TestRuntime::movesShowBeforeHide()
{
    m_program.recordOperations();
    click(window<Form1>().Command1);
    click(window<Form2>().Command1);
    QCOMPARE(support::moves(m_program.operations),
        (QStringList { u"Form2.Show"_s, u"Form1.Hide"_s, u"Form1.Show"_s, u"Form2.Hide"_s }));
}

void TestRuntime::form1Layout_data()
{
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("fontPixels");

    // Twips divided by 15; fonts in pixels at 96 dots per inch.
    QTest::newRow("Command1") << QRect(328, 328, 41, 41) << u"Начать"_s << true << 12;
    QTest::newRow("Label2") << QRect(8, 32, 361, 129) << QString() << true << 35;
    QTest::newRow("t1") << QRect(16, 288, 265, 27) << QString() << true << 13;
    QTest::newRow("Label1") << QRect(336, 0, 33, 25) << u"Выход"_s << true << 19;
    QTest::newRow("Command2") << QRect(296, 288, 25, 25) << u"Поиск"_s << true << 12;
    QTest::newRow("lt1") << QRect(16, 176, 337, 82) << QString() << false << -1;
    QTest::newRow("Command3") << QRect(328, 288, 25, 25) << u"Скрыть результаты поиска"_s << true << 12;
    QTest::newRow("l3") << QRect(56, 328, 249, 25) << QString() << true << 13;
    QTest::newRow("Label4") << QRect(0, 328, 41, 41) << QString() << true << 29;
    QTest::newRow("l4") << QRect(40, 344, 281, 25) << QString() << true << 13;
}

void TestRuntime::form1Layout()
{
    QFETCH(QRect, pixels);
    QFETCH(QString, toolTip);
    QFETCH(bool, visible);
    QFETCH(int, fontPixels);

    QWidget* surface = window<Form1>().widget();
    auto* control = surface->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->toolTip(), toolTip);
    QCOMPARE(control->isVisibleTo(surface), visible);
    if (fontPixels > 0) {
        QCOMPARE(control->font().pixelSize(), fontPixels);
        QVERIFY(control->font().bold());
        QCOMPARE(control->font().family(), support::controlFace());
    } else {
        QCOMPARE(control->font(), QApplication::font());
    }
}

void TestRuntime::form1TabOrderAndFocus()
{
    Form1& f = window<Form1>();
    QCOMPARE(f.widget()->focusWidget(), f.Command1.widget());

    // The focus chain visits the controls that take the focus by tab index;
    // the hidden result list is passed over until a search shows it.
    const QList<QWidget*> expected { f.Command1.widget(), f.t1.widget(), f.Command2.widget(), f.lt1.widget(),
        f.Command3.widget() };
    QList<QWidget*> chain;
    QWidget* w = f.Command1.widget();
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.append(w);
        w = w->nextInFocusChain();
    } while (w != f.Command1.widget());
    QCOMPARE(chain, expected);
    for (forms::Label* label : { &f.Label2, &f.Label1, &f.l3, &f.Label4, &f.l4 })
        QCOMPARE(label->widget()->focusPolicy(), Qt::NoFocus);
}

void TestRuntime::credits_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers();
    QTest::newRow("left+shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("right+ctrl") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("middle+alt+shift") << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::AltModifier | Qt::ShiftModifier);
}

void TestRuntime::credits()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    Form1& f = window<Form1>();
    const QString start = f.l4.labelWidget()->caption();
    QCOMPARE(start.size(), 25);
    QVERIFY(f.l3.labelWidget()->caption().isEmpty());

    for (int round = 0; round < 3; ++round) {
        QTest::mousePress(f.Label4.widget(), button, modifiers, QPoint(5, 5));
        QCOMPARE(f.l3.labelWidget()->caption().size(), 38);
        QCOMPARE(f.l4.labelWidget()->caption().size(), 38);
        QVERIFY(f.l3.labelWidget()->caption() != f.l4.labelWidget()->caption());
        QTest::mouseRelease(f.Label4.widget(), button, modifiers, QPoint(30, 30));
        QCOMPARE(f.l3.labelWidget()->caption(), QString());
        QCOMPARE(f.l4.labelWidget()->caption(), start);
    }
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    QVERIFY(m_program.ends.isEmpty());
}

void TestRuntime::releaseWhileAnotherButtonIsHeld()
{
    Form1& f = window<Form1>();
    const QString start = f.l4.labelWidget()->caption();
    QTest::mousePress(f.Label4.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(f.Label4.widget(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(f.Label4.widget(), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(f.l3.labelWidget()->caption(), QString());
    QCOMPARE(f.l4.labelWidget()->caption(), start);
    QTest::mouseRelease(f.Label4.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f.l4.labelWidget()->caption(), start);
}

void TestRuntime::failureStopsTheHandler()
{
    Form1& f = window<Form1>();
    const QString start = f.l4.labelWidget()->caption();
    m_program.failOn(u"Label", u"Form1.l4", u"Caption");
    QTest::mousePress(f.Label4.widget(), Qt::LeftButton, {}, QPoint(5, 5));

    // The first step ran, the failing one changed nothing, and the failure was
    // reported by the kind of control and the member, then the program ended.
    QCOMPARE(f.l3.labelWidget()->caption().size(), 38);
    QCOMPARE(f.l4.labelWidget()->caption(), start);
    QCOMPARE(m_program.failures, QList<QString> { u"Label Form1.l4.Caption"_s });
    QCOMPARE(m_program.ends, QList<int> { 1 });
}

void TestRuntime::failedShowLeavesTheWindow()
{
    m_program.failOn(u"Form", u"Form2", u"Show");
    click(window<Form1>().Command1);
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    QCOMPARE(m_program.failures, QList<QString> { u"Form Form2.Show"_s });
}

void TestRuntime::failureShowsAMessageAndEnds_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("message");

    // The message as the failing program prints it, its line break as "\n".
    QTest::newRow("credits caption")
        << u"Label Form1.l3.Caption"_s << u"credits"_s
        << u"Ошибка выполнения: не удалось выполнить «Caption» у объекта Label (Form1.l3).\\nПрограмма будет закрыта."_s;
    QTest::newRow("showing the section menu")
        << u"Form Form2.Show"_s << u"start"_s
        << u"Ошибка выполнения: не удалось выполнить «Show» у объекта Form (Form2).\\nПрограмма будет закрыта."_s;
}

// The real program, in a process of its own: a failing operation shows one
// message that names the member, the kind of control and the object, and once
// it is answered the program ends with status 1.
void TestRuntime::failureShowsAMessageAndEnds()
{
    QFETCH(QString, failing);
    QFETCH(QString, trigger);
    QFETCH(QString, message);

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(VORSILAN_FAILING_PROGRAM), { failing, trigger });
    QVERIFY2(child.waitForStarted(-1), qPrintable(child.errorString()));
    child.waitForFinished(-1);
    const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);

    const QStringList messages = lines.filter(QRegularExpression(u"^message: "_s));
    QVERIFY2(messages.size() == 1, qPrintable(lines.join(u'\n')));
    QCOMPARE(messages.front(), u"message: "_s + message);
    QVERIFY2(!lines.filter(QRegularExpression(u"^button: "_s)).isEmpty(), qPrintable(lines.join(u'\n')));
    QCOMPARE(child.exitCode(), 1);
}

void TestRuntime::startWithoutADisplayEnds_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("named");

    // An X display that no server holds, and a Wayland socket that no
    // compositor does.
    int gone = 1000;
    while (QFile::exists(u"/tmp/.X11-unix/X%1"_s.arg(gone)))
        ++gone;
    const QString x = u"DISPLAY=:"_s + QString::number(gone);
    const QString wayland = u"WAYLAND_DISPLAY=vorsilan-gone"_s;
    QTest::newRow("no display") << QStringList {} << u"DISPLAY не задана, WAYLAND_DISPLAY не задана"_s;
    QTest::newRow("X server gone") << QStringList { x } << x + u", WAYLAND_DISPLAY не задана"_s;
    QTest::newRow("Wayland compositor gone")
        << QStringList { wayland, u"XDG_SESSION_TYPE=wayland"_s } << u"DISPLAY не задана, "_s + wayland;
    QTest::newRow("both gone") << QStringList { x, wayland } << x + u", "_s + wayland;
    QTest::newRow("X chosen, none there") << QStringList { u"QT_QPA_PLATFORM=xcb"_s }
                                          << u"DISPLAY не задана, WAYLAND_DISPLAY не задана, QT_QPA_PLATFORM=xcb"_s;
}

// The real program where no display answers: a few lines, one of which says
// that there is no display and what the environment names, and status 1,
// without Qt's abort.
void TestRuntime::startWithoutADisplayEnds()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, named);

    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE" })
        variables.remove(QString::fromLatin1(name));
    for (const QString& variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess child;
    child.setProcessEnvironment(variables);
    child.start(QStringLiteral(VORSILAN_PROGRAM), {});
    QVERIFY2(child.waitForStarted(-1), qPrintable(child.errorString()));
    child.waitForFinished(-1);
    const QString error = QString::fromUtf8(child.readAllStandardError());
    const QStringList lines = error.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(child.exitStatus() == QProcess::NormalExit, qPrintable(error));
    QCOMPARE(child.exitCode(), 1);
    QVERIFY2(lines.size() <= 3, qPrintable(error));
    // Qt's own first words follow, which tell why.
    const qsizetype said = lines.indexOf(u"vorsilan: нет дисплея, на котором открыть окна (%1)."_s.arg(named));
    QVERIFY2(said >= 0 && said + 1 < lines.size(), qPrintable(error));
    QCOMPARE(child.readAllStandardOutput(), QByteArray());
}

void TestRuntime::exitEndsTheProgram()
{
    Form1& f = window<Form1>();
    click(f.Command1);
    click(window<Form2>().Command1);
    QTest::mouseClick(f.Label1.widget(), Qt::LeftButton);
    QCOMPARE(m_program.ends, QList<int> { 0 });

    // A press that is released outside the label is no click.
    m_program.ends.clear();
    QTest::mousePress(f.Label1.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(f.Label1.widget(), Qt::LeftButton, {}, QPoint(200, 5));
    QVERIFY(m_program.ends.isEmpty());

    // Nor is a release over the label that follows no press on it.
    QTest::mouseRelease(f.Label1.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(m_program.ends.isEmpty());
}

void TestRuntime::exitLabelClick_data()
{
    QTest::addColumn<QList<MouseStep>>("steps");
    QTest::addColumn<bool>("click");

    constexpr Qt::MouseButton left = Qt::LeftButton;
    constexpr Qt::MouseButton right = Qt::RightButton;
    constexpr Qt::MouseButton middle = Qt::MiddleButton;
    QTest::newRow("left click") << QList<MouseStep> { { true, left, true }, { false, left, true } } << true;
    QTest::newRow("right click during a left press") << QList<MouseStep> { { true, left, true }, { true, right, true },
        { false, right, true }, { false, left, true } }
                                                     << true;
    QTest::newRow("middle click during a left press") << QList<MouseStep> { { true, left, true },
        { true, middle, true }, { false, middle, true }, { false, left, true } }
                                                      << true;
    QTest::newRow("pressed elsewhere, released on the label")
        << QList<MouseStep> { { true, left, false }, { false, left, true } } << false;
    QTest::newRow("pressed on the label, released elsewhere")
        << QList<MouseStep> { { true, left, true }, { false, left, false } } << false;
    QTest::newRow("right click") << QList<MouseStep> { { true, right, true }, { false, right, true } } << false;
    QTest::newRow("middle click") << QList<MouseStep> { { true, middle, true }, { false, middle, true } } << false;
}

// A click on the exit label is a left press on it and a left release on it,
// whatever other buttons go down and up in between. The mouse goes through the
// window system, so a press holds the mouse for the widget under it.
void TestRuntime::exitLabelClick()
{
    QFETCH(QList<MouseStep>, steps);
    QFETCH(bool, click);

    Form1& f = window<Form1>();
    QWindow* surface = f.widget()->windowHandle();
    QVERIFY(surface);
    const QPoint onLabel = f.Label1.widget()->geometry().center();
    const QPoint away(200, 230);
    QCOMPARE(f.widget()->childAt(away), nullptr);
    for (const MouseStep& step : steps) {
        const QPoint at = step.onLabel ? onLabel : away;
        if (step.press)
            QTest::mousePress(surface, step.button, {}, at);
        else
            QTest::mouseRelease(surface, step.button, {}, at);
    }
    QCOMPARE(m_program.ends, click ? QList<int> { 0 } : QList<int> {});
}

void TestRuntime::closingAWindowEndsTheProgram()
{
    click(window<Form1>().Command1);
    window<Form2>().widget()->close();
    QCOMPARE(m_program.ends, QList<int> { 0 });
}

void TestRuntime::framesOfAllWindows_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("leaveButton");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("Form1") << u"Ворсилан "_s << u"Command1"_s << u"Начать"_s;
    QTest::newRow("Form2") << u"Ворсилан"_s << u"Command1"_s << u"Закончить"_s;
    QTest::newRow("Form3") << u"Ворсилан"_s << u"Command1"_s << u"Назад"_s;
    QTest::newRow("Form4") << u"Ворсилан "_s << u"Command9"_s << u"Назад"_s;
    QTest::newRow("Form5") << u"Ворсилан "_s << u"Command6"_s << u"Назад"_s;
}

void TestRuntime::framesOfAllWindows()
{
    QFETCH(QString, title);
    QFETCH(QString, leaveButton);
    QFETCH(QString, toolTip);

    window<Form2>();
    window<Form3>();
    window<Form4>();
    window<Form5>();
    QWidget* surface = nullptr;
    for (forms::Window* w : m_program.runtime().windows()) {
        if (w->name() == QLatin1String(QTest::currentDataTag()))
            surface = w->widget();
    }
    QVERIFY(surface);
    QCOMPARE(surface->windowTitle(), title);
    QCOMPARE(surface->minimumSize(), QSize(370, 370));
    QCOMPARE(surface->maximumSize(), QSize(370, 370));
    // The window can be minimised but neither maximised nor resized, and the
    // window system is told so.
    QVERIFY(!(surface->windowFlags() & Qt::WindowMaximizeButtonHint));
    surface->show();
    QWindow* handle = surface->windowHandle();
    QVERIFY(handle);
    QVERIFY(!(handle->flags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(handle->minimumSize(), QSize(370, 370));
    QCOMPARE(handle->maximumSize(), QSize(370, 370));
    surface->resize(500, 500);
    QCOMPARE(surface->size(), QSize(370, 370));
    QVERIFY(!surface->windowIcon().isNull());
    auto* button = surface->findChild<QPushButton*>(leaveButton);
    QVERIFY(button);
    QCOMPARE(button->geometry(), QRect(328, 328, 41, 41));
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(button->text().isEmpty() && !button->icon().isNull());
    QVERIFY(!button->isDefault() && !button->autoDefault());
}

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
