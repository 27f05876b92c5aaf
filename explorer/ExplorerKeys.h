#pragma once

#include <array>
#include <functional>

#include <QLatin1String>

class QAction;
class QKeyEvent;
class QWidget;

namespace explorer {

// The main window's key table: a letter with Ctrl held acts through one menu entry, and only
// while that entry is enabled. The entry shows its key.
struct KeyTableEntry {
    char letter;
    QLatin1String entry;
};

const std::array<KeyTableEntry, 12>& keyTable();

// Whether the key press is one of the table's, which the lists must leave to the window.
bool isKeyTableKey(const QKeyEvent& event);

// Gives each table entry its key, and the archive list's refresh F5, acting anywhere in the window.
void installKeyTable(QWidget& window, const std::function<QAction*(const QString& name)>& entry);

} // namespace explorer
