#pragma once

#include <QString>
#include <QStringList>

namespace store {

// A caller's statement in the engine's dialect, translated for SQLite. Every text or date
// literal of the caller becomes a bound parameter; nothing the caller wrote is pasted into
// another statement.
struct TranslatedStatement {
    enum class Kind { Select, Delete, Update, Insert, InsertSelect, CrossFileInsert };

    Kind kind = Kind::Select;
    QString sql;            // SQLite text with "?" parameters; for the two kinds of INSERT ... SELECT the SELECT
    QStringList parameters; // values of the parameters, in order
    QString table;          // Select reading one table: that table; INSERT ... SELECT: the target table
    QString rowidSql;       // Select reading one table: the same select with the row id first
    QString targetFile;     // CrossFileInsert: the file after IN, as written

    friend bool operator==(const TranslatedStatement&, const TranslatedStatement&) = default;
};

struct TranslatedExpression {
    QString sql;
    QStringList parameters;
};

// The dialect: "DELETE * FROM t ...", "INSERT INTO t IN "file" SELECT ...", "SELECT TOP n",
// DISTINCTROW, [bracketed names], texts between ' or ", #dates#, "&" joining texts, True = -1,
// False = 0, Mod, t!column. A table name alone selects the whole table. Raises 3129, 3075, 3131
// and 3142 for what it cannot read.
class SqlDialect {
public:
    static TranslatedStatement translateStatement(const QString& statement);
    static TranslatedStatement translateSelect(const QString& statementOrTable);
    static TranslatedExpression translateCriteria(const QString& criteria);
    static QString quoteIdentifier(const QString& name);
};

} // namespace store
