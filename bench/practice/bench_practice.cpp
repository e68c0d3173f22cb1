// Figures of the practice windows, printed as medians (never a timed test):
//  - opening a paper until its first page is loaded: the first window of a run (each
//    run in a fresh process) and a later opening in the same run;
//  - Next until the new page is loaded;
//  - a marked question's worked solution until it is loaded;
//  - marking the 80-sub-answer paper without the animation, files included;
//  - CPU used over 10 idle seconds with a practice window open and its clock running
//    (this process and the page renderer), as opened and with the caret in an answer box.
// Run under an X server: xvfb-run -a build/bench/practice/bench_practice
#include "records/learner.h"
#include "practice/markingpanel.h"
#include "records/package.h"
#include "records/pictures.h"
#include "chrome/popupbox.h"
#include "practice/practicewindow.h"
#include "testpaper.h"
#include "records/programfolder.h"
#include "records/resources.h"
#include "chrome/skin.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

using namespace orlavine;

namespace {

constexpr int kLargestPaper = 104; // module 1 of the test package: 80 sub-answers

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

/// Runs `action` and waits for `view` to finish loading a page; milliseconds taken.
double UntilLoaded(QWebEngineView* view, const std::function<void()>& action)
{
    QEventLoop loop;
    QObject::connect(view, &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    action();
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

class Bench {
  public:
    /// A program folder under `root` (the system's temporary folder when empty).
    explicit Bench(const QString& root = QString())
        : m_folder(root.isEmpty() ? QDir::tempPath() + "/bench_practice-XXXXXX"
                                  : root + "/bench_practice-XXXXXX")
    {
        SetProgramFolder(m_folder.path());
        SetResourceSource(std::make_shared<FolderResources>(QStringLiteral(ORLAVINE_TEST_PACKAGE)));
        ExtractGraphics();
        Skin::reload();
        EnsureLearnerRecords(ReadSettings(), QDateTime::currentDateTime());
        MarkingPanel::SetPause(0);
        SetPopUpAnswerer([](PopUpBox&) { return 1; });
    }
    ~Bench() { SetPopUpAnswerer(nullptr); }

    /// Opens `paper`; the milliseconds until its first page has loaded.
    double open(int paper, PracticeWindow** window)
    {
        QElapsedTimer timer;
        timer.start();
        *window = PracticeWindow::Open(TestPaper(AttemptKind::First, paper));
        QEventLoop loop;
        QObject::connect((*window)->findChild<QWebEngineView*>("brwWebBrowser"),
                         &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
        loop.exec();
        return timer.nsecsElapsed() / 1e6;
    }

    /// Blank learner files of module 1, with paper 104 answered right except one.
    void freshAnswers()
    {
        for (int k = 1; k <= kLearnerFileCount; ++k) {
            const LearnerFile file = LearnerFile(k);
            WriteResourceFile(LearnerTemplateResource(file, 1), "Custom",
                              LearnerFilePath(file, 1, "TS"));
        }
        Fields lines = ReadPaperLines(LearnerFilePath(LearnerFile::First, 1, "TS"), 10);
        Fields answers;
        for (int q = 0; q < 8; ++q)
            answers += Fields{"1", "b", "3", "d", "1", "f", "3", "h", "1", "j"};
        answers[0] = "2";
        SaveRecordLine(lines, answers, 4, "104", 10, 80,
                       LearnerFilePath(LearnerFile::First, 1, "TS"));
    }

  private:
    QTemporaryDir m_folder;
};

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

/// CPU seconds used so far by each of this process's descendants (the page renderer and
/// its helpers, started through a zygote), by process id.
QHash<long, double> DescendantsCpuSeconds()
{
    struct Proc {
        long parent = 0;
        double seconds = 0;
    };
    QHash<long, Proc> procs;
    const long ticks = sysconf(_SC_CLK_TCK);
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + entry + "/stat");
        if (!entry.toLong() || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 13)
            procs[entry.toLong()] = {
                fields.at(1).toLong(),
                double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / ticks};
    }
    QHash<long, double> seconds;
    for (auto it = procs.cbegin(); it != procs.cend(); ++it) {
        for (long up = it.value().parent; up > 1; up = procs.value(up).parent) {
            if (up == getpid()) {
                seconds[it.key()] = it.value().seconds;
                break;
            }
        }
    }
    return seconds;
}

/// CPU seconds used between two samples by the processes present in both.
double CpuBetween(const QHash<long, double>& before, const QHash<long, double>& after)
{
    double seconds = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.contains(it.key()))
            seconds += it.value() - before.value(it.key());
    }
    return seconds;
}

/// Median milliseconds of marking paper 104 with its 80 answers given, files included.
double MarkingMedian(Bench& bench)
{
    QList<double> marking;
    PracticeWindow* window = nullptr;
    for (int i = 0; i < 15; ++i) {
        bench.freshAnswers();
        bench.open(kLargestPaper, &window);
        QElapsedTimer timer;
        timer.start();
        window->markPaper();
        marking.append(timer.nsecsElapsed() / 1e6);
        delete window;
    }
    return Median(marking);
}

/// Percent of one core used over 10 idle seconds after a second's rest: this process,
/// and the page renderer.
std::pair<double, double> IdleCpu()
{
    Wait(1000);
    const double selfBefore = ProcessCpuSeconds();
    const QHash<long, double> childrenBefore = DescendantsCpuSeconds();
    Wait(10000);
    return {(ProcessCpuSeconds() - selfBefore) / 10 * 100,
            CpuBetween(childrenBefore, DescendantsCpuSeconds()) / 10 * 100};
}

int FirstOpeningOnly()
{
    Bench bench;
    PracticeWindow* window = nullptr;
    std::printf("%.1f\n", bench.open(101, &window));
    delete window;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (app.arguments().contains("--first"))
        return FirstOpeningOnly();

    QList<double> first;
    for (int run = 0; run < 5; ++run) {
        QProcess child;
        child.start(app.applicationFilePath(), {"--first"});
        child.waitForFinished(60000);
        const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
        first.append(lines.last().toDouble());
    }

    Bench bench;
    PracticeWindow* window = nullptr;
    QList<double> later;
    for (int i = 0; i < 11; ++i) {
        const double ms = bench.open(101, &window);
        if (i > 0) // the first of this run is a first window again
            later.append(ms);
        delete window;
    }

    QList<double> next;
    bench.open(kLargestPaper, &window);
    QWebEngineView* view = window->findChild<QWebEngineView*>("brwWebBrowser");
    for (int round = 0; round < 3; ++round) {
        for (int q = 1; q < 8; ++q)
            next.append(UntilLoaded(view, [&] { window->nextQuestion(); }));
        for (int q = 8; q > 1; --q)
            UntilLoaded(view, [&] { window->previousQuestion(); });
    }
    delete window;

    const double marking = MarkingMedian(bench);

    // A marked question's worked solution shown, and the question again (paper 101 of the
    // test package carries solutions of its first two questions).
    QList<double> solution;
    bench.freshAnswers();
    bench.open(101, &window);
    window->markPaper();
    view = window->findChild<QWebEngineView*>("brwWebBrowser");
    for (int round = 0; round < 10; ++round) {
        solution.append(UntilLoaded(view, [&] { window->toggleSolution(); }));
        UntilLoaded(view, [&] { window->toggleSolution(); });
    }
    delete window;

    bench.open(101, &window);
    const std::pair<double, double> asOpened = IdleCpu();
    // A caret blinking in an answer box repaints twice a second.
    window->findChild<QWidget*>("FA1")->setFocus();
    const std::pair<double, double> withCaret = IdleCpu();
    delete window;

    // The learner files are flushed to disk as they are written; in memory the same
    // marking shows what is the program's own share.
    double inMemory = -1;
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        Bench memory(QStringLiteral("/dev/shm"));
        inMemory = MarkingMedian(memory);
    }

    std::printf("Practice window (median, ms)                   figure   target\n");
    std::printf("  opening to first page loaded, first window  %7.1f\n", Median(first));
    std::printf("  opening to first page loaded, later         %7.1f   150\n", Median(later));
    std::printf("  Next to the new page loaded                 %7.1f    60\n", Median(next));
    std::printf("  a worked solution shown (marked paper)      %7.1f    60\n", Median(solution));
    std::printf("  marking paper %d (80 sub-answers), files   %7.2f    10\n", kLargestPaper,
                marking);
    if (inMemory >= 0)
        std::printf("    the same, files on a memory file system   %7.2f\n", inMemory);
    std::printf("Idle 10 s, clock running (%% of one core)  process renderer together target\n");
    std::printf("  as opened                                 %7.2f %8.2f %8.2f      2\n",
                asOpened.first, asOpened.second, asOpened.first + asOpened.second);
    std::printf("  caret blinking in an answer box           %7.2f %8.2f %8.2f\n", withCaret.first,
                withCaret.second, withCaret.first + withCaret.second);
    return 0;
}
