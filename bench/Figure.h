#pragma once

#include <functional>

#include <QString>

namespace bench {

// One measured figure against its baseline, printed as
// "FIGURE: VALUE UNIT; baseline VALUE UNIT; ratio R (target <= T)".
struct Figure {
    QString name;
    double value = 0;
    double baseline = 0;
    QString unit = QStringLiteral("ms");
    double target = 1;

    double ratio() const { return value / baseline; }
    bool met() const { return ratio() <= target; }
    void print() const;
};

// Processor milliseconds (user and system) that `work` takes, in this process and in the child
// processes it waits for. Processor time rather than wall-clock time, so that other programs
// busy on the machine do not skew a ratio.
double millisecondsOf(const std::function<void()>& work);

// Runs a benchmark program's body once its application exists: its exit status, or 2 with the
// failure on standard error when it throws.
int runProgram(const std::function<int()>& body);

} // namespace bench
