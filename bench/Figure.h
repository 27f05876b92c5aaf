#pragma once

#include <functional>
#include <vector>

#include <QString>

namespace bench {

// One measured figure against its floor, round by round, printed as
// "FIGURE: first VALUE UNIT, median VALUE UNIT; floor first VALUE UNIT, median VALUE UNIT;
// ratio first R, median R (target <= T)". The first round carries the costs a process pays once,
// so it is shown beside the median and both must meet the target.
struct Figure {
    QString name;
    std::vector<double> values;
    std::vector<double> baselines;
    double target = 1;
    QString unit = QStringLiteral("ms");

    double firstRatio() const;
    double medianRatio() const;
    bool met() const;
    void print() const;
};

// The median of some measures (the mean of the middle two when their number is even).
double median(std::vector<double> values);

// Prints "FIGURE: N syncs per card; floor M syncs per card", a figure free of the machine's noise.
void printSyncs(const QString& name, double syncsPerCard, double floorSyncsPerCard);

// Processor milliseconds (user and system) that `work` takes, in this process and in the child
// processes it waits for. Processor time rather than wall-clock time, so that other programs
// busy on the machine do not skew a ratio.
double millisecondsOf(const std::function<void()>& work);

// Runs a benchmark program's body once its application exists: its exit status, or 2 with the
// failure on standard error when it throws.
int runProgram(const std::function<int()>& body);

} // namespace bench
