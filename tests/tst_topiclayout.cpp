// Checks the line breaking of topic texts on its own, with a width function in
// which every character is 10 pixels wide, so each case can be followed by
// counting characters.

#include "forms/topiclayout.h"

#include <QtTest>

#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

double tenPerCharacter(std::u16string_view text)
{
    return 10.0 * static_cast<double>(text.size());
}

// One line as "entry/part/indent|text"; an empty line is "-1/0/0|".
QString describe(const forms::TopicLine& line)
{
    return u"%1/%2/%3|%4"_s.arg(line.entry).arg(line.part).arg(line.indent).arg(QString::fromStdU16String(line.text));
}

} // namespace

class TestTopicLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void textBetweenLinesIsOnlyTheDroppedBlanks();
};

void TestTopicLayout::layout_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("indents");
    QTest::addColumn<QList<bool>>("emptyLinesAfter");
    QTest::addColumn<double>("width");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty input") << QStringList() << QList<int>() << QList<bool>() << 100.0 << QStringList();

    QTest::newRow("every entry begins a new line")
        << QStringList { u"ab"_s, u"cd"_s, u"e"_s } << QList<int> { 0, 0, 0 } << QList<bool> { false, false, false }
        << 300.0 << QStringList { u"0/0/0|ab"_s, u"1/0/0|cd"_s, u"2/0/0|e"_s };

    QTest::newRow("a line may be exactly full")
        << QStringList { u"aaa bbb ccc"_s } << QList<int> { 0 } << QList<bool> { false } << 70.0
        << QStringList { u"0/0/0|aaa bbb"_s, u"0/1/0|ccc"_s };

    QTest::newRow("one pixel short moves the word on")
        << QStringList { u"aaa bbb ccc"_s } << QList<int> { 0 } << QList<bool> { false } << 69.0
        << QStringList { u"0/0/0|aaa"_s, u"0/1/0|bbb"_s, u"0/2/0|ccc"_s };

    QTest::newRow("the blanks at a break are dropped")
        << QStringList { u"aaa   bbb"_s } << QList<int> { 0 } << QList<bool> { false } << 50.0
        << QStringList { u"0/0/0|aaa"_s, u"0/1/0|bbb"_s };

    QTest::newRow("double blanks inside a line are kept")
        << QStringList { u"Ctrl+I -  go"_s } << QList<int> { 0 } << QList<bool> { false } << 200.0
        << QStringList { u"0/0/0|Ctrl+I -  go"_s };

    QTest::newRow("double blanks before a wrapped word are kept")
        << QStringList { u"a  b c"_s } << QList<int> { 0 } << QList<bool> { false } << 40.0
        << QStringList { u"0/0/0|a  b"_s, u"0/1/0|c"_s };

    QTest::newRow("a word wider than the line stands alone")
        << QStringList { u"aa bbbbbbbbbb cc"_s } << QList<int> { 0 } << QList<bool> { false } << 50.0
        << QStringList { u"0/0/0|aa"_s, u"0/1/0|bbbbbbbbbb"_s, u"0/2/0|cc"_s };

    QTest::newRow("a first word wider than the line stands alone")
        << QStringList { u"bbbbbbbbbb cc dd"_s } << QList<int> { 0 } << QList<bool> { false } << 50.0
        << QStringList { u"0/0/0|bbbbbbbbbb"_s, u"0/1/0|cc dd"_s };

    QTest::newRow("a single word wider than the line")
        << QStringList { u"bbbbbbbbbb"_s } << QList<int> { 0 } << QList<bool> { false } << 50.0
        << QStringList { u"0/0/0|bbbbbbbbbb"_s };

    QTest::newRow("the indent narrows only the first line")
        << QStringList { u"aaa bbb ccc"_s } << QList<int> { 20 } << QList<bool> { false } << 80.0
        << QStringList { u"0/0/20|aaa"_s, u"0/1/0|bbb ccc"_s };

    QTest::newRow("an indent on the second entry only")
        << QStringList { u"aaa bbb"_s, u"+D ccc"_s } << QList<int> { 0, 22 } << QList<bool> { false, false } << 70.0
        << QStringList { u"0/0/0|aaa bbb"_s, u"1/0/22|+D"_s, u"1/1/0|ccc"_s };

    QTest::newRow("empty lines only where asked")
        << QStringList { u"a"_s, u"b"_s, u"c"_s, u"d e"_s } << QList<int> { 0, 0, 0, 0 }
        << QList<bool> { true, false, false, true } << 20.0
        << QStringList { u"0/0/0|a"_s, u"-1/0/0|"_s, u"1/0/0|b"_s, u"2/0/0|c"_s, u"3/0/0|d"_s, u"3/1/0|e"_s,
               u"-1/0/0|"_s };
}

void TestTopicLayout::layout()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, indents);
    QFETCH(QList<bool>, emptyLinesAfter);
    QFETCH(double, width);
    QFETCH(QStringList, lines);

    std::vector<std::u16string> storage;
    for (const QString& text : texts)
        storage.push_back(text.toStdU16String());
    std::vector<forms::TopicItem> items;
    for (qsizetype i = 0; i < texts.size(); ++i)
        items.push_back(
            { .text = storage[std::size_t(i)], .indent = indents[i], .emptyLineAfter = emptyLinesAfter[i] });

    QStringList result;
    for (const forms::TopicLine& line : forms::layoutTopic(items, width, tenPerCharacter))
        result.append(describe(line));
    QCOMPARE(result, lines);
}

// However narrow the line, the lines of an entry joined by single blanks give
// the entry back whenever its words are separated by single blanks: nothing is
// lost or repeated at a break.
void TestTopicLayout::textBetweenLinesIsOnlyTheDroppedBlanks()
{
    const std::u16string text = u"Ctrl+Tab - переключение на следующую вкладку, т.е. на одну вправо";
    const forms::TopicItem items[] = { { .text = text } };
    for (double width = 10; width <= 700; width += 10) {
        std::u16string joined;
        for (const forms::TopicLine& line : forms::layoutTopic(items, width, tenPerCharacter)) {
            QVERIFY(line.text.empty() || line.text.front() != u' ');
            QVERIFY(line.text.empty() || line.text.back() != u' ');
            QVERIFY(tenPerCharacter(line.text) <= width || line.text.find(u' ') == std::u16string::npos);
            joined += (joined.empty() ? u"" : u" ") + line.text;
        }
        QCOMPARE(QString::fromStdU16String(joined), QString::fromStdU16String(text));
    }
}

QTEST_APPLESS_MAIN(TestTopicLayout)
#include "tst_topiclayout.moc"
