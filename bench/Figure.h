#pragma once

#include <QString>
#include <functional>

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

// Wall-clock milliseconds that `work` takes.
double millisecondsOf(const std::function<void()>& work);

} // namespace bench
