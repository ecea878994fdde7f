// A long random walk through the program's real controls, checked after every
// step against a small model of what the five windows must show.
//
// The walk clicks only the buttons of the window that is visible, presses and
// releases mouse buttons on the credits letter, edits the search box with key
// events and the clipboard, searches, and hides the results; it never clicks
// the exit label. The model knows nothing of the program's code: it keeps its
// own copy of the section titles and searches the captions (read once, from a
// separate runtime, before the walk) with its own naive substring test.
//
// The test walks fixed seeds, set by the build (one ctest test for each), so
// that a commit passes or fails the same way on every day.
// VORSILAN_MODEL_ACTIONS sets the number of actions of each walk (20000 by
// default). VORSILAN_MODEL_SEED walks only the seed it names;
// VORSILAN_MODEL_DATE_SEED=1 walks only a seed taken from today's date, which
// a run made now and then can use to reach new ground. Every walk prints its
// seed.

#include "support.h"

#include "content/texts.h"
#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <random>

using namespace Qt::Literals::StringLiterals;

using forms::window;

namespace {

// The fixed seeds come from the build, which runs one walk per seed.
constexpr quint64 fixedSeeds[] { VORSILAN_MODEL_SEEDS };

// The length of every topic text and the caption of every shortcut button, as
// the pages promise them; the captions read before the walk must match.
constexpr std::array<int, 7> topicLengths { 775, 701, 575, 905, 465, 173, 362 };
const std::array<QString, 8> buttonCaptions { u"Shift+F3"_s, u"Ctrl+A"_s, u"Ctrl+C"_s, u"Ctrl+V"_s, u"Ctrl+Z"_s,
    u"Ctrl+Y"_s, u"Ctrl+O"_s, u"Ctrl+S"_s };

const QString form3StartHeading = u"Комбинации клавиш при работе "_s;
const QString browserHeading = u"Комбинации клавиш при работе в браузере"_s;
const QString windowsHeading = u"Комбинации клавиш при работе в Windows"_s;

// Queries that the pages single out, mixed into the random ones.
const QStringList notableQueries { u"Ctrl+S"_s, u"Ctrl+C"_s, u"ctrl+c"_s, u"Delete"_s, u"Alt"_s, u"Ctrl+A"_s, u" "_s,
    u"  "_s, u"Ctrl+S "_s, u"+"_s, u"Ctrl"_s, u"Поисковая строка"_s, u"Сохранить"_s, u"сохранить"_s, u"Win"_s,
    u"Windows"_s, u"\u0421trl+S"_s, u"диспечер"_s, u"строке Ctrl+Enter"_s, u"окнами +D"_s, u"Shift+S"_s,
    QString(200, u' '), u"Shift+F3"_s, u"Ctrl+Enter"_s, u"\"Входящие\""_s, u"-  "_s };

// Pairs of letters that look alike in Latin and Cyrillic.
const QString latinLookalikes = u"ACEHKMOPTXaceopxy"_s;
const QString cyrillicLookalikes = u"АСЕНКМОРТХасеорху"_s;

// Ranges of characters that a user can type into the search box; the last two
// lie beyond the basic plane, so each is typed as one surrogate pair.
struct CodeRange {
    char32_t first;
    char32_t last;
};
constexpr std::array<CodeRange, 14> typable {
    CodeRange { 0x20, 0x7E }, // ASCII
    CodeRange { 0xA0, 0xFF }, // Latin-1, no-break space included
    CodeRange { 0x391, 0x3A1 }, // Greek capitals
    CodeRange { 0x400, 0x44F }, // Cyrillic
    CodeRange { 0x401, 0x401 }, // Ё
    CodeRange { 0x300, 0x36F }, // combining marks
    CodeRange { 0x200B, 0x200D }, // zero-width characters
    CodeRange { 0x2000, 0x200A }, // typographic spaces
    CodeRange { 0x3000, 0x3000 }, // ideographic space
    CodeRange { 0x4E00, 0x4E40 }, // CJK
    CodeRange { 0xE000, 0xE0FF }, // private use
    CodeRange { 0xFF01, 0xFF5E }, // full-width forms
    CodeRange { 0x1F600, 0x1F64F }, // emoji
    CodeRange { 0x20000, 0x20100 }, // CJK extension B
};

enum class Pic { Own, I, SF, CA, CC, CV, CZ, CY, CO, CS };

// What the program must be in. Windows are numbered 1 to 5.
struct Model {
    int visible = 1;
    std::array<bool, 6> exists { false, true, false, false, false, false };

    QString t1 = u"Поисковая строка"_s;
    QStringList lt1;
    bool lt1Visible = false;
    QString l3;
    QString l4;

    QString heading3 = form3StartHeading;
    bool brauz2 = false;
    bool wind3 = false;
    std::array<bool, 4> w {};

    QString action4;
    Pic picture4 = Pic::Own;

    std::array<bool, 5> y {};
};

// The naive substring test of the model: code unit for code unit.
bool contains(const QString& text, const QString& sought)
{
    const qsizetype n = text.size();
    const qsizetype m = sought.size();
    for (qsizetype start = 0; start + m <= n; ++start) {
        qsizetype i = 0;
        while (i < m && text[start + i].unicode() == sought[i].unicode())
            ++i;
        if (i == m)
            return true;
    }
    return false;
}

QString fromCodePoint(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

QtMessageHandler s_defaultHandler = nullptr;

void quietFonts(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.contains(u"OpenType support missing"_s))
        return;
    s_defaultHandler(type, context, message);
}

QString quoted(const QString& text)
{
    QString out = u"\""_s;
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\')
            out += c;
        else if (c.unicode() >= 0x400 && c.unicode() <= 0x44F)
            out += c;
        else
            out += u"\\u"_s + QString::number(c.unicode(), 16).rightJustified(4, u'0');
    }
    return out + u'"';
}

} // namespace

class TestModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void randomWalk_data();
    void randomWalk();

private:
    // The random source and the walk.
    quint64 next() { return m_random(); }
    int pick(int n) { return int(next() % quint64(n)); }
    bool chance(int percent) { return pick(100) < percent; }

    void step();
    QString compare();
    void noteCreation();

    // Actions of the start window.
    void clickButton(forms::CommandButton& button);
    void clickPassive(forms::Label& label);
    void creditsDown();
    void creditsUp();
    void replaceQuery();
    void appendText();
    void prependText();
    void backspaces();
    void clearQuery();
    void pasteOddText();
    void search();
    void hideResults();

    // Query making.
    QString randomQuery();
    QString substringQuery();
    QString editedQuery();
    QString randomUnicode(int length);
    void typeText(const QString& text);

    // The model's moves and handlers.
    void moveTo(int window);
    void modelSearch();

    QString m_sources[15];
    std::mt19937_64 m_random;
    quint64 m_seed = 0;
    Model m_model;
    QString m_action;
    QStringList m_recent;
    support::Program m_program;

    // The pictures of the text-editor page, as they stood when it was created.
    std::weak_ptr<const QPixmap> m_ownPicture;
    std::array<const QPixmap*, 10> m_pictures {};
    QString m_creationProblem;
};

// Reads the fifteen source texts once, from a runtime of their own, so that
// the walk starts with no page created.
void TestModel::initTestCase()
{
    forms::Runtime runtime;
    Form3& f3 = window<Form3>();
    Form5& f5 = window<Form5>();
    Form4& f4 = window<Form4>();
    const forms::Label* topics[] = { &f3.wind3, &f3.Brauz2, &f5.y1, &f5.y2, &f5.y3, &f5.y4, &f5.y5 };
    const forms::CommandButton* buttons[] = { &f4.Command1, &f4.Command2, &f4.Command3, &f4.Command4, &f4.Command5,
        &f4.Command6, &f4.Command7, &f4.Command8 };
    for (int i = 0; i < 7; ++i) {
        m_sources[i] = topics[i]->caption();
        QCOMPARE(m_sources[i].size(), topicLengths[i]);
    }
    for (int i = 0; i < 8; ++i) {
        m_sources[7 + i] = buttons[i]->caption();
        QCOMPARE(m_sources[7 + i], buttonCaptions[i]);
    }
    QCOMPARE(content::creditStart.size(), std::size_t(25));
    QCOMPARE(content::creditLine1.size(), std::size_t(38));
    QCOMPARE(content::creditLine2.size(), std::size_t(38));
}

void TestModel::init()
{
    // Painting random characters makes Qt remark on fonts that cannot shape
    // some scripts; that says nothing about the program.
    const QtMessageHandler previous = qInstallMessageHandler(quietFonts);
    if (previous != quietFonts)
        s_defaultHandler = previous;
    m_program.start();
}

void TestModel::cleanup()
{
    m_program.stop();
}

void TestModel::randomWalk_data()
{
    QTest::addColumn<quint64>("seed");
    bool ok = false;
    const quint64 chosen = qEnvironmentVariable("VORSILAN_MODEL_SEED").toULongLong(&ok);
    if (ok) {
        QTest::newRow("chosen seed") << chosen;
        return;
    }
    if (qEnvironmentVariableIntValue("VORSILAN_MODEL_DATE_SEED") == 1) {
        QTest::newRow("date seed") << quint64(QDate::currentDate().toString(u"yyyyMMdd"_s).toULongLong());
        return;
    }
    for (quint64 seed : fixedSeeds)
        QTest::addRow("fixed seed %llu", static_cast<unsigned long long>(seed)) << seed;
}

void TestModel::randomWalk()
{
    QFETCH(quint64, seed);
    qInfo("seed %llu", static_cast<unsigned long long>(seed));
    bool ok = false;
    int actions = qEnvironmentVariableIntValue("VORSILAN_MODEL_ACTIONS", &ok);
    if (!ok || actions <= 0)
        actions = 20000;

    m_seed = seed;
    m_random.seed(seed);
    m_model = Model {};
    m_model.l4 = QString::fromUtf16(content::creditStart.data(), qsizetype(content::creditStart.size()));
    m_recent.clear();
    m_ownPicture.reset();
    m_pictures.fill(nullptr);
    m_creationProblem.clear();

    const QString start = compare();
    if (!start.isEmpty())
        QFAIL(qPrintable(u"seed %1, before the first action:\n%2"_s.arg(seed).arg(start)));

    for (int number = 1; number <= actions; ++number) {
        step();
        noteCreation();
        const QString difference = compare();
        if (!difference.isEmpty()) {
            QFAIL(qPrintable(u"seed %1, action %2 (%3):\n%4\nlast actions:\n  %5"_s.arg(m_seed).arg(number).arg(
                m_action, difference, m_recent.join(u"\n  "_s))));
        }
        m_recent.append(u"%1: %2"_s.arg(number).arg(m_action));
        if (m_recent.size() > 25)
            m_recent.removeFirst();
        // Let the windows paint now and then, as they would between clicks.
        if (number % 16 == 0)
            QCoreApplication::processEvents();
    }
}

// Chooses one action among those the visible window offers, does it on the
// program and on the model.
void TestModel::step()
{
    switch (m_model.visible) {
    case 1: {
        Form1& f = window<Form1>();
        switch (pick(18)) {
        case 0:
        case 1:
            m_action = u"Form1 start button"_s;
            clickButton(f.Command1);
            moveTo(2);
            break;
        case 2:
        case 3:
        case 4:
        case 5: search(); break;
        case 6:
        case 7: hideResults(); break;
        case 8: creditsDown(); break;
        case 9: creditsUp(); break;
        case 10:
        case 11:
        case 12: replaceQuery(); break;
        case 13: appendText(); break;
        case 14: chance(50) ? prependText() : backspaces(); break;
        case 15: clearQuery(); break;
        case 16: pasteOddText(); break;
        default: {
            forms::Label* passive[] = { &f.Label2, &f.l3, &f.l4 };
            clickPassive(*passive[pick(3)]);
            break;
        }
        }
        break;
    }
    case 2: {
        Form2& f = window<Form2>();
        switch (pick(6)) {
        case 0:
            m_action = u"Form2 home button"_s;
            clickButton(f.Command1);
            moveTo(1);
            break;
        case 1:
            m_action = u"Form2 text editors"_s;
            clickButton(f.Command2);
            moveTo(4);
            break;
        case 2:
            m_action = u"Form2 web mail"_s;
            clickButton(f.Command3);
            moveTo(5);
            break;
        case 3:
            m_action = u"Form2 browser"_s;
            clickButton(f.Command4);
            moveTo(3);
            m_model.heading3 = browserHeading;
            m_model.brauz2 = true;
            break;
        case 4:
            m_action = u"Form2 Windows"_s;
            clickButton(f.Command5);
            moveTo(3);
            m_model.heading3 = windowsHeading;
            m_model.wind3 = true;
            m_model.w.fill(true);
            break;
        default: {
            forms::Label* passive[] = { &f.Label2, &f.Label1, &f.Label3, &f.Label4, &f.Label5 };
            clickPassive(*passive[pick(5)]);
            break;
        }
        }
        break;
    }
    case 3: {
        Form3& f = window<Form3>();
        if (chance(80)) {
            m_action = u"Form3 back button"_s;
            clickButton(f.Command1);
            moveTo(2);
            m_model.brauz2 = false;
            m_model.wind3 = false;
            m_model.w.fill(false);
        } else {
            forms::Label& topic = m_model.wind3 ? f.wind3 : f.Brauz2;
            clickPassive(chance(50) ? f.l1 : topic);
        }
        break;
    }
    case 4: {
        Form4& f = window<Form4>();
        forms::CommandButton* shortcuts[] = { &f.Command1, &f.Command2, &f.Command3, &f.Command4, &f.Command5,
            &f.Command6, &f.Command7, &f.Command8 };
        const std::u16string_view actions[]
            = { content::changeFontAction, content::selectAllAction, content::copyAction, content::pasteAction,
                  content::undoAction, content::redoAction, content::openAction, content::saveAction };
        const int choice = pick(11);
        if (choice < 8) {
            m_action = u"Form4 "_s + buttonCaptions[choice];
            clickButton(*shortcuts[choice]);
            m_model.action4 = QString::fromUtf16(actions[choice].data(), qsizetype(actions[choice].size()));
            m_model.picture4 = Pic(int(Pic::SF) + choice);
        } else if (choice < 10) {
            m_action = u"Form4 back button"_s;
            clickButton(f.Command9);
            moveTo(2);
            m_model.picture4 = Pic::I;
            m_model.action4.clear();
        } else {
            clickPassive(chance(50) ? f.l1.item(0) : f.l1.item(1));
        }
        break;
    }
    case 5: {
        Form5& f = window<Form5>();
        // The topic buttons in the order of the texts they show, y1 to y5.
        forms::CommandButton* topics[] = { &f.Command2, &f.Command3, &f.Command5, &f.Command1, &f.Command4 };
        const int choice = pick(8);
        if (choice < 5) {
            m_action = u"Form5 topic y%1"_s.arg(choice + 1);
            clickButton(*topics[choice]);
            m_model.y.fill(false);
            m_model.y[choice] = true;
        } else if (choice < 7) {
            m_action = u"Form5 back button"_s;
            clickButton(f.Command6);
            moveTo(2);
            m_model.y.fill(false);
        } else {
            forms::Label* visible = &f.l1.item(0);
            forms::Label* texts[] = { &f.y1, &f.y2, &f.y3, &f.y4, &f.y5 };
            for (int i = 0; i < 5; ++i) {
                if (m_model.y[i] && chance(50))
                    visible = texts[i];
            }
            clickPassive(*visible);
        }
        break;
    }
    }
}

void TestModel::moveTo(int target)
{
    m_model.visible = target;
    m_model.exists[target] = true;
}

void TestModel::clickButton(forms::CommandButton& button)
{
    support::click(button);
}

// A click on a label that has no handler changes nothing.
void TestModel::clickPassive(forms::Label& label)
{
    m_action = u"click on label "_s + label.name();
    QTest::mouseClick(label.labelWidget(), Qt::LeftButton, {}, QPoint(2, 2));
}

namespace {

Qt::MouseButton randomButton(int n)
{
    const Qt::MouseButton buttons[] = { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton };
    return buttons[n % 3];
}

Qt::KeyboardModifiers randomModifiers(int n)
{
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, n & 1);
    modifiers.setFlag(Qt::ControlModifier, n & 2);
    modifiers.setFlag(Qt::AltModifier, n & 4);
    return modifiers;
}

} // namespace

void TestModel::creditsDown()
{
    const Qt::MouseButton button = randomButton(pick(3));
    const QPoint at(pick(41), pick(41));
    m_action = u"press mouse button %1 on the credits letter at %2,%3"_s.arg(int(button)).arg(at.x()).arg(at.y());
    QTest::mousePress(window<Form1>().Label4.labelWidget(), button, randomModifiers(pick(8)), at);
    m_model.l3 = QString::fromUtf16(content::creditLine1.data(), qsizetype(content::creditLine1.size()));
    m_model.l4 = QString::fromUtf16(content::creditLine2.data(), qsizetype(content::creditLine2.size()));
}

void TestModel::creditsUp()
{
    const Qt::MouseButton button = randomButton(pick(3));
    const QPoint at(pick(41), pick(41));
    m_action = u"release mouse button %1 on the credits letter at %2,%3"_s.arg(int(button)).arg(at.x()).arg(at.y());
    QTest::mouseRelease(window<Form1>().Label4.labelWidget(), button, randomModifiers(pick(8)), at);
    m_model.l3.clear();
    m_model.l4 = QString::fromUtf16(content::creditStart.data(), qsizetype(content::creditStart.size()));
}

// Types text as key events: ASCII through QTest's own key table, any other
// character (a surrogate pair as one character) as a key event carrying it.
void TestModel::typeText(const QString& text)
{
    QLineEdit* edit = window<Form1>().t1.lineEdit();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(edit, char(c.unicode()));
            continue;
        }
        QString one(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            one += text[++i];
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, one, Qt::NoModifier);
    }
}

void TestModel::replaceQuery()
{
    const QString query = randomQuery();
    m_action = u"replace the search text with "_s + quoted(query);
    QTest::keyClick(window<Form1>().t1.lineEdit(), Qt::Key_A, Qt::ControlModifier);
    if (query.isEmpty())
        QTest::keyClick(window<Form1>().t1.lineEdit(), Qt::Key_Delete);
    else
        typeText(query);
    m_model.t1 = query;
}

void TestModel::appendText()
{
    const QString text = chance(50) ? randomUnicode(1 + pick(4)) : substringQuery();
    m_action = u"append "_s + quoted(text);
    QTest::keyClick(window<Form1>().t1.lineEdit(), Qt::Key_End);
    typeText(text);
    m_model.t1 += text;
}

void TestModel::prependText()
{
    const QString text = randomUnicode(1 + pick(3));
    m_action = u"prepend "_s + quoted(text);
    QTest::keyClick(window<Form1>().t1.lineEdit(), Qt::Key_Home);
    typeText(text);
    m_model.t1.prepend(text);
}

// Backspace takes one code unit, or a whole surrogate pair.
void TestModel::backspaces()
{
    const int count = 1 + pick(5);
    m_action = u"%1 backspaces at the end"_s.arg(count);
    QLineEdit* edit = window<Form1>().t1.lineEdit();
    QTest::keyClick(edit, Qt::Key_End);
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(edit, Qt::Key_Backspace);
        QString& t = m_model.t1;
        if (t.isEmpty())
            continue;
        const qsizetype last = t.size() - 1;
        if (last > 0 && t[last].isLowSurrogate() && t[last - 1].isHighSurrogate())
            t.chop(2);
        else
            t.chop(1);
    }
}

void TestModel::clearQuery()
{
    m_action = u"select all and delete"_s;
    QTest::keyClick(window<Form1>().t1.lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window<Form1>().t1.lineEdit(), Qt::Key_Delete);
    m_model.t1.clear();
}

// Text that no keyboard types, pasted at the end: lone surrogate halves,
// control characters, line breaks, a null character. The one-line box takes
// what comes before the first line break.
void TestModel::pasteOddText()
{
    const char16_t odd[] = { 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xD83D, 0xDE00, u'\t', u'\n', u'\r', 0x0000, 0x001B,
        0x007F, 0xFFFF, 0xFFFE, 0xFEFF, u' ', u'+', u'S' };
    QString text;
    const int length = 1 + pick(6);
    for (int i = 0; i < length; ++i)
        text += QChar(chance(70) ? odd[pick(int(std::size(odd)))] : char16_t(pick(0x10000)));
    m_action = u"paste "_s + quoted(text);
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(window<Form1>().t1.lineEdit(), Qt::Key_End);
    QTest::keyClick(window<Form1>().t1.lineEdit(), Qt::Key_V, Qt::ControlModifier);
    const auto lineBreak = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    m_model.t1 += QStringView(text.cbegin(), lineBreak);
}

void TestModel::search()
{
    m_action = u"search for "_s + quoted(m_model.t1);
    clickButton(window<Form1>().Command2);
    modelSearch();
}

void TestModel::hideResults()
{
    m_action = u"hide results"_s;
    clickButton(window<Form1>().Command3);
    m_model.lt1Visible = false;
    m_model.t1.clear();
}

// The search as the model sees it: nothing for an empty query; otherwise the
// titles of the rows whose source holds the query, in catalogue order, and
// the three pages created in the order the rows first name them.
void TestModel::modelSearch()
{
    if (m_model.t1.isEmpty())
        return;
    m_model.lt1.clear();
    for (int row = 0; row < 15; ++row) {
        if (contains(m_sources[row], m_model.t1))
            m_model.lt1.append(support::titles[row]);
    }
    m_model.lt1Visible = true;
    m_model.exists[3] = m_model.exists[4] = m_model.exists[5] = true;
}

QString TestModel::randomQuery()
{
    switch (pick(10)) {
    case 0: return QString();
    case 1:
    case 2: return notableQueries[pick(int(notableQueries.size()))];
    case 3:
    case 4:
    case 5: return substringQuery();
    case 6:
    case 7: return editedQuery();
    default: return randomUnicode(1 + pick(6));
    }
}

// A stretch of a source text (or now and then of a title, which the search
// never reads), mostly beginning where a word begins.
QString TestModel::substringQuery()
{
    const QString& text = chance(90) ? m_sources[pick(15)] : support::titles[pick(15)];
    qsizetype start = pick(int(text.size()));
    if (chance(75)) {
        while (start > 0 && text[start] == u' ')
            --start;
    }
    const int length = 1 + pick(16);
    return text.mid(start, length);
}

QString TestModel::editedQuery()
{
    QString query = substringQuery();
    const int at = pick(int(query.size()));
    switch (pick(5)) {
    case 0: // the other case
        query[at] = query[at].isUpper() ? query[at].toLower() : query[at].toUpper();
        break;
    case 1: { // the Latin or Cyrillic letter that looks the same
        const qsizetype latin = latinLookalikes.indexOf(query[at]);
        const qsizetype cyrillic = cyrillicLookalikes.indexOf(query[at]);
        if (latin >= 0)
            query[at] = cyrillicLookalikes[latin];
        else if (cyrillic >= 0)
            query[at] = latinLookalikes[cyrillic];
        break;
    }
    case 2: query.insert(at, u' '); break;
    case 3: query.remove(at, 1); break;
    default: query.replace(at, 1, randomUnicode(1)); break;
    }
    // A removed character may leave half of a surrogate pair, which no key
    // types; the search box then holds the text without it.
    QString typableQuery;
    for (qsizetype i = 0; i < query.size(); ++i) {
        if (query[i].isHighSurrogate() && i + 1 < query.size() && query[i + 1].isLowSurrogate()) {
            typableQuery += query[i];
            typableQuery += query[++i];
        } else if (!query[i].isSurrogate()) {
            typableQuery += query[i];
        }
    }
    return typableQuery;
}

QString TestModel::randomUnicode(int length)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        const CodeRange range = typable[std::size_t(pick(int(typable.size())))];
        text += fromCodePoint(range.first + char32_t(pick(int(range.last - range.first + 1))));
    }
    return text;
}

// The text-editor page's pictures are taken down when the page comes into
// being: each image holds a picture object of its own.
void TestModel::noteCreation()
{
    if (m_pictures[0] || !m_program.runtime().exists<Form4>())
        return;
    Form4& f = window<Form4>();
    m_ownPicture = f.I1.imageWidget()->picture();
    const forms::Image* stores[] = { &f.I, &f.SF, &f.CA, &f.CC, &f.CV, &f.CZ, &f.CY, &f.CO, &f.CS };
    m_pictures[0] = f.I1.imageWidget()->picture().get();
    for (int i = 0; i < 9; ++i)
        m_pictures[std::size_t(i + 1)] = stores[i]->imageWidget()->picture().get();
    for (std::size_t i = 0; i < m_pictures.size(); ++i) {
        if (!m_pictures[i] || std::count(m_pictures.begin(), m_pictures.end(), m_pictures[i]) != 1)
            m_creationProblem = u"the images of Form4 do not each hold a picture of their own"_s;
    }
}

// Every difference between the program and the model, one per line.
QString TestModel::compare()
{
    QStringList out;
    auto expect = [&out](bool holds, const QString& what) {
        if (!holds)
            out.append(what);
    };
    auto expectText = [&out](const QString& actual, const QString& expected, const QString& what) {
        if (actual != expected)
            out.append(u"%1 is %2, expected %3"_s.arg(what, quoted(actual), quoted(expected)));
    };

    expect(m_program.failures.isEmpty(), u"the runtime reported "_s + m_program.failures.join(u", "_s));
    expect(m_program.ends.isEmpty(), u"the program ended"_s);
    expect(m_creationProblem.isEmpty(), m_creationProblem);

    const std::array<bool, 6> exists { false, m_program.runtime().exists<Form1>(), m_program.runtime().exists<Form2>(),
        m_program.runtime().exists<Form3>(), m_program.runtime().exists<Form4>(), m_program.runtime().exists<Form5>() };
    for (int i = 1; i <= 5; ++i)
        expect(exists[std::size_t(i)] == m_model.exists[std::size_t(i)],
            u"Form%1 %2"_s.arg(i).arg(exists[std::size_t(i)] ? u"exists"_s : u"does not exist"_s));
    expect(m_program.runtime().windows().size() == std::size_t(std::count(exists.begin(), exists.end(), true)),
        u"more than one instance of a window"_s);
    for (forms::Window* w : m_program.runtime().windows()) {
        const bool shouldShow = w->name() == u"Form"_s + QString::number(m_model.visible);
        expect(w->isVisible() == shouldShow, w->name() + (w->isVisible() ? u" is visible"_s : u" is hidden"_s));
    }

    Form1& f1 = window<Form1>();
    expectText(f1.t1.lineEdit()->text(), m_model.t1, u"t1"_s);
    expect(f1.lt1.items() == m_model.lt1,
        u"lt1 holds ["_s + f1.lt1.items().join(u" | "_s) + u"], expected ["_s + m_model.lt1.join(u" | "_s) + u']');
    expect(f1.lt1.isVisible() == m_model.lt1Visible, u"lt1 visibility"_s);
    expect(f1.Command3.isVisible(), u"the hide-results button is hidden"_s);
    expectText(f1.l3.labelWidget()->caption(), m_model.l3, u"l3"_s);
    expectText(f1.l4.labelWidget()->caption(), m_model.l4, u"l4"_s);
    expectText(f1.Label4.labelWidget()->caption(), u"М"_s, u"Label4"_s);

    if (exists[3]) {
        Form3& f3 = window<Form3>();
        expectText(f3.l1.labelWidget()->caption(), m_model.heading3, u"Form3 heading"_s);
        expect(f3.Brauz2.isVisible() == m_model.brauz2, u"Brauz2 visibility"_s);
        expect(f3.wind3.isVisible() == m_model.wind3, u"wind3 visibility"_s);
        const forms::Image* icons[] = { &f3.w1, &f3.w2, &f3.w3, &f3.w4 };
        for (int i = 0; i < 4; ++i)
            expect(icons[i]->isVisible() == m_model.w[std::size_t(i)], u"w%1 visibility"_s.arg(i + 1));
        expect(f3.wind3.labelWidget()->caption() == m_sources[0], u"the caption of wind3 changed"_s);
        expect(f3.Brauz2.labelWidget()->caption() == m_sources[1], u"the caption of Brauz2 changed"_s);
    }

    if (exists[4]) {
        Form4& f4 = window<Form4>();
        expectText(f4.l1.item(1).labelWidget()->caption(), m_model.action4, u"Form4 action label"_s);
        const forms::Image* stores[] = { &f4.I, &f4.SF, &f4.CA, &f4.CC, &f4.CV, &f4.CZ, &f4.CY, &f4.CO, &f4.CS };
        for (int i = 0; i < 9; ++i) {
            expect(stores[i]->imageWidget()->picture().get() == m_pictures[std::size_t(i + 1)],
                u"store %1 holds another picture"_s.arg(stores[i]->name()));
            expect(!stores[i]->isVisible(), u"store %1 is visible"_s.arg(stores[i]->name()));
        }
        expect(f4.I1.isVisible(), u"I1 is hidden"_s);
        const QPixmap* shown = f4.I1.imageWidget()->picture().get();
        const QPixmap* expected = m_pictures[std::size_t(m_model.picture4)];
        expect(shown == expected,
            u"I1 holds picture %1, expected picture %2 (own %3, I %4, SF..CS)"_s.arg(quintptr(shown), 0, 16)
                .arg(quintptr(expected), 0, 16)
                .arg(quintptr(m_pictures[0]), 0, 16)
                .arg(quintptr(m_pictures[1]), 0, 16));
        if (m_model.picture4 != Pic::Own)
            expect(m_ownPicture.expired(), u"the page's own first picture is still held"_s);
        const forms::CommandButton* buttons[] = { &f4.Command1, &f4.Command2, &f4.Command3, &f4.Command4, &f4.Command5,
            &f4.Command6, &f4.Command7, &f4.Command8 };
        for (int i = 0; i < 8; ++i)
            expectText(buttons[i]->button()->text(), m_sources[7 + i], u"Form4 "_s + buttons[i]->name());
    }

    if (exists[5]) {
        Form5& f5 = window<Form5>();
        const forms::Label* texts[] = { &f5.y1, &f5.y2, &f5.y3, &f5.y4, &f5.y5 };
        for (int i = 0; i < 5; ++i) {
            expect(texts[i]->isVisible() == m_model.y[std::size_t(i)], u"y%1 visibility"_s.arg(i + 1));
            expect(texts[i]->labelWidget()->caption() == m_sources[2 + i], u"the caption of y%1 changed"_s.arg(i + 1));
        }
    }
    return out.join(u'\n');
}

QTEST_MAIN(TestModel)
#include "tst_model.moc"
