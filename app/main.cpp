#include "forms/platform.h"
#include "forms/runtime.h"
#include "windows/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    forms::platform::Arguments arguments(argc > 0 ? argv[0] : nullptr);
    QApplication application(arguments.count(), arguments.values());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorsilan.Vorsilan"));
    forms::Runtime runtime;
    return runtime.run<Form1>();
}
