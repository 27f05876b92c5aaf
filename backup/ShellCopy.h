#pragma once

#include <QString>

class QWidget;

namespace backup {

// The shell's copy of one file, owned by the window: its progress dialog while it copies, and its
// question before it replaces a file. `to` is the new file, or a folder ending in "\" that gets
// the file under its own name. True once the file is copied; false when the user kept the
// existing file or cancelled the copy, which leaves the file it was to replace as it was. Raises 53 for a missing
// source, 61 when the target disk is full and 71 when a disk is not ready.
bool ShellCopy(QWidget* window, const QString& from, const QString& to);

} // namespace backup
