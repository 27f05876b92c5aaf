#pragma once

#include <QString>

// The files a backup works with: the platform's temporary folder, the set's files deleted at
// the start and at the end of every save and restore, and the existence test of the utility
// object.
namespace backup::backupFiles {

// The platform's temporary folder, ending in "\".
QString temporaryFolder();

// Deletes the files of `folder` (ending in "\") that match `pattern`; failures are ignored.
void deleteMatching(const QString& folder, const QString& pattern);

// Deletes the set's files ("Salvix.*") in `folder`.
void deleteSetFiles(const QString& folder);

// The utility object's FileExists: a plain file (or a match of a pattern) that answers.
bool fileExists(const QString& path);

} // namespace backup::backupFiles
