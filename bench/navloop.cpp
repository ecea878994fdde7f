// A long walk through every window, a round of moves after another, that
// reports the heap in use after 100 moves and after 10,000. Natively the
// figure is glibc's count of allocated bytes; under valgrind it is memcheck's
// count of the bytes of every live block.
//
// Two things outside the program move these counts, so scripts/bench runs the
// walk on one CPU with glibc's per-thread cache off: Qt's painting starts
// helper threads on demand, as many as it thinks the machine has CPUs, each
// with memory of its own; and glibc counts the freed blocks that a thread
// keeps for reuse as allocated.
//
// usage: vorsilan-navloop [MOVES]   (10000 by default; the walk's rounds are
// twenty moves long, so a multiple of twenty ends where move 100 ends)

#include "drive.h"

#include "forms/runtime.h"
#include "windows/form1.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

#if __has_include(<valgrind/memcheck.h>)
#include <valgrind/memcheck.h>
#define VORSILAN_HAVE_MEMCHECK 1
#endif

namespace {

// Bytes of the heap in use now.
unsigned long long heapInUse()
{
#ifdef VORSILAN_HAVE_MEMCHECK
    if (RUNNING_ON_VALGRIND) {
        unsigned long leaked = 0, dubious = 0, reachable = 0, suppressed = 0;
        VALGRIND_DO_QUICK_LEAK_CHECK;
        VALGRIND_COUNT_LEAKS(leaked, dubious, reachable, suppressed);
        return leaked + dubious + reachable + suppressed;
    }
#endif
    return mallinfo2().uordblks;
}

const char* counter()
{
#ifdef VORSILAN_HAVE_MEMCHECK
    if (RUNNING_ON_VALGRIND)
        return "memcheck, bytes in live blocks";
#endif
    return "glibc mallinfo2, uordblks";
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const long moves = argc > 1 ? std::max(101L, std::atol(argv[1])) : 10000;

    unsigned long long early = 0;
    {
        forms::Runtime runtime;
        forms::window<Form1>().show();
        bench::settle();
        const auto steps = bench::round();
        for (long move = 1; move <= moves; ++move) {
            steps[std::size_t((move - 1) % long(steps.size()))]();
            bench::settle();
            if (move == 100)
                early = heapInUse();
        }
        const unsigned long long late = heapInUse();
        std::printf("heap in use (%s)\n", counter());
        std::printf("  after %6d moves: %llu bytes\n", 100, early);
        std::printf("  after %6ld moves: %llu bytes\n", moves, late);
        std::printf("  difference: %lld bytes\n", static_cast<long long>(late) - static_cast<long long>(early));
    }
    return 0;
}
