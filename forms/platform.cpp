#include "forms/platform.h"

#include "forms/accessibility.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPointer>
#include <QStyleFactory>
#include <QTranslator>

namespace forms::platform {

namespace {

QPointer<QCoreApplication> s_setUpFor;
QString s_controlFace;

char s_fallbackName[] = "vorsilan";
char s_platformOption[] = "-platform";
// Should the X display not answer, Qt tries Wayland next.
char s_x11[] = "xcb;wayland";

} // namespace

Arguments::Arguments(const char* programName)
{
    m_values[0] = programName ? const_cast<char*>(programName) : s_fallbackName;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        m_values[1] = s_platformOption;
        m_values[2] = s_x11;
        m_count = 3;
    }
}

void setUp()
{
    if (s_setUpFor == QCoreApplication::instance())
        return;
    s_setUpFor = QCoreApplication::instance();

    // The windows ask for Candara; Carlito, embedded at build time, stands in
    // wherever Candara is missing, so the layout is the same on every machine.
    // The face is chosen once here: asking for a missing family on every
    // control would send each font match through the fallback search.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Carlito-Bold.ttf"));
    // The list of installed families is read as it is: asking for one family
    // by name would also resolve fontconfig's aliases, which costs more than
    // the rest of the start-up.
    s_controlFace = QFontDatabase::families().contains(QStringLiteral("Candara")) ? QStringLiteral("Candara")
                                                                                  : QStringLiteral("Carlito");
    // The layouts are absolute, so every machine draws the controls with the
    // same style.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app.ico")));
    // Qt's own texts (the text box's menu, the buttons of a message box) are
    // in Russian like the rest of the program, whatever the machine's locale.
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QStringLiteral(":/translations/qtbase_ru.qm")))
        QCoreApplication::installTranslator(qtTexts);
    installAccessibility();
}

const QString& controlFace()
{
    return s_controlFace;
}

} // namespace forms::platform
