#include "explorer/store/engine/DatabaseFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "explorer/store/engine/DatabasePath.h"
#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/FileLock.h"
#include "explorer/store/engine/SqlDialect.h"
#include "explorer/store/engine/SqliteConnection.h"
#include "platform/TemporaryBeside.h"

namespace store {

namespace {

// The new file beside target, after the leftovers of killed writers of target are gone.
std::unique_ptr<platform::TemporaryBeside> newFileBeside(const QString& target)
{
    try {
        platform::TemporaryBeside::removeLeftovers(target);
        return std::make_unique<platform::TemporaryBeside>(target);
    } catch (const platform::RuntimeError&) {
        throw engineError::make(engineError::DiskError);
    }
}

void syncPath(const QString& hostPath, int flags)
{
    const int descriptor = ::open(QFile::encodeName(hostPath).constData(), flags | O_CLOEXEC);
    if (descriptor < 0)
        throw engineError::make(engineError::DiskError);
    const int result = ::fsync(descriptor);
    ::close(descriptor);
    if (result != 0)
        throw engineError::make(engineError::DiskError);
}

void syncFolderOf(const QString& hostPath)
{
    syncPath(QFileInfo(hostPath).absolutePath(), O_RDONLY | O_DIRECTORY);
}

// Moves a finished file to target without ever replacing a file that appeared there meanwhile.
void moveIntoPlaceIfAbsent(platform::TemporaryBeside& file, const QString& target, const QString& displayPath)
{
    const QByteArray from = QFile::encodeName(file.path());
    const QByteArray to = QFile::encodeName(target);
    int result = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
        result = ::link(from.constData(), to.constData());
        if (result == 0)
            ::unlink(from.constData());
    }
    if (result != 0) {
        if (errno == EEXIST)
            throw engineError::databaseExists(displayPath);
        throw engineError::make(engineError::DiskError);
    }
    file.renamed();
    syncFolderOf(target);
}

void replaceWith(platform::TemporaryBeside& file, const QString& target)
{
    struct stat status {};
    if (::stat(QFile::encodeName(target).constData(), &status) == 0)
        ::chmod(QFile::encodeName(file.path()).constData(), status.st_mode & 07777);
    if (::rename(QFile::encodeName(file.path()).constData(), QFile::encodeName(target).constData()) != 0)
        throw engineError::make(engineError::DiskError);
    file.renamed();
    syncFolderOf(target);
}

QString tableStatement(const TableDefinition& table)
{
    QStringList columns;
    for (const ColumnDefinition& column : table.columns) {
        QString definition =
            SqlDialect::quoteIdentifier(column.name) + QLatin1Char(' ') + declarationOf(column.type, column.size);
        if (column.type == dbText || column.type == dbMemo)
            definition += QStringLiteral(" COLLATE NOCASE");
        if (table.keyColumns.contains(column.name))
            definition += QStringLiteral(" NOT NULL");
        columns.append(definition);
    }
    if (!table.keyColumns.isEmpty()) {
        QStringList key;
        for (const QString& column : table.keyColumns)
            key.append(SqlDialect::quoteIdentifier(column));
        columns.append(QStringLiteral("PRIMARY KEY (%1)").arg(key.join(QStringLiteral(", "))));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(SqlDialect::quoteIdentifier(table.name), columns.join(QStringLiteral(", ")));
}

QString indexStatement(const TableDefinition& table, const QString& column)
{
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
        .arg(SqlDialect::quoteIdentifier(table.name + QLatin1Char('_') + column),
             SqlDialect::quoteIdentifier(table.name), SqlDialect::quoteIdentifier(column));
}

void checkIntegrity(const QString& hostPath, const QString& displayPath)
{
    SqliteConnection copy = SqliteConnection::open(hostPath, true, displayPath);
    SqliteStatement check = copy.prepare(QStringLiteral("PRAGMA integrity_check"), QString());
    if (!check.step() || check.columnText(0) != QLatin1String("ok"))
        throw engineError::corruptDatabase(displayPath);
}

} // namespace

void DatabaseFile::create(const QString& windowsPath, const QList<TableDefinition>& tables)
{
    const QString path = DatabasePath::withDefaultExtension(windowsPath);
    const QString host = DatabasePath::newHostPath(path);
    if (QFileInfo::exists(host))
        throw engineError::databaseExists(path);
    const auto file = newFileBeside(host);
    {
        SqliteConnection connection = SqliteConnection::create(file->path(), path);
        connection.execute(QStringLiteral("BEGIN"));
        for (const TableDefinition& table : tables) {
            connection.execute(tableStatement(table));
            for (const QString& column : table.indexedColumns)
                connection.execute(indexStatement(table, column));
        }
        connection.execute(QStringLiteral("COMMIT"));
    }
    syncPath(file->path(), O_RDONLY);
    moveIntoPlaceIfAbsent(*file, host, path);
}

void DatabaseFile::compact(const QString& windowsPath)
{
    const QString path = DatabasePath::withDefaultExtension(windowsPath);
    const QString host = DatabasePath::existingHostPath(path);
    const FileLock lock = FileLock::acquire(host, FileLock::Mode::Exclusive, path);
    SqliteConnection connection = SqliteConnection::open(host, false, path);
    const auto file = newFileBeside(host);
    SqliteStatement vacuum = connection.prepare(QStringLiteral("VACUUM INTO ?"), QString());
    vacuum.bindText(1, file->path());
    vacuum.step();
    checkIntegrity(file->path(), path);
    syncPath(file->path(), O_RDONLY);
    replaceWith(*file, host);
}

} // namespace store
