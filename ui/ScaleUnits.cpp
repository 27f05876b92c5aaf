#include "ui/ScaleUnits.h"

#include <QVariant>
#include <QWidget>

#include "interaction/Twips.h"
#include "platform/RuntimeError.h"

namespace ui::scaleUnits {

namespace {

constexpr char propertyName[] = "ScaleMode";
constexpr int twipsMode = 1;

double twipsPerUnit(int mode, Axis axis)
{
    switch (mode) {
    case 2:
        return 20;
    case 3:
        return interaction::twips::perPixel;
    case 4:
        return axis == Axis::Horizontal ? 120 : 240;
    case 5:
        return 1440;
    case 6:
        return 1440 / 25.4;
    case 7:
        return 1440 / 2.54;
    default:
        return 1;
    }
}

} // namespace

int scaleMode(const QWidget& widget)
{
    const QVariant mode = widget.property(propertyName);
    return mode.isValid() ? mode.toInt() : twipsMode;
}

void setScaleMode(QWidget& widget, int mode)
{
    if (mode < 1 || mode > 7)
        throw platform::RuntimeError(380);
    widget.setProperty(propertyName, mode);
}

double fromPixels(const QWidget& widget, double pixels, Axis axis)
{
    return pixels * interaction::twips::perPixel / twipsPerUnit(scaleMode(widget), axis);
}

double toPixels(const QWidget& widget, double units, Axis axis)
{
    return units * twipsPerUnit(scaleMode(widget), axis) / interaction::twips::perPixel;
}

} // namespace ui::scaleUnits
