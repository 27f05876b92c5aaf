#pragma once

#include <QString>

// Windows-form paths on the workstation: "C:\Tramex\Schede\A.mdb" and the host paths behind them.
namespace platform::windowsPath {

// "X:\..." or "\..." (on the current drive); "\\server\..." is refused by toHost.
bool isAbsolute(const QString& path);

// Maps a Windows path (absolute or relative to the current folder) to its host path. Each
// existing component is matched ignoring case; the rest keep their spelling. Both "\" and "/"
// separate components. Raises 52 for UNC paths, 68 for an unmapped drive, 71 for a drive that
// is not ready.
QString toHost(const QString& path);

// Maps a host path back to the drive with the longest matching folder (Z: at worst).
QString fromHost(const QString& hostPath);

// The process's current folder in Windows form.
QString currentFolder();

// The host path of an existing program: the path itself, or without its ".exe" when only that
// exists. Empty when neither exists.
QString resolveProgram(const QString& path);

// Splits off the last component: folder part (with its trailing "\") and name.
QString folderPart(const QString& path);
QString namePart(const QString& path);

} // namespace platform::windowsPath
