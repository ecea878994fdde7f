// Draws the program's pictures and writes them into the folder named on the
// command line. Runs at build time, so it needs no display.

#include "icofile.h"
#include "icons.h"
#include "jpegfile.h"
#include "photos.h"

#include <QBuffer>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

constexpr const char* defaultFont = "/usr/share/fonts/truetype/crosextra/Carlito-Bold.ttf";

void writeFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

QtMessageHandler defaultHandler = nullptr;

// Qt remarks on start-up that a build machine's session has no runtime folder;
// that has no bearing on drawing, and a build step should stay silent.
void quietStartup(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietStartup);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);

    const QStringList args = app.arguments();
    // The desktop's icon theme takes the program icon as PNG files: the 32-bit
    // images of the very drawing that app.ico holds, one file per size.
    if (args.size() == 3 && args.at(1) == QStringLiteral("--app-icon-png")) {
        try {
            const QDir out(args.at(2));
            if (!QDir().mkpath(out.path()))
                throw std::runtime_error("cannot create " + out.path().toStdString());
            for (const pictures::IconImage& icon : pictures::drawAppIcon()) {
                if (icon.bitsPerPixel != 32)
                    continue;
                QByteArray png;
                QBuffer buffer(&png);
                buffer.open(QIODevice::WriteOnly);
                if (!icon.image.save(&buffer, "PNG"))
                    throw std::runtime_error("cannot encode the program icon as PNG");
                writeFile(out.filePath(QStringLiteral("app-%1.png").arg(icon.image.width())), png);
            }
        } catch (const std::exception& error) {
            std::fprintf(stderr, "vorsilan-pictures: %s\n", error.what());
            return 1;
        }
        return 0;
    }
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr,
            "usage: vorsilan-pictures OUTPUT_FOLDER [FONT_FILE]\n"
            "       vorsilan-pictures --app-icon-png OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(args.at(1));
    const QString fontPath = args.size() == 3 ? args.at(2) : QString::fromLatin1(defaultFont);

    try {
        if (!QDir().mkpath(out.path()))
            throw std::runtime_error("cannot create " + out.path().toStdString());

        const int fontId = QFontDatabase::addApplicationFont(fontPath);
        const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
        if (families.isEmpty())
            throw std::runtime_error("cannot load the legend font " + fontPath.toStdString());
        const QString family = families.first();

        const std::vector<std::pair<const char*, std::function<std::vector<pictures::IconImage>()>>> icons {
            { "app.ico", pictures::drawAppIcon },
            { "start.ico", pictures::drawStartIcon },
            { "search.ico", pictures::drawSearchIcon },
            { "hide.ico", pictures::drawHideIcon },
            { "home.ico", pictures::drawHomeIcon },
            { "back.ico", pictures::drawBackIcon },
            { "winkey.ico", pictures::drawLogoKeyIcon },
        };
        for (const auto& [name, draw] : icons)
            writeFile(out.filePath(QString::fromLatin1(name)), pictures::encodeIco(draw()));

        writeFile(
            out.filePath(QStringLiteral("background.jpg")), pictures::encodeJpeg(pictures::drawBackground(family), 92));
        writeFile(
            out.filePath(QStringLiteral("keyboard.jpg")), pictures::encodeJpeg(pictures::drawKeyboard(family), 95));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vorsilan-pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
