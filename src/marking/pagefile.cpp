#include "marking/pagefile.h"

#include "records/error.h"
#include "records/package.h"
#include "records/papercontent.h"
#include "records/resources.h"

#include <QFile>

namespace orlavine {

namespace {

/// Whether the page begins as a MIME document: header lines up to an empty line, one of
/// them giving the Content-Type. The viewer shows anything else as an empty page.
bool LooksLikeMime(const QByteArray& page)
{
    const QByteArray head = page.left(16384);
    qsizetype end = head.indexOf("\n\r\n");
    const qsizetype bare = head.indexOf("\n\n");
    if (end < 0 || (bare >= 0 && bare < end))
        end = bare;
    if (end < 0)
        return false;
    for (const QByteArray& line : head.left(end).split('\n')) {
        if (line.trimmed().toLower().startsWith("content-type:"))
            return true;
    }
    return false;
}

} // namespace

QString QuestionPageFile::show(const QByteArray& questionId)
{
    bool isNumber = false;
    const int id = questionId.toInt(&isNumber);
    return write(isNumber ? id : -1, QuestionPagePath(questionId));
}

QString QuestionPageFile::showSolution(const QByteArray& questionId)
{
    bool isNumber = false;
    const int id = questionId.toInt(&isNumber);
    return write(isNumber ? SolutionResource(id) : -1, SolutionPagePath(questionId));
}

bool QuestionPageFile::HasSolution(const QByteArray& questionId)
{
    bool isNumber = false;
    const int id = questionId.toInt(&isNumber);
    return isNumber && CurrentResources().contains(SolutionResource(id));
}

QString QuestionPageFile::write(int id, const QString& path)
{
    remove();
    m_path = path;
    QByteArray page;
    const int result =
        id >= 0 ? WriteResourceFile(id, QStringLiteral("Custom"), m_path, page) : ResourceNotFound;
    if (result != ResourceWritten)
        throw Error(m_path, ResourceWriteError(result, id));
    if (!LooksLikeMime(page))
        throw Error(m_path, QStringLiteral("Page %1 of the content package is damaged").arg(id));
    return m_path;
}

void QuestionPageFile::remove()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

} // namespace orlavine
