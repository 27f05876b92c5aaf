#pragma once

#include <QColor>
#include <QString>

// The background colours of the two lists, chosen by name in the explorer's INI file.
namespace explorer::listColours {

// The Windows colour value (red + 256 * green + 65536 * blue) of a colour name: "Rosso", "Nero",
// "Blu", "Ciano", "Giallo", "Magenta", "Verde", matched exactly; any other name gives red.
int colourValue(const QString& name);

QColor fromWindowsValue(int value);

} // namespace explorer::listColours
