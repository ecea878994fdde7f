#include "forms/runtime.h"
#include "windows/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    forms::Runtime runtime;
    return runtime.run<Form1>();
}
