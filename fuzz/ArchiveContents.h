#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace fuzz {

// Every row of a card archive's tables, read with SQLite itself past the engine, each as
// "table|value|value|..." beside its card's key, in the order SQLite keeps them.
class ArchiveContents {
public:
    explicit ArchiveContents(const QString& hostPath);

    QStringList all() const;
    // Sorted rows of one card, and of every other card; keys match ignoring case, as in the archive.
    QStringList rowsOf(const QString& key) const;
    QStringList rowsBesides(const QString& key) const;
    // The keys of one table's rows, as often as they occur.
    QStringList keysIn(const QString& table) const;

private:
    QStringList sortedRows(const QString& key, bool ofKey) const;

    struct Row {
        QString table;
        QString key;
        QString text;
    };
    QList<Row> m_rows;
};

} // namespace fuzz
