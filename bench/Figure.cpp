#include "bench/Figure.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <sys/resource.h>

#include <QCoreApplication>

namespace bench {

double median(std::vector<double> values)
{
    if (values.empty())
        throw std::logic_error("a figure without rounds");
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Figure::firstRatio() const
{
    return values.at(0) / baselines.at(0);
}

double Figure::medianRatio() const
{
    return median(values) / median(baselines);
}

bool Figure::met() const
{
    return firstRatio() <= target && medianRatio() <= target;
}

void Figure::print() const
{
    const QByteArray unitText = unit.toUtf8();
    const char* units = unitText.constData();
    std::printf("%s: first %.1f %s, median %.1f %s; floor first %.1f %s, median %.1f %s; ratio first %.2f, median "
                "%.2f (target <= %.1f)%s\n",
                qPrintable(name), values.at(0), units, median(values), units, baselines.at(0), units, median(baselines),
                units, firstRatio(), medianRatio(), target, met() ? "" : " MISSED");
    std::printf("  rounds:");
    for (const double value : values)
        std::printf(" %.1f", value);
    std::printf("; floor:");
    for (const double baseline : baselines)
        std::printf(" %.1f", baseline);
    std::printf("\n");
    std::fflush(stdout);
}

void printSyncs(const QString& name, double syncsPerCard, double floorSyncsPerCard)
{
    std::printf("%s: %.2f syncs per card; floor %.2f syncs per card\n", qPrintable(name), syncsPerCard,
                floorSyncsPerCard);
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
