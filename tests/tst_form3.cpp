// Checks the Windows and browser page: its controls, the stored captions of its
// two topic texts, the lines the labels paint with the font really used, the
// Windows-key icons in front of their entries, and the back button. The page is
// reached the way the user reaches it, through the start button and the section
// menu.

#include "support.h"

#include "content/texts.h"
#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"

#include <QFontInfo>
#include <QPushButton>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

using forms::window;
using support::click;
using support::inkBox;
using support::visibleWindows;

namespace {

constexpr int linePitch = 19;
constexpr QRect topicRect(16, 80, 337, 233);
// Pixels the letters cover by more than a quarter count as ink.
constexpr int inkAlpha = 64;

struct ExpectedEntry {
    QString text;
    int blanksAfter;
};

// The entries of the two topic texts and the blanks after each, as the page's
// texts are written down.
const QList<ExpectedEntry>& windowsEntries()
{
    static const QList<ExpectedEntry> entries {
        { u"Alt+Tab - переключение между окнами"_s, 142 },
        { u"+D - сворачивание окон и отображение рабочего стола"_s, 84 },
        { u"+Down - свернуть окно"_s, 59 },
        { u"+Up - развернуть окно"_s, 132 },
        { u"Alt+Ctrl+Delete - открыть диспечер задач"_s, 138 },
        { u"+L - блокирование компьютера или смена пользователей"_s, 0 },
    };
    return entries;
}

const QList<ExpectedEntry>& browserEntries()
{
    static const QList<ExpectedEntry> entries {
        { u"Alt+D - выделить текст в адресной строке"_s, 1 },
        { u"Ctrl+Enter - автоматически добавить www. в начало и .com в конце выделенного вами слова и открыть эту "
          u"страницу"_s,
            157 },
        { u"Ctrl+T - открыть новую вкладку"_s, 22 },
        { u"Ctrl+Tab - переключение на следующую вкладку, т.е. на одну вправо"_s, 31 },
        { u"Ctrl+W - закрыть текущую вкладку"_s, 130 },
        { u"Ctrl+N - открыть новое окно браузера"_s, 9 },
        { u"Alt+F4 - закрыть текущее окно браузера"_s, 0 },
    };
    return entries;
}

QString lineText(const forms::TopicLine& line)
{
    return QString::fromStdU16String(line.text);
}

// Which of the page's controls are visible, in the order of its table, with the
// heading's caption in front.
QStringList pageState(Form3& page)
{
    QStringList state { page.l1.labelWidget()->caption() };
    const std::pair<const char*, const forms::Control*> controls[]
        = { { "l1", &page.l1 }, { "Brauz2", &page.Brauz2 }, { "wind3", &page.wind3 }, { "w1", &page.w1 },
              { "w2", &page.w2 }, { "w3", &page.w3 }, { "w4", &page.w4 }, { "Command1", &page.Command1 } };
    for (const auto& [name, control] : controls) {
        if (control->isVisible())
            state.append(QString::fromLatin1(name));
    }
    return state;
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void captions_data();
    void captions();
    void lineTable_data();
    void lineTable();
    void linesFitTheLabel_data();
    void linesFitTheLabel();
    void paintedLines_data();
    void paintedLines();
    void icons_data();
    void icons();
    void backButton_data();
    void backButton();
    void sectionAfterSection_data();
    void sectionAfterSection();
    void firstReferenceBySearch();
    void clicksChangeNothing_data();
    void clicksChangeNothing();

private:
    void enter(bool windows);
    forms::Label& topic(const QString& name);

    support::Program m_program;
};

void TestForm3::init()
{
    m_program.start();
}

void TestForm3::cleanup()
{
    m_program.stop();
}

// From the start window through the section menu to the Windows or the browser
// section; from the section menu only when it is already showing.
void TestForm3::enter(bool windows)
{
    if (window<Form1>().isVisible())
        click(window<Form1>().Command1);
    Form2& menu = window<Form2>();
    click(windows ? menu.Command5 : menu.Command4);
}

forms::Label& TestForm3::topic(const QString& name)
{
    Form3& page = window<Form3>();
    return name == u"wind3" ? page.wind3 : page.Brauz2;
}

void TestForm3::controls_data()
{
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<bool>("visible");

    // Twips divided by 15; fonts in pixels at 96 dots per inch.
    QTest::newRow("l1") << QRect(0, 8, 369, 65) << 21 << true;
    QTest::newRow("Brauz2") << topicRect << 16 << false;
    QTest::newRow("wind3") << topicRect << 16 << false;
    QTest::newRow("w1") << QRect(16, 119, 20, 20) << 0 << false;
    QTest::newRow("w2") << QRect(16, 156, 20, 20) << 0 << false;
    QTest::newRow("w3") << QRect(16, 176, 20, 20) << 0 << false;
    QTest::newRow("w4") << QRect(16, 252, 20, 20) << 0 << false;
    QTest::newRow("Command1") << QRect(328, 328, 41, 41) << 12 << true;
}

void TestForm3::controls()
{
    QFETCH(QRect, pixels);
    QFETCH(int, fontPixels);
    QFETCH(bool, visible);

    Form3& page = window<Form3>();
    QWidget* surface = page.widget();
    auto* control = surface->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->isVisibleTo(surface), visible);
    if (fontPixels > 0) {
        QCOMPARE(control->font().pixelSize(), fontPixels);
        QVERIFY(control->font().bold());
        QCOMPARE(control->font().family(), support::controlFace());
    }
    // Only the back button takes the focus; it holds it when the page shows.
    QCOMPARE(control->focusPolicy() != Qt::NoFocus, control == page.Command1.widget());
    if (auto* image = dynamic_cast<forms::ImageWidget*>(control)) {
        QVERIFY(image->picture());
        QCOMPARE(image->picture()->size(), QSize(20, 20));
        QVERIFY(image->picture()->hasAlphaChannel());
    }
    if (control == page.Command1.widget()) {
        enter(false);
        QCOMPARE(surface->focusWidget(), control);
    }
}

void TestForm3::captions_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("length");

    QTest::newRow("wind3") << u"wind3"_s << 775;
    QTest::newRow("Brauz2") << u"Brauz2"_s << 701;
}

void TestForm3::captions()
{
    QFETCH(QString, label);
    QFETCH(int, length);

    const QString caption = topic(label).caption();
    QCOMPARE(caption.size(), length);

    // Split the caption back at the known entries: each entry stands where the
    // previous run of blanks ends, and is followed by exactly its run.
    const QList<ExpectedEntry>& entries = label == u"wind3" ? windowsEntries() : browserEntries();
    qsizetype at = 0;
    for (const ExpectedEntry& entry : entries) {
        QCOMPARE(caption.mid(at, entry.text.size()), entry.text);
        at += entry.text.size();
        qsizetype blanks = 0;
        while (at < caption.size() && caption[at] == u' ') {
            ++at;
            ++blanks;
        }
        QCOMPARE(blanks, qsizetype(entry.blanksAfter));
    }
    QCOMPARE(at, caption.size());
}

void TestForm3::lineTable_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("part");

    // Entries and their lines counted from 1; entry 0 is an empty line.
    const int windows[12][2] = { { 1, 1 }, { 0, 0 }, { 2, 1 }, { 2, 2 }, { 3, 1 }, { 4, 1 }, { 0, 0 }, { 5, 1 },
        { 0, 0 }, { 6, 1 }, { 6, 2 }, { 0, 0 } };
    const int browser[12][2] = { { 1, 1 }, { 2, 1 }, { 2, 2 }, { 2, 3 }, { 0, 0 }, { 3, 1 }, { 4, 1 }, { 4, 2 },
        { 5, 1 }, { 0, 0 }, { 6, 1 }, { 7, 1 } };
    for (int line = 1; line <= 12; ++line) {
        QTest::addRow("wind3 line %d", line) << u"wind3"_s << line << windows[line - 1][0] << windows[line - 1][1];
        QTest::addRow("Brauz2 line %d", line) << u"Brauz2"_s << line << browser[line - 1][0] << browser[line - 1][1];
    }
}

void TestForm3::lineTable()
{
    QFETCH(QString, label);
    QFETCH(int, line);
    QFETCH(int, entry);
    QFETCH(int, part);

    forms::Label& text = topic(label);
    const std::vector<forms::TopicLine>& lines = text.topicLines();
    QCOMPARE(text.linePitch(), linePitch);
    if (line > int(lines.size())) {
        // Below the text.
        QCOMPARE(entry, 0);
        return;
    }
    const forms::TopicLine& shown = lines[std::size_t(line - 1)];
    QCOMPARE(shown.entry + 1, entry);
    if (entry == 0) {
        QVERIFY(shown.text.empty());
        return;
    }
    QCOMPARE(shown.part + 1, part);
    QVERIFY(!shown.text.empty());
}

void TestForm3::linesFitTheLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("lineCount");

    QTest::newRow("wind3") << u"wind3"_s << 11;
    QTest::newRow("Brauz2") << u"Brauz2"_s << 12;
}

void TestForm3::linesFitTheLabel()
{
    QFETCH(QString, label);
    QFETCH(int, lineCount);

    forms::Label& text = topic(label);
    const QFont font = text.widget()->font();
    const QFontInfo really(font);
    QVERIFY2(really.family() == u"Candara"_s || really.family() == u"Carlito"_s, qPrintable(really.family()));
    QVERIFY(really.bold());
    QCOMPARE(really.pixelSize(), 16);

    const QFontMetricsF metrics(font);
    const std::vector<forms::TopicLine>& lines = text.topicLines();
    QCOMPARE(int(lines.size()), lineCount);
    QVERIFY((lineCount - 1) * linePitch + metrics.height() <= topicRect.height());

    // No line crosses the right edge, and the lines of each entry, joined at
    // single blanks, give the whole entry: nothing is cut off.
    const QList<ExpectedEntry>& entries = label == u"wind3" ? windowsEntries() : browserEntries();
    QStringList joined(entries.size());
    for (const forms::TopicLine& line : lines) {
        const double right = line.indent + metrics.horizontalAdvance(lineText(line));
        QVERIFY2(right <= topicRect.width(), qPrintable(lineText(line)));
        if (line.entry >= 0) {
            QString& entry = joined[line.entry];
            entry += (entry.isEmpty() ? u""_s : u" "_s) + lineText(line);
        }
    }
    for (qsizetype i = 0; i < entries.size(); ++i)
        QCOMPARE(joined[i], entries[i].text);
}

void TestForm3::paintedLines_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QList<int>>("emptyLines");

    QTest::newRow("Windows") << true << QList<int> { 2, 7, 9, 12 };
    QTest::newRow("browser") << false << QList<int> { 5, 10 };
}

// What the label really paints: ink on every text line within the label, none
// on the empty lines, and nothing where the icons stand.
void TestForm3::paintedLines()
{
    QFETCH(bool, windows);
    QFETCH(QList<int>, emptyLines);

    enter(windows);
    Form3& page = window<Form3>();
    forms::Label& text = windows ? page.wind3 : page.Brauz2;
    QVERIFY(text.isVisible());
    const QImage ink = support::paintedAlone(text.widget());

    for (int line = 1; line <= 12; ++line) {
        // The rows of the line from the tops of its capitals down to its base
        // line; descenders of the line above do not reach them.
        const int top = (line - 1) * linePitch;
        const QRect box = inkBox(ink, QRect(0, top + 4, ink.width(), 11), inkAlpha);
        QVERIFY2(!box.isEmpty() != emptyLines.contains(line), qPrintable(u"line %1"_s.arg(line)));
        if (!box.isEmpty())
            QVERIFY2(box.right() < ink.width() - 1, qPrintable(u"line %1"_s.arg(line)));
    }
    const QRect all = inkBox(ink, ink.rect(), inkAlpha);
    QVERIFY(!all.isEmpty());
    QVERIFY(all.bottom() < topicRect.height());

    if (windows) {
        for (forms::Image* icon : { &page.w1, &page.w2, &page.w3, &page.w4 }) {
            QVERIFY(icon->isVisible());
            const QRect under = icon->widget()->geometry().translated(-text.widget()->pos());
            QVERIFY2(inkBox(ink, under, inkAlpha).isEmpty(), qPrintable(icon->name()));
        }
    }
}

void TestForm3::icons_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("entry");

    QTest::newRow("w1") << u"w1"_s << 3 << 2;
    QTest::newRow("w2") << u"w2"_s << 5 << 3;
    QTest::newRow("w3") << u"w3"_s << 6 << 4;
    QTest::newRow("w4") << u"w4"_s << 10 << 6;
}

void TestForm3::icons()
{
    QFETCH(QString, icon);
    QFETCH(int, line);
    QFETCH(int, entry);

    Form3& page = window<Form3>();
    const forms::Image* images[] = { &page.w1, &page.w2, &page.w3, &page.w4 };
    const forms::Image* image = nullptr;
    for (const forms::Image* candidate : images) {
        if (candidate->name() == icon)
            image = candidate;
    }
    QVERIFY(image);
    const QRect iconRect = image->widget()->geometry();
    const QRect label = page.wind3.widget()->geometry();

    // At the left edge of the text, its top 0 to 1 pixel below the top of the
    // line on which the entry begins.
    QCOMPARE(iconRect.left(), label.left());
    const int lineTop = label.top() + linePitch * (line - 1);
    QVERIFY2(iconRect.top() >= lineTop && iconRect.top() <= lineTop + 1, qPrintable(QString::number(iconRect.top())));

    const forms::TopicLine& first = page.wind3.topicLines()[std::size_t(line - 1)];
    QCOMPARE(first.entry + 1, entry);
    QCOMPARE(first.part, 0);
    QVERIFY(lineText(first).startsWith(u'+'));
    QVERIFY(label.left() + first.indent > iconRect.right());

    // The ink of the line begins right of the icon too.
    const QImage ink = support::paintedAlone(page.wind3.widget());
    const QRect box = inkBox(ink, QRect(0, lineTop - label.top() + 4, ink.width(), 11), inkAlpha);
    QVERIFY(!box.isEmpty());
    QVERIFY(label.left() + box.left() > iconRect.right());
}

void TestForm3::backButton_data()
{
    QTest::addColumn<bool>("windows");

    QTest::newRow("from Windows") << true;
    QTest::newRow("from browser") << false;
}

void TestForm3::backButton()
{
    QFETCH(bool, windows);

    enter(windows);
    Form3& page = window<Form3>();
    QCOMPARE(visibleWindows(), QStringList { u"Form3"_s });

    // Watch every operation of the handler, failing none of them.
    m_program.recordOperations();
    click(page.Command1);
    m_program.runtime().setFailureHook({});

    QCOMPARE(m_program.operations,
        (QStringList { u"Form Form3.Hide"_s, u"Form Form2.Show"_s, u"Label Form3.Brauz2.Visible"_s,
            u"Label Form3.wind3.Visible"_s, u"Image Form3.w1.Visible"_s, u"Image Form3.w2.Visible"_s,
            u"Image Form3.w3.Visible"_s, u"Image Form3.w4.Visible"_s }));
    QCOMPARE(visibleWindows(), QStringList { u"Form2"_s });
    const QString heading = support::fromView(windows ? content::windowsHeading : content::browserHeading);
    QCOMPARE(pageState(page), (QStringList { heading, u"l1"_s, u"Command1"_s }));
    QVERIFY(m_program.failures.isEmpty());
    QVERIFY(m_program.ends.isEmpty());
}

void TestForm3::sectionAfterSection_data()
{
    QTest::addColumn<bool>("windowsFirst");

    QTest::newRow("Windows, back, browser") << true;
    QTest::newRow("browser, back, Windows") << false;
}

void TestForm3::sectionAfterSection()
{
    QFETCH(bool, windowsFirst);

    Form3& page = window<Form3>();
    const QStringList windowsState { support::fromView(content::windowsHeading), u"l1"_s, u"wind3"_s, u"w1"_s, u"w2"_s,
        u"w3"_s, u"w4"_s, u"Command1"_s };
    const QStringList browserState { support::fromView(content::browserHeading), u"l1"_s, u"Brauz2"_s, u"Command1"_s };

    enter(windowsFirst);
    QCOMPARE(visibleWindows(), QStringList { u"Form3"_s });
    QCOMPARE(pageState(page), windowsFirst ? windowsState : browserState);

    click(page.Command1);
    enter(!windowsFirst);
    QCOMPARE(visibleWindows(), QStringList { u"Form3"_s });
    QCOMPARE(pageState(page), windowsFirst ? browserState : windowsState);

    click(page.Command1);
    enter(windowsFirst);
    QCOMPARE(pageState(page), windowsFirst ? windowsState : browserState);
    QCOMPARE(m_program.runtime().windows().size(), std::size_t(3));
}

// The search reads the captions of the page before it was ever shown: the page
// comes into being hidden and unchanged, and a later visit shows only the
// chosen section.
void TestForm3::firstReferenceBySearch()
{
    QVERIFY(!m_program.runtime().exists<Form3>());
    QCOMPARE(window<Form3>().wind3.caption().size(), 775);
    QVERIFY(m_program.runtime().exists<Form3>());
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    Form3& page = window<Form3>();
    QCOMPARE(pageState(page), (QStringList { u"Комбинации клавиш при работе "_s, u"l1"_s, u"Command1"_s }));

    enter(false);
    QCOMPARE(&window<Form3>(), &page);
    QCOMPARE(visibleWindows(), QStringList { u"Form3"_s });
    QCOMPARE(pageState(page),
        (QStringList { support::fromView(content::browserHeading), u"l1"_s, u"Brauz2"_s, u"Command1"_s }));
}

void TestForm3::clicksChangeNothing_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("control");

    QTest::newRow("heading") << true << u"l1"_s;
    QTest::newRow("Windows text") << true << u"wind3"_s;
    QTest::newRow("browser text") << false << u"Brauz2"_s;
    QTest::newRow("w1") << true << u"w1"_s;
    QTest::newRow("w2") << true << u"w2"_s;
    QTest::newRow("w3") << true << u"w3"_s;
    QTest::newRow("w4") << true << u"w4"_s;
}

void TestForm3::clicksChangeNothing()
{
    QFETCH(bool, windows);
    QFETCH(QString, control);

    enter(windows);
    Form3& page = window<Form3>();
    QWidget* target = page.widget()->findChild<QWidget*>(control);
    QVERIFY(target && target->isVisible());
    const QStringList before = pageState(page);
    const QStringList captions { page.wind3.caption(), page.Brauz2.caption() };

    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(target, Qt::RightButton, {}, QPoint(5, 5));

    QCOMPARE(pageState(page), before);
    QCOMPARE((QStringList { page.wind3.caption(), page.Brauz2.caption() }), captions);
    QCOMPARE(visibleWindows(), QStringList { u"Form3"_s });
    QVERIFY(m_program.ends.isEmpty());
    QVERIFY(m_program.failures.isEmpty());
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
