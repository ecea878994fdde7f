// Renders each of the five windows, as a user reaches it through the program's
// own buttons, into a PNG file: the start window, the section menu, the
// Windows page, the text-editor page after "Ctrl+C" and the web-mail page
// with its general topic.
//
// usage: vorsilan-screenshots [--dark] OUTPUT_FOLDER
//
// With --dark the desktop's colour scheme is a dark one, as a dark theme gives
// it: light text on dark windows, buttons and boxes.

#include "forms/runtime.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

using forms::window;

void click(forms::CommandButton& button)
{
    button.button()->click();
    QCoreApplication::processEvents();
}

bool save(const forms::Window& shown, const QDir& out, const char* name)
{
    const QString path = out.filePath(QString::fromLatin1(name));
    // Quality 0 is the PNG writer's strongest compression; the pixels stay
    // exactly as painted.
    if (shown.widget()->grab().save(path, "PNG", 0))
        return true;
    std::fprintf(stderr, "vorsilan-screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

QPalette darkScheme()
{
    QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x20, 0x20, 0x20));
    for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(role, QColor(0xEE, 0xEE, 0xEE));
    return palette;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool dark = argc == 3 && std::strcmp(argv[1], "--dark") == 0;
    if (argc != 2 && !dark) {
        std::fprintf(stderr, "usage: vorsilan-screenshots [--dark] OUTPUT_FOLDER\n");
        return 2;
    }
    const char* folder = argv[argc - 1];
    const QDir out(QString::fromLocal8Bit(folder));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "vorsilan-screenshots: cannot create %s\n", folder);
        return 1;
    }

    forms::Runtime runtime;
    if (dark)
        QApplication::setPalette(darkScheme());
    Form1& start = window<Form1>();
    start.show();
    QCoreApplication::processEvents();
    bool ok = save(start, out, "form1.png");

    click(start.Command1);
    Form2& menu = window<Form2>();
    ok = save(menu, out, "form2.png") && ok;

    click(menu.Command5);
    ok = save(window<Form3>(), out, "form3.png") && ok;
    click(window<Form3>().Command1);

    click(menu.Command2);
    click(window<Form4>().Command3);
    ok = save(window<Form4>(), out, "form4.png") && ok;
    click(window<Form4>().Command9);

    click(menu.Command3);
    click(window<Form5>().Command2);
    ok = save(window<Form5>(), out, "form5.png") && ok;
    return ok ? 0 : 1;
}
