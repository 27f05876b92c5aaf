#pragma once

#include "explorer/store/SqlDialect.h"

#include <QString>

namespace store {

class FileLock;
class SqliteConnection;

// "INSERT INTO t IN "file" SELECT ...": reads the rows from the source connection and writes
// them into table t of the other file, in one transaction of that file, under a shared lock
// of that file. Columns are matched by name ignoring case, never by position; a source column
// the target lacks is refused (3127).
class CrossFileInsert {
public:
    // Returns the number of rows written.
    static int run(const SqliteConnection& source, const FileLock& sourceLock, const TranslatedStatement& statement,
                   const QString& callerText);
};

} // namespace store
