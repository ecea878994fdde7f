// The time of every handler, measured in process around the click on its
// control: the median and the slowest of many calls, and the first call, in
// which a window may still be created. Each figure is printed with its ratio
// to the target of 1 ms. Runs on the platform in QT_QPA_PLATFORM (the X server
// in DISPLAY, or offscreen when there is none).
//
// usage: vorsilan-handlers [CALLS]

#include "drive.h"

#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr double targetMicroseconds = 1000;

double timed(const std::function<void()>& run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1000.0;
}

std::unique_ptr<forms::Runtime> startProgram()
{
    auto runtime = std::make_unique<forms::Runtime>();
    forms::window<Form1>().show();
    bench::settle();
    return runtime;
}

void print(const std::string& name, double median, double slowest, double first)
{
    std::printf("%-34s median %8.1f us  (%.3f of 1 ms) %s  slowest %8.1f us  first %8.1f us\n", name.c_str(), median,
        median / targetMicroseconds, median < targetMicroseconds ? "met   " : "MISSED", slowest, first);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int calls = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    // The first search of a fresh program creates the three pages, hidden;
    // what creating each window costs, each in a fresh program.
    {
        auto runtime = startProgram();
        forms::window<Form1>().t1.lineEdit()->setText(QStringLiteral("+"));
        const double first = timed([] { forms::window<Form1>().Command2.button()->click(); });
        std::printf(
            "%-34s %8.1f us  (%.3f of 1 ms)\n", "first search of a fresh program", first, first / targetMicroseconds);
    }
    const std::pair<const char*, std::function<void()>> creations[] = {
        { "creating Form2", [] { forms::window<Form2>(); } },
        { "creating Form3", [] { forms::window<Form3>(); } },
        { "creating Form4", [] { forms::window<Form4>(); } },
        { "creating Form5", [] { forms::window<Form5>(); } },
    };
    for (const auto& [name, create] : creations) {
        auto runtime = startProgram();
        const double time = timed(create);
        std::printf("%-34s %8.1f us  (%.3f of 1 ms)\n", name, time, time / targetMicroseconds);
    }

    auto runtime = startProgram();
    std::printf("median of %d calls each\n", calls);
    for (const bench::Handler& handler : bench::everyHandler()) {
        std::vector<double> times;
        times.reserve(std::size_t(calls));
        for (int i = 0; i < calls; ++i) {
            handler.prepare();
            bench::settle();
            times.push_back(timed(handler.run));
            bench::settle();
        }
        const double first = times.front();
        std::sort(times.begin(), times.end());
        print(handler.name, times[times.size() / 2], times.back(), first);
    }
    return 0;
}
