#include "forms/runtime.h"

#include "forms/platform.h"
#include "forms/window.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cassert>

namespace forms {

namespace {

Runtime* s_current = nullptr;

} // namespace

Runtime::Runtime()
{
    assert(!s_current);
    s_current = this;
    platform::setUp();
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

} // namespace forms
