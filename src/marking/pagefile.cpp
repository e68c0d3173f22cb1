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

/// The question id as a number, or -1 when it is not one (no resource has it).
int IdOf(const QByteArray& questionId)
{
    bool isNumber = false;
    const int id = questionId.toInt(&isNumber);
    return isNumber ? id : -1;
}

} // namespace

QString QuestionPageFile::show(const QByteArray& questionId)
{
    const int id = IdOf(questionId);
    return write(id, QuestionPagePath(questionId));
}

QString QuestionPageFile::showSolution(const QByteArray& questionId)
{
    const int id = IdOf(questionId);
    return write(id < 0 ? id : SolutionResource(id), SolutionPagePath(questionId));
}

bool QuestionPageFile::HasSolution(const QByteArray& questionId)
{
    const int id = IdOf(questionId);
    return id >= 0 && CurrentResources().contains(SolutionResource(id));
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
