#include "fuzz/StatementCheck.h"

#include <functional>

#include <sqlite3.h>

#include "explorer/store/engine/SqlDialect.h"
#include "explorer/store/engine/TranslatedStatements.h"
#include "fuzz/FuzzWorld.h"
#include "platform/RuntimeError.h"

namespace fuzz {

namespace {

using Kind = store::TranslatedStatement::Kind;

constexpr qsizetype longestStatement = 2048;

bool blankOrSemicolons(const char* tail)
{
    for (; *tail; ++tail) {
        if (*tail != ';' && *tail != ' ' && *tail != '\t' && *tail != '\r' && *tail != '\n')
            return false;
    }
    return true;
}

// SQLite takes the text as one statement with as many parameters as were bound, and one that
// only reads when it was read as a select.
QString preparedBroken(sqlite3* database, const QString& sql, const QStringList& parameters, bool reads)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(database, text.constData(), int(text.size()), &statement, &tail) != SQLITE_OK)
        return QString(); // a name that is not in the archive, or what SQLite cannot read: it refuses
    QString broken;
    if (!statement || !blankOrSemicolons(tail))
        broken = QStringLiteral("\"%1\" is not one statement").arg(sql);
    else if (sqlite3_bind_parameter_count(statement) != parameters.size())
        broken = QStringLiteral("\"%1\" has %2 parameters for %3 values")
                     .arg(sql)
                     .arg(sqlite3_bind_parameter_count(statement))
                     .arg(parameters.size());
    else if (reads && !sqlite3_stmt_readonly(statement))
        broken = QStringLiteral("the select \"%1\" writes").arg(sql);
    sqlite3_finalize(statement);
    return broken;
}

struct TranslationOutcome {
    store::TranslatedStatement translated;
    int error = 0;
    QString description;
    friend bool operator==(const TranslationOutcome&, const TranslationOutcome&) = default;
};

TranslationOutcome outcomeOf(const std::function<store::TranslatedStatement()>& translate)
{
    try {
        return {translate(), 0, {}};
    } catch (const platform::RuntimeError& error) {
        return {{}, error.number(), error.description()};
    }
}

sqlite3* openArchive()
{
    sqlite3* database = nullptr;
    sqlite3_open_v2(FuzzWorld::instance().archiveHostPath().toUtf8().constData(), &database, SQLITE_OPEN_READONLY,
                    nullptr);
    return database;
}

} // namespace

// A statement of the dialect becomes one SQLite statement, its texts bound as parameters, and a
// select stays a select; what the dialect cannot read it refuses with an error; the translation
// the engine remembers by shape is the dialect's own, error for error.
QString checkStatement(const QByteArray& input)
{
    static sqlite3* database = openArchive();
    const QString text = QString::fromUtf8(input.first(std::min(input.size(), longestStatement)));
    const TranslationOutcome direct = outcomeOf([&] { return store::SqlDialect::translateStatement(text); });
    if (outcomeOf([&] { return store::TranslatedStatements::instance().statement(text); }) != direct)
        return QStringLiteral("\"%1\" translates otherwise when remembered by its shape").arg(text);
    if (direct.error != 0)
        return QString();
    const store::TranslatedStatement& statement = direct.translated;
    const bool reads = statement.kind == Kind::Select;
    if (QString broken = preparedBroken(database, statement.sql, statement.parameters, reads); !broken.isEmpty())
        return broken;
    if (!statement.rowidSql.isEmpty())
        return preparedBroken(database, statement.rowidSql, statement.parameters, reads);
    return QString();
}

} // namespace fuzz
