#pragma once

#include <QString>

namespace platform {

// The names in host folders by their case-folded forms, for finding the entry that Windows would
// take for a name. A folder is read once and then kept current by the kernel's notices of the
// entries created, deleted and renamed in it (inotify), so that looking up a name that does not
// exist costs no listing however large the folder is. Folders on network file systems, whose
// changes by other machines send no notice, are read again at each look-up, as are all folders
// when notices cannot be had. The number of folders and names kept is bounded.
class FolderNames {
public:
    // The entry of hostFolder whose name differs from name only in case, the first in the order
    // of Windows names when several do; empty when there is none or the folder cannot be read.
    static QString caseInsensitiveMatch(const QString& hostFolder, const QString& name);
};

} // namespace platform
