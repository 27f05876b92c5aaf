#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include "automation/Variant.h"
#include "tests/support/grid/GridPlan.h"

namespace gridtest {

struct ColourCheck {
    int row = 0;
    int col = 0;
    std::optional<std::int32_t> back{};
    std::optional<std::int32_t> fore{};
};

// One command of Grivola on one grid, and what it must leave behind. Only the outcomes given
// are checked; an error of 0 means the call raises none.
struct GrivoCase {
    const char* name = "";
    GridPlan grid{};
    // Called late-bound by name with the grid first (and the text box second for
    // Grid_Text_Move), then these arguments, all by reference.
    QString method{};
    std::vector<automation::Variant> arguments{};
    // Members the grid lacks for this case.
    QStringList hiddenMembers{};
    std::optional<QString> clipboardBefore{};
    bool clipboardUnreachable = false;
    // MultiEdit's answer in the input box.
    std::optional<QString> answer{};

    int error = 0;
    QString errorDescription{};
    std::optional<QList<QStringList>> cells{};
    std::optional<int> rowCount{};
    std::optional<Selection> selection{};
    std::optional<QString> clipboard{};
    std::optional<QStringList> clipboardCalls{};
    std::vector<ColourCheck> colours{};
    std::optional<std::vector<int>> rowHeights{};
    std::optional<bool> redraw{};
    // No cell, colour, height or row changed while the grid was repainting.
    bool quiet = false;
    std::optional<bool> focused{};
    std::optional<QPointF> textBoxAt{};
    // The by-reference arguments after the call, in the order given.
    std::optional<std::vector<automation::Variant>> argumentsAfter{};
};

inline void PrintTo(const GrivoCase& grivoCase, std::ostream* out)
{
    *out << grivoCase.name;
}

} // namespace gridtest

// Readable texts and cells in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
