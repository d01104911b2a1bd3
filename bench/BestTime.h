#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <ctime>
#include <functional>

// Processor time of this thread in milliseconds: other programs sharing the machine do not
// count, and both sides of a comparison run on this thread alone.
inline double ThreadMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Milliseconds by the clock on the wall.
inline double WallMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Fastest of up to five runs after a warm-up, in milliseconds of `clock`; stops early once the
// runs took budgetMs. rows is what the last run counted.
inline double BestTimeBy(double (*clock)(), const std::function<long long()>& run, long long& rows, int budgetMs)
{
    rows = run();
    double best = 1e300;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < 5 && (i < 1 || total.elapsed() < budgetMs); ++i) {
        const double start = clock();
        rows = run();
        best = std::min(best, clock() - start);
    }
    return best;
}

// In milliseconds of this thread.
inline double BestTime(const std::function<long long()>& run, long long& rows, int budgetMs)
{
    return BestTimeBy(ThreadMilliseconds, run, rows, budgetMs);
}

// By the wall clock: for work that another process (a database server) shares.
inline double BestWallTime(const std::function<long long()>& run, long long& rows, int budgetMs)
{
    return BestTimeBy(WallMilliseconds, run, rows, budgetMs);
}
