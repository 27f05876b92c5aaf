#pragma once

#include <cstdint>

#include <QColor>

// Colours as the programs hold them: red + 256 * green + 65536 * blue.
namespace ui::colourValue {

std::int32_t of(const QColor& colour);
// 380 (Invalid property value) outside 0 to &HFFFFFF.
QColor toColour(std::int32_t value);

} // namespace ui::colourValue
