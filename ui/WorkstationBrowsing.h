#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace platform {
struct Drive;
}

// What the pickers show of the workstation, in Windows form only: its drives by their letters,
// its folders and the files in them.
namespace ui::workstationBrowsing {

// "C:", "A: (rimovibile)", "A: (rimovibile, non pronta)", "E: (CD-ROM)", "N: (di rete)".
QString driveCaption(const platform::Drive& drive, bool ready);

// The folder a Windows path names, as the workstation spells it ("c:\tramex" gives
// "C:\Tramex\"), ending in "\"; none when it is no folder, its drive is unmapped or not ready,
// or the name is bad.
std::optional<QString> existingFolder(const QString& windowsPath);

// The folder itself when it exists, else the nearest folder above it that does; none when not
// even its drive's root does.
std::optional<QString> nearestExistingFolder(const QString& windowsPath);

// The folder above ("C:\Dati\" for "C:\Dati\Export\"); a drive's root is its own parent.
QString parentFolder(const QString& folder);

struct FolderEntries {
    QStringList folders;
    QStringList files;
};

// The folders in folder (hidden and system ones left out, as the platform's listing does) and
// its files that match one of the patterns ("*.csv;*.txt" as one pattern list each), both in
// the listing's order. Raises the listing's errors (71 for a drive that is not ready).
FolderEntries entriesOf(const QString& folder, const QStringList& patterns);

} // namespace ui::workstationBrowsing
