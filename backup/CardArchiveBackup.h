#pragma once

namespace backup {

class BackupRun;

// The card archives' part of "&Esegui". Both trap their errors (answerBackupError) and set the
// run's outcome flag only when they complete.

// Compresses the selected archives into "Salvix.zip" and writes it into the chosen folder, cut
// into pieces of one disk each ("Salvix.zip.1.spf", ...) when it does not fit on one, asking for
// each disk of a removable drive; the description file on each disk names its file, and the last
// one the date and the number of disks.
void saveCardArchives(BackupRun& run);

// Reads the set's description from its last disk, copies its file or pieces into the temporary
// folder, joins them and extracts every archive back into the folder it was saved from. A damaged
// set changes no archive.
void restoreCardArchives(BackupRun& run);

} // namespace backup
