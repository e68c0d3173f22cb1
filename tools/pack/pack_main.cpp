// orlavine-pack: the package author's tool.
//   orlavine-pack check DIR      check a package folder; exit status 1 when it has errors
//   orlavine-pack import gift|aiken FILE OUT   turn a quiz file into a package source in OUT
//   orlavine-pack generate OUT   write the default package into OUT
//   orlavine-pack build SRC OUT  build the package source SRC into the package folder OUT
//   orlavine-pack stats DIR      print the figures of a package folder
//   orlavine-pack fix-pages DIR  re-address the pages saved by word processors, in place
#include "build.h"
#include "check.h"
#include "fixpages.h"
#include "records/error.h"
#include "generate.h"
#include "import.h"
#include "papers.h"
#include "records/fileio.h"
#include "sourcewriter.h"
#include "stats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <stdexcept>

namespace {

using namespace orlavine::pack;

constexpr int kUsageError = 2;

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int Usage()
{
    Print(stderr, QStringLiteral("usage: orlavine-pack check DIR\n"
                                 "       orlavine-pack import gift|aiken FILE OUT\n"
                                 "       orlavine-pack generate OUT [--skin DIR]\n"
                                 "       orlavine-pack build SRC OUT\n"
                                 "       orlavine-pack stats DIR\n"
                                 "       orlavine-pack fix-pages DIR\n"));
    return kUsageError;
}

/// False, said on stderr, when `folder` is not a folder.
bool IsFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    Print(stderr, QStringLiteral("%1 is not a folder\n").arg(folder));
    return false;
}

int Check(const QString& folder)
{
    if (!IsFolder(folder))
        return kUsageError;
    const QList<Problem> problems = CheckPackage(folder);
    int errors = 0;
    for (const Problem& problem : problems) {
        Print(stdout, problem.text() + QLatin1Char('\n'));
        errors += problem.warning ? 0 : 1;
    }
    Print(stdout, QStringLiteral("%1: %2 errors, %3 warnings\n")
                      .arg(folder)
                      .arg(errors)
                      .arg(problems.size() - errors));
    return errors == 0 ? 0 : 1;
}

/// Writes the questions of a quiz file that the program can mark into the new source
/// folder `folder`; what it leaves out is told on stderr.
int Import(const QString& format, const QString& file, const QString& folder)
{
    const QByteArray bytes = orlavine::ReadWholeFile(file);
    const ImportedQuiz quiz =
        format == QLatin1String("gift") ? ImportGift(bytes, file) : ImportAiken(bytes, file);
    QStringList notes = quiz.notes;
    const QList<SourceFile> files = SourceFiles(quiz, notes);
    for (const QString& note : notes)
        Print(stderr, note + QLatin1Char('\n'));
    if (quiz.importedCount() == 0) {
        Print(stderr, QStringLiteral("%1: no question could be imported\n").arg(file));
        return 1;
    }
    WriteSourceFolder(folder, files);
    Print(stdout, QStringLiteral("%1 questions imported, %2 left out\n")
                      .arg(quiz.importedCount())
                      .arg(quiz.leftOut));
    return 0;
}

int Generate(const QString& folder, const QString& skin)
{
    QElapsedTimer timer;
    timer.start();
    GeneratePackage(folder, skin, kDefaultSeed);
    Print(
        stdout,
        QStringLiteral("%1: default package written in %2 ms\n").arg(folder).arg(timer.elapsed()));
    return 0;
}

int Build(const QString& source, const QString& folder)
{
    if (!QFileInfo(source).isDir()) {
        Print(stderr, QStringLiteral("%1 is not a folder\n").arg(source));
        return kUsageError;
    }
    QElapsedTimer timer;
    timer.start();
    const BuildResult result = BuildPackage(source, folder);
    for (const QString& error : result.errors)
        Print(stderr, error + QLatin1Char('\n'));
    if (!result.errors.isEmpty())
        return 1;
    Print(stdout, QStringLiteral("%1: %2 papers, %3 questions written in %4 ms\n")
                      .arg(folder)
                      .arg(result.papers)
                      .arg(result.questions)
                      .arg(timer.elapsed()));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return Usage();
    try {
        if (args.at(0) == QLatin1String("check") && args.size() == 2)
            return Check(args.at(1));
        if (args.at(0) == QLatin1String("stats") && args.size() == 2) {
            Print(stdout, PackageStats(args.at(1)));
            return 0;
        }
        if (args.at(0) == QLatin1String("build") && args.size() == 3)
            return Build(args.at(1), args.at(2));
        if (args.at(0) == QLatin1String("fix-pages") && args.size() == 2) {
            if (!IsFolder(args.at(1)))
                return kUsageError;
            Print(stdout, QStringLiteral("%1 pages fixed\n").arg(FixPackagePages(args.at(1))));
            return 0;
        }
        if (args.at(0) == QLatin1String("generate") && args.size() == 2)
            return Generate(args.at(1), DefaultSkinFolder());
        if (args.at(0) == QLatin1String("generate") && args.size() == 4 &&
            args.at(2) == QLatin1String("--skin"))
            return Generate(args.at(1), args.at(3));
        if (args.at(0) == QLatin1String("import") && args.size() == 4 &&
            (args.at(1) == QLatin1String("gift") || args.at(1) == QLatin1String("aiken")))
            return Import(args.at(1), args.at(2), args.at(3));
    } catch (const orlavine::Error& e) {
        Print(stderr, e.message() + QLatin1Char('\n'));
        return 1;
    } catch (const std::exception& e) {
        Print(stderr, QStringLiteral("orlavine-pack: %1\n").arg(QString::fromLocal8Bit(e.what())));
        return 1;
    }
    return Usage();
}
