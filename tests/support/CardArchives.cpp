#include "tests/support/CardArchives.h"

#include <array>

#include <sqlite3.h>

#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "platform/WindowsPath.h"

using automation::Variant;

namespace {

// The select's rows, on the archive opened shared and read-only.
void openForReading(store::DatabaseSession& session, const QString& archivePath, const QString& select)
{
    session.workspace = store::Engine::instance().CreateWorkspace();
    session.database = session.workspace.OpenDatabase(archivePath, false, true);
    session.recordset = session.database.OpenRecordset(select);
}

} // namespace

const QString CardArchives::folder = QStringLiteral("C:\\Schede\\");

CardArchives::Card CardArchives::card(const QString& key)
{
    return {key,
            {QStringLiteral("Collezione ") + key, QStringLiteral("Variante ") + key, QStringLiteral("Capo ") + key,
             QStringLiteral("42"), QStringLiteral("38,40,42")}};
}

QString CardArchives::create(const QString& name, const QList<Card>& cards)
{
    createFile(name + QStringLiteral(".mdb"), cards);
    return path(name);
}

void CardArchives::createFile(const QString& fileName, const QList<Card>& cards)
{
    const QString archivePath = folder + fileName;
    store::CardArchiveSchema::createEmpty(archivePath);
    if (cards.isEmpty())
        return;
    static const std::array<QString, 5> names{QStringLiteral("DescCollezione"), QStringLiteral("DescVariante"),
                                              QStringLiteral("DescCapo"), QStringLiteral("TagliaBase"),
                                              QStringLiteral("GammaTaglie")};
    store::DatabaseSession session;
    auto& [workspace, database, rows] = session;
    workspace = store::Engine::instance().CreateWorkspace();
    database = workspace.OpenDatabase(archivePath);
    rows = database.OpenRecordset(QStringLiteral("Modelli"));
    workspace.BeginTrans();
    for (const Card& card : cards) {
        rows.AddNew();
        rows.Fields(QStringLiteral("PCMTV")).SetValue(card.key);
        for (qsizetype field = 0; field < card.fields.size() && field < qsizetype(names.size()); ++field) {
            if (card.fields[field])
                rows.Fields(names[std::size_t(field)]).SetValue(*card.fields[field]);
        }
        rows.Update();
    }
    workspace.CommitTrans();
    session.close();
}

QString CardArchives::createWithKeys(const QString& name, const QStringList& keys)
{
    QList<Card> cards;
    for (const QString& key : keys)
        cards.append(card(key));
    return create(name, cards);
}

void CardArchives::addRow(const QString& archivePath, const QString& table, const Row& row)
{
    store::DatabaseSession session;
    auto& [workspace, database, rows] = session;
    workspace = store::Engine::instance().CreateWorkspace();
    database = workspace.OpenDatabase(archivePath);
    rows = database.OpenRecordset(table);
    rows.AddNew();
    for (const auto& [column, value] : row)
        rows.Fields(column).SetValue(value);
    rows.Update();
    session.close();
}

QStringList CardArchives::rows(const QString& archivePath, const QString& select, const QStringList& columns)
{
    store::DatabaseSession session;
    openForReading(session, archivePath, select);
    store::Recordset& rows = session.recordset;
    QStringList result;
    for (; !rows.Eof(); rows.MoveNext()) {
        QStringList values;
        for (const QString& column : columns) {
            const Variant value = rows.Fields(column).Value();
            values.append(value.isNull() ? QStringLiteral("<Null>") : value.toString());
        }
        result.append(values.join(u'|'));
    }
    session.close();
    return result;
}

QStringList CardArchives::values(const QString& archivePath, const QString& select)
{
    store::DatabaseSession session;
    openForReading(session, archivePath, select);
    store::Recordset& rows = session.recordset;
    QStringList result;
    for (; !rows.Eof(); rows.MoveNext())
        result.append(rows.Fields(0).Value().displayText());
    session.close();
    return result;
}

QStringList CardArchives::keysIn(const QString& archivePath, const QString& table)
{
    QStringList keys = values(archivePath, QStringLiteral("SELECT PCMTV FROM ") + table);
    keys.sort();
    return keys;
}

void CardArchives::execute(const QString& archivePath, const QString& statement)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    workspace.OpenDatabase(archivePath).Execute(statement);
    workspace.Close();
}

QString CardArchives::stored(const QString& archivePath, const QString& select)
{
    sqlite3* database = nullptr;
    // Read-write, as the sqlite3 shell opens a file: a journal a killed writer left is rolled back.
    sqlite3_open_v2(platform::windowsPath::toHost(archivePath).toUtf8().constData(), &database, SQLITE_OPEN_READWRITE,
                    nullptr);
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

QString CardArchives::integrityOf(const QString& archivePath)
{
    return stored(archivePath, QStringLiteral("PRAGMA integrity_check")).remove(QStringLiteral("text:"));
}

bool CardArchives::executePastTheEngine(const QString& archivePath, const QString& sql)
{
    sqlite3* database = nullptr;
    sqlite3_open_v2(platform::windowsPath::toHost(archivePath).toUtf8().constData(), &database, SQLITE_OPEN_READWRITE,
                    nullptr);
    const int result = sqlite3_exec(database, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(database);
    return result == SQLITE_OK;
}
