// The floor of the start-up and memory figures: what any Qt Widgets program
// costs that shows one 370 x 370 window with one label.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(370, 370);
    QLabel label(QStringLiteral("Ворсилан"), &window);
    label.move(8, 8);
    // In the middle of the screen, where the program puts its start window.
    QRect frame = window.frameGeometry();
    frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    window.move(frame.topLeft());
    window.show();
    return QApplication::exec();
}
