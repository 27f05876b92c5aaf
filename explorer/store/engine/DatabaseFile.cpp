#include "explorer/store/engine/DatabaseFile.h"

#include "explorer/store/engine/DatabasePath.h"
#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/FileLock.h"
#include "explorer/store/engine/SqlDialect.h"
#include "explorer/store/engine/SqliteConnection.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

// A hidden file beside target that is removed, with its journal, unless it was renamed into place.
class FileBeside {
public:
    explicit FileBeside(const QString& target)
    {
        const QFileInfo info(target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString candidate =
                info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
            // Created empty, with the permissions a new file gets here.
            const int descriptor =
                ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor >= 0) {
                ::close(descriptor);
                m_path = candidate;
                return;
            }
            if (errno != EEXIST)
                break;
        }
        throw engineError::make(engineError::DiskError);
    }
    ~FileBeside()
    {
        if (m_path.isEmpty())
            return;
        QFile::remove(m_path);
        QFile::remove(m_path + QStringLiteral("-journal"));
    }
    FileBeside(const FileBeside&) = delete;
    FileBeside& operator=(const FileBeside&) = delete;

    QString path() const { return m_path; }
    void keep() { m_path.clear(); }

private:
    QString m_path;
};

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
void moveIntoPlaceIfAbsent(FileBeside& file, const QString& target, const QString& displayPath)
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
    file.keep();
    syncFolderOf(target);
}

void replaceWith(FileBeside& file, const QString& target)
{
    struct stat status {};
    if (::stat(QFile::encodeName(target).constData(), &status) == 0)
        ::chmod(QFile::encodeName(file.path()).constData(), status.st_mode & 07777);
    if (::rename(QFile::encodeName(file.path()).constData(), QFile::encodeName(target).constData()) != 0)
        throw engineError::make(engineError::DiskError);
    file.keep();
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
        columns.append(definition);
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
    FileBeside file(host);
    {
        SqliteConnection connection = SqliteConnection::create(file.path(), path);
        connection.execute(QStringLiteral("BEGIN"));
        for (const TableDefinition& table : tables) {
            connection.execute(tableStatement(table));
            for (const QString& column : table.indexedColumns)
                connection.execute(indexStatement(table, column));
        }
        connection.execute(QStringLiteral("COMMIT"));
    }
    syncPath(file.path(), O_RDONLY);
    moveIntoPlaceIfAbsent(file, host, path);
}

void DatabaseFile::compact(const QString& windowsPath)
{
    const QString path = DatabasePath::withDefaultExtension(windowsPath);
    const QString host = DatabasePath::existingHostPath(path);
    const FileLock lock = FileLock::acquire(host, FileLock::Mode::Exclusive, path);
    SqliteConnection connection = SqliteConnection::open(host, false, path);
    FileBeside file(host);
    SqliteStatement vacuum = connection.prepare(QStringLiteral("VACUUM INTO ?"), QString());
    vacuum.bindText(1, file.path());
    vacuum.step();
    checkIntegrity(file.path(), path);
    syncPath(file.path(), O_RDONLY);
    replaceWith(file, host);
}

} // namespace store
