#pragma once

#include <QString>

#include <exception>
#include <string>

namespace forms {

// The runtime's error: a window or control operation that did not succeed.
// It names the kind of object (Label, CommandButton, Form, ...), the object
// ("Form3.wind3") and the member that failed ("Caption", "Show", ...).
// Handlers do not catch it; the runtime does, where it calls a handler.
class Error final : public std::exception {
public:
    Error(QString kind, QString object, QString member);

    const QString& kind() const { return m_kind; }
    const QString& object() const { return m_object; }
    const QString& member() const { return m_member; }

    const char* what() const noexcept override { return m_what.c_str(); }

private:
    QString m_kind;
    QString m_object;
    QString m_member;
    std::string m_what;
};

} // namespace forms
