#pragma once

#include <functional>

#include <QString>

namespace backup {

// Asks the user to insert a disk (OK/Cancel, information icon) until the disk is there.
// askFirst: ask even when it seems to be there already, as when the disks of a set are swapped.
// False when the user cancels.
bool askForDisk(const QString& text, const QString& title, const std::function<bool()>& diskIsThere, bool askFirst);

} // namespace backup
