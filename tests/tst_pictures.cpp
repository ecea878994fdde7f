// Checks the pictures and the font embedded in the program: the icon files
// hold the images the windows ask for, in the stored order and depth, the
// photographs are plain baseline JPEGs that every decoder reads, and the
// drawing tool gives the same files on every run.

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QFontDatabase>
#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray resource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 little(const QByteArray& data, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | quint8(data.at(at + i));
    return value;
}

quint32 big16(const QByteArray& data, qsizetype at)
{
    return (quint32(quint8(data.at(at))) << 8) | quint8(data.at(at + 1));
}

struct JpegHeader {
    QList<int> frameMarkers; // every SOFn seen, by its second byte
    int width = 0;
    int height = 0;
    int components = 0;
    int precision = 0;
    bool iccProfile = false;
};

// Walks the marker segments up to the start of the scan data.
JpegHeader readJpegHeader(const QByteArray& data)
{
    JpegHeader header;
    if (data.size() < 4 || quint8(data[0]) != 0xff || quint8(data[1]) != 0xd8)
        return header;
    qsizetype at = 2;
    while (at + 4 <= data.size() && quint8(data[at]) == 0xff) {
        const int marker = quint8(data[at + 1]);
        if (marker == 0xda || marker == 0xd9)
            break;
        const qsizetype length = big16(data, at + 2);
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame) {
            header.frameMarkers.append(marker);
            header.precision = quint8(data[at + 4]);
            header.height = int(big16(data, at + 5));
            header.width = int(big16(data, at + 7));
            header.components = quint8(data[at + 9]);
        }
        if (marker == 0xe2 && data.mid(at + 4, 12) == QByteArray("ICC_PROFILE\0", 12))
            header.iccProfile = true;
        at += 2 + length;
    }
    return header;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void icon_data();
    void icon();
    void photograph_data();
    void photograph();
    void backgroundIsPaleEnoughForText();
    void keyboardHasNoPureRed();
    void legendFontLoads();
    void drawingIsTheSameOnEveryRun();
};

void TestPictures::icon_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<int>>("depths");

    QTest::newRow("app") << QStringLiteral(":/pictures/app.ico") << QList<int> { 48, 32, 24, 16, 48, 32, 24, 16 }
                         << QList<int> { 8, 8, 8, 8, 32, 32, 32, 32 };
    QTest::newRow("start") << QStringLiteral(":/pictures/start.ico") << QList<int> { 36, 48 } << QList<int> { 8, 32 };
    QTest::newRow("search") << QStringLiteral(":/pictures/search.ico") << QList<int> { 24, 48 } << QList<int> { 8, 32 };
    QTest::newRow("hide") << QStringLiteral(":/pictures/hide.ico") << QList<int> { 24, 48 } << QList<int> { 8, 32 };
    QTest::newRow("home") << QStringLiteral(":/pictures/home.ico") << QList<int> { 36, 48 } << QList<int> { 8, 32 };
    QTest::newRow("back") << QStringLiteral(":/pictures/back.ico") << QList<int> { 36, 48 } << QList<int> { 8, 32 };
    QTest::newRow("logo key") << QStringLiteral(":/pictures/winkey.ico") << QList<int> { 20 } << QList<int> { 8 };
}

void TestPictures::icon()
{
    QFETCH(QString, path);
    QFETCH(QList<int>, sizes);
    QFETCH(QList<int>, depths);

    const QByteArray data = resource(path);
    QVERIFY2(data.size() > 6, qPrintable(path + QStringLiteral(" is missing or empty")));
    QCOMPARE(little(data, 0, 2), 0u);
    QCOMPARE(little(data, 2, 2), 1u); // an icon, not a cursor
    QCOMPARE(int(little(data, 4, 2)), sizes.size());
    QVERIFY(data.size() >= 6 + 16 * sizes.size());

    for (int i = 0; i < sizes.size(); ++i) {
        const qsizetype entry = 6 + 16 * i;
        const int size = sizes.at(i);
        const int depth = depths.at(i);
        QCOMPARE(int(little(data, entry, 1)), size);
        QCOMPARE(int(little(data, entry + 1, 1)), size);
        QCOMPARE(int(little(data, entry + 6, 2)), depth);

        // The bitmap itself must agree with its directory entry, and its size
        // must leave room for exactly one colour bitmap and one 1-bit mask.
        const quint32 bytes = little(data, entry + 8, 4);
        const quint32 offset = little(data, entry + 12, 4);
        QVERIFY(offset + bytes <= quint32(data.size()));
        QCOMPARE(little(data, offset, 4), 40u);
        QCOMPARE(int(little(data, offset + 4, 4)), size);
        QCOMPARE(int(little(data, offset + 8, 4)), 2 * size);
        QCOMPARE(int(little(data, offset + 14, 2)), depth);
        QCOMPARE(little(data, offset + 16, 4), 0u); // uncompressed
        const int paletteBytes = depth == 8 ? 256 * 4 : 0;
        const int colourRow = (size * depth / 8 + 3) / 4 * 4;
        const int maskRow = ((size + 7) / 8 + 3) / 4 * 4;
        QCOMPARE(int(bytes), 40 + paletteBytes + size * colourRow + size * maskRow);
    }

    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(sizes.at(i), sizes.at(i)));
        // Every picture stands on a transparent ground.
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) >= 128;
        QVERIFY2(drawn, "nothing in the image is even half opaque");
    }
}

void TestPictures::photograph_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("needsProfile");

    QTest::newRow("background") << QStringLiteral(":/pictures/background.jpg") << QSize(484, 436) << true;
    QTest::newRow("keyboard") << QStringLiteral(":/pictures/keyboard.jpg") << QSize(347, 121) << false;
}

void TestPictures::photograph()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, needsProfile);

    const QByteArray data = resource(path);
    const JpegHeader header = readJpegHeader(data);
    QCOMPARE(header.frameMarkers, QList<int> { 0xc0 }); // one baseline frame
    QCOMPARE(QSize(header.width, header.height), size);
    QCOMPARE(header.components, 3);
    QCOMPARE(header.precision, 8);
    if (needsProfile)
        QVERIFY(header.iccProfile);

    const QImage image = QImage::fromData(data, "jpeg");
    QCOMPARE(image.size(), size);
    if (needsProfile)
        QCOMPARE(image.colorSpace(), QColorSpace(QColorSpace::SRgb));
}

void TestPictures::backgroundIsPaleEnoughForText()
{
    const QImage image = QImage::fromData(resource(QStringLiteral(":/pictures/background.jpg")));
    QVERIFY(!image.isNull());
    // Only the top-left 370 × 370 shows; black text sits on it.
    double sum = 0;
    int darkest = 255;
    for (int y = 0; y < 370; ++y)
        for (int x = 0; x < 370; ++x) {
            const int grey = qGray(image.pixel(x, y));
            sum += grey;
            darkest = std::min(darkest, grey);
        }
    QVERIFY2(sum / (370 * 370) > 225, qPrintable(QString::number(sum / (370 * 370))));
    QVERIFY2(darkest > 120, qPrintable(QString::number(darkest)));
}

void TestPictures::keyboardHasNoPureRed()
{
    // The shortcut pages outline keys in pure red; the photograph must never
    // contain that colour itself, or the outlines could not be told apart.
    const QImage image
        = QImage::fromData(resource(QStringLiteral(":/pictures/keyboard.jpg"))).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0))
                QFAIL(qPrintable(QStringLiteral("pure red at %1,%2").arg(x).arg(y)));
}

void TestPictures::legendFontLoads()
{
    const QByteArray font = resource(QStringLiteral(":/fonts/Carlito-Bold.ttf"));
    QVERIFY(!font.isEmpty());
    const int id = QFontDatabase::addApplicationFontFromData(font);
    QVERIFY(id >= 0);
    QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Carlito")));
}

// The drawing tool writes the same bytes on every run: run again with Qt's
// hashing in its fixed order, it gives exactly the pictures that the build
// made, with hashing in a random order as every run has by default, and
// embedded. A build gives the same program wherever it runs.
void TestPictures::drawingIsTheSameOnEveryRun()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_HASH_SEED"_s, u"0"_s);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(VORSILAN_PICTURES_TOOL), { out.path(), QStringLiteral(VORSILAN_FONT_FILE) });
    QVERIFY(tool.waitForFinished(-1));
    QCOMPARE(tool.exitCode(), 0);
    const QStringList drawn = QDir(out.path()).entryList(QDir::Files);
    QCOMPARE(drawn, QDir(u":/pictures"_s).entryList(QDir::Files));
    for (const QString& name : drawn)
        QVERIFY2(resource(out.filePath(name)) == resource(u":/pictures/"_s + name), qPrintable(name));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
