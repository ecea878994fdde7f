#include "forms/runtime.h"
#include "windows/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorsilan.Vorsilan"));
    forms::Runtime runtime;
    return runtime.run<Form1>();
}
