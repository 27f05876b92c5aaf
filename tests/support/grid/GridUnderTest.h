#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QList>
#include <QPointF>
#include <QStringList>

#include "automation/DispatchObject.h"
#include "tests/support/grid/GridPlan.h"

namespace gridtest {

// A grid made for one test, the late-bound objects Grivola receives, and what a test reads back
// from them afterwards. Implemented by the pure fake and by the Qt grid bridge.
class GridUnderTest {
public:
    virtual ~GridUnderTest() = default;

    // The grid as the host passes it to Grivola.
    virtual automation::ObjectRef grid() = 0;
    // A text box in the grid's container (Grid_Text_Move).
    virtual automation::ObjectRef textBox() = 0;

    virtual QList<QStringList> cells() const = 0;
    virtual Selection selection() const = 0;
    // Colours as red + 256 * green + 65536 * blue; none when never set.
    virtual std::optional<std::int32_t> backColor(int row, int col) const = 0;
    virtual std::optional<std::int32_t> foreColor(int row, int col) const = 0;
    // Twips, one per row.
    virtual std::vector<int> rowHeights() const = 0;
    virtual bool redraw() const = 0;
    // Cells, colours, heights and rows changed while the grid was repainting (Redraw true).
    virtual int changesWhileRedrawing() const = 0;
    virtual bool hasFocus() const = 0;
    // Where the text box was last moved to, in twips of the container.
    virtual QPointF textBoxPosition() const = 0;
};

} // namespace gridtest
