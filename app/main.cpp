#include "forms/platform.h"
#include "forms/runtime.h"
#include "windows/form1.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    forms::platform::Application application(argc > 0 ? argv[0] : nullptr);
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorsilan.Vorsilan"));
    forms::Runtime runtime;
    return runtime.run<Form1>();
}
