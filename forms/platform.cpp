#include "forms/platform.h"

#include "forms/accessibility.h"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QIcon>
#include <QPointer>
#include <QStyleFactory>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace forms::platform {

namespace {

QPointer<QCoreApplication> s_setUpFor;
QString s_controlFace;

// The program's own name, where the system does not give one.
char s_programName[] = "vorsilan";
char s_platformOption[] = "-platform";
// Should the X display not answer, Qt tries Wayland next.
char s_x11[] = "xcb;wayland";

// What Qt says while the application object opens the display, held until it
// is known whether a display was opened.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;

    QMessageLogContext context() const
    {
        return { file.isNull() ? nullptr : file.constData(), line, function.isNull() ? nullptr : function.constData(),
            category.isNull() ? nullptr : category.constData() };
    }
};

std::mutex s_heldLock;
std::vector<HeldMessage> s_held;

// "DISPLAY=:1", or "DISPLAY не задана" where the variable is empty.
QString variable(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    return QString::fromLatin1(name) + (value.isEmpty() ? QStringLiteral(" не задана") : u'=' + value);
}

// The variables that name a display, and the platform where the user chose
// one.
QString displayVariables()
{
    QString variables = variable("DISPLAY") + QStringLiteral(", ") + variable("WAYLAND_DISPLAY");
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        variables += QStringLiteral(", ") + variable("QT_QPA_PLATFORM");
    return variables;
}

// While the application object is made, Qt ends the program with a fatal
// message only when no platform could be opened, which for the program's
// platforms means no display. The program says so in a line of its own,
// followed by the first thing Qt said, which tells why, and ends without Qt's
// abort.
void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(s_heldLock);
    if (type != QtFatalMsg) {
        s_held.push_back({ type, context.file, context.line, context.function, context.category, text });
        return;
    }
    QString said = QStringLiteral("%1: нет дисплея, на котором открыть окна (%2).\n")
                       .arg(QLatin1String(s_programName), displayVariables());
    if (!s_held.empty())
        said += qFormatLogMessage(s_held.front().type, s_held.front().context(), s_held.front().text) + u'\n';
    std::fputs(said.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

Arguments::Arguments(const char* programName)
{
    m_values[0] = programName ? const_cast<char*>(programName) : s_programName;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        m_values[1] = s_platformOption;
        m_values[2] = s_x11;
        m_count = 3;
    }
}

Application::Application(const char* programName)
    : m_arguments(programName)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdOrEnd);
    m_application.emplace(m_arguments.count(), m_arguments.values());
    qInstallMessageHandler(previous);
    const std::lock_guard lock(s_heldLock);
    for (const HeldMessage& message : s_held)
        qt_message_output(message.type, message.context(), message.text);
    s_held.clear();
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
