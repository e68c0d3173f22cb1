#include "records/error.h"

#include <QDir>

namespace orlavine {

Error::Error(const QString& file, const QString& what)
    : std::runtime_error((what + (file.isEmpty() ? QString() : QStringLiteral(": ") + file))
                             .toStdString()),
      m_file(file), m_what(what)
{
}

QString Error::message() const
{
    if (m_file.isEmpty())
        return m_what;
    return m_what + QStringLiteral(" (") + QDir::toNativeSeparators(m_file) + QLatin1Char(')');
}

} // namespace orlavine
