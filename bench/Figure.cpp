#include "bench/Figure.h"

#include <cstdio>
#include <exception>
#include <sys/resource.h>

#include <QCoreApplication>

namespace bench {

void Figure::print() const
{
    std::printf("%s: %.1f %s; baseline %.1f %s; ratio %.2f (target <= %.1f)\n", qPrintable(name), value,
                qPrintable(unit), baseline, qPrintable(unit), ratio(), target);
    std::fflush(stdout);
}

namespace {

double processorMilliseconds()
{
    double total = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval& time : {usage.ru_utime, usage.ru_stime})
            total += double(time.tv_sec) * 1000.0 + double(time.tv_usec) / 1000.0;
    }
    return total;
}

} // namespace

double millisecondsOf(const std::function<void()>& work)
{
    const double start = processorMilliseconds();
    work();
    return processorMilliseconds() - start;
}

int runProgram(const std::function<int()>& body)
{
    try {
        return body();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), error.what());
        return 2;
    }
}

} // namespace bench
