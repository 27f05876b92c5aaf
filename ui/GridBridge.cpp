#include "ui/GridBridge.h"

#include "ui/GridObject.h"

namespace ui::gridBridge {

automation::ObjectRef grid(QTableWidget& table)
{
    return std::make_shared<GridObject>(table);
}

} // namespace ui::gridBridge
