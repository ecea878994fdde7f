// Installs the build into a temporary prefix, as a packager would, and checks
// what a desktop needs: the executable, a desktop entry that the freedesktop
// validator accepts, and the program icon in the hicolor theme at four sizes,
// each the very image that the program's own icon holds at that size.

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString appId = u"org.vorsilan.Vorsilan"_s;

// The installed desktop entry as key and value pairs, in the order of the file.
QList<std::pair<QString, QString>> readEntry(const QString& path)
{
    QList<std::pair<QString, QString>> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0)
            entries.append({ line.left(equals), line.mid(equals + 1) });
    }
    return entries;
}

bool isCyrillic(const QString& text)
{
    for (QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    }
    return false;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void installedFiles_data();
    void installedFiles();
    void desktopEntry();
    void desktopEntryIsValid();
    void iconIsTheProgramIcon_data();
    void iconIsTheProgramIcon();

private:
    QTemporaryDir m_prefix;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(VORSILAN_CMAKE),
        { u"--install"_s, QStringLiteral(VORSILAN_BUILD_DIR), u"--prefix"_s, m_prefix.path() });
    QVERIFY2(install.waitForFinished(-1), qPrintable(install.errorString()));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, install.readAll().constData());
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("program") << u"bin/vorsilan"_s << true;
    QTest::newRow("desktop entry") << u"share/applications/%1.desktop"_s.arg(appId) << false;
    for (int size : { 16, 24, 32, 48 }) {
        QTest::addRow("icon %d", size) << u"share/icons/hicolor/%1x%1/apps/%2.png"_s.arg(size).arg(appId) << false;
    }
}

void TestInstall::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(m_prefix.filePath(path));
    QVERIFY2(info.isFile(), qPrintable(path + u" is not installed"_s));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
}

void TestInstall::desktopEntry()
{
    const auto entries = readEntry(m_prefix.filePath(u"share/applications/%1.desktop"_s.arg(appId)));
    QVERIFY(!entries.isEmpty());
    auto value = [&entries](const QString& key) {
        for (const auto& [k, v] : entries) {
            if (k == key)
                return v;
        }
        return QString();
    };
    QCOMPARE(value(u"Type"_s), u"Application"_s);
    QCOMPARE(value(u"Name"_s), u"Ворсилан"_s);
    QVERIFY2(isCyrillic(value(u"Comment"_s)), "the comment is not in Russian");
    QCOMPARE(value(u"Exec"_s), u"vorsilan"_s);
    QCOMPARE(value(u"Icon"_s), appId);
    QCOMPARE(value(u"Categories"_s), u"Utility;"_s);
    QCOMPARE(value(u"Terminal"_s), u"false"_s);
}

void TestInstall::desktopEntryIsValid()
{
    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing (Debian package desktop-file-utils)");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, { m_prefix.filePath(u"share/applications/%1.desktop"_s.arg(appId)) });
    QVERIFY(validate.waitForFinished(-1));
    const QByteArray output = validate.readAll();
    QVERIFY2(validate.exitCode() == 0, output.constData());
    // Not even a hint: the validator has nothing to say.
    QCOMPARE(output, QByteArray());
}

// The icon theme's PNG at each size holds the pixels of the program icon's
// 32-bit image of that size: the images of 48, 32, 24 and 16 pixels follow
// their 8-bit twins in app.ico.
void TestInstall::iconIsTheProgramIcon_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("imageIndex");
    QTest::newRow("48") << 48 << 4;
    QTest::newRow("32") << 32 << 5;
    QTest::newRow("24") << 24 << 6;
    QTest::newRow("16") << 16 << 7;
}

void TestInstall::iconIsTheProgramIcon()
{
    QFETCH(int, size);
    QFETCH(int, imageIndex);
    const QImage installed = QImage(m_prefix.filePath(u"share/icons/hicolor/%1x%1/apps/%2.png"_s.arg(size).arg(appId)))
                                 .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(installed.size(), QSize(size, size));

    QImageReader reader(u":/pictures/app.ico"_s);
    QVERIFY(reader.imageCount() >= 8);
    QVERIFY(reader.jumpToImage(imageIndex));
    const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));

    int partlyTransparent = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = installed.pixel(x, y);
            const QRgb b = icon.pixel(x, y);
            if (qAlpha(a) == 0 && qAlpha(b) == 0)
                continue;
            const bool same = qAbs(qAlpha(a) - qAlpha(b)) <= 1 && qAbs(qRed(a) - qRed(b)) <= 1
                && qAbs(qGreen(a) - qGreen(b)) <= 1 && qAbs(qBlue(a) - qBlue(b)) <= 1;
            QVERIFY2(same, qPrintable(u"pixel %1,%2 differs"_s.arg(x).arg(y)));
            partlyTransparent += qAlpha(a) > 0 && qAlpha(a) < 255 ? 1 : 0;
        }
    }
    // The 32-bit images have soft edges; an 8-bit image would have none.
    QVERIFY(partlyTransparent > 0);
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
