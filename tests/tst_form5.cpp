// The web-mail page: its five topic texts as stored and as laid out on screen,
// the topic buttons and the back button driven through the real buttons, and
// the Tab order.

#include "support.h"

#include "content/topics.h"
#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form5.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

using forms::window;
using support::click;
using support::fromView;
using support::visibleWindows;

namespace {

// The topics in the order of their buttons from left to right, upper row
// first: index 1 is y1 ("Общие"), ..., index 5 is y5 ("Персональные кнопки").
constexpr int topicCount = 5;

forms::Label& topicLabel(Form5& f, int topic)
{
    forms::Label* labels[] = { &f.y1, &f.y2, &f.y3, &f.y4, &f.y5 };
    return *labels[topic - 1];
}

forms::CommandButton& topicButton(Form5& f, int topic)
{
    forms::CommandButton* buttons[] = { &f.Command2, &f.Command3, &f.Command5, &f.Command1, &f.Command4 };
    return *buttons[topic - 1];
}

content::Topic topicContent(int topic)
{
    const content::Topic topics[] = { content::mailGeneralTopic, content::mailListTopic, content::mailReadingTopic,
        content::mailWritingTopic, content::mailPersonalTopic };
    return topics[topic - 1];
}

// The numbers of the visible topic texts; empty when none is shown.
QList<int> visibleTopics(Form5& f)
{
    QList<int> visible;
    for (int topic = 1; topic <= topicCount; ++topic) {
        if (topicLabel(f, topic).isVisible())
            visible.append(topic);
    }
    return visible;
}

// Text pixels: the labels draw in the platform's black, far darker than the
// grey legends of the background picture.
bool isInk(QRgb pixel)
{
    return qGray(pixel) < 64;
}

} // namespace

class TestForm5 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void captions_data();
    void captions();
    void controls_data();
    void controls();
    void topicLayout_data();
    void topicLayout();

    void firstEntryShowsNoTopic();
    void generalThenReading();
    void topicButtons_data();
    void topicButtons();
    void back_data();
    void back();
    void failureStopsAHandler_data();
    void failureStopsAHandler();
    void readBeforeTheFirstVisit();
    void clicksOnLabelsDoNothing_data();
    void clicksOnLabelsDoNothing();
    void tabOrder();

private:
    // Start button of the start window, then "Далее" beside "На Yandex-почте".
    Form5& enterPage();

    support::Program m_program;
};

void TestForm5::init()
{
    m_program.start();
}

void TestForm5::cleanup()
{
    m_program.stop();
}

Form5& TestForm5::enterPage()
{
    click(window<Form1>().Command1);
    click(window<Form2>().Command3);
    return window<Form5>();
}

void TestForm5::captions_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("blanks");
    QTest::addColumn<QList<int>>("twoBlanksAfterHyphen");

    QTest::newRow("y1 general") << 1 << 575 << QList<int> { 59, 53, 28, 65, 93, 23, 1, 1, 0 } << QList<int> { 3 };
    QTest::newRow("y2 list of letters") << 2 << 905 << QList<int> { 22, 20, 48, 17, 56, 30, 27, 58, 8, 49, 90, 0 }
                                        << QList<int> { 8 };
    QTest::newRow("y3 reading") << 3 << 465 << QList<int> { 1, 1, 1, 11, 13, 38, 56, 49, 0 } << QList<int> {};
    QTest::newRow("y4 writing") << 4 << 173 << QList<int> { 64, 30, 0 } << QList<int> {};
    QTest::newRow("y5 personal buttons") << 5 << 362 << QList<int> { 61, 7, 82, 46, 0 } << QList<int> {};
}

void TestForm5::captions()
{
    QFETCH(int, topic);
    QFETCH(int, length);
    QFETCH(QList<int>, blanks);
    QFETCH(QList<int>, twoBlanksAfterHyphen);

    const QString caption = topicLabel(window<Form5>(), topic).caption();
    QCOMPARE(caption.size(), length);

    // Walk the caption entry by entry: each entry stands where the one before
    // and its blanks end, and the blanks after it are exactly the stored run.
    const content::Topic entries = topicContent(topic);
    QCOMPARE(qsizetype(entries.size()), blanks.size());
    const QRegularExpression shape(u"^([A-Za-z0-9+/?, ]+) - ( ?)(\\S.*\\S)$"_s);
    const QRegularExpression latin(u"[A-Za-z]"_s);
    qsizetype at = 0;
    for (qsizetype i = 0; i < blanks.size(); ++i) {
        const QString entry = fromView(entries[std::size_t(i)].text);
        QVERIFY2(caption.mid(at).startsWith(entry), qPrintable(entry));
        at += entry.size();
        qsizetype run = 0;
        while (at + run < caption.size() && caption[at + run] == u' ')
            ++run;
        QCOMPARE(run, qsizetype(blanks[i]));
        at += run;

        // Keys in Latin letters and signs, the hyphen, then a Russian
        // description with no Latin letter that could pass for a Cyrillic one.
        const QRegularExpressionMatch match = shape.match(entry);
        QVERIFY2(match.hasMatch(), qPrintable(entry));
        QCOMPARE(match.captured(2) == u" "_s, twoBlanksAfterHyphen.contains(int(i) + 1));
        QVERIFY2(!latin.match(match.captured(3)).hasMatch(), qPrintable(entry));
    }
    QCOMPARE(at, caption.size());
}

void TestForm5::controls_data()
{
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visible");

    // Twips divided by 15; fonts in pixels at 96 dots per inch.
    QTest::newRow("l1(0)") << QRect(0, 8, 369, 33) << 21 << u"Комбинации клавиш на Yandex-почте"_s << true;
    QTest::newRow("Command2") << QRect(16, 48, 73, 25) << 16 << u"Общие"_s << true;
    QTest::newRow("Command3") << QRect(104, 48, 113, 25) << 16 << u"Список писем"_s << true;
    QTest::newRow("Command5") << QRect(232, 48, 121, 25) << 16 << u"Чтение письма"_s << true;
    QTest::newRow("Command1") << QRect(16, 80, 145, 25) << 16 << u"Написание письма"_s << true;
    QTest::newRow("Command4") << QRect(176, 80, 177, 25) << 16 << u"Персональные кнопки"_s << true;
    QTest::newRow("y1") << QRect(16, 112, 337, 217) << 16 << QString() << false;
    QTest::newRow("y2") << QRect(16, 112, 337, 217) << 13 << QString() << false;
    QTest::newRow("y3") << QRect(16, 112, 337, 217) << 16 << QString() << false;
    QTest::newRow("y4") << QRect(16, 112, 337, 217) << 16 << QString() << false;
    QTest::newRow("y5") << QRect(16, 112, 337, 217) << 16 << QString() << false;
    QTest::newRow("Command6") << QRect(328, 328, 41, 41) << 12 << QString() << true;
}

void TestForm5::controls()
{
    QFETCH(QRect, pixels);
    QFETCH(int, fontPixels);
    QFETCH(QString, caption);
    QFETCH(bool, visible);

    QWidget* surface = window<Form5>().widget();
    auto* control = surface->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->font().pixelSize(), fontPixels);
    QVERIFY(control->font().bold());
    QCOMPARE(control->font().family(), support::controlFace());
    QCOMPARE(control->isVisibleTo(surface), visible);
    QVERIFY(control->isEnabled());
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault() && !button->autoDefault());
        // The topic buttons show their caption only; the back button only its
        // picture.
        QCOMPARE(button->icon().isNull(), !caption.isEmpty());
        QCOMPARE(button->toolTip(), caption.isEmpty() ? u"Назад"_s : QString());
    } else {
        auto* label = static_cast<forms::LabelWidget*>(control);
        if (!caption.isEmpty())
            QCOMPARE(label->caption(), caption);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void TestForm5::topicLayout_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<int>("pitch");

    QTest::newRow("y1") << 1 << 16 << 19;
    QTest::newRow("y2") << 2 << 13 << 15;
    QTest::newRow("y3") << 3 << 16 << 19;
    QTest::newRow("y4") << 4 << 16 << 19;
    QTest::newRow("y5") << 5 << 16 << 19;
}

void TestForm5::topicLayout()
{
    QFETCH(int, topic);
    QFETCH(int, fontPixels);
    QFETCH(int, pitch);

    Form5& f = enterPage();
    click(topicButton(f, topic));
    forms::Label& label = topicLabel(f, topic);
    const QWidget* widget = label.widget();
    const QFont font = widget->font();
    QCOMPARE(font.pixelSize(), fontPixels);
    QVERIFY((QStringList { u"Candara"_s, u"Carlito"_s }).contains(QFontInfo(font).family()));
    QCOMPARE(label.linePitch(), pitch);
    const QFontMetricsF metrics(font);
    const std::vector<forms::TopicLine>& lines = label.topicLines();
    const content::Topic entries = topicContent(topic);

    // Every entry begins a new line at the left edge, in order; the lines that
    // follow it until the next entry continue it, broken at blanks.
    QStringList entryText(qsizetype(entries.size()));
    int previous = -1;
    for (const forms::TopicLine& line : lines) {
        QCOMPARE(line.indent, 0);
        if (line.part == 0) {
            QCOMPARE(line.entry, previous + 1);
            previous = line.entry;
            entryText[line.entry] = fromView(line.text);
        } else {
            QCOMPARE(line.entry, previous);
            entryText[line.entry] += u' ' + fromView(line.text);
        }
    }
    QCOMPARE(previous + 1, int(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        QCOMPARE(entryText[qsizetype(i)].simplified(), fromView(entries[i].text).simplified());

    // Every line lies inside the 337 x 217 rectangle: its advance ends within
    // the width, its glyph outlines cover no pixel centre outside the label
    // (the slash of "/ - поиск" reaches a seventh of a pixel to the left of
    // its origin), the glyphs of neighbouring lines do not touch, and the
    // last line's glyphs end above the bottom edge.
    const double width = widget->width();
    const double height = widget->height();
    QCOMPARE(width, 337.0);
    QCOMPARE(height, 217.0);
    double inkBottom = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString text = fromView(lines[i].text);
        QPainterPath outline;
        outline.addText(0, double(i) * pitch + metrics.ascent(), font, text);
        const QRectF ink = outline.boundingRect();
        QVERIFY2(metrics.horizontalAdvance(text) <= width, qPrintable(text));
        QVERIFY2(ink.left() > -0.5 && ink.right() < width + 0.5,
            qPrintable(u"%1: ink from %2 to %3"_s.arg(text).arg(ink.left()).arg(ink.right())));
        QVERIFY2(ink.top() > inkBottom, qPrintable(text));
        inkBottom = ink.bottom();
    }
    QVERIFY(double(lines.size()) * pitch <= height);
    QVERIFY(inkBottom <= height);

    // On screen: text in the band of every line, starting at the left edge,
    // and nothing below the last line.
    const QImage page = f.widget()->grab().toImage();
    const QRect area = widget->geometry();
    QList<int> left(qsizetype(area.height() / pitch + 1), area.width());
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (isInk(page.pixel(area.left() + x, area.top() + y)))
                left[y / pitch] = std::min(left[y / pitch], x);
        }
    }
    for (qsizetype band = 0; band < left.size(); ++band) {
        if (band < qsizetype(lines.size()))
            QVERIFY2(left[band] <= 2, qPrintable(u"line %1 starts at %2"_s.arg(band).arg(left[band])));
        else
            QVERIFY2(left[band] == area.width(), qPrintable(u"ink below the last line, band %1"_s.arg(band)));
    }
}

void TestForm5::firstEntryShowsNoTopic()
{
    Form5& f = enterPage();
    QCOMPARE(visibleWindows(), QStringList { u"Form5"_s });
    QCOMPARE(visibleTopics(f), QList<int> {});
    for (int topic = 1; topic <= topicCount; ++topic)
        QVERIFY(topicButton(f, topic).widget()->isVisible());
    QVERIFY(f.Command6.widget()->isVisible());
    QVERIFY(f.l1.item(0).widget()->isVisible());

    // The topic area shows the background picture only.
    const QImage page = f.widget()->grab().toImage();
    const QRect area = f.y1.widget()->geometry();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            QVERIFY(!isInk(page.pixel(x, y)));
    }
}

void TestForm5::generalThenReading()
{
    Form5& f = enterPage();
    click(f.Command2);
    QCOMPARE(visibleTopics(f), QList<int> { 1 });
    click(f.Command5);
    QCOMPARE(visibleTopics(f), QList<int> { 3 });
    QVERIFY(m_program.failures.isEmpty());
}

void TestForm5::topicButtons_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("topic");

    // Every topic button from every state: none shown, or any one topic text,
    // its own included (the same button twice).
    const char* const names[]
        = { "none", "Общие", "Список писем", "Чтение письма", "Написание письма", "Персональные кнопки" };
    for (int topic = 1; topic <= topicCount; ++topic) {
        for (int before = 0; before <= topicCount; ++before) {
            QTest::addRow("%s after %s", names[topic], names[before]) << before << topic;
        }
    }
}

void TestForm5::topicButtons()
{
    QFETCH(int, before);
    QFETCH(int, topic);

    Form5& f = enterPage();
    if (before > 0)
        click(topicButton(f, before));
    const QString heading = f.l1.item(0).caption();

    m_program.recordOperations();
    click(topicButton(f, topic));

    // The five visibilities are set in order, each one explicitly, and nothing
    // else is touched.
    QCOMPARE(m_program.operations,
        (QStringList { u"Label Form5.y1.Visible"_s, u"Label Form5.y2.Visible"_s, u"Label Form5.y3.Visible"_s,
            u"Label Form5.y4.Visible"_s, u"Label Form5.y5.Visible"_s }));
    QCOMPARE(visibleTopics(f), QList<int> { topic });
    QCOMPARE(visibleWindows(), QStringList { u"Form5"_s });
    QCOMPARE(f.l1.item(0).caption(), heading);
    QVERIFY(m_program.failures.isEmpty());
}

void TestForm5::back_data()
{
    QTest::addColumn<int>("shown");

    QTest::newRow("none shown") << 0;
    for (int topic = 1; topic <= topicCount; ++topic)
        QTest::addRow("y%d shown", topic) << topic;
}

void TestForm5::back()
{
    QFETCH(int, shown);

    Form5& f = enterPage();
    if (shown > 0)
        click(topicButton(f, shown));

    m_program.recordOperations();
    click(f.Command6);
    QCOMPARE(m_program.operations,
        (QStringList { u"Form Form5.Hide"_s, u"Form Form2.Show"_s, u"Label Form5.y1.Visible"_s,
            u"Label Form5.y2.Visible"_s, u"Label Form5.y3.Visible"_s, u"Label Form5.y4.Visible"_s,
            u"Label Form5.y5.Visible"_s }));
    QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
    QCOMPARE(visibleTopics(f), QList<int> {});

    // Coming back finds the page as on its first entry.
    click(window<Form2>().Command3);
    QCOMPARE(visibleWindows(), QStringList { u"Form5"_s });
    QCOMPARE(&window<Form5>(), &f);
    QCOMPARE(visibleTopics(f), QList<int> {});
    QVERIFY(m_program.failures.isEmpty());
}

void TestForm5::failureStopsAHandler_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<QStringList>("windows");

    // A topic button: the labels before the failing one are set, the rest
    // keep their visibility.
    QTest::newRow("Общие, y3 fails") << 5 << 1 << u"Label Form5.y3.Visible"_s << QList<int> { 1, 5 }
                                     << QStringList { u"Form5"_s };
    QTest::newRow("Персональные кнопки, y1 fails")
        << 2 << 5 << u"Label Form5.y1.Visible"_s << QList<int> { 2 } << QStringList { u"Form5"_s };
    // The back button: a failed move leaves the topic texts as they were.
    QTest::newRow("back, hide fails") << 4 << 0 << u"Form Form5.Hide"_s << QList<int> { 4 }
                                      << QStringList { u"Form5"_s };
    QTest::newRow("back, show fails") << 4 << 0 << u"Form Form2.Show"_s << QList<int> { 4 } << QStringList {};
    QTest::newRow("back, y2 fails") << 4 << 0 << u"Label Form5.y2.Visible"_s << QList<int> { 4 }
                                    << QStringList { u"Form2"_s };
}

void TestForm5::failureStopsAHandler()
{
    QFETCH(int, shown);
    QFETCH(int, clicked);
    QFETCH(QString, failing);
    QFETCH(QList<int>, after);
    QFETCH(QStringList, windows);

    Form5& f = enterPage();
    click(topicButton(f, shown));
    m_program.failOn(failing);
    click(clicked > 0 ? topicButton(f, clicked) : f.Command6);
    QCOMPARE(visibleTopics(f), after);
    QCOMPARE(visibleWindows(), windows);
    QCOMPARE(m_program.failures, QStringList { failing });
    QCOMPARE(m_program.ends, QList<int> { 1 });
}

void TestForm5::readBeforeTheFirstVisit()
{
    const QString caption = forms::window<Form5>().y3.caption();
    QCOMPARE(caption.size(), 465);
    QVERIFY(m_program.runtime().exists<Form5>());
    QVERIFY(!m_program.runtime().exists<Form2>());
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    Form5& f = window<Form5>();
    QCOMPARE(visibleTopics(f), QList<int> {});

    QCOMPARE(&enterPage(), &f);
    QCOMPARE(visibleWindows(), QStringList { u"Form5"_s });
    QCOMPARE(visibleTopics(f), QList<int> {});
}

void TestForm5::clicksOnLabelsDoNothing_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("target");

    QTest::newRow("heading, none shown") << 0 << 0;
    QTest::newRow("heading, y2 shown") << 2 << 0;
    for (int topic = 1; topic <= topicCount; ++topic)
        QTest::addRow("y%d", topic) << topic << topic;
}

void TestForm5::clicksOnLabelsDoNothing()
{
    QFETCH(int, shown);
    QFETCH(int, target);

    Form5& f = enterPage();
    if (shown > 0)
        click(topicButton(f, shown));
    QWidget* widget = target > 0 ? topicLabel(f, target).widget() : f.l1.item(0).widget();

    m_program.recordOperations();
    for (Qt::MouseButton button : { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton }) {
        QTest::mouseClick(widget, button, {}, QPoint(5, 5));
        QTest::mouseDClick(widget, button, {}, QPoint(5, 5));
    }
    QCOMPARE(m_program.operations, QStringList {});
    QCOMPARE(visibleTopics(f), shown > 0 ? QList<int> { shown } : QList<int> {});
    QCOMPARE(visibleWindows(), QStringList { u"Form5"_s });
    QVERIFY(m_program.ends.isEmpty());
}

void TestForm5::tabOrder()
{
    Form5& f = enterPage();
    QWidget* surface = f.widget();
    f.Command5.button()->setFocus(Qt::OtherFocusReason);
    QCOMPARE(surface->focusWidget(), f.Command5.widget());

    const QList<QWidget*> expected { f.Command4.widget(), f.Command3.widget(), f.Command1.widget(), f.Command2.widget(),
        f.Command6.widget(), f.Command5.widget() };
    QList<QWidget*> visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(surface->focusWidget(), Qt::Key_Tab);
        visited.append(surface->focusWidget());
    }
    QCOMPARE(visited, expected);

    // Tab moves the focus only; it clicks nothing.
    QCOMPARE(visibleTopics(f), QList<int> {});
    QCOMPARE(visibleWindows(), QStringList { u"Form5"_s });
}

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
