#include "bench/Figure.h"

#include <chrono>
#include <cstdio>

namespace bench {

void Figure::print() const
{
    std::printf("%s: %.1f %s; baseline %.1f %s; ratio %.2f (target <= %.1f)\n", qPrintable(name), value,
                qPrintable(unit), baseline, qPrintable(unit), ratio(), target);
    std::fflush(stdout);
}

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace bench
