#pragma once

namespace backup {

class BackupRun;

// The "&Esegui" handler once the window has gathered its options: the settings first, then the
// card archives, each when included, and one message with the outcome. A full disk, a disk that
// is not ready and any other run-time error that reaches it are answered as the card-archive
// procedures answer them; retrying a disk that was not ready runs the failed part again.
void Esegui(BackupRun& run, bool save, bool settings, bool cardArchives);

} // namespace backup
