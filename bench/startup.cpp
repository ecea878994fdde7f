// Start-up time and peak memory of a program beside the floor. The driver
// starts the program, watches the middle of the screen until the program's
// window stands there painted, ends the program and reads its peak resident
// memory; the program and the floor take turns, and the medians are printed
// with their ratio to the floor.
//
// usage: vorsilan-startup RUNS PROGRAM FLOOR
// It needs an X server of its own with a black root window (Xvfb -br), on
// which both programs put their window in the middle of the screen.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct Sample {
    double milliseconds = 0;
    double peakMiB = 0;
};

// A square of pixels in the middle of the screen, where both programs put
// their window; the root window around it is black.
QImage centre(QScreen* screen)
{
    const QPoint middle = screen->geometry().center();
    return screen->grabWindow(0, middle.x() - 4, middle.y() - 4, 9, 9).toImage();
}

// Black everywhere: no window. No black pixel: a painted window (an X window
// that is mapped but not yet painted shows the black root under it).
int blackPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == 0 ? 1 : 0;
    }
    return count;
}

[[noreturn]] void fail(const char* what, const char* program)
{
    std::fprintf(stderr, "vorsilan-startup: %s: %s\n", program, what);
    std::exit(1);
}

Sample run(QScreen* screen, const char* program)
{
    QElapsedTimer clear;
    clear.start();
    while (blackPixels(centre(screen)) != 81) {
        if (clear.elapsed() > 10000)
            fail("the middle of the screen is not black", program);
        QThread::msleep(5);
    }

    char* argv[] = { const_cast<char*>(program), nullptr };
    pid_t pid = 0;
    QElapsedTimer timer;
    timer.start();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
        fail("cannot start", program);
    // Looking now and then leaves the X server to the program.
    while (blackPixels(centre(screen)) != 0) {
        if (timer.elapsed() > 60000) {
            kill(pid, SIGKILL);
            fail("no window appeared", program);
        }
        QThread::usleep(500);
    }
    Sample sample;
    sample.milliseconds = double(timer.nsecsElapsed()) / 1e6;

    // A moment for whatever the program does right after its first paint.
    QThread::msleep(300);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid)
        fail("lost the process", program);
    sample.peakMiB = double(usage.ru_maxrss) / 1024.0;
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void print(const char* figure, const char* unit, double target, const std::vector<double>& program,
    const std::vector<double>& floor)
{
    const double p = median(program);
    const double f = median(floor);
    const double ratio = p / f;
    std::printf("%-34s %9.1f %-3s  floor %9.1f %-3s  ratio %.2f  (target <= %.2f) %s\n", figure, p, unit, f, unit,
        ratio, target, ratio <= target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 4 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: vorsilan-startup RUNS PROGRAM FLOOR\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    QScreen* screen = QGuiApplication::primaryScreen();

    // One run of each first, so that both start from a warm file cache.
    run(screen, argv[2]);
    run(screen, argv[3]);

    std::vector<double> programTimes, floorTimes, programPeaks, floorPeaks;
    for (int i = 0; i < runs; ++i) {
        const Sample p = run(screen, argv[2]);
        const Sample f = run(screen, argv[3]);
        programTimes.push_back(p.milliseconds);
        floorTimes.push_back(f.milliseconds);
        programPeaks.push_back(p.peakMiB);
        floorPeaks.push_back(f.peakMiB);
    }
    std::printf("median of %d runs each, the program and the floor in turn\n", runs);
    print("start-up to the window on screen", "ms", 1.3, programTimes, floorTimes);
    print("peak memory (resident)", "MiB", 1.3, programPeaks, floorPeaks);
    return 0;
}
