// Figures of the main window, printed (not a timed test):
//   - the time from process start to the home page shown and painted, beside a bare Qt
//     Widgets window started by the same executable (the floor): both medians and their
//     ratio (target at most 1.3);
//   - the main window's CPU use over 10 idle seconds (it does no periodic work)
//     (target at most 0.1 % of one core) and its peak memory;
//   - the first paper opened in a run, until its first page is loaded: half a second after
//     the start, while the practice windows' plugin and its page viewer are being warmed,
//     and once they are warm; and the memory the warming costs (PSS of the program and
//     its page processes, before and after);
//   - the start on the default package's folder, as --package starts (the folder checked
//     and read from disk), beside the start on the built-in package (target at most 1.5).
// Run under an X server for real painting:
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/startup/bench_startup [runs]
// Each start is a fresh process; the pupil's program folder is a temporary one whose
// learner files exist (made by a first, unmeasured start), as on every start but the first.
#include "app/packagefolder.h"
#include "mainwin/contents.h"
#include "mainwin/practiceloader.h"
#include "records/programfolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <cstdio>
#include <vector>

namespace {

/// Reports on stdout once `widget` has been painted and the paint has reached the screen,
/// then ends the process at once (no teardown).
class PaintWatcher : public QObject {
  public:
    explicit PaintWatcher(QWidget* widget) { widget->installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

  private:
    bool m_seen = false;
};

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

/// Settles for a second, then prints the CPU used over 10 seconds (per cent of one core)
/// and the peak memory, and ends the process.
void MeasureIdle()
{
    static double start = 0;
    QTimer::singleShot(1000, [] { start = CpuSeconds(); });
    QTimer::singleShot(11000, [] {
        std::printf("%.3f %ld\n", (CpuSeconds() - start) / 10.0 * 100.0, PeakKilobytes());
        std::fflush(stdout);
        _exit(0);
    });
}

/// Prints the milliseconds from its start until the page viewer it watches has loaded
/// its first page, and ends the process.
class LoadWatcher : public QObject {
    Q_OBJECT
  public:
    LoadWatcher() { m_clock.start(); }

  public slots:
    void loaded()
    {
        std::printf("painted %.1f\n", m_clock.nsecsElapsed() / 1e6);
        std::fflush(stdout);
        _exit(0);
    }

  private:
    QElapsedTimer m_clock;
};

/// The proportional set size, in MB, of this process and the processes it started.
double PssMegabytes()
{
    QHash<long, long> parents;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (entry.toLong() > 0 && stat.open(QIODevice::ReadOnly)) {
            const QByteArray text = stat.readAll();
            parents[entry.toLong()] = text.mid(text.lastIndexOf(')') + 2).split(' ').value(1).toLong();
        }
    }
    double kilobytes = 0;
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
        bool ours = it.key() == getpid();
        for (long up = it.value(); up > 1 && !ours; up = parents.value(up))
            ours = up == getpid();
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(it.key()));
        if (!ours || !rollup.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : rollup.readAll().split('\n')) {
            if (line.startsWith("Pss:"))
                kilobytes += line.mid(4).trimmed().split(' ').value(0).toDouble();
        }
    }
    return kilobytes / 1024;
}

/// Opens the first paper of the selected topic, after `delay` ms, and watches its page
/// viewer (found by name: this program does not link the viewer).
void OpenFirstPaper(orlavine::Contents* window, int delay)
{
    QTimer::singleShot(delay, window, [window] {
        auto* watcher = new LoadWatcher;
        window->OpenPaper(0, 1);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (QObject* view = top->findChild<QObject*>(QStringLiteral("brwWebBrowser"))) {
                QObject::connect(view, SIGNAL(loadFinished(bool)), watcher, SLOT(loaded()));
                return;
            }
        }
        std::puts("no page viewer");
        std::fflush(stdout);
        _exit(1);
    });
}

/// Modes: "main" reports the home page's first paint, "package" the same on the default
/// package's folder (--package); "main-idle" measures the window
/// at rest; "open" opens a paper half a second after the start, "open-warm" once the
/// viewer is warm; "memory-cold" and "memory-warm" print the PSS two seconds after the
/// first paint without warming, and a second after warming.
int RunChild(const QString& mode, const QString& folder, int argc, char* argv[])
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const bool idle = mode.endsWith(QLatin1String("-idle"));
    if (mode == QLatin1String("package") &&
        orlavine::UsePackageFolder(QStringLiteral(PACKAGE_FOLDER), folder).isEmpty())
        return 1;
    orlavine::SetProgramFolder(folder);
    auto window = std::make_unique<orlavine::Contents>();
    const auto printPss = [] {
        std::printf("%.1f\n", PssMegabytes());
        std::fflush(stdout);
        _exit(0);
    };
    if (mode == QLatin1String("open")) {
        orlavine::LoadPracticeWindowsWhenNeeded(*window, QStringLiteral(PRACTICE_PLUGIN));
        window->show();
        OpenFirstPaper(window.get(), 500);
        return app.exec();
    }
    if (mode == QLatin1String("open-warm") || mode == QLatin1String("memory-warm")) {
        const bool open = mode == QLatin1String("open-warm");
        orlavine::LoadPracticeWindowsWhenNeeded(
            *window, QStringLiteral(PRACTICE_PLUGIN), [w = window.get(), open, printPss] {
                if (open)
                    OpenFirstPaper(w, 0);
                else
                    QTimer::singleShot(1000, printPss);
            });
        window->show();
        return app.exec();
    }
    if (mode == QLatin1String("memory-cold")) {
        window->show();
        QTimer::singleShot(2000, printPss);
        return app.exec();
    }
    QWidget* painted = window->findChild<QWidget*>(QStringLiteral("Body_Home"));
    std::unique_ptr<PaintWatcher> watcher;
    if (idle)
        MeasureIdle();
    else
        watcher = std::make_unique<PaintWatcher>(painted);
    window->show();
    return app.exec();
}

/// Starts this program as a child in `mode` and returns the milliseconds until it reported
/// its first paint.
double TimeStart(const QString& mode, const QString& folder)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    if (mode == QLatin1String("bare"))
        child.start(QStringLiteral(BARE_WINDOW), {QStringLiteral("paint")});
    else
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode, folder});
    child.waitForReadyRead(30000);
    const double ms = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(30000);
    if (!child.readAllStandardOutput().startsWith("painted"))
        std::fprintf(stderr, "the %s window did not report its paint\n", qPrintable(mode));
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 4 && QByteArray(argv[1]) == "--child")
        return RunChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), argc,
                        argv);

    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    QTemporaryDir folder;
    TimeStart(QStringLiteral("main"), folder.path()); // first start: learner files made

    std::vector<double> bare, main, package;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(TimeStart(QStringLiteral("bare"), folder.path()));
        main.push_back(TimeStart(QStringLiteral("main"), folder.path()));
        package.push_back(TimeStart(QStringLiteral("package"), folder.path()));
    }
    const double bareMedian = Median(bare);
    const double mainMedian = Median(main);
    std::printf("platform: %s, %d starts each\n",
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                    ? "xcb"
                    : qgetenv("QT_QPA_PLATFORM").constData(),
                runs);
    std::printf("start to painted, bare Qt window (floor): median %.1f ms\n", bareMedian);
    std::printf("start to painted, main window home page:   median %.1f ms\n", mainMedian);
    std::printf("ratio main / floor: %.2f (target <= 1.3)\n", mainMedian / bareMedian);
    std::printf("start to painted, --package on the default package's folder: median %.1f ms, "
                "%.2f times the built-in start (target <= 1.5)\n",
                Median(package), Median(package) / mainMedian);

    const auto childFigure = [&](const QString& mode, const char* format) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), mode, folder.path()});
        child.waitForFinished(60000);
        double figure = -1;
        std::sscanf(child.readAllStandardOutput().constData(), format, &figure);
        return figure;
    };
    std::vector<double> opened, openedWarm, cold, warm;
    for (int i = 0; i < std::max(3, runs / 3); ++i) {
        opened.push_back(childFigure(QStringLiteral("open"), "painted %lf"));
        openedWarm.push_back(childFigure(QStringLiteral("open-warm"), "painted %lf"));
        cold.push_back(childFigure(QStringLiteral("memory-cold"), "%lf"));
        warm.push_back(childFigure(QStringLiteral("memory-warm"), "%lf"));
    }
    std::printf("first paper of a run opened to its page loaded, practice plugin and page "
                "viewer loaded then: median %.1f ms (%zu runs)\n", Median(opened), opened.size());
    std::printf("first paper of a run opened to its page loaded once the viewer is warm: "
                "median %.1f ms (target <= 150)\n", Median(openedWarm));
    std::printf("memory (PSS of the program and its page processes): %.1f MB before warming, "
                "%.1f MB warm\n", Median(cold), Median(warm));

    for (const QString& which : {QStringLiteral("bare"), QStringLiteral("main")}) {
        QProcess idle;
        if (which == QLatin1String("bare"))
            idle.start(QStringLiteral(BARE_WINDOW), {QStringLiteral("idle")});
        else
            idle.start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--child"), QStringLiteral("main-idle"), folder.path()});
        idle.waitForFinished(60000);
        double cpu = -1;
        long peak = -1;
        std::sscanf(idle.readAllStandardOutput().constData(), "%lf %ld", &cpu, &peak);
        const bool main = which == QLatin1String("main");
        std::printf("%s: idle CPU over 10 s %.2f %% of one core%s, peak memory %.1f MB\n",
                    main ? "main window" : "bare Qt window", cpu,
                    main ? " (target <= 0.1 %)" : "", peak / 1024.0);
    }
    return 0;
}

#include "bench_startup.moc"
