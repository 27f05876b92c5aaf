#pragma once

#include <QString>

class QWidget;

// A window's placement in an INI file, in the section named after the window (its objectName):
// "WindowState" (0 normal, 1 minimised, 2 maximised) and, for a normal window, "Left", "Top",
// "Larghezza" and "Altezza" in twips.
namespace ui {

void StoreFormPlacement(const QWidget& window, const QString& iniFile);

// keepPosition and keepSize suppress restoring the position and the size. The size is restored
// only for a sizable window, and a stored width or height of 0 keeps the window's own.
void RestoreFormPlacement(QWidget& window, const QString& iniFile, bool keepPosition, bool keepSize);

} // namespace ui
