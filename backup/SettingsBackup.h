#pragma once

namespace backup {

class BackupRun;

// The settings' part of "&Esegui", on a disk (or a folder pass) of its own: the configuration
// database and the two print templates compressed into "Tramex Config.zip", and plain copies of
// the three shared INI files of the Windows folder. Failed steps are skipped; a failed copy to or
// from the disk reaches the "&Esegui" handler. The run's outcome flag is set only when every part
// was saved or restored.

void saveSettings(BackupRun& run);

// Extracts "Tramex Config.zip" where its files were saved from, and puts each INI file of the
// backup in place of the current one, which stays beside it under its name and ".Copia".
void restoreSettings(BackupRun& run);

} // namespace backup
