#include "support.h"

#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

#include <QApplication>
#include <QFontInfo>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using forms::window;
using support::click;
using support::inkBox;
using support::moves;
using support::visibleWindows;

namespace {

// The "Далее" button of each row of the section menu, by the section it opens.
forms::CommandButton& nextButton(QStringView section)
{
    Form2& menu = window<Form2>();
    if (section == u"editors")
        return menu.Command2;
    if (section == u"mail")
        return menu.Command3;
    if (section == u"browser")
        return menu.Command4;
    return menu.Command5;
}

// The back button of a page.
forms::CommandButton& backButton(QStringView page)
{
    if (page == u"Form3")
        return window<Form3>().Command1;
    if (page == u"Form4")
        return window<Form4>().Command9;
    return window<Form5>().Command6;
}

QString heading(QStringView section)
{
    return section == u"browser" ? u"Комбинации клавиш при работе в браузере"_s
                                 : u"Комбинации клавиш при работе в Windows"_s;
}

// The visible parts of the page of the Windows and browser sections, by name.
QStringList visibleOnPage()
{
    Form3& page = window<Form3>();
    QStringList names;
    for (const forms::Control* control : std::initializer_list<const forms::Control*> {
             &page.Brauz2, &page.wind3, &page.w1, &page.w2, &page.w3, &page.w4 }) {
        if (control->isVisible())
            names.append(control->name());
    }
    return names;
}

// Where each window's client area stood the moment the window appeared: a
// window placed only after it shows is seen jumping there.
class PlaceAtShow final : public QObject {
public:
    QPoint of(const QWidget* window) const { return m_places.value(window); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && object->isWidgetType() && static_cast<QWidget*>(object)->isWindow())
            m_places.insert(object, static_cast<QWidget*>(object)->geometry().topLeft());
        return false;
    }

private:
    QHash<const QObject*, QPoint> m_places;
};

QStringList shownFor(QStringView section)
{
    if (section == u"browser")
        return { u"Brauz2"_s };
    return { u"wind3"_s, u"w1"_s, u"w2"_s, u"w3"_s, u"w4"_s };
}

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void navigation_data();
    void navigation();
    void movesKeepThePlace_data();
    void movesKeepThePlace();
    void sectionsOfForm3_data();
    void sectionsOfForm3();
    void sectionHandlerSteps_data();
    void sectionHandlerSteps();
    void sectionHandlersHideNothing_data();
    void sectionHandlersHideNothing();
    void entryAfterAReferenceCreatedTheWindow_data();
    void entryAfterAReferenceCreatedTheWindow();
    void tabOrder();
    void clicksOnLabelsDoNothing_data();
    void clicksOnLabelsDoNothing();
    void layout_data();
    void layout();
    void labelsCentredWrappedAndTransparent_data();
    void labelsCentredWrappedAndTransparent();
    void homeButton();

private:
    void toMenu();

    support::Program m_program;
};

void TestForm2::init()
{
    m_program.start();
    // Every operation is watched, and none fails.
    m_program.recordOperations();
}

// No test here expects a failure or the end of the program.
void TestForm2::cleanup()
{
    QVERIFY(m_program.failures.isEmpty());
    QVERIFY(m_program.ends.isEmpty());
    m_program.stop();
}

void TestForm2::toMenu()
{
    click(window<Form1>().Command1);
    QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
}

void TestForm2::navigation_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("backSteps");

    // The back buttons of the Windows and browser page and of the web-mail page
    // hide their page first; that of the text-editor page shows the menu first.
    QTest::newRow("text editors") << u"editors"_s << u"Form4"_s << QStringList { u"Form2.Show"_s, u"Form4.Hide"_s };
    QTest::newRow("web mail") << u"mail"_s << u"Form5"_s << QStringList { u"Form5.Hide"_s, u"Form2.Show"_s };
    QTest::newRow("browser") << u"browser"_s << u"Form3"_s << QStringList { u"Form3.Hide"_s, u"Form2.Show"_s };
    QTest::newRow("Windows") << u"windows"_s << u"Form3"_s << QStringList { u"Form3.Hide"_s, u"Form2.Show"_s };
}

void TestForm2::navigation()
{
    QFETCH(QString, section);
    QFETCH(QString, page);
    QFETCH(QStringList, backSteps);

    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    // The second round goes through the very same windows: no move creates a
    // second instance or makes two windows visible.
    for (int round = 0; round < 2; ++round) {
        m_program.operations.clear();
        click(window<Form1>().Command1);
        QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
        QCOMPARE(moves(m_program.operations), (QStringList { u"Form2.Show"_s, u"Form1.Hide"_s }));

        m_program.operations.clear();
        click(nextButton(section));
        QCOMPARE(visibleWindows(), QStringList { page });
        QCOMPARE(moves(m_program.operations), (QStringList { page + u".Show"_s, u"Form2.Hide"_s }));

        m_program.operations.clear();
        click(backButton(page));
        QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
        QCOMPARE(moves(m_program.operations), backSteps);

        m_program.operations.clear();
        click(window<Form2>().Command1);
        QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
        QCOMPARE(moves(m_program.operations), (QStringList { u"Form1.Show"_s, u"Form2.Hide"_s }));

        QCOMPARE(m_program.runtime().windows().size(), std::size_t(3));
    }
}

void TestForm2::movesKeepThePlace_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("page");

    QTest::newRow("text editors") << u"editors"_s << u"Form4"_s;
    QTest::newRow("web mail") << u"mail"_s << u"Form5"_s;
    QTest::newRow("browser") << u"browser"_s << u"Form3"_s;
}

// Each window opens where the user left the window it replaces, whether that
// one is hidden before or after, so the program seems to stay in one place on
// the screen however the user moved it.
void TestForm2::movesKeepThePlace()
{
    QFETCH(QString, section);
    QFETCH(QString, page);

    PlaceAtShow shownAt;
    QCoreApplication::instance()->installEventFilter(&shownAt);
    // The user moves each window before leaving it: the platform puts it
    // where it is asked to.
    QWidget* start = window<Form1>().widget();
    start->move(100, 120);
    QCOMPARE(start->pos(), QPoint(100, 120));

    click(window<Form1>().Command1);
    QWidget* menu = window<Form2>().widget();
    QCOMPARE(menu->pos(), QPoint(100, 120));
    QCOMPARE(shownAt.of(menu), start->geometry().topLeft());
    menu->move(240, 60);

    click(nextButton(section));
    QCOMPARE(visibleWindows(), QStringList { page });
    QWidget* shown = backButton(page).widget()->window();
    QCOMPARE(shown->pos(), QPoint(240, 60));
    QCOMPARE(shownAt.of(shown), menu->geometry().topLeft());
    shown->move(30, 210);

    click(backButton(page));
    QCOMPARE(menu->pos(), QPoint(30, 210));
    QCOMPARE(shownAt.of(menu), shown->geometry().topLeft());
    menu->move(170, 150);

    click(window<Form2>().Command1);
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    QCOMPARE(start->pos(), QPoint(170, 150));
    QCOMPARE(shownAt.of(start), menu->geometry().topLeft());
}

void TestForm2::sectionsOfForm3_data()
{
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("browser") << QStringList { u"browser"_s };
    QTest::newRow("Windows") << QStringList { u"windows"_s };
    QTest::newRow("browser, back, Windows") << QStringList { u"browser"_s, u"windows"_s };
    QTest::newRow("Windows, back, browser") << QStringList { u"windows"_s, u"browser"_s };
    QTest::newRow("browser twice") << QStringList { u"browser"_s, u"browser"_s };
    QTest::newRow("Windows twice") << QStringList { u"windows"_s, u"windows"_s };
    QTest::newRow("alternating") << QStringList { u"browser"_s, u"windows"_s, u"browser"_s, u"windows"_s };
}

void TestForm2::sectionsOfForm3()
{
    QFETCH(QStringList, entries);

    toMenu();
    for (const QString& section : entries) {
        click(nextButton(section));
        Form3& page = window<Form3>();
        QCOMPARE(visibleWindows(), QStringList { u"Form3"_s });
        QCOMPARE(page.l1.labelWidget()->caption(), heading(section));
        QCOMPARE(visibleOnPage(), shownFor(section));

        click(page.Command1);
        QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
        QCOMPARE(visibleOnPage(), QStringList());
        // While the page is hidden it keeps the heading of its last entry.
        QCOMPARE(page.l1.labelWidget()->caption(), heading(section));
    }
}

void TestForm2::sectionHandlerSteps_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<bool>("pageExists");
    QTest::addColumn<QStringList>("steps");

    const QStringList browser { u"Form Form3.Show"_s, u"Form Form2.Hide"_s, u"Label Form3.l1.Caption"_s,
        u"Label Form3.Brauz2.Visible"_s };
    const QStringList windows { u"Form Form3.Show"_s, u"Form Form2.Hide"_s, u"Label Form3.l1.Caption"_s,
        u"Label Form3.wind3.Visible"_s, u"Image Form3.w1.Visible"_s, u"Image Form3.w2.Visible"_s,
        u"Image Form3.w3.Visible"_s, u"Image Form3.w4.Visible"_s };

    // On the first entry the page is created by the reference of the first step.
    QTest::newRow("browser, first entry") << u"browser"_s << false << (QStringList { u"Form Form3.New"_s } + browser);
    QTest::newRow("browser, page exists") << u"browser"_s << true << browser;
    QTest::newRow("Windows, first entry") << u"windows"_s << false << (QStringList { u"Form Form3.New"_s } + windows);
    QTest::newRow("Windows, page exists") << u"windows"_s << true << windows;
}

void TestForm2::sectionHandlerSteps()
{
    QFETCH(QString, section);
    QFETCH(bool, pageExists);
    QFETCH(QStringList, steps);

    if (pageExists)
        window<Form3>();
    toMenu();
    m_program.operations.clear();
    click(nextButton(section));
    QCOMPARE(m_program.operations, steps);
}

void TestForm2::sectionHandlersHideNothing_data()
{
    QTest::addColumn<QString>("section");

    QTest::newRow("browser") << u"browser"_s;
    QTest::newRow("Windows") << u"windows"_s;
}

void TestForm2::sectionHandlersHideNothing()
{
    QFETCH(QString, section);

    // Everything the page can show is made visible behind the program's back;
    // an entry may only add to it.
    Form3& page = window<Form3>();
    for (forms::Control* control :
        std::initializer_list<forms::Control*> { &page.Brauz2, &page.wind3, &page.w1, &page.w2, &page.w3, &page.w4 })
        control->widget()->setVisible(true);
    const QString back = page.Command1.caption();

    toMenu();
    click(nextButton(section));
    QCOMPARE(visibleOnPage(), (QStringList { u"Brauz2"_s, u"wind3"_s, u"w1"_s, u"w2"_s, u"w3"_s, u"w4"_s }));
    QCOMPARE(page.l1.labelWidget()->caption(), heading(section));
    QCOMPARE(page.Command1.caption(), back);
    QVERIFY(page.Command1.isVisible());
}

void TestForm2::entryAfterAReferenceCreatedTheWindow_data()
{
    QTest::addColumn<QString>("section");

    QTest::newRow("browser") << u"browser"_s;
    QTest::newRow("Windows") << u"windows"_s;
}

void TestForm2::entryAfterAReferenceCreatedTheWindow()
{
    QFETCH(QString, section);

    // Reading a control of the page, as the search does, creates it hidden.
    QVERIFY(!window<Form3>().wind3.caption().isEmpty());
    QVERIFY(m_program.runtime().exists<Form3>());
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    QCOMPARE(visibleOnPage(), QStringList());

    toMenu();
    click(nextButton(section));
    QCOMPARE(visibleWindows(), QStringList { u"Form3"_s });
    QCOMPARE(window<Form3>().l1.labelWidget()->caption(), heading(section));
    QCOMPARE(visibleOnPage(), shownFor(section));
    QCOMPARE(m_program.runtime().windows().size(), std::size_t(3));
}

void TestForm2::tabOrder()
{
    toMenu();
    Form2& menu = window<Form2>();
    const QList<QWidget*> expected { menu.Command2.widget(), menu.Command3.widget(), menu.Command4.widget(),
        menu.Command5.widget(), menu.Command1.widget() };

    for (forms::Label* label : { &menu.Label2, &menu.Label1, &menu.Label3, &menu.Label4, &menu.Label5 })
        QCOMPARE(label->widget()->focusPolicy(), Qt::NoFocus);

    QWidget* surface = menu.widget();
    surface->activateWindow();
    QApplication::processEvents();
    if (QApplication::activeWindow() == surface) {
        // Real Tab presses, from the home button round the window twice.
        menu.Command1.widget()->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), menu.Command1.widget());
        for (int round = 0; round < 2; ++round) {
            for (QWidget* next : expected) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
            }
        }
        // Shift+Tab walks the same ring backwards.
        for (auto it = expected.rbegin() + 1; it != expected.rend(); ++it) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), *it);
        }
    } else {
        // Without an active window the focus chain is what Tab follows.
        QList<QWidget*> chain;
        QWidget* w = menu.Command1.widget();
        do {
            w = w->nextInFocusChain();
            if (w->focusPolicy() & Qt::TabFocus)
                chain.append(w);
        } while (w != menu.Command1.widget());
        QCOMPARE(chain, expected);
    }
}

void TestForm2::clicksOnLabelsDoNothing_data()
{
    QTest::addColumn<QString>("label");

    for (const char* name : { "Label2", "Label1", "Label3", "Label4", "Label5" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestForm2::clicksOnLabelsDoNothing()
{
    QFETCH(QString, label);

    toMenu();
    Form2& menu = window<Form2>();
    auto* target = menu.widget()->findChild<forms::LabelWidget*>(label);
    QVERIFY(target);
    QStringList captions;
    for (const auto* w : menu.widget()->findChildren<forms::LabelWidget*>())
        captions.append(w->caption());
    for (const auto* w : menu.widget()->findChildren<QPushButton*>())
        captions.append(w->text());

    m_program.operations.clear();
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::mouseDClick(target, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(target, Qt::RightButton);

    // No code of the program ran at all.
    QCOMPARE(m_program.operations, QStringList());
    QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
    QCOMPARE(m_program.runtime().windows().size(), std::size_t(2));
    QStringList after;
    for (const auto* w : menu.widget()->findChildren<forms::LabelWidget*>())
        after.append(w->caption());
    for (const auto* w : menu.widget()->findChildren<QPushButton*>())
        after.append(w->text());
    QCOMPARE(after, captions);
}

void TestForm2::layout_data()
{
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<QString>("caption");

    // Twips divided by 15; fonts in pixels at 96 dots per inch.
    QTest::newRow("Label2") << QRect(0, 0, 369, 49) << 35 << u"Комбинации клавиш "_s;
    QTest::newRow("Command2") << QRect(24, 72, 89, 25) << 16 << u"Далее"_s;
    QTest::newRow("Label1") << QRect(120, 72, 233, 49) << 19 << u"При работе с текстовыми редакторами"_s;
    QTest::newRow("Command4") << QRect(24, 136, 89, 25) << 16 << u"Далее"_s;
    QTest::newRow("Label3") << QRect(120, 136, 209, 33) << 19 << u"При работе в браузере"_s;
    QTest::newRow("Command5") << QRect(24, 200, 89, 25) << 16 << u"Далее"_s;
    QTest::newRow("Label4") << QRect(120, 200, 209, 33) << 19 << u"При работе в Windows"_s;
    QTest::newRow("Command3") << QRect(24, 264, 89, 25) << 16 << u"Далее"_s;
    QTest::newRow("Label5") << QRect(120, 264, 153, 49) << 19 << u"На Yandex-почте"_s;
    QTest::newRow("Command1") << QRect(328, 328, 41, 41) << 12 << QString();
}

void TestForm2::layout()
{
    QFETCH(QRect, pixels);
    QFETCH(int, fontPixels);
    QFETCH(QString, caption);

    toMenu();
    QWidget* surface = window<Form2>().widget();
    QCOMPARE(surface->windowTitle(), u"Ворсилан"_s);
    QCOMPARE(surface->size(), QSize(370, 370));

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto* control = surface->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());
    QCOMPARE(control->font().pixelSize(), fontPixels);
    QVERIFY(control->font().bold());
    QVERIFY(!control->font().italic() && !control->font().underline() && !control->font().strikeOut());
    // Where Candara is missing, the embedded Carlito stands in.
    QCOMPARE(control->font().family(), support::controlFace());
    QCOMPARE(QFontInfo(control->font()).family(), support::controlFace());

    if (auto* label = qobject_cast<forms::LabelWidget*>(control)) {
        QCOMPARE(label->caption(), caption);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QVERIFY(label->toolTip().isEmpty());
    } else {
        auto* button = qobject_cast<QPushButton*>(control);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault() && !button->autoDefault());
        QVERIFY(!button->text().contains(u'&'));
        if (name != u"Command1") {
            QVERIFY(button->toolTip().isEmpty());
            QVERIFY(button->icon().isNull());
        }
    }
}

void TestForm2::labelsCentredWrappedAndTransparent_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("lastLine");

    // Only the text-editor row needs a second line; the web-mail row fits on
    // one and must not break at its hyphen.
    QTest::newRow("Label2") << 1 << u"Комбинации клавиш"_s;
    QTest::newRow("Label1") << 2 << u"редакторами"_s;
    QTest::newRow("Label3") << 1 << u"При работе в браузере"_s;
    QTest::newRow("Label4") << 1 << u"При работе в Windows"_s;
    QTest::newRow("Label5") << 1 << u"На Yandex-почте"_s;
}

void TestForm2::labelsCentredWrappedAndTransparent()
{
    QFETCH(int, lines);
    QFETCH(QString, lastLine);

    toMenu();
    QWidget* surface = window<Form2>().widget();
    auto* label = surface->findChild<forms::LabelWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(label);

    // The label alone paints nothing but its letters.
    const QImage alone = support::paintedAlone(label);
    const QRect box = inkBox(alone);
    QVERIFY(!box.isEmpty());
    QCOMPARE(qAlpha(alone.pixel(0, alone.height() - 1)), 0);
    QCOMPARE(qAlpha(alone.pixel(alone.width() - 1, alone.height() - 1)), 0);

    // Centred as a whole caption: the blank margins left and right of the
    // widest line are equal but for the letters' side bearings and the width
    // of any blanks that end the caption.
    const QString caption = label->caption();
    qsizetype trailing = 0;
    while (trailing < caption.size() && caption.at(caption.size() - 1 - trailing) == u' ')
        ++trailing;
    const double blanks = QFontMetricsF(label->font()).horizontalAdvance(u' ') * double(trailing);
    const int left = box.left();
    const int right = alone.width() - 1 - box.right();
    QVERIFY2(qAbs(left - right + blanks) <= 3, qPrintable(u"margins %1 and %2"_s.arg(left).arg(right)));

    // The text starts at the label's top, and the label draws its lines
    // whole: drawn on an unbounded ground they cover no more.
    QVERIFY(box.top() < QFontMetrics(label->font()).lineSpacing() / 2);
    QImage unbounded(label->width(), label->height() * 3, QImage::Format_ARGB32_Premultiplied);
    unbounded.fill(Qt::transparent);
    {
        QPainter painter(&unbounded);
        painter.setFont(label->font());
        painter.drawText(unbounded.rect(), int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap), caption);
    }
    QCOMPARE(inkBox(unbounded), box);

    // Count the bands of painted rows: one to a line.
    int drawnLines = 0;
    int lastTop = 0;
    bool inLine = false;
    for (int y = 0; y < alone.height(); ++y) {
        bool painted = false;
        for (int x = 0; x < alone.width() && !painted; ++x)
            painted = qAlpha(alone.pixel(x, y)) > 0;
        if (painted && !inLine) {
            ++drawnLines;
            lastTop = y;
        }
        inLine = painted;
    }
    QCOMPARE(drawnLines, lines);

    // The last line holds whole words: it is as wide as those words drawn
    // alone, so the break fell on a blank.
    const QRect lastBand = inkBox(alone.copy(0, lastTop, alone.width(), alone.height() - lastTop));
    QImage words(alone.size(), QImage::Format_ARGB32_Premultiplied);
    words.fill(Qt::transparent);
    {
        QPainter painter(&words);
        painter.setFont(label->font());
        painter.drawText(words.rect(), int(Qt::AlignLeft | Qt::AlignTop), lastLine);
    }
    QVERIFY2(qAbs(inkBox(words).width() - lastBand.width()) <= 1,
        qPrintable(u"%1 against %2"_s.arg(lastBand.width()).arg(inkBox(words).width())));

    // Seen in the window, the background picture shows around the letters.
    const QImage background(u":/pictures/background.jpg"_s);
    const QImage seen = surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint corner = label->geometry().bottomLeft();
    QCOMPARE(seen.pixel(corner), background.convertToFormat(QImage::Format_RGB32).pixel(corner));
}

void TestForm2::homeButton()
{
    toMenu();
    QPushButton* home = window<Form2>().Command1.button();
    QCOMPARE(home->toolTip(), u"Закончить"_s);
    QVERIFY(home->text().isEmpty());
    QVERIFY(!home->icon().isNull());
    const QImage expected = QIcon(u":/pictures/home.ico"_s).pixmap(36, 36).toImage();
    QCOMPARE(home->icon().pixmap(36, 36).toImage(), expected);

    // The button face shows the picture in its middle.
    const QImage face = home->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint origin((face.width() - home->iconSize().width()) / 2, (face.height() - home->iconSize().height()) / 2);
    int same = 0;
    int opaque = 0;
    const QImage icon = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            if (qAlpha(icon.pixel(x, y)) < 255)
                continue;
            ++opaque;
            if (face.pixel(origin + QPoint(x, y)) == icon.pixel(x, y))
                ++same;
        }
    }
    QVERIFY(opaque > 200);
    QVERIFY2(same * 10 >= opaque * 9, qPrintable(u"%1 of %2"_s.arg(same).arg(opaque)));

    // The home button leads to the start window; it does not end the program.
    click(window<Form2>().Command1);
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    QVERIFY(m_program.ends.isEmpty());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
