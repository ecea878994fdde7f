#pragma once

#include "forms/error.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

namespace forms {

class Window;

// The forms runtime: it owns the one instance of every window class, creates an
// instance on its first reference and keeps it until the runtime ends, calls the
// handlers, and turns a failing operation into a message and the end of the
// program. Exactly one runtime exists while the program (or a test) runs; a new
// runtime starts from a fresh program state.
class Runtime final {
public:
    Runtime();
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    static Runtime& current();

    // Creates the startup window, shows it and runs the message loop.
    template<class StartupWindow>
    int run()
    {
        instance<StartupWindow>().show();
        return exec();
    }

    // The one instance of T, created hidden on its first reference.
    template<class T>
    T& instance()
    {
        for (const auto& [type, window] : m_windows) {
            if (type == typeid(T))
                return static_cast<T&>(*window);
        }
        check(u"Form", T::className, u"New");
        auto created = std::make_unique<T>();
        T& result = *created;
        m_windows.emplace_back(typeid(T), std::move(created));
        return result;
    }

    template<class T>
    bool exists() const
    {
        for (const auto& entry : m_windows) {
            if (entry.first == typeid(T))
                return true;
        }
        return false;
    }

    // Every window that exists, in the order of creation.
    std::vector<Window*> windows() const;

    // Calls a handler. An error raised in it stops the handler at the failing
    // step; it is reported and the program ends. Nothing escapes into Qt.
    void invoke(const std::function<void()>& handler) noexcept;

    // Ends the program at once with the given status.
    void end(int status = 0);

    // Raises the runtime's error if the failure hook says this operation fails.
    void check(QStringView kind, QStringView object, QStringView member) const;

    // Test hooks: make chosen operations fail, see failures and the end of the
    // program instead of a message box and the real end.
    using FailureHook = std::function<bool(QStringView kind, QStringView object, QStringView member)>;
    void setFailureHook(FailureHook hook) { m_failureHook = std::move(hook); }
    bool hasFailureHook() const { return bool(m_failureHook); }
    void setFailureReporter(std::function<void(const Error&)> reporter) { m_reporter = std::move(reporter); }
    void setEndHook(std::function<void(int status)> hook) { m_endHook = std::move(hook); }

private:
    int exec();
    void report(const Error& error);

    std::vector<std::pair<std::type_index, std::unique_ptr<Window>>> m_windows;
    FailureHook m_failureHook;
    std::function<void(const Error&)> m_reporter;
    std::function<void(int)> m_endHook;
};

// Ends the program at once, whatever windows exist.
inline void end()
{
    Runtime::current().end(0);
}

// The window reference: names a window class and yields its one instance.
template<class T>
T& window()
{
    return Runtime::current().instance<T>();
}

} // namespace forms
