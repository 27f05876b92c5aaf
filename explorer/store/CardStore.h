#pragma once

#include <QString>

// The primitive operations on card archives. Each one opens its own workspace and database and
// closes them before it returns, so other programs can use the files in between.
namespace store {

class Database;
class Workspace;

// Copies the rows of sourceTable that whereClause ("WHERE PCMTV = '...'", the word WHERE
// included) selects into targetTable of the archive at targetPath, which the engine opens
// itself. Only adds rows. The source is opened shared and read-only. Errors go to the error
// dialog as "ModMain_CopyTable": retry runs the failing step again, ignore goes on, abort leaves.
void CopyTable(const QString& sourcePath, const QString& sourceTable, const QString& targetPath,
               const QString& targetTable, const QString& whereClause);

// CopyTable, telling whether every step ran through (at once or on a retry); false when one was
// ignored or the copy was left through the dialog.
bool CopyTableSucceeded(const QString& sourcePath, const QString& sourceTable, const QString& targetPath,
                        const QString& targetTable, const QString& whereClause);

// The same with the source opened in the caller's workspace: when the workspace has the target
// open for writing, the rows go in through it, inside the workspace's transaction.
bool CopyTableSucceeded(Workspace& workspace, const QString& sourcePath, const QString& sourceTable,
                        const QString& targetPath, const QString& targetTable, const QString& whereClause);

// Runs one action statement on the database file, opened shared for writing, under the
// hourglass. Errors go to the error dialog as "EseguiSql"; the pointer comes back however the
// procedure ends.
void EseguiSql(const QString& databasePath, const QString& statement);
// The same on a database the caller holds open, inside whatever transaction it is in.
void EseguiSql(Database& database, const QString& statement);

// Whether Modelli of the current archive holds a row with this key. Errors reach the caller.
bool CardExists(const QString& key);

// Gives the current archive a Modelli row for key when it has none: empty descriptions, base
// size "42", sizes "38,40,42,44,46,48,50,52". An existing row stays as it is. Errors reach the
// caller.
void CreateCardHeader(const QString& key);

} // namespace store
