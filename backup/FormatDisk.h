#pragma once

#include <QChar>

class QWidget;

namespace backup {

// The platform's format dialog for the drive of `letter`, owned by the window. Reports why a
// disk was not formatted (it cannot be, the user cancelled, the format failed) and then gives
// false; true when the disk was formatted.
bool FormatDisk(QWidget* window, QChar letter);

// Formats the disk and, when that fails, asks whether to go on all the same ("Leggimi bene").
// True when the disk was formatted or the user goes on.
bool formatOrGoOn(QWidget* window, QChar letter);

} // namespace backup
