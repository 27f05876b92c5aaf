#include "explorer/ListColours.h"

#include <array>
#include <utility>

namespace explorer::listColours {

namespace {

constexpr int red = 255;

} // namespace

int colourValue(const QString& name)
{
    static const std::array<std::pair<QLatin1String, int>, 7> colours{{
        {QLatin1String("Rosso"), 255},
        {QLatin1String("Nero"), 0},
        {QLatin1String("Blu"), 16711680},
        {QLatin1String("Ciano"), 16776960},
        {QLatin1String("Giallo"), 65535},
        {QLatin1String("Magenta"), 16711935},
        {QLatin1String("Verde"), 65280},
    }};
    for (const auto& [colourName, value] : colours) {
        if (name == colourName)
            return value;
    }
    return red;
}

QColor fromWindowsValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace explorer::listColours
