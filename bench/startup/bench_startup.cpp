// Figures of the main window, printed (not a timed test):
//   - the time from process start to the home page shown and painted, beside a bare Qt
//     Widgets window started by the same executable (the floor): both medians and their
//     ratio (target at most 1.5);
//   - the main window's CPU use over 10 idle seconds with its 100 ms timer running
//     (target at most 1 % of one core) and its peak memory.
// Run under an X server for real painting:
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/startup/bench_startup [runs]
// Each start is a fresh process; the pupil's program folder is a temporary one whose
// learner files exist (made by a first, unmeasured start), as on every start but the first.
#include "contents.h"
#include "programfolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
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

int RunChild(const QString& mode, const QString& folder, int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (mode == QLatin1String("bare")) {
        QLabel window(QStringLiteral("A bare window"));
        window.resize(405, 492);
        PaintWatcher watcher(&window);
        window.show();
        return app.exec();
    }
    orlavine::SetProgramFolder(folder);
    orlavine::Contents window;
    if (mode == QLatin1String("main")) {
        PaintWatcher watcher(window.findChild<QWidget*>(QStringLiteral("Body_Home")));
        window.show();
        return app.exec();
    }
    // Idle: settle, then measure CPU over 10 seconds with the window's timer running.
    window.show();
    double start = 0;
    QTimer::singleShot(1000, [&] { start = CpuSeconds(); });
    QTimer::singleShot(11000, [&] {
        std::printf("%.3f %ld\n", (CpuSeconds() - start) / 10.0 * 100.0, PeakKilobytes());
        std::fflush(stdout);
        _exit(0);
    });
    return app.exec();
}

/// Starts this program as a child in `mode` and returns the milliseconds until it reported
/// its first paint.
double TimeStart(const QString& mode, const QString& folder)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
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

    std::vector<double> bare, main;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(TimeStart(QStringLiteral("bare"), folder.path()));
        main.push_back(TimeStart(QStringLiteral("main"), folder.path()));
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
    std::printf("ratio main / floor: %.2f (target <= 1.5)\n", mainMedian / bareMedian);

    QProcess idle;
    idle.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--child"), QStringLiteral("idle"), folder.path()});
    idle.waitForFinished(60000);
    double cpu = -1;
    long peak = -1;
    std::sscanf(idle.readAllStandardOutput().constData(), "%lf %ld", &cpu, &peak);
    std::printf("idle CPU over 10 s with the timer running: %.2f %% of one core (target <= 1 %%)\n",
                cpu);
    std::printf("peak memory of the main window: %.1f MB\n", peak / 1024.0);
    return 0;
}
