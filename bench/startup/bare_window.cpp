// The floor of the start-up benchmark: a Qt Widgets window of the main window's size in a
// program that links Qt Widgets alone. `bare_window paint` reports its first paint;
// `bare_window idle` prints its idle CPU and peak memory like the main window's.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class FirstPaint : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        QTimer::singleShot(0, [] {
            std::puts("painted");
            std::fflush(stdout);
            _exit(0);
        });
    }
};

} // namespace

int main(int argc, char* argv[])
{
    const bool idle = argc > 1 && std::strcmp(argv[1], "idle") == 0;
    QApplication app(argc, argv);
    static double start = 0;
    QLabel* window = idle ? new QLabel(QStringLiteral("A bare window"))
                          : new FirstPaint(QStringLiteral("A bare window"));
    window->resize(405, 492);
    window->show();
    if (idle) {
        QTimer::singleShot(1000, [] { start = CpuSeconds(); });
        QTimer::singleShot(11000, [] {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("%.3f %ld\n", (CpuSeconds() - start) / 10.0 * 100.0, usage.ru_maxrss);
            std::fflush(stdout);
            _exit(0);
        });
    }
    return app.exec();
}
