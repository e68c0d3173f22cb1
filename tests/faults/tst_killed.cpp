// Killed at any moment: the marking driver is started on a program folder and killed
// (SIGKILL) after a random delay, again and again, each start going on from what the
// last one left. After every kill each learner file must still read, and every score
// the driver reported as marked must still be in the marks file and the trend line. Once
// the next start has finished a marking's interrupted save, every first attempt marked
// has its trend entry.
// ORLAVINE_KILLS sets the number of kills (300 by default); a run longer than five minutes
// also needs QTEST_FUNCTION_TIMEOUT (in ms).

#include "records/error.h"
#include "records/fileio.h"
#include "records/learner.h"
#include "records/papercontent.h"
#include "records/programfolder.h"
#include "records/recordfile.h"
#include "testfolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <random>

using namespace orlavine;

namespace {

constexpr int kPapers = 10;

struct Marked {
    int paper = 0;
    bool second = false;
    QByteArray percent;
};

// The first-attempt percentages of the trend line, in order.
Fields TrendEntries()
{
    const QByteArray line = ReadLine(LearnerFilePath(LearnerFile::Trend, 1, "TS"), "TRD");
    if (!line.startsWith("#TRD#"))
        throw Error(QString(), QStringLiteral("the trend line is missing"));
    Fields entries = line.mid(5).split('>');
    entries.removeFirst(); // before the first ">"
    return entries;
}

// One start of the driver: what it printed, and whether it was killed or ended well.
struct DriverRun {
    QByteArray output;
    QByteArray errors;
    bool killed = false;
    bool ended = false;
    qint64 startUpMs = 0; // until the first save
    qint64 workMs = 0;    // from then on
};

// Starts the driver on `folder` and kills it `delay` ms after it began saving, or with
// `inStartUp` `delay` ms after its start; it runs to its end when `delay` is negative.
DriverRun RunDriver(const QString& folder, int delay, bool inStartUp)
{
    DriverRun run;
    QElapsedTimer clock;
    clock.start();
    QProcess driver;
    driver.start(QStringLiteral(ORLAVINE_MARKING_DRIVER), {folder});
    if (!driver.waitForStarted())
        return run;
    if (!inStartUp) {
        while (!run.output.contains("started\n") && driver.waitForReadyRead(30000))
            run.output += driver.readAllStandardOutput();
    }
    run.startUpMs = clock.restart();
    if (delay >= 0 && !driver.waitForFinished(delay)) {
        driver.kill();
        run.killed = true;
    }
    driver.waitForFinished(60000);
    run.workMs = clock.elapsed();
    run.output += driver.readAllStandardOutput();
    run.errors = driver.readAllStandardError();
    run.ended = !run.killed && driver.exitStatus() == QProcess::NormalExit &&
                driver.exitCode() == 0;
    return run;
}

bool IsSubsequence(const Fields& wanted, const Fields& entries)
{
    qsizetype at = 0;
    for (const QByteArray& entry : entries) {
        if (at < wanted.size() && entry == wanted.at(at))
            ++at;
    }
    return at == wanted.size();
}

} // namespace

class TestKilled : public QObject {
    Q_OBJECT

  private slots:
    void killedAtAnyMomentLosesNoScore();

  private:
    // Empty when the folder is sound; else what is wrong. With `finished` (after the
    // start-up's completion of an interrupted save) the trend must match the marks.
    QString check(const QList<Marked>& marked, bool finished);

    QList<int> m_subAnswers; // of each paper, read once from the package
};

QString TestKilled::check(const QList<Marked>& marked, bool finished)
{
    // Every paper's line of the four answer and result files holds its fields, read as
    // a practice window reads them when it opens.
    for (LearnerFile file : {LearnerFile::First, LearnerFile::Second, LearnerFile::FResults,
                             LearnerFile::SResults}) {
        const Fields lines = ReadPaperLines(LearnerFilePath(file, 1, "TS"), kPapers);
        for (int i = 0; i < kPapers; ++i)
            SplitLine(lines.at(i), m_subAnswers.at(i));
    }
    // A damaged marks file is an Error here: reading never repairs it.
    const MarksLists marks = ReadMarksLists(1, "TS", kPapers);
    Fields firstScores;
    for (const Marked& m : marked) {
        const int i = m.paper - 101;
        if (marks[m.second ? SSE : FSE].at(i) != m.percent ||
            marks[m.second ? SST : FST].at(i) != "1")
            return QStringLiteral("the score of paper %1 has gone").arg(m.paper);
        if (!m.second)
            firstScores.append(m.percent);
    }
    const Fields trend = TrendEntries();
    if (!IsSubsequence(firstScores, trend))
        return QStringLiteral("a score has gone from the trend line");
    if (finished && marks[FST].count("1") != trend.size())
        return QStringLiteral("a first attempt is marked without its trend entry");
    return QString();
}

void TestKilled::killedAtAnyMomentLosesNoScore()
{
    const int kills = qEnvironmentVariableIsSet("ORLAVINE_KILLS")
                          ? qEnvironmentVariableIntValue("ORLAVINE_KILLS")
                          : 300;
    TestFolder root; // the embedded test package; each round a fresh folder in it
    for (int p = 101; p < 101 + kPapers; ++p)
        m_subAnswers.append(LoadPaperContent(1, p).subAnswerTotal());
    QElapsedTimer clock;
    clock.start();

    // The quickest of three uninterrupted rounds sets the spans the kill delays are
    // spread over: one slow moment of the disk would make most starts run to the end.
    DriverRun whole;
    for (int n = 1; n <= 3; ++n) {
        const QString timing = root.file(QStringLiteral("timing%1").arg(n));
        QDir().mkpath(timing);
        const DriverRun run = RunDriver(timing, -1, false);
        QVERIFY2(run.ended, run.errors.constData());
        QVERIFY(run.output.endsWith("done\n"));
        if (n == 1 || run.startUpMs + run.workMs < whole.startUpMs + whole.workMs)
            whole = run;
    }

    std::mt19937 random(20261207);
    // One kill in eight while the driver starts (putting the learner files in place,
    // reading what is marked), the others within a quarter of a round's saving and
    // marking: each start goes on from the last, so the kills fall all along the rounds.
    std::uniform_int_distribution<int> eighth(0, 7);
    std::uniform_int_distribution<int> startUpDelay(0, int(whole.startUpMs));
    std::uniform_int_distribution<int> workDelay(0, int(qMax<qint64>(whole.workMs, 40) / 4));
    int killed = 0, killedWorking = 0, starts = 0, rounds = 0, finishedSaves = 0, leftOver = 0;
    const auto endRound = [&](const QString& folder) {
        leftOver += QDir(folder).entryList({"*.new-*"}, QDir::Files).size();
    };
    QList<Marked> marked;
    QString folder;
    bool placed = false; // a start of this round put every learner file in place
    while (killed < kills) {
        if (folder.isEmpty()) {
            folder = root.file(QStringLiteral("round%1").arg(++rounds));
            QDir().mkpath(folder);
            marked.clear();
            placed = false;
        }
        const bool inStartUp = eighth(random) == 0;
        const DriverRun run =
            RunDriver(folder, inStartUp ? startUpDelay(random) : workDelay(random), inStartUp);
        ++starts;
        QVERIFY2(run.killed || run.ended, run.errors.constData());
        killed += run.killed;
        bool started = false, done = false;
        for (const QByteArray& line : run.output.split('\n')) {
            const Fields words = line.split(' ');
            if (words.at(0) == "marked" && words.size() == 4)
                marked.append({words.at(1).toInt(), words.at(2) == "2", words.at(3)});
            started = started || words.at(0) == "started";
            done = done || words.at(0) == "done";
        }
        if (run.killed && started)
            ++killedWorking;
        // Until a start has put every learner file in place there is nothing to read
        // yet; the next start writes them.
        SetProgramFolder(folder);
        bool all = true;
        for (int k = 1; k <= kLearnerFileCount; ++k)
            all = all && QFileInfo::exists(LearnerFilePath(LearnerFile(k), 1, "TS"));
        placed = placed || started || all;
        if (placed) {
            QString fault;
            try {
                // As the kill left the files, then as the next start finds them.
                fault = check(marked, false);
                if (fault.isEmpty()) {
                    finishedSaves += QFileInfo::exists(folder + "/unfinished-save.journal");
                    FinishInterruptedWrites(folder);
                    fault = check(marked, true);
                }
            } catch (const Error& e) {
                fault = e.message();
            }
            SetProgramFolder(root.path());
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QStringLiteral("after start %1: %2").arg(starts).arg(fault)));
        }
        SetProgramFolder(root.path());
        if (done) {
            endRound(folder);
            folder.clear();
        }
    }
    if (!folder.isEmpty())
        endRound(folder);
    qInfo("%d kills (%d while saving and marking) in %d starts over %d rounds, "
          "%lld ms (one round uninterrupted: %lld ms); markings' saves finished at the next "
          "start: %d; temporary files left by kills: %d",
          killed, killedWorking, starts, rounds, clock.elapsed(), whole.startUpMs + whole.workMs,
          finishedSaves, leftOver);
}

QTEST_GUILESS_MAIN(TestKilled)
#include "tst_killed.moc"
