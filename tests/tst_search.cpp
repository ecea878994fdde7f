#include "support.h"

#include "content/topics.h"
#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <array>
#include <random>
#include <string>

using namespace Qt::Literals::StringLiterals;

using forms::window;
using support::click;
using support::titles;
using support::visibleWindows;

namespace {

QStringList titlesOf(const QList<int>& rows)
{
    QStringList result;
    for (int row : rows)
        result.append(titles.at(row - 1));
    return result;
}

QList<int> rowRange(int first, int last, QList<int> except = {})
{
    QList<int> rows;
    for (int row = first; row <= last; ++row) {
        if (!except.contains(row))
            rows.append(row);
    }
    return rows;
}

QString units(std::initializer_list<char16_t> codeUnits)
{
    return QString::fromUtf16(std::data(codeUnits), static_cast<qsizetype>(codeUnits.size()));
}

QStringList existingWindows()
{
    QStringList names;
    for (forms::Window* w : forms::Runtime::current().windows())
        names.append(w->name());
    return names;
}

// How a text reaches the search box: typed key by key (one key event per
// character, as a keyboard sends it), pasted from the clipboard with Ctrl+V, or
// committed whole by an input method.
enum class Entry { Typed, Pasted, Composed };

// Empties the search box with the keyboard: select all, then delete.
void emptyBox(QLineEdit* box)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
}

void enter(QLineEdit* box, const QString& text, Entry how)
{
    emptyBox(box);
    switch (how) {
    case Entry::Typed: {
        // QTest::keyClicks knows only Latin-1, so each character goes as its
        // own key event carrying its text.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            const QString character = text.mid(i, pair ? 2 : 1);
            const Qt::Key key = pair ? Qt::Key_unknown : Qt::Key(text.at(i).toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, box, key, character, Qt::NoModifier);
            i += pair ? 1 : 0;
        }
        break;
    }
    case Entry::Pasted:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Entry::Composed: {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
        break;
    }
    }
}

// What a window shows and holds: its picture as drawn, and every control's
// kind, visibility and text.
struct WindowState {
    QImage image;
    QStringList controls;
};

WindowState stateOf(forms::Window& w)
{
    WindowState state { w.widget()->grab().toImage(), {} };
    for (QWidget* child : w.widget()->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<forms::LabelWidget*>(child))
            text = label->caption();
        else if (auto* button = qobject_cast<QPushButton*>(child))
            text = button->text();
        else if (auto* box = qobject_cast<QLineEdit*>(child))
            text = box->text();
        state.controls.append(QString::fromLatin1(child->metaObject()->className()) + u' '
            + (child->isVisibleTo(w.widget()) ? u"shown "_s : u"hidden "_s) + text);
    }
    return state;
}

// The texts the search reads, by catalogue row, for the reference search.
std::array<std::u16string, 15> sourceTexts()
{
    return { content::caption(content::windowsTopic), content::caption(content::browserTopic),
        content::caption(content::mailGeneralTopic), content::caption(content::mailListTopic),
        content::caption(content::mailReadingTopic), content::caption(content::mailWritingTopic),
        content::caption(content::mailPersonalTopic), u"Shift+F3", u"Ctrl+A", u"Ctrl+C", u"Ctrl+V", u"Ctrl+Z",
        u"Ctrl+Y", u"Ctrl+O", u"Ctrl+S" };
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class TestSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void queries_data();
    void queries();
    void editorTitleNamesTheButtonsAction_data();
    void editorTitleNamesTheButtonsAction();
    void awkwardInput_data();
    void awkwardInput();
    void againstReference();
    void emptyQueryChangesNothing_data();
    void emptyQueryChangesNothing();
    void hideBeforeAnySearch();
    void hideRemovesTheListBeforeEmptyingTheBox();
    void laterSearchReplacesEntries();
    void typingAndEnterDoNotSearch();
    void searchCreatesPagesHidden();
    void firstVisitAfterSearch_data();
    void firstVisitAfterSearch();
    void searchLeavesVisitedPagesAlone();
    void failureStopsTheSearch_data();
    void failureStopsTheSearch();

private:
    void search(const QString& query);
    QStringList shownEntries();

    support::Program m_program;
};

void TestSearch::init()
{
    m_program.start();
}

void TestSearch::cleanup()
{
    m_program.stop();
}

void TestSearch::search(const QString& query)
{
    enter(window<Form1>().t1.lineEdit(), query, Entry::Typed);
    QCOMPARE(window<Form1>().t1.lineEdit()->text(), query);
    click(window<Form1>().Command2);
}

QStringList TestSearch::shownEntries()
{
    return window<Form1>().lt1.items();
}

void TestSearch::queries_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QList<int>>("rows");

    QTest::newRow("Ctrl+S") << u"Ctrl+S"_s << QList<int> { 5, 6, 15 };
    QTest::newRow("Ctrl+C") << u"Ctrl+C"_s << QList<int> { 10 };
    QTest::newRow("ctrl+c") << u"ctrl+c"_s << QList<int> {};
    QTest::newRow("Delete") << u"Delete"_s << QList<int> { 1, 4 };
    QTest::newRow("Alt") << u"Alt"_s << QList<int> { 1, 2, 7 };
    QTest::newRow("Ctrl+A") << u"Ctrl+A"_s << QList<int> { 4, 9 };
    QTest::newRow("blank") << u" "_s << rowRange(1, 7);
    QTest::newRow("Ctrl+S and blank") << u"Ctrl+S "_s << QList<int> { 5, 6 };
    QTest::newRow("+") << u"+"_s << rowRange(1, 15);
    QTest::newRow("Ctrl") << u"Ctrl"_s << rowRange(1, 15, { 7, 8 });
    QTest::newRow("starting text") << u"Поисковая строка"_s << QList<int> {};
    QTest::newRow("Сохранить") << u"Сохранить"_s << QList<int> {};
    QTest::newRow("сохранить") << u"сохранить"_s << QList<int> { 5, 6 };
    QTest::newRow("Win") << u"Win"_s << QList<int> {};
    QTest::newRow("Windows") << u"Windows"_s << QList<int> {};
    QTest::newRow("Ctrl+S with Cyrillic Es") << u"\u0421trl+S"_s << QList<int> {};
    QTest::newRow("диспечер") << u"диспечер"_s << QList<int> { 1 };
    QTest::newRow("строке Ctrl+Enter") << u"строке Ctrl+Enter"_s << QList<int> { 2 };
    QTest::newRow("окнами +D") << u"окнами +D"_s << QList<int> {};
    QTest::newRow("title words") << u"При работе"_s << QList<int> {};
    QTest::newRow("action name") << u"Скопировать"_s << QList<int> {};
    QTest::newRow("Shift+F3") << u"Shift+F3"_s << QList<int> { 8 };
    QTest::newRow("Shift+S") << u"Shift+S"_s << QList<int> { 5 };
}

void TestSearch::queries()
{
    QFETCH(QString, query);
    QFETCH(QList<int>, rows);

    search(query);
    QCOMPARE(shownEntries(), titlesOf(rows));
    QVERIFY(window<Form1>().lt1.isVisible());
    QVERIFY(window<Form1>().Command3.isVisible());
    QCOMPARE(window<Form1>().t1.lineEdit()->text(), query);
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
}

void TestSearch::editorTitleNamesTheButtonsAction_data()
{
    QTest::addColumn<int>("row");

    for (int row = 8; row <= 15; ++row)
        QTest::addRow("row %d", row) << row;
}

// The title of a text-editor row is written out on its own, apart from the
// action names of the text-editor page, so here the two must agree: searching
// for a shortcut button's caption lists, of the text-editor rows, the one
// whose parentheses hold what that button writes into the action label.
void TestSearch::editorTitleNamesTheButtonsAction()
{
    QFETCH(int, row);

    const auto button = [row](Form4& page) -> forms::CommandButton& {
        forms::CommandButton* buttons[] = { &page.Command1, &page.Command2, &page.Command3, &page.Command4,
            &page.Command5, &page.Command6, &page.Command7, &page.Command8 };
        return *buttons[row - 8];
    };
    const QString section = u"При работе с текстовыми редакторами ("_s;

    search(button(window<Form4>()).button()->text());
    QStringList editorEntries;
    for (const QString& entry : shownEntries()) {
        if (entry.startsWith(section))
            editorEntries.append(entry);
    }

    click(window<Form1>().Command1);
    click(window<Form2>().Command2);
    Form4& page = window<Form4>();
    QCOMPARE(visibleWindows(), QStringList { u"Form4"_s });
    click(button(page));
    const QString action = page.l1.item(1).labelWidget()->caption();
    QVERIFY(!action.isEmpty());
    QCOMPARE(editorEntries, QStringList { section + action + u')' });
    QCOMPARE(editorEntries, titlesOf({ row }));
}

void TestSearch::awkwardInput_data()
{
    QTest::addColumn<Entry>("how");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QList<int>>("rows");

    constexpr char16_t high = 0xD83D;
    constexpr char16_t low = 0xDE00;

    QTest::newRow("long pasted query") << Entry::Pasted << u"Ctrl+S "_s.repeated(4500) << QList<int> {};
    QTest::newRow("long pasted run of blanks") << Entry::Pasted << QString(32000, u' ') << QList<int> {};
    // Longer than the 32,767 units a line edit takes unless told otherwise.
    QTest::newRow("pasted query of 42,000 units") << Entry::Pasted << u"Ctrl+S "_s.repeated(6000) << QList<int> {};
    QTest::newRow("composed query of 40,000 units") << Entry::Composed << u"Alt+"_s.repeated(10000) << QList<int> {};
    // The longest runs of blanks: 142 in the Windows text, 157 in the browser text.
    QTest::newRow("142 blanks") << Entry::Typed << QString(142, u' ') << QList<int> { 1, 2 };
    QTest::newRow("143 blanks") << Entry::Pasted << QString(143, u' ') << QList<int> { 2 };
    QTest::newRow("157 blanks") << Entry::Pasted << QString(157, u' ') << QList<int> { 2 };
    QTest::newRow("158 blanks") << Entry::Pasted << QString(158, u' ') << QList<int> {};
    QTest::newRow("typed pair") << Entry::Typed << u"\U0001F600"_s << QList<int> {};
    QTest::newRow("pair after a shortcut") << Entry::Typed << u"Ctrl+S\U0001F600"_s << QList<int> {};
    QTest::newRow("pasted pair") << Entry::Pasted << u"+\U0001F600+"_s << QList<int> {};
    QTest::newRow("lone high half") << Entry::Composed << units({ high }) << QList<int> {};
    QTest::newRow("lone low half after a shortcut") << Entry::Composed << u"Ctrl+S"_s + units({ low }) << QList<int> {};
    QTest::newRow("halves reversed") << Entry::Pasted << units({ low, high }) << QList<int> {};
    QTest::newRow("combining accent after a shortcut") << Entry::Typed << u"Ctrl+S\u0301"_s << QList<int> {};
    QTest::newRow("combining accent alone") << Entry::Typed << u"\u0301"_s << QList<int> {};
    QTest::newRow("precomposed letter") << Entry::Typed << u"файл"_s << QList<int> { 6 };
    QTest::newRow("letter with combining breve") << Entry::Typed << u"фаи\u0306л"_s << QList<int> {};
    QTest::newRow("pasted tab") << Entry::Pasted << u"Ctrl+S\t"_s << QList<int> {};
    QTest::newRow("control character") << Entry::Composed << u"\u0001"_s << QList<int> {};
    QTest::newRow("NUL") << Entry::Composed << u"Ctrl"_s + units({ u'\0' }) << QList<int> {};
    QTest::newRow("no-break space") << Entry::Pasted << u"\u00A0"_s << QList<int> {};
    QTest::newRow("pasted paragraph separator") << Entry::Pasted << u"Ctrl\u2029"_s << QList<int> {};
    QTest::newRow("pasted shortcut") << Entry::Pasted << u"Ctrl+C"_s << QList<int> { 10 };
    QTest::newRow("composed shortcut") << Entry::Composed << u"Ctrl+C"_s << QList<int> { 10 };
}

// Whatever a user can type, paste or compose without a line break reaches the
// search as it stands in the box and matches only where its code units occur.
// (Pasted line breaks are the one-line box's business, tested with it.)
void TestSearch::awkwardInput()
{
    QFETCH(Entry, how);
    QFETCH(QString, query);
    QFETCH(QList<int>, rows);

    QLineEdit* box = window<Form1>().t1.lineEdit();
    enter(box, query, how);
    QCOMPARE(box->text(), query);
    click(window<Form1>().Command2);
    QCOMPARE(shownEntries(), titlesOf(rows));
    QVERIFY(window<Form1>().lt1.isVisible());
    QVERIFY(m_program.failures.isEmpty());
    QVERIFY(m_program.ends.isEmpty());
}

// Random queries cut from the texts the search reads, with random edits, give
// the same rows in the same order as a plain search over those texts.
void TestSearch::againstReference()
{
    constexpr unsigned seed = 7041;
    qInfo("random queries from seed %u", seed);
    const std::array<std::u16string, 15> texts = sourceTexts();
    const std::array<char16_t, 10> edits { u'C', u'c', u'\u0421', u'с', u' ', u'+', 0xD83D, u'\u0301', u'\n', u'S' };
    std::mt19937 random(seed);
    QLineEdit* box = window<Form1>().t1.lineEdit();
    int matched = 0;
    for (int i = 0; i < 400; ++i) {
        const std::u16string& text = texts[random() % texts.size()];
        const std::size_t length = 1 + random() % std::min<std::size_t>(text.size(), 24);
        std::u16string query = text.substr(random() % (text.size() - length + 1), length);
        switch (random() % 4) {
        case 0: query.insert(random() % (query.size() + 1), 1, edits[random() % edits.size()]); break;
        case 1: query[random() % query.size()] = edits[random() % edits.size()]; break;
        default: break;
        }

        QStringList expected;
        for (std::size_t row = 0; row < texts.size(); ++row) {
            if (texts[row].find(query) != std::u16string::npos)
                expected.append(titles.at(static_cast<qsizetype>(row)));
        }
        const QString typed = QString::fromStdU16String(query);
        box->setText(typed);
        click(window<Form1>().Command2);
        QVERIFY2(shownEntries() == expected, qPrintable(u"query \"%1\""_s.arg(typed)));
        matched += expected.isEmpty() ? 0 : 1;
    }
    QVERIFY2(matched > 200, qPrintable(QString::number(matched)));
}

void TestSearch::emptyQueryChangesNothing_data()
{
    QTest::addColumn<bool>("searchFirst");
    QTest::addColumn<bool>("hideFirst");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("visible");

    QTest::newRow("list on show") << true << false << titlesOf({ 1, 2, 7 }) << true;
    QTest::newRow("list hidden after a search") << true << true << titlesOf({ 1, 2, 7 }) << false;
    QTest::newRow("box emptied before any search") << false << false << QStringList {} << false;
    QTest::newRow("hide results before any search") << false << true << QStringList {} << false;
}

void TestSearch::emptyQueryChangesNothing()
{
    QFETCH(bool, searchFirst);
    QFETCH(bool, hideFirst);
    QFETCH(QStringList, entries);
    QFETCH(bool, visible);

    Form1& f = window<Form1>();
    if (searchFirst)
        search(u"Alt"_s);
    if (hideFirst)
        click(f.Command3);
    else
        emptyBox(f.t1.lineEdit());
    QCOMPARE(f.t1.lineEdit()->text(), QString());
    const QStringList windowsBefore = existingWindows();

    click(f.Command2);
    QCOMPARE(shownEntries(), entries);
    QCOMPARE(f.lt1.isVisible(), visible);
    QCOMPARE(existingWindows(), windowsBefore);
    click(f.Command2);
    QCOMPARE(shownEntries(), entries);
    QCOMPARE(f.lt1.isVisible(), visible);
}

void TestSearch::hideBeforeAnySearch()
{
    Form1& f = window<Form1>();
    click(f.Command3);
    QCOMPARE(f.t1.lineEdit()->text(), QString());
    QVERIFY(!f.lt1.isVisible());
    QCOMPARE(shownEntries(), QStringList {});
    QVERIFY(f.Command3.isVisible());
    QCOMPARE(existingWindows(), QStringList { u"Form1"_s });
}

// The hide button takes the list away first and empties the box after: by the
// time the box's text changes, the list is already hidden.
void TestSearch::hideRemovesTheListBeforeEmptyingTheBox()
{
    Form1& f = window<Form1>();
    search(u"Alt"_s);
    QVERIFY(f.lt1.isVisible());

    QList<bool> listShownAtChange;
    QObject watcher;
    QObject::connect(
        f.t1.lineEdit(), &QLineEdit::textChanged, &watcher, [&] { listShownAtChange.append(f.lt1.isVisible()); });
    click(f.Command3);
    QCOMPARE(listShownAtChange, QList<bool> { false });
    QCOMPARE(f.t1.lineEdit()->text(), QString());
    QVERIFY(!f.lt1.isVisible());
}

// A second search replaces the entries of the first, whether the list was on
// show or hidden in between; the hidden list keeps its entries until then.
void TestSearch::laterSearchReplacesEntries()
{
    Form1& f = window<Form1>();
    search(u"Ctrl"_s);
    QCOMPARE(shownEntries().size(), 13);

    search(u"Ctrl+C"_s);
    QCOMPARE(shownEntries(), titlesOf({ 10 }));

    search(u"Ctrl"_s);
    click(f.Command3);
    QVERIFY(!f.lt1.isVisible());
    QVERIFY(f.Command3.isVisible());
    QCOMPARE(f.t1.lineEdit()->text(), QString());
    QCOMPARE(shownEntries().size(), 13);

    search(u"Alt"_s);
    QCOMPARE(shownEntries(), titlesOf({ 1, 2, 7 }));
    QVERIFY(f.lt1.isVisible());

    click(f.Command3);
    search(u"ctrl"_s);
    QCOMPARE(shownEntries(), QStringList {});
    QVERIFY(f.lt1.isVisible());
}

// Only the search button searches: typing and Enter in the box do not.
void TestSearch::typingAndEnterDoNotSearch()
{
    Form1& f = window<Form1>();
    enter(f.t1.lineEdit(), u"Ctrl"_s, Entry::Typed);
    QTest::keyClick(f.t1.lineEdit(), Qt::Key_Return);
    QTest::keyClick(f.t1.lineEdit(), Qt::Key_Enter);
    QVERIFY(!f.lt1.isVisible());
    QCOMPARE(shownEntries(), QStringList {});
    QCOMPARE(existingWindows(), QStringList { u"Form1"_s });
}

// The first search refers to the pages in catalogue order and creates each,
// hidden; the start window stays the one visible window.
void TestSearch::searchCreatesPagesHidden()
{
    Form1& f = window<Form1>();
    click(f.Command2);
    QCOMPARE(shownEntries(), QStringList {});
    QVERIFY(f.lt1.isVisible());
    QCOMPARE(existingWindows(), (QStringList { u"Form1"_s, u"Form3"_s, u"Form5"_s, u"Form4"_s }));
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
    for (forms::Window* w : m_program.runtime().windows()) {
        if (w != &f)
            QVERIFY(!w->widget()->isVisible());
    }

    search(u"Ctrl+S"_s);
    QCOMPARE(existingWindows(), (QStringList { u"Form1"_s, u"Form3"_s, u"Form5"_s, u"Form4"_s }));
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });
}

void TestSearch::firstVisitAfterSearch_data()
{
    QTest::addColumn<int>("menuButton");

    QTest::newRow("browser") << 4;
    QTest::newRow("Windows") << 5;
    QTest::newRow("text editors") << 2;
    QTest::newRow("web mail") << 3;
}

// A page first opened after a search shows exactly what it shows when it is
// first opened without one.
void TestSearch::firstVisitAfterSearch()
{
    QFETCH(int, menuButton);

    const auto visit = [menuButton]() -> forms::Window& {
        click(window<Form1>().Command1);
        Form2& menu = window<Form2>();
        forms::CommandButton* buttons[]
            = { nullptr, &menu.Command1, &menu.Command2, &menu.Command3, &menu.Command4, &menu.Command5 };
        click(*buttons[menuButton]);
        const QStringList shown = visibleWindows();
        if (shown.size() != 1)
            qFatal("a move left %lld windows visible", static_cast<long long>(shown.size()));
        for (forms::Window* w : forms::Runtime::current().windows()) {
            if (w->isVisible())
                return *w;
        }
        qFatal("no window visible");
    };

    search(u"Ctrl+S"_s);
    const WindowState afterSearch = stateOf(visit());

    m_program.start();
    const WindowState withoutSearch = stateOf(visit());

    QCOMPARE(afterSearch.controls, withoutSearch.controls);
    QVERIFY(afterSearch.image == withoutSearch.image);
}

// The search only reads the pages: what a visit left on them stays, and the
// outcome depends on the query alone.
void TestSearch::searchLeavesVisitedPagesAlone()
{
    Form1& f = window<Form1>();
    click(f.Command1);
    click(window<Form2>().Command5);
    click(window<Form3>().Command1);
    click(window<Form2>().Command4);
    click(window<Form3>().Command1);
    click(window<Form2>().Command2);
    click(window<Form4>().Command3);
    click(window<Form4>().Command9);
    click(window<Form2>().Command3);
    click(window<Form5>().Command5);
    click(window<Form5>().Command6);
    click(window<Form2>().Command1);
    QCOMPARE(visibleWindows(), QStringList { u"Form1"_s });

    const WindowState page3 = stateOf(window<Form3>());
    const WindowState page4 = stateOf(window<Form4>());
    const WindowState page5 = stateOf(window<Form5>());

    search(u"Ctrl+S"_s);
    QCOMPARE(shownEntries(), titlesOf({ 5, 6, 15 }));

    const WindowState after3 = stateOf(window<Form3>());
    const WindowState after4 = stateOf(window<Form4>());
    const WindowState after5 = stateOf(window<Form5>());
    QCOMPARE(after3.controls, page3.controls);
    QCOMPARE(after4.controls, page4.controls);
    QCOMPARE(after5.controls, page5.controls);
    QVERIFY(after3.image == page3.image);
    QVERIFY(after4.image == page4.image);
    QVERIFY(after5.image == page5.image);
    QCOMPARE(existingWindows(), (QStringList { u"Form1"_s, u"Form2"_s, u"Form3"_s, u"Form4"_s, u"Form5"_s }));
}

void TestSearch::failureStopsTheSearch_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("windows");

    const QStringList all { u"Form1"_s, u"Form3"_s, u"Form5"_s, u"Form4"_s };
    QTest::newRow("creating the web-mail page")
        << u"Form Form5.New"_s << titlesOf({ 1, 2 }) << QStringList { u"Form1"_s, u"Form3"_s };
    QTest::newRow("reading a topic text") << u"Label Form5.y3.Caption"_s << titlesOf({ 1, 2, 3, 4 })
                                          << QStringList { u"Form1"_s, u"Form3"_s, u"Form5"_s };
    QTest::newRow("reading a button caption")
        << u"CommandButton Form4.Command8.Caption"_s << titlesOf(rowRange(1, 14, { 7, 8 })) << all;
    QTest::newRow("adding an entry") << u"ListBox Form1.lt1.AddItem"_s << QStringList {}
                                     << QStringList { u"Form1"_s, u"Form3"_s };
    QTest::newRow("showing the list") << u"ListBox Form1.lt1.Visible"_s << titlesOf(rowRange(1, 15, { 7, 8 })) << all;
}

// A failing operation stops the search where it fails: the rows before it have
// added their entries, the list is not shown, and the failure is reported.
void TestSearch::failureStopsTheSearch()
{
    QFETCH(QString, failing);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, windows);

    enter(window<Form1>().t1.lineEdit(), u"Ctrl"_s, Entry::Typed);
    m_program.failOn(failing);
    click(window<Form1>().Command2);
    QCOMPARE(m_program.failures, QStringList { failing });
    QCOMPARE(m_program.ends, QList<int> { 1 });
    QCOMPARE(shownEntries(), entries);
    QVERIFY(!window<Form1>().lt1.list()->isVisible());
    QCOMPARE(existingWindows(), windows);
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
