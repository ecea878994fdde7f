// The text-editor page, reached through the real buttons: its layout, the
// eight shortcut buttons with their action names and outlined keyboards, the
// back button that resets the page, and the picture objects the images share.

#include "support.h"

#include "content/keyboard.h"
#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form4.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

using forms::window;
using support::click;

namespace {

using content::keyboard::KeyRect;

bool onEdge(const KeyRect& key, int column, int row)
{
    const bool inside
        = column >= key.firstColumn && column <= key.lastColumn && row >= key.firstRow && row <= key.lastRow;
    return inside
        && (column == key.firstColumn || column == key.lastColumn || row == key.firstRow || row == key.lastRow);
}

// The rectangles a shortcut page must outline, written out here rather than
// taken from the key table: they are what the page has to show.
const KeyRect leftShift { 3, 44, 80, 96 };
const KeyRect leftCtrl { 4, 25, 99, 116 };

QImage pixels(const forms::Picture& picture)
{
    return picture->toImage().convertToFormat(QImage::Format_RGB32);
}

forms::CommandButton& button(Form4& page, const QString& name)
{
    for (forms::CommandButton* b : { &page.Command1, &page.Command2, &page.Command3, &page.Command4, &page.Command5,
             &page.Command6, &page.Command7, &page.Command8, &page.Command9 }) {
        if (b->name() == name)
            return *b;
    }
    qFatal("no such button");
}

forms::Image& store(Form4& page, const QString& name)
{
    for (forms::Image* image :
        { &page.SF, &page.CA, &page.CC, &page.CV, &page.CZ, &page.CY, &page.CO, &page.CS, &page.I }) {
        if (image->name() == name)
            return *image;
    }
    qFatal("no such store");
}

QString actionLabel(Form4& page)
{
    return page.l1.item(1).labelWidget()->caption();
}

const forms::Picture& display(Form4& page)
{
    return page.I1.imageWidget()->picture();
}

// The median grey of count pixels from a point on, one step apart.
int medianGrey(const QImage& image, QPoint from, QPoint step, int count)
{
    QList<int> greys;
    for (int i = 0; i < count; ++i)
        greys.append(qGray(image.pixel(from + i * step)));
    std::sort(greys.begin(), greys.end());
    return greys.at(greys.size() / 2);
}

} // namespace

Q_DECLARE_METATYPE(content::keyboard::KeyRect)

class TestForm4 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void headingWrapsIntoTwoLines();
    void startPictures();
    void shortcut_data();
    void shortcut();
    void outlinesLieOnDrawnKeys_data();
    void outlinesLieOnDrawnKeys();
    void repeatedAndSuccessiveClicks();
    void backResetsThePage();
    void backOrder();
    void firstReferenceByReadingACaption();
    void tabOrder();
    void failedActionLabelKeepsThePicture();

private:
    // Start window, its start button, then "Далее" of the text-editor row.
    Form4& visit();

    support::Program m_program;
};

void TestForm4::init()
{
    m_program.start();
}

void TestForm4::cleanup()
{
    m_program.stop();
}

Form4& TestForm4::visit()
{
    if (window<Form1>().isVisible())
        click(window<Form1>().Command1);
    click(window<Form2>().Command2);
    return window<Form4>();
}

void TestForm4::layout_data()
{
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visible");

    // Twips divided by 15; fonts in pixels at 96 dots per inch.
    QTest::newRow("l1(0)") << QRect(0, 8, 369, 65) << 21 << u"Комбинации клавиш при работе с текстовыми редакторами"_s
                           << true;
    QTest::newRow("Command2") << QRect(16, 80, 73, 25) << 16 << u"Ctrl+A"_s << true;
    QTest::newRow("Command3") << QRect(104, 80, 73, 25) << 16 << u"Ctrl+C"_s << true;
    QTest::newRow("Command5") << QRect(192, 80, 73, 25) << 16 << u"Ctrl+Z"_s << true;
    QTest::newRow("Command7") << QRect(280, 80, 73, 25) << 16 << u"Ctrl+O"_s << true;
    QTest::newRow("Command1") << QRect(16, 112, 73, 25) << 16 << u"Shift+F3"_s << true;
    QTest::newRow("Command4") << QRect(104, 112, 73, 25) << 16 << u"Ctrl+V"_s << true;
    QTest::newRow("Command6") << QRect(192, 112, 73, 25) << 16 << u"Ctrl+Y"_s << true;
    QTest::newRow("Command8") << QRect(280, 112, 73, 25) << 16 << u"Ctrl+S"_s << true;
    QTest::newRow("I1") << QRect(12, 152, 347, 121) << -1 << QString() << true;
    QTest::newRow("l1(1)") << QRect(16, 296, 337, 33) << 21 << QString() << true;
    QTest::newRow("Command9") << QRect(328, 328, 41, 41) << 12 << QString() << true;
    for (const char* name : { "SF", "CA", "CC", "CV", "CZ", "CY", "CO", "CS" })
        QTest::newRow(name) << QRect(16, 152, 347, 121) << -1 << QString() << false;
    QTest::newRow("I") << QRect(16, 160, 347, 121) << -1 << QString() << false;
}

void TestForm4::layout()
{
    QFETCH(QRect, pixels);
    QFETCH(int, fontPixels);
    QFETCH(QString, caption);
    QFETCH(bool, visible);

    QWidget* surface = visit().widget();
    auto* control = surface->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->isVisibleTo(surface), visible);
    QCOMPARE(control->isVisible(), visible);
    if (fontPixels > 0) {
        QCOMPARE(control->font().pixelSize(), fontPixels);
        QVERIFY(control->font().bold());
        QCOMPARE(control->font().family(), support::controlFace());
    }
    if (auto* label = qobject_cast<forms::LabelWidget*>(control)) {
        QCOMPARE(label->caption(), caption);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
    if (auto* pushButton = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(pushButton->text(), caption);
        QVERIFY(!pushButton->isDefault() && !pushButton->autoDefault());
        QCOMPARE(pushButton->icon().isNull(), !caption.isEmpty());
        QCOMPARE(pushButton->toolTip(), caption.isEmpty() ? u"Назад"_s : QString());
    }
    if (auto* image = dynamic_cast<forms::ImageWidget*>(control)) {
        QVERIFY(image->picture());
        QCOMPARE(image->picture()->size(), QSize(347, 121));
        QCOMPARE(image->focusPolicy(), Qt::NoFocus);
    }
}

void TestForm4::headingWrapsIntoTwoLines()
{
    forms::LabelWidget* heading = visit().l1.item(0).labelWidget();
    const QFontMetrics metrics(heading->font());
    const QRect text = metrics.boundingRect(QRect(0, 0, heading->width(), 1000),
        int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap), heading->caption());
    QCOMPARE(text.height(), metrics.lineSpacing() + metrics.height());
    QVERIFY(text.height() <= heading->height());
}

void TestForm4::startPictures()
{
    Form4& page = visit();
    const forms::Picture start = display(page);
    const forms::Picture plain = page.I.imageWidget()->picture();
    QVERIFY(start && plain);
    QVERIFY(start != plain);
    QCOMPARE(pixels(start), pixels(plain));

    const QImage image = pixels(plain);
    QCOMPARE(image.size(), QSize(347, 121));
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            if (image.pixel(column, row) == qRgb(255, 0, 0))
                QFAIL(qPrintable(u"pure red at %1, %2"_s.arg(column).arg(row)));
        }
    }

    // Every store holds a picture of its own.
    QList<const QPixmap*> objects { start.get() };
    for (const char* name : { "SF", "CA", "CC", "CV", "CZ", "CY", "CO", "CS", "I" }) {
        const forms::Picture& picture = store(page, QString::fromLatin1(name)).imageWidget()->picture();
        QVERIFY(picture);
        QVERIFY(!objects.contains(picture.get()));
        objects.append(picture.get());
    }
    QCOMPARE(actionLabel(page), QString());
}

void TestForm4::shortcut_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("storeName");
    QTest::addColumn<KeyRect>("first");
    QTest::addColumn<KeyRect>("second");

    QTest::newRow("Shift+F3") << u"Command1"_s << u"Shift+F3"_s << u"Изменить вид шрифта"_s << u"SF"_s << leftShift
                              << KeyRect { 60, 77, 3, 15 };
    QTest::newRow("Ctrl+A") << u"Command2"_s << u"Ctrl+A"_s << u"Выделить весь текст"_s << u"CA"_s << leftCtrl
                            << KeyRect { 37, 53, 60, 77 };
    QTest::newRow("Ctrl+C") << u"Command3"_s << u"Ctrl+C"_s << u"Скопировать выделенный текст"_s << u"CC"_s << leftCtrl
                            << KeyRect { 84, 100, 80, 97 };
    QTest::newRow("Ctrl+V") << u"Command4"_s << u"Ctrl+V"_s << u"Вставить выделенный текст"_s << u"CV"_s << leftCtrl
                            << KeyRect { 103, 119, 80, 97 };
    QTest::newRow("Ctrl+Z") << u"Command5"_s << u"Ctrl+Z"_s << u"Отмена действия"_s << u"CZ"_s << leftCtrl
                            << KeyRect { 46, 62, 80, 97 };
    QTest::newRow("Ctrl+Y") << u"Command6"_s << u"Ctrl+Y"_s << u"Вернуть предыдущее действие"_s << u"CY"_s << leftCtrl
                            << KeyRect { 126, 142, 41, 58 };
    QTest::newRow("Ctrl+O") << u"Command7"_s << u"Ctrl+O"_s << u"Открыть документ"_s << u"CO"_s << leftCtrl
                            << KeyRect { 183, 199, 41, 58 };
    QTest::newRow("Ctrl+S") << u"Command8"_s << u"Ctrl+S"_s << u"Сохранить документ"_s << u"CS"_s << leftCtrl
                            << KeyRect { 56, 72, 60, 77 };
}

void TestForm4::shortcut()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, caption);
    QFETCH(QString, action);
    QFETCH(QString, storeName);
    QFETCH(KeyRect, first);
    QFETCH(KeyRect, second);

    Form4& page = visit();
    forms::Image& chosen = store(page, storeName);
    const forms::Picture stored = chosen.imageWidget()->picture();
    QCOMPARE(button(page, buttonName).caption(), caption);

    // The handler names the action first, then shows the store's picture.
    m_program.recordOperations();
    click(button(page, buttonName));
    m_program.runtime().setFailureHook({});
    QCOMPARE(support::operationsOf(m_program.operations, { u"Label", u"Image" }),
        (QStringList { u"Form4.l1(1).Caption"_s, u"Form4."_s + storeName + u".Picture"_s, u"Form4.I1.Picture"_s }));

    QCOMPARE(actionLabel(page), action);
    QCOMPARE(display(page).get(), stored.get());
    QCOMPARE(chosen.imageWidget()->picture().get(), stored.get());
    QVERIFY(!chosen.widget()->isVisible());
    QVERIFY(m_program.failures.isEmpty());

    // On the pixels: the plain keyboard with exactly the two key edges in red.
    const QImage plain = pixels(page.I.imageWidget()->picture());
    const QImage outlined = pixels(stored);
    QCOMPARE(outlined.size(), QSize(347, 121));
    int red = 0;
    for (int row = 0; row < plain.height(); ++row) {
        for (int column = 0; column < plain.width(); ++column) {
            const QRgb expected = onEdge(first, column, row) || onEdge(second, column, row) ? qRgb(255, 0, 0)
                                                                                            : plain.pixel(column, row);
            if (outlined.pixel(column, row) != expected)
                QFAIL(qPrintable(u"pixel %1, %2"_s.arg(column).arg(row)));
            red += outlined.pixel(column, row) != plain.pixel(column, row);
        }
    }
    const auto edge = [](const KeyRect& key) {
        return 2 * (key.lastColumn - key.firstColumn + 1) + 2 * (key.lastRow - key.firstRow - 1);
    };
    QCOMPARE(red, edge(first) + edge(second));
}

void TestForm4::outlinesLieOnDrawnKeys_data()
{
    shortcut_data();
}

// Each red ring of a shortcut picture must frame a key of the keyboard as it
// was drawn: under the ring lies the key's lit rim, just within it the key is
// still brighter than the gap between keys, and just beyond it lies that dark
// gap. Medians along each side pass over the legends and the JPEG noise. On
// the drawn keyboard the gap is at most 38 grey, the rim at least 24 and the
// face at least 11 above it; a ring two pixels off its key puts a side on the
// gap or on the next key and misses these by far.
void TestForm4::outlinesLieOnDrawnKeys()
{
    QFETCH(KeyRect, first);
    QFETCH(KeyRect, second);

    // The rings are exactly these two (see shortcut), on the plain keyboard as
    // the program decoded it from the embedded picture.
    const QImage plain = pixels(visit().I.imageWidget()->picture());
    for (const KeyRect& ring : { first, second }) {
        const int width = ring.lastColumn - ring.firstColumn + 1;
        const int height = ring.lastRow - ring.firstRow + 1;
        struct Side {
            const char* name;
            QPoint from; // the first pixel of the side past its corner
            QPoint along;
            QPoint outward;
            int count;
        };
        const Side sides[] = {
            { "left", QPoint(ring.firstColumn, ring.firstRow + 1), QPoint(0, 1), QPoint(-1, 0), height - 2 },
            { "right", QPoint(ring.lastColumn, ring.firstRow + 1), QPoint(0, 1), QPoint(1, 0), height - 2 },
            { "top", QPoint(ring.firstColumn + 1, ring.firstRow), QPoint(1, 0), QPoint(0, -1), width - 2 },
            { "bottom", QPoint(ring.firstColumn + 1, ring.lastRow), QPoint(1, 0), QPoint(0, 1), width - 2 },
        };
        for (const Side& side : sides) {
            const int beyond = medianGrey(plain, side.from + side.outward, side.along, side.count);
            const int under = medianGrey(plain, side.from, side.along, side.count);
            const int within = medianGrey(plain, side.from - side.outward, side.along, side.count);
            const QString where
                = u"ring %1-%2 x %3-%4, %5 side: grey %6 beyond, %7 under, %8 within"_s.arg(ring.firstColumn)
                      .arg(ring.lastColumn)
                      .arg(ring.firstRow)
                      .arg(ring.lastRow)
                      .arg(QLatin1StringView(side.name))
                      .arg(beyond)
                      .arg(under)
                      .arg(within);
            QVERIFY2(beyond <= 45, qPrintable(where));
            QVERIFY2(under >= beyond + 15, qPrintable(where));
            QVERIFY2(within >= beyond + 6, qPrintable(where));
        }
    }
}

void TestForm4::repeatedAndSuccessiveClicks()
{
    Form4& page = visit();
    click(page.Command3);
    const QImage shown = page.I1.widget()->grab().toImage();
    click(page.Command3);
    QCOMPARE(actionLabel(page), u"Скопировать выделенный текст"_s);
    QCOMPARE(display(page).get(), page.CC.imageWidget()->picture().get());
    QCOMPARE(page.I1.widget()->grab().toImage(), shown);

    click(page.Command1);
    click(page.Command6);
    click(page.Command8);
    QCOMPARE(actionLabel(page), u"Сохранить документ"_s);
    QCOMPARE(display(page).get(), page.CS.imageWidget()->picture().get());
    // No button is marked as chosen.
    for (forms::CommandButton* b : { &page.Command1, &page.Command3, &page.Command6, &page.Command8 })
        QVERIFY(!b->button()->isChecked() && !b->button()->isDown());
}

void TestForm4::backResetsThePage()
{
    Form4& page = visit();
    const forms::Picture own = display(page);
    const QImage start = page.widget()->grab().toImage();
    click(page.Command7);
    click(page.Command9);
    QVERIFY(!page.isVisible());
    QVERIFY(window<Form2>().isVisible());
    QCOMPARE(display(page).get(), page.I.imageWidget()->picture().get());
    QCOMPARE(actionLabel(page), QString());

    QCOMPARE(&visit(), &page);
    QVERIFY(page.isVisible());
    QCOMPARE(pixels(display(page)), pixels(own));
    QCOMPARE(actionLabel(page), QString());
    QCOMPARE(page.widget()->grab().toImage(), start);

    // Back without a choice leaves the same start state.
    click(page.Command9);
    visit();
    QCOMPARE(display(page).get(), page.I.imageWidget()->picture().get());
    QCOMPARE(actionLabel(page), QString());
    QVERIFY(m_program.failures.isEmpty());
}

void TestForm4::backOrder()
{
    Form4& page = visit();
    click(page.Command2);
    m_program.recordOperations();
    click(page.Command9);
    QCOMPARE(support::operationsOf(m_program.operations, { u"Form", u"Label", u"Image" }),
        (QStringList {
            u"Form2.Show"_s, u"Form4.Hide"_s, u"Form4.I.Picture"_s, u"Form4.I1.Picture"_s, u"Form4.l1(1).Caption"_s }));
}

void TestForm4::firstReferenceByReadingACaption()
{
    QVERIFY(!m_program.runtime().exists<Form4>());
    QCOMPARE(window<Form4>().Command3.caption(), u"Ctrl+C"_s);
    Form4& page = window<Form4>();
    QVERIFY(!page.isVisible());
    QCOMPARE(m_program.runtime().windows().size(), std::size_t(2));

    const forms::Picture own = display(page);
    QCOMPARE(&visit(), &page);
    QVERIFY(page.isVisible());
    QCOMPARE(display(page).get(), own.get());
    QVERIFY(own != page.I.imageWidget()->picture());
    QCOMPARE(actionLabel(page), QString());
}

void TestForm4::tabOrder()
{
    Form4& page = visit();
    QApplication::setActiveWindow(page.widget());
    QCOMPARE(QApplication::focusWidget(), page.Command2.widget());

    const QList<forms::CommandButton*> expected { &page.Command1, &page.Command3, &page.Command4, &page.Command5,
        &page.Command6, &page.Command7, &page.Command8, &page.Command9, &page.Command2 };
    for (forms::CommandButton* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next->widget());
    }
    // Tab only moves the focus: the page shows no choice.
    QCOMPARE(actionLabel(page), QString());
}

void TestForm4::failedActionLabelKeepsThePicture()
{
    Form4& page = visit();
    click(page.Command2);
    m_program.failOn(u"Label", u"Form4.l1(1)", u"Caption");
    click(page.Command3);
    QCOMPARE(m_program.failures, QList<QString> { u"Label Form4.l1(1).Caption"_s });
    QCOMPARE(actionLabel(page), u"Выделить весь текст"_s);
    QCOMPARE(display(page).get(), page.CA.imageWidget()->picture().get());
}

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
