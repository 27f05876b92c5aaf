#pragma once

class QWidget;

// The runtime's ScaleMode of a form or picture box and its units: 1 twips (the default),
// 2 points, 3 pixels, 4 characters (120 twips across, 240 down), 5 inches, 6 millimetres,
// 7 centimetres. The mode is kept in the widget's dynamic property "ScaleMode".
namespace ui::scaleUnits {

enum class Axis { Horizontal, Vertical };

int scaleMode(const QWidget& widget);
// 380 (Invalid property value) for a mode outside 1 to 7.
void setScaleMode(QWidget& widget, int mode);

// Pixels to the widget's scale units, and back (unrounded).
double fromPixels(const QWidget& widget, double pixels, Axis axis);
double toPixels(const QWidget& widget, double units, Axis axis);

} // namespace ui::scaleUnits
