#include "StoreTestSupport.h"

#include "explorer/store/CardArchiveSchema.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <sqlite3.h>

const QString StoreTest::folder = QStringLiteral("C:\\Schede\\");

LockHolder::LockHolder(const QString& workstation, const QString& windowsPath, const QString& mode)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), workstation);
    m_process.setProcessEnvironment(environment);
    m_process.start(builtProgram(QStringLiteral("store_lock_holder")), {windowsPath, mode});
    if (!m_process.waitForStarted(10000)) {
        m_status = QStringLiteral("not started");
        return;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
    }
    m_status = QString::fromUtf8(m_process.readLine()).trimmed();
}

LockHolder::~LockHolder()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(10000))
        kill();
}

void LockHolder::kill()
{
    m_process.kill();
    m_process.waitForFinished(10000);
}

StoreTest::StoreTest()
{
    platform::Workstation::layOutDefault(m_root.path());
    platform::Workstation::use(m_root.path());
    QDir().mkpath(hostPath(QStringLiteral("C:\\")) + QStringLiteral("/Schede"));
}

QString StoreTest::hostPath(const QString& windowsPath)
{
    return platform::windowsPath::toHost(windowsPath);
}

QString builtProgram(const QString& name)
{
    // Programs are built beside the test program; TRAMEX_BIN_DIR may say so too.
    QString folder = qEnvironmentVariable("TRAMEX_BIN_DIR");
    if (folder.isEmpty())
        folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return folder + QLatin1Char('/') + name;
}

std::unique_ptr<LockHolder> StoreTest::holder(const QString& windowsPath, const QString& mode) const
{
    return std::make_unique<LockHolder>(root(), windowsPath, mode);
}

QString StoreTest::cardArchive(const QString& name)
{
    store::CardArchiveSchema::createEmpty(path(name));
    return path(name);
}

void StoreTest::addCard(const QString& archivePath, const QString& key, int pieces)
{
    store::Workspace session = workspace();
    store::Database database = session.OpenDatabase(archivePath);
    session.BeginTrans();
    store::Recordset header = database.OpenRecordset(QStringLiteral("Modelli"));
    header.AddNew();
    header.Fields(QStringLiteral("PCMTV")).SetValue(key);
    header.Fields(QStringLiteral("DescCapo")).SetValue(QStringLiteral("Giacca ") + key);
    header.Update();
    store::Recordset rows = database.OpenRecordset(QStringLiteral("SchedaModello"));
    for (int row = 1; row <= pieces; ++row) {
        rows.AddNew();
        rows.Fields(QStringLiteral("PCMTV")).SetValue(key);
        rows.Fields(QStringLiteral("NumeroRiga")).SetValue(automation::Variant::fromLong(row));
        rows.Fields(QStringLiteral("SPN")).SetValue(QStringLiteral("%1-%2").arg(key).arg(row));
        rows.Fields(QStringLiteral("Digit")).SetValue(automation::Variant::fromLong(row));
        rows.Update();
    }
    session.CommitTrans();
    session.Close();
}

QStringList StoreTest::values(const QString& archivePath, const QString& select)
{
    store::Workspace session = workspace();
    store::Database database = session.OpenDatabase(archivePath, false, true);
    store::Recordset rows = database.OpenRecordset(select);
    QStringList result;
    for (; !rows.Eof(); rows.MoveNext())
        result.append(rows.Fields(0).Value().displayText());
    session.Close();
    return result;
}

void StoreTest::execute(const QString& archivePath, const QString& statement)
{
    store::Workspace session = workspace();
    session.OpenDatabase(archivePath).Execute(statement);
    session.Close();
}

QString StoreTest::stored(const QString& archivePath, const QString& select)
{
    sqlite3* database = nullptr;
    // Read-write, as the sqlite3 shell opens a file: a journal a killed writer left is rolled back.
    sqlite3_open_v2(hostPath(archivePath).toUtf8().constData(), &database, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(database, select.toUtf8().constData(), -1, &statement, nullptr);
    QString result = QStringLiteral("no row");
    if (sqlite3_step(statement) == SQLITE_ROW) {
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        switch (sqlite3_column_type(statement, 0)) {
        case SQLITE_NULL:
            result = QStringLiteral("NULL");
            break;
        case SQLITE_INTEGER:
            result = QStringLiteral("integer:") + text;
            break;
        case SQLITE_FLOAT:
            result = QStringLiteral("real:") + text;
            break;
        default:
            result = QStringLiteral("text:") + text;
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(database);
    return result;
}

QString StoreTest::integrityOf(const QString& archivePath)
{
    return stored(archivePath, QStringLiteral("PRAGMA integrity_check")).remove(QStringLiteral("text:"));
}

void StoreTest::executePastTheEngine(const QString& archivePath, const QString& sql)
{
    sqlite3* database = nullptr;
    sqlite3_open_v2(hostPath(archivePath).toUtf8().constData(), &database, SQLITE_OPEN_READWRITE, nullptr);
    char* message = nullptr;
    const int result = sqlite3_exec(database, sql.toUtf8().constData(), nullptr, nullptr, &message);
    EXPECT_EQ(result, SQLITE_OK) << (message != nullptr ? message : "");
    sqlite3_free(message);
    sqlite3_close(database);
}
