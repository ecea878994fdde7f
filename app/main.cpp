#include "forms/runtime.h"
#include "windows/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The program takes no arguments: Qt sees the program's name alone, so
    // none of Qt's own options (-stylesheet, -qwindowtitle, ...) changes it.
    char fallbackName[] = "vorsilan";
    char* arguments[] = { argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr };
    int count = 1;
    QApplication application(count, arguments);
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorsilan.Vorsilan"));
    forms::Runtime runtime;
    return runtime.run<Form1>();
}
