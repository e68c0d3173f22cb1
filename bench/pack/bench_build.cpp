// The time `orlavine-pack build` takes for a source of the default package's size:
// 3 modules of 10 topics of 5 papers of 22 questions (3,300 questions, near the 3,448
// the id range holds), a picture in every fourth question, worked solutions throughout.
// Prints the median of three builds, wall clock and processor time (the wall clock of a
// build is mostly the file system's, and varies with the machine's load), and of reading
// the source alone.
#include "build.h"
#include "records/fileio.h"
#include "source.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace orlavine;
using namespace orlavine::pack;

namespace {

constexpr int kModules = 3;
constexpr int kTopics = 10;
constexpr int kPapers = 5;
constexpr int kQuestions = 22;

void Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

/// One question of each kind in turn, so that every answer type is read and written.
QByteArray QuestionText(int n)
{
    const QByteArray number = QByteArray::number(n);
    QByteArray text = "Question\nA **question** of the bench, number " + number + ".\n\n";
    if (n % 4 == 0)
        text += n % 8 == 0 ? "![a plant cell](plant-cell.png)\n\n" : "![a box](forces-box.svg)\n\n";
    switch (n % 5) {
    case 0: text += "( ) one\n(x) two\n( ) three\n( ) four\n"; break;
    case 1: text += "Answer (number, 2 marks, unit cm): " + number + "\n"; break;
    case 2: text += "Answer (group of 2): red; green; blue\n"; break;
    case 3: text += "Part one.\nAnswer (any): cell; cells\nPart two.\nAnswer (true/false): true\n"; break;
    default: text += "Answer: word" + number + "\n"; break;
    }
    return text + "\nSolution:\nThe first step, *" + number + "*.\n\nThe second step.\n\n";
}

void WriteSource(const QString& folder)
{
    QByteArray settings = "Name: Bench\nCode: BENCH\n";
    int n = 0;
    for (int m = 1; m <= kModules; ++m) {
        settings += "Module: Module " + QByteArray::number(m) + "\n";
        for (int t = 1; t <= kTopics; ++t) {
            const QByteArray topic = "m" + QByteArray::number(m) + "t" + QByteArray::number(t);
            settings += "Topic: Topic " + QByteArray::number(t) + "\n" + topic + "/*.txt\n";
            for (int p = 1; p <= kPapers; ++p) {
                QByteArray paper;
                for (int q = 0; q < kQuestions; ++q)
                    paper += QuestionText(++n);
                Write(folder + "/" + topic + "/" + QString::number(p) + ".txt", paper);
            }
        }
    }
    Write(folder + "/package.txt", settings);
    for (const char* name : {"plant-cell.png", "forces-box.svg"})
        Write(folder + "/pictures/" + name,
              ReadWholeFile(QStringLiteral(ORLAVINE_SAMPLE_PICTURES "/") + name));
}

qint64 Median(QList<qint64> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source"));
    WriteSource(source);
    QList<qint64> reads, builds, processor;
    int questions = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        QStringList errors;
        ReadSource(FolderFiles(source), errors);
        reads.append(timer.elapsed());
        timer.restart();
        const std::clock_t start = std::clock();
        const BuildResult result = BuildPackage(source, dir.filePath(QStringLiteral("package")));
        builds.append(timer.elapsed());
        processor.append(qint64(std::clock() - start) * 1000 / CLOCKS_PER_SEC);
        if (!result.errors.isEmpty())
            qFatal("%s", qPrintable(result.errors.first()));
        questions = result.questions;
    }
    std::printf("build of %d questions: %lld ms, %lld ms of processor time (reading the source "
                "alone: %lld ms), median of 3\n",
                questions, Median(builds), Median(processor), Median(reads));
    return 0;
}
