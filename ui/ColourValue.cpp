#include "ui/ColourValue.h"

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace ui::colourValue {

std::int32_t of(const QColor& colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

QColor toColour(std::int32_t value)
{
    if (value < 0 || value > 0xFFFFFF)
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace ui::colourValue
