#include "forms/runtime.h"

#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <QWidget>

#include <cassert>

namespace forms {

namespace {

Runtime* s_current = nullptr;

} // namespace

Runtime::Runtime()
    : m_qtTexts(std::make_unique<QTranslator>())
{
    assert(!s_current);
    s_current = this;
    // Qt's own texts (the text box's menu, the buttons of a message box) are
    // in Russian like the rest of the program, whatever the machine's locale.
    if (m_qtTexts->load(QStringLiteral(":/translations/qtbase_ru.qm")))
        QCoreApplication::installTranslator(m_qtTexts.get());
    installAccessibility();
    // The windows ask for Candara; Carlito, embedded at build time, stands in
    // wherever Candara is missing, so the layout is the same on every machine.
    // The face is chosen once here: asking for a missing family on every
    // control would send each font match through the fallback search.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Carlito-Bold.ttf"));
    // The list of installed families is read as it is: asking for one family
    // by name would also resolve fontconfig's aliases, which costs more than
    // the rest of the start-up.
    m_controlFamily = QFontDatabase::families().contains(QStringLiteral("Candara")) ? QStringLiteral("Candara")
                                                                                     : QStringLiteral("Carlito");
    // The layouts are absolute, so every machine draws the controls with the
    // same style.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app.ico")));
    m_background = decodePicture(QStringLiteral(":/pictures/background.jpg"), 0);
    // Only the exit label (or a close from outside) ends the program; hiding
    // the last visible window during a move must not.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

Runtime::~Runtime()
{
    // Windows go in the reverse order of their creation, before the
    // application object that the program owns.
    while (!m_windows.empty())
        m_windows.pop_back();
    s_current = nullptr;
}

Runtime& Runtime::current()
{
    assert(s_current);
    return *s_current;
}

int Runtime::exec()
{
    return QApplication::exec();
}

std::vector<Window*> Runtime::windows() const
{
    std::vector<Window*> result;
    result.reserve(m_windows.size());
    for (const auto& entry : m_windows)
        result.push_back(entry.second.get());
    return result;
}

void Runtime::invoke(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const Error& error) {
        report(error);
    } catch (...) {
        report(Error(QStringLiteral("Object"), QStringLiteral("?"), QStringLiteral("?")));
    }
}

void Runtime::report(const Error& error)
{
    if (m_reporter) {
        m_reporter(error);
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Ворсилан"),
        QStringLiteral("Ошибка выполнения: не удалось выполнить «%1» у объекта %2 (%3).\nПрограмма будет закрыта.")
            .arg(error.member(), error.kind(), error.object()));
    end(1);
}

void Runtime::end(int status)
{
    if (m_endHook) {
        m_endHook(status);
        return;
    }
    for (const auto& entry : m_windows)
        entry.second->widget()->setVisible(false);
    QCoreApplication::exit(status);
}

void Runtime::check(QStringView kind, QStringView object, QStringView member) const
{
    if (m_failureHook && m_failureHook(kind, object, member))
        throw Error(kind.toString(), object.toString(), member.toString());
}

const QPixmap& Runtime::decodedPicture(const QString& path, int size)
{
    const auto key = std::make_pair(path, size);
    auto found = m_decodedPictures.find(key);
    if (found == m_decodedPictures.end())
        found = m_decodedPictures.emplace(key, decodePicture(path, size)).first;
    return found->second;
}

QPoint Runtime::placeFor(const Window& shown) const
{
    for (const auto& entry : m_windows) {
        if (entry.second.get() != &shown && entry.second->isVisible())
            return entry.second->widget()->pos();
    }
    if (m_placed)
        return m_place;
    // The first window stands in the middle of the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    QRect frame = shown.widget()->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    return frame.topLeft();
}

void Runtime::remember(const Window& hidden)
{
    m_place = hidden.widget()->pos();
    m_placed = true;
}

} // namespace forms
