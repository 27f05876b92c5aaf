#pragma once

#include <optional>

#include <QList>
#include <QString>
#include <QStringView>

namespace platform {
class Workstation;
}

// Windows-form paths on the workstation: "C:\Tramex\Schede\A.mdb" and the host paths behind them.
namespace platform::windowsPath {

// "X:\..." or "\..." (on the current drive); "\\server\..." is refused by toHost.
bool isAbsolute(const QString& path);

// Maps a Windows path (absolute or relative to the current folder) to its host path. Each
// existing component is matched ignoring case; the rest keep their spelling. Both "\" and "/"
// separate components. Raises 52 for UNC paths, 68 for an unmapped drive, 71 for a drive that
// is not ready.
QString toHost(const QString& path);

// Maps a host path back to the drive with the longest matching folder (Z: at worst); empty
// when no drive holds it.
QString fromHost(const QString& hostPath);

// The same on a given workstation rather than the process's.
QString toHost(const Workstation& workstation, const QString& path);
QString fromHost(const Workstation& workstation, const QString& hostPath);

// The absolute Windows form of a path ("C:\A\b.txt"), resolved against the current folder,
// "." and ".." applied, without matching anything on disk. Raises 52 for a bad name.
QString fullPath(const QString& path);

// The process's current folder in Windows form.
QString currentFolder();

// The host path of an existing program: the path itself, or without its ".exe" when only that
// exists. Empty when neither exists.
QString resolveProgram(const QString& path);

// The longest of the prefixes of text ending at the given positions (in ascending order) that
// resolveProgram takes for a program, with the program's host path. The prefixes are resolved in
// one walk along the text: a few look-ups each, however long it is.
struct ProgramPrefix {
    qsizetype length = 0;
    QString hostPath;
};
std::optional<ProgramPrefix> longestProgramPrefix(QStringView text, const QList<qsizetype>& ends);

// Whether Windows takes the name as one file in a folder: not empty, no separator, not dots and
// blanks alone ("." , "..", "..."), none of the characters Windows refuses in names, and no device name ("CON", "NUL",
// "COM1", ...) with or without an extension.
bool isPlainFileName(QStringView name);

// Splits off the last component: folder part (with its trailing "\") and name.
QString folderPart(const QString& path);
QString namePart(const QString& path);

} // namespace platform::windowsPath
