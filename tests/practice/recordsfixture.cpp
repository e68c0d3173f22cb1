#include "recordsfixture.h"

#include "marking/clock.h"
#include "records/package.h"

#include <sys/stat.h>

using namespace orlavine;

namespace {
// Sub-answers of papers 101..110 of module 1.
const int kCounts[] = {3, 7, 4, 80, 5, 16, 1, 1, 1, 1};
} // namespace

PaperRef TestPaper(int paperNumber)
{
    PaperRef paper;
    paper.module = 1;
    paper.code = "TS";
    paper.paperNumber = paperNumber;
    paper.paperCount = 10;
    return paper;
}

QDateTime TestStart()
{
    return QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0));
}

RecordsFolder::RecordsFolder()
{
    EnsureLearnerRecords(ReadSettings(), TestStart());
}

QByteArray PaperFile(int paperNumber, const Fields& fields)
{
    QByteArray text;
    for (int p = 101; p <= 110; ++p) {
        text += "#" + QByteArray::number(p) + "#";
        if (p == paperNumber) {
            for (const QByteArray& field : fields)
                text += ">" + field;
        } else {
            text += QByteArray(kCounts[p - 101], '>');
        }
        text += "\r\n";
    }
    return text;
}

QByteArray MarksFile(int paperIndex, const QByteArray& fse, const QByteArray& sse,
                     const QByteArray& ltm, const QByteArray& cdd, const QByteArray& fst,
                     const QByteArray& sst)
{
    const QByteArray values[] = {fse, sse, ltm, cdd, fst, sst};
    QByteArray text;
    for (int k = 0; k < 6; ++k) {
        text += "#" + kMarksKeys[k] + "#";
        for (int i = 1; i <= 10; ++i)
            text += ">" + (i == paperIndex ? values[k] : QByteArray(k >= 4 ? "0" : ""));
        text += "\r\n";
    }
    return text;
}

QByteArray FileIdentity(const QString& path)
{
    struct stat info {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QByteArray();
    return QByteArray::number(qulonglong(info.st_ino)) + ":" +
           QByteArray::number(qlonglong(info.st_mtim.tv_sec)) + "." +
           QByteArray::number(qlonglong(info.st_mtim.tv_nsec));
}
