#include "content/topics.h"
#include "forms/text.h"

#include <QTest>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// Halves of U+1F600, and texts built from code units that a string literal
// cannot hold on its own (lone surrogates, NUL).
constexpr char16_t high = 0xD83D;
constexpr char16_t low = 0xDE00;

std::u16string units(std::initializer_list<char16_t> codeUnits)
{
    return std::u16string(codeUnits);
}

QString qs(const std::u16string& s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

std::u16string_view view(const QString& s)
{
    return forms::utf16(s);
}

// The reference the search is measured against: try every start position and
// compare code unit by code unit, nothing clever.
std::size_t naiveFind(std::u16string_view searched, std::u16string_view sought)
{
    for (std::size_t start = 0; start + sought.size() <= searched.size(); ++start) {
        std::size_t same = 0;
        while (same < sought.size() && searched[start + same] == sought[same])
            ++same;
        if (same == sought.size())
            return start + 1;
    }
    return 0;
}

QString hexUnits(std::u16string_view s)
{
    QStringList units;
    for (char16_t unit : s)
        units.append(QString::number(unit, 16).rightJustified(4, u'0'));
    return units.join(u' ');
}

// Every text the search reads: the seven topic texts and the eight shortcut
// buttons of the text-editor page.
std::vector<std::u16string> sourceTexts()
{
    std::vector<std::u16string> texts {
        content::caption(content::windowsTopic),
        content::caption(content::browserTopic),
        content::caption(content::mailGeneralTopic),
        content::caption(content::mailListTopic),
        content::caption(content::mailReadingTopic),
        content::caption(content::mailWritingTopic),
        content::caption(content::mailPersonalTopic),
    };
    for (const char16_t* button :
        { u"Shift+F3", u"Ctrl+A", u"Ctrl+C", u"Ctrl+V", u"Ctrl+Z", u"Ctrl+Y", u"Ctrl+O", u"Ctrl+S" })
        texts.emplace_back(button);
    return texts;
}

// What a random edit may put into a query: letters in both cases, Cyrillic
// letters that look like Latin ones, blanks, key separators, both halves of a
// surrogate pair, a combining accent and control characters.
constexpr std::array<char16_t, 22> editUnits { u'C', u'c', u'S', u's', u'A', u'a', u'\u0421', u'\u0441', u'\u0410',
    u'\u0430', u'\u0435', u' ', u'+', u'-', u'/', high, low, u'\u0301', u'\n', u'\t', u'\0', u'\u00A0' };

std::u16string randomQuery(std::mt19937& random, const std::vector<std::u16string>& texts)
{
    const std::u16string& text = texts[random() % texts.size()];
    const std::size_t length = 1 + random() % std::min<std::size_t>(text.size(), 40);
    const std::size_t start = random() % (text.size() - length + 1);
    std::u16string query = text.substr(start, length);
    const unsigned edits = random() % 4;
    for (unsigned i = 0; i < edits; ++i) {
        const std::size_t at = random() % (query.size() + 1);
        const char16_t unit = editUnits[random() % editUnits.size()];
        switch (random() % 4) {
        case 0: query.insert(at, 1, unit); break;
        case 1:
            if (at < query.size())
                query.erase(at, 1);
            break;
        case 2:
            if (at < query.size())
                query[at] = unit;
            break;
        default:
            // Flip the case of one letter, Latin or Cyrillic.
            if (at < query.size()) {
                const QChar c(query[at]);
                query[at] = (c.isUpper() ? c.toLower() : c.toUpper()).unicode();
            }
            break;
        }
    }
    return query;
}

} // namespace

class TestText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void strEqual_data();
    void strEqual();
    void inStr_data();
    void inStr();
    void inStrAgainstReference_data();
    void inStrAgainstReference();
    void repetitiveTexts_data();
    void repetitiveTexts();
    void everyShortTextOfTwoUnits();
};

void TestText::strEqual_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("equal");

    QTest::newRow("both empty") << QString() << u""_s << true;
    QTest::newRow("empty and blank") << QString() << u" "_s << false;
    QTest::newRow("same text") << u"Ctrl+S"_s << u"Ctrl+S"_s << true;
    QTest::newRow("trailing blank") << u"Ctrl+S"_s << u"Ctrl+S "_s << false;
    QTest::newRow("leading blank") << u" Ctrl+S"_s << u"Ctrl+S"_s << false;
    QTest::newRow("case") << u"ctrl+s"_s << u"Ctrl+S"_s << false;
    QTest::newRow("Cyrillic Es for C") << u"\u0421trl+S"_s << u"Ctrl+S"_s << false;
    QTest::newRow("Cyrillic case") << u"сохранить"_s << u"Сохранить"_s << false;
    QTest::newRow("precomposed and combining") << u"\u00E9"_s << u"e\u0301"_s << false;
    QTest::newRow("no-break space") << u"\u00A0"_s << u" "_s << false;
    QTest::newRow("NUL is a code unit") << qs(units({ u'a', u'\0' })) << u"a"_s << false;
    QTest::newRow("same NUL") << qs(units({ u'a', u'\0', u'b' })) << qs(units({ u'a', u'\0', u'b' })) << true;
    QTest::newRow("pair and its high half") << u"\U0001F600"_s << qs(units({ high })) << false;
    QTest::newRow("same lone half") << qs(units({ low })) << qs(units({ low })) << true;
    QTest::newRow("line break") << u"a\nb"_s << u"a\r\nb"_s << false;
}

void TestText::strEqual()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, equal);

    QCOMPARE(forms::strEqual(view(a), view(b)), equal);
    QCOMPARE(forms::strEqual(view(b), view(a)), equal);
}

void TestText::inStr_data()
{
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("sought");
    QTest::addColumn<int>("position");

    QTest::newRow("empty in text") << u"Ctrl"_s << QString() << 1;
    QTest::newRow("empty in empty") << QString() << QString() << 1;
    QTest::newRow("text in empty") << QString() << u"C"_s << 0;
    QTest::newRow("whole text") << u"Ctrl+S"_s << u"Ctrl+S"_s << 1;
    QTest::newRow("at the start") << u"Ctrl+S"_s << u"Ctrl"_s << 1;
    QTest::newRow("at the end") << u"Ctrl+S"_s << u"+S"_s << 5;
    QTest::newRow("last unit") << u"Ctrl+S"_s << u"S"_s << 6;
    QTest::newRow("first of several") << u"Alt+D, Alt+F, Alt+D"_s << u"Alt+"_s << 1;
    QTest::newRow("second beats later") << u"xAlt+F Alt+D Alt+D"_s << u"Alt+D"_s << 8;
    QTest::newRow("longer than the text") << u"Ctrl+S"_s << u"Ctrl+S "_s << 0;
    QTest::newRow("much longer than the text") << u"+"_s << QString(500, u'+') << 0;
    QTest::newRow("partial match falls back") << u"aaab"_s << u"aab"_s << 2;
    QTest::newRow("overlapping prefix") << u"abababc"_s << u"ababc"_s << 3;
    QTest::newRow("border of a border") << u"aabaaabaaaa"_s << u"aabaaaa"_s << 5;
    QTest::newRow("run of blanks") << u"a     b   c"_s << u"   c"_s << 8;
    QTest::newRow("one blank is not a run") << u"окнами"_s + QString(142, u' ') + u"+D"_s << u"окнами +D"_s << 0;
    QTest::newRow("case of Latin") << u"Ctrl+C"_s << u"ctrl+c"_s << 0;
    QTest::newRow("case of Cyrillic") << u"сохранить в виде архив"_s << u"Сохранить"_s << 0;
    QTest::newRow("Cyrillic word") << u"сохранить в виде архив"_s << u"архив"_s << 18;
    QTest::newRow("Cyrillic Es for C") << u"Ctrl+S"_s << u"\u0421trl+S"_s << 0;
    QTest::newRow("Latin C for Es") << u"\u0421охранить"_s << u"Сохранить"_s << 1;
    QTest::newRow("pair found whole") << u"x\U0001F600y"_s << u"\U0001F600"_s << 2;
    QTest::newRow("high half inside a pair") << u"x\U0001F600y"_s << qs(units({ high })) << 2;
    QTest::newRow("low half inside a pair") << u"x\U0001F600y"_s << qs(units({ low })) << 3;
    QTest::newRow("high half in plain text") << u"Ctrl+S"_s << qs(units({ high })) << 0;
    QTest::newRow("pair in text of halves apart") << qs(units({ high, u'x', low })) << u"\U0001F600"_s << 0;
    QTest::newRow("halves reversed") << qs(units({ low, high })) << u"\U0001F600"_s << 0;
    QTest::newRow("lone half and letter") << qs(units({ u'a', low, u'b' })) << qs(units({ low, u'b' })) << 2;
    QTest::newRow("base letter of a combined one") << u"e\u0301"_s << u"e"_s << 1;
    QTest::newRow("combining mark alone") << u"e\u0301"_s << u"\u0301"_s << 2;
    QTest::newRow("precomposed in combined") << u"фаи\u0306л"_s << u"й"_s << 0;
    QTest::newRow("combined in precomposed") << u"файл"_s << u"и\u0306"_s << 0;
    QTest::newRow("line break") << u"Ctrl+S\nCtrl+C"_s << u"\nC"_s << 7;
    QTest::newRow("line break against blank") << u"Ctrl+S Ctrl+C"_s << u"S\nC"_s << 0;
    QTest::newRow("carriage return") << u"a\r\nb"_s << u"\r"_s << 2;
    QTest::newRow("tab against blank") << u"a b"_s << u"\t"_s << 0;
    QTest::newRow("NUL in the text") << qs(units({ u'a', u'\0', u'b' })) << u"b"_s << 3;
    QTest::newRow("NUL sought") << qs(units({ u'a', u'\0', u'b' })) << qs(units({ u'\0', u'b' })) << 2;
    QTest::newRow("NUL not there") << u"ab"_s << qs(units({ u'\0' })) << 0;
    QTest::newRow("highest code unit") << qs(units({ u'a', 0xFFFF })) << qs(units({ 0xFFFF })) << 2;
}

void TestText::inStr()
{
    QFETCH(QString, searched);
    QFETCH(QString, sought);
    QFETCH(int, position);

    QCOMPARE(forms::inStr(view(searched), view(sought)), std::size_t(position));
}

void TestText::inStrAgainstReference_data()
{
    QTest::addColumn<uint>("seed");

    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 20240611") << 20240611u;
    QTest::newRow("seed 3735928559") << 3735928559u;
}

void TestText::inStrAgainstReference()
{
    QFETCH(uint, seed);
    qInfo("random queries from seed %u", seed);

    const std::vector<std::u16string> texts = sourceTexts();
    std::mt19937 random(seed);
    int found = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::u16string query = randomQuery(random, texts);
        for (const std::u16string& text : texts) {
            const std::size_t expected = naiveFind(text, query);
            if (forms::inStr(text, query) != expected) {
                QFAIL(qPrintable(u"query %1 (code units %2) in %3: expected %4"_s.arg(
                    qs(query), hexUnits(query), qs(text).left(40), QString::number(expected))));
            }
            found += expected > 0 ? 1 : 0;
        }
    }
    // The edits must leave enough queries intact for the comparison to test
    // matches, not only misses.
    QVERIFY2(found > 3000, qPrintable(QString::number(found)));
}

void TestText::repetitiveTexts_data()
{
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("sought");

    const QString blanks(2000, u' ');
    QTest::newRow("blanks then a letter") << blanks + u'x' << QString(300, u' ') + u'x';
    QTest::newRow("a letter then blanks") << u'x' + blanks << u'x' + QString(300, u' ');
    QTest::newRow("run one too long") << blanks << QString(2001, u' ');
    QTest::newRow("letter missing at the end") << blanks << QString(1999, u' ') + u'x';
    QTest::newRow("periodic") << QString(u"ab"_s).repeated(1000) + u'c' << QString(u"ab"_s).repeated(200) + u'c';
    QTest::newRow("periodic miss") << QString(u"ab"_s).repeated(1000) << QString(u"ab"_s).repeated(200) + u'a' + u'a';
    QTest::newRow("halves repeated") << qs(std::u16string(1000, high)) + qs(units({ low }))
                                     << qs(std::u16string(100, high)) + qs(units({ low }));
}

// Texts made of one unit repeated are where a search that steps back in the
// text goes wrong or slow; each must agree with the reference.
void TestText::repetitiveTexts()
{
    QFETCH(QString, searched);
    QFETCH(QString, sought);

    QCOMPARE(forms::inStr(view(searched), view(sought)), naiveFind(view(searched), view(sought)));
}

// Every query of up to seven units against every text of up to eleven, over a blank
// and a "+": all the ways a query can overlap itself at these sizes.
void TestText::everyShortTextOfTwoUnits()
{
    const auto textOf = [](unsigned bits, unsigned length) {
        std::u16string text;
        for (unsigned i = 0; i < length; ++i)
            text += (bits >> i) & 1u ? u'+' : u' ';
        return text;
    };
    for (unsigned soughtLength = 1; soughtLength <= 7; ++soughtLength) {
        for (unsigned soughtBits = 0; soughtBits < (1u << soughtLength); ++soughtBits) {
            const std::u16string sought = textOf(soughtBits, soughtLength);
            for (unsigned searchedLength = 0; searchedLength <= 11; ++searchedLength) {
                for (unsigned searchedBits = 0; searchedBits < (1u << searchedLength); ++searchedBits) {
                    const std::u16string searched = textOf(searchedBits, searchedLength);
                    if (forms::inStr(searched, sought) != naiveFind(searched, sought))
                        QFAIL(qPrintable(u"\"%1\" in \"%2\""_s.arg(qs(sought), qs(searched))));
                }
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
