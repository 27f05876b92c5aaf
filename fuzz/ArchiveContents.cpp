#include "fuzz/ArchiveContents.h"

#include <sqlite3.h>

namespace fuzz {

namespace {

const char* const cardTables[] = {"Modelli", "SchedaModello", "SchedaPiazzato"};

QString columnText(sqlite3_stmt* statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return QStringLiteral("<Null>");
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

} // namespace

ArchiveContents::ArchiveContents(const QString& hostPath)
{
    sqlite3* database = nullptr;
    if (sqlite3_open_v2(hostPath.toUtf8().constData(), &database, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(database);
        m_rows.append({QStringLiteral("<unreadable>"), QString(), hostPath});
        return;
    }
    for (const char* table : cardTables) {
        sqlite3_stmt* statement = nullptr;
        const QByteArray select = QByteArrayLiteral("SELECT PCMTV, * FROM ") + table;
        if (sqlite3_prepare_v2(database, select.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            m_rows.append({QLatin1String(table), QString(), QStringLiteral("<missing>")});
            continue;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QString text = QLatin1String(table);
            for (int column = 1; column < sqlite3_column_count(statement); ++column)
                text += u'|' + columnText(statement, column);
            m_rows.append({QLatin1String(table), columnText(statement, 0), text});
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(database);
}

QStringList ArchiveContents::all() const
{
    QStringList rows;
    for (const Row& row : m_rows)
        rows.append(row.text);
    return rows;
}

QStringList ArchiveContents::rowsOf(const QString& key) const
{
    return sortedRows(key, true);
}

QStringList ArchiveContents::rowsBesides(const QString& key) const
{
    return sortedRows(key, false);
}

QStringList ArchiveContents::sortedRows(const QString& key, bool ofKey) const
{
    QStringList rows;
    for (const Row& row : m_rows) {
        if ((row.key.compare(key, Qt::CaseInsensitive) == 0) == ofKey)
            rows.append(row.text);
    }
    rows.sort();
    return rows;
}

QStringList ArchiveContents::keysIn(const QString& table) const
{
    QStringList keys;
    for (const Row& row : m_rows) {
        if (row.table == table)
            keys.append(row.key);
    }
    return keys;
}

} // namespace fuzz
