#include "pagefile.h"

#include "papercontent.h"
#include "resources.h"

#include <QFile>

namespace orlavine {

QString QuestionPageFile::show(const QByteArray& questionId)
{
    remove();
    m_path = QuestionPagePath(questionId);
    bool isNumber = false;
    const int id = questionId.toInt(&isNumber);
    if (!isNumber || WriteResourceFile(id, QStringLiteral("Custom"), m_path) != ResourceWritten)
        return QString();
    return m_path;
}

void QuestionPageFile::remove()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

} // namespace orlavine
