#pragma once

#include <QString>

#include "explorer/store/engine/FileLock.h"
#include "explorer/store/engine/SqlDialect.h"

namespace store {

class SqliteConnection;

// The file after IN, looked up once for all that the copy asks of it.
struct TargetFile {
    QString path;     // the Windows path, with its extension
    QString hostPath; // raises 3024 (3044) when there is no such file (folder)
    FileIdentity identity;

    static TargetFile of(const QString& file);
};

// "INSERT INTO t SELECT ..." and "INSERT INTO t IN "file" SELECT ...": the columns of the
// select go into the columns of t with the same names, ignoring case, never by position; a
// column t lacks is refused (3127). Both return the number of rows written.
class InsertSelect {
public:
    // Into table t of the same database, as one statement.
    static int intoSameFile(SqliteConnection& connection, const TranslatedStatement& statement,
                            const QString& callerText);
    // Into table t of another file, never opened by the caller, under a shared lock of that
    // file (3045 while someone holds it exclusively): all the rows or none, committed at once
    // whatever the transaction of the source's workspace.
    static int intoOtherFile(SqliteConnection& source, const FileLock& sourceLock, const TargetFile& target,
                             const TranslatedStatement& statement, const QString& callerText);
    // Into table t of another file that the caller already has open for writing, through that
    // connection: the rows join whatever transaction it is in, all of them or none.
    static int intoOpenFile(const SqliteConnection& source, SqliteConnection& target,
                            const TranslatedStatement& statement, const QString& callerText);
};

} // namespace store
