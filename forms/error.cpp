#include "forms/error.h"

namespace forms {

Error::Error(QString kind, QString object, QString member)
    : m_kind(std::move(kind))
    , m_object(std::move(object))
    , m_member(std::move(member))
    , m_what((m_kind + u' ' + m_object + u'.' + m_member).toStdString())
{
}

} // namespace forms
