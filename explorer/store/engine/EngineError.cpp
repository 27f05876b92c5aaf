#include "explorer/store/engine/EngineError.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include "platform/ErrorNumber.h"

namespace store::engineError {

namespace {

QString fixedDescription(Number number)
{
    switch (number) {
    case UpdateWithoutEdit:
        return QStringLiteral("Update or CancelUpdate without AddNew or Edit.");
    case NoCurrentRecord:
        return QStringLiteral("No current record.");
    case DuplicateKey:
        return QStringLiteral(
            "The changes you requested to the table were not successful because they would create duplicate "
            "values in the index, primary key, or relationship.  Change the data in the field or fields that "
            "contain duplicate data, remove the index, or redefine the index to permit duplicate entries and "
            "try again.");
    case DiskFull:
        return QStringLiteral("Not enough space on disk.");
    case ReadOnly:
        return QStringLiteral("Cannot update.  Database or object is read-only.");
    case InvalidAccount:
        return QStringLiteral("Not a valid account name or password.");
    case NoTransaction:
        return QStringLiteral("You tried to commit or rollback a transaction without first beginning a transaction.");
    case DiskError:
        return QStringLiteral("Disk or network error.");
    case TooFewParameters:
        return QStringLiteral("Too few parameters. Expected 1.");
    case SelectNotExecutable:
        return QStringLiteral("Cannot execute a select query.");
    case InvalidStatement:
        return QStringLiteral(
            "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'.");
    case FromClauseError:
        return QStringLiteral("Syntax error in FROM clause.");
    case CharactersAfterEnd:
        return QStringLiteral("Characters found after end of SQL statement.");
    case FieldTooSmall:
        return QStringLiteral(
            "The field is too small to accept the amount of data you attempted to add.  Try inserting or pasting "
            "less data.");
    case FieldNotUpdatable:
        return QStringLiteral("Field cannot be updated.");
    case RecordDeleted:
        return QStringLiteral("Record is deleted.");
    case CurrentlyLocked:
        return QStringLiteral("Could not update; currently locked.");
    case InvalidOperation:
        return QStringLiteral("Invalid operation.");
    case ItemNotFound:
        return QStringLiteral("Item not found in this collection.");
    case ValidationRule:
        return QStringLiteral(
            "One or more values are prohibited by the validation rule set for the table.  Enter a value that the "
            "expression for this field can accept.");
    case ObjectClosed:
        return QStringLiteral("Object invalid or no longer set.");
    case ConversionError:
        return QStringLiteral("Data type conversion error.");
    default:
        return platform::RuntimeError::standardDescription(number);
    }
}

platform::RuntimeError withName(Number number, const QString& pattern, const QString& name)
{
    return platform::RuntimeError(number, pattern.arg(name));
}

QString capture(const QString& message, const QString& pattern)
{
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(message);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString withoutSchema(QString name)
{
    if (name.startsWith(QLatin1String("main."), Qt::CaseInsensitive))
        name.remove(0, 5);
    return name;
}

platform::RuntimeError fromSqliteMessage(int resultCode, const QString& message, const QString& statement)
{
    const QString table = capture(message, QStringLiteral("^no such table: (.+)$"));
    if (!table.isEmpty())
        return tableNotFound(withoutSchema(table));
    if (message.startsWith(QLatin1String("no such column:")))
        return make(TooFewParameters);
    const QString insertField = capture(message, QStringLiteral("^table .+ has no column named (.+)$"));
    if (!insertField.isEmpty())
        return unknownInsertField(insertField);
    const QString function = capture(message, QStringLiteral("^no such function: (.+)$"));
    if (!function.isEmpty())
        return withName(UndefinedFunction, QStringLiteral("Undefined function '%1' in expression."), function);
    if (message.contains(QLatin1String("syntax error")) || message.startsWith(QLatin1String("near ")) ||
        message.contains(QLatin1String("incomplete input")))
        return syntaxError(statement);
    return platform::RuntimeError(3000, QStringLiteral("Reserved error (%1); %2.").arg(resultCode).arg(message));
}

} // namespace

platform::RuntimeError make(Number number)
{
    return platform::RuntimeError(number, fixedDescription(number));
}

platform::RuntimeError fileNotFound(const QString& path)
{
    return withName(FileNotFound, QStringLiteral("Could not find file '%1'."), path);
}

platform::RuntimeError invalidPath(const QString& folder)
{
    return withName(InvalidPath,
                    QStringLiteral("'%1' is not a valid path.  Make sure that the path name is spelled correctly "
                                   "and that you are connected to the server on which the file resides."),
                    folder);
}

platform::RuntimeError fileInUse(const QString& path)
{
    return withName(FileInUse, QStringLiteral("Could not use '%1'; file already in use."), path);
}

platform::RuntimeError cannotOpenFile(const QString& path)
{
    return withName(CannotOpenFile,
                    QStringLiteral("The Microsoft Jet database engine cannot open the file '%1'.  It is already "
                                   "opened exclusively by another user, or you need permission to view its data."),
                    path);
}

platform::RuntimeError unrecognizedFormat(const QString& path)
{
    return withName(UnrecognizedFormat, QStringLiteral("Unrecognized database format '%1'."), path);
}

platform::RuntimeError corruptDatabase(const QString& path)
{
    return withName(CorruptDatabase,
                    QStringLiteral("Cannot open database '%1'.  It may not be a database that your application "
                                   "recognizes, or the file may be corrupt."),
                    path);
}

platform::RuntimeError databaseExists(const QString& path)
{
    return withName(DatabaseExists, QStringLiteral("Database '%1' already exists."), path);
}

platform::RuntimeError tableNotFound(const QString& name)
{
    return withName(TableNotFound,
                    QStringLiteral("The Microsoft Jet database engine cannot find the input table or query '%1'.  "
                                   "Make sure it exists and that its name is spelled correctly."),
                    name);
}

platform::RuntimeError unknownInsertField(const QString& name)
{
    return withName(UnknownInsertField,
                    QStringLiteral("The INSERT INTO statement contains the following unknown field name: '%1'.  "
                                   "Make sure you have typed the name correctly, and try the operation again."),
                    name);
}

platform::RuntimeError syntaxError(const QString& expression)
{
    return withName(SyntaxError, QStringLiteral("Syntax error (missing operator) in query expression '%1'."),
                    expression);
}

platform::RuntimeError stringSyntaxError(const QString& expression)
{
    return withName(SyntaxError, QStringLiteral("Syntax error in string in query expression '%1'."), expression);
}

platform::RuntimeError dateSyntaxError(const QString& expression)
{
    return withName(SyntaxError, QStringLiteral("Syntax error in date in query expression '%1'."), expression);
}

platform::RuntimeError fromSqlite(int resultCode, const QString& sqliteMessage, const QString& path,
                                  const QString& statement)
{
    switch (resultCode & 0xff) {
    case SQLITE_CONSTRAINT:
        if (resultCode == SQLITE_CONSTRAINT_UNIQUE || resultCode == SQLITE_CONSTRAINT_PRIMARYKEY)
            return make(DuplicateKey);
        if (resultCode == SQLITE_CONSTRAINT_NOTNULL)
            return withName(RequiredField,
                            QStringLiteral("The field '%1' cannot contain a Null value because the Required "
                                           "property for this field is set to True.  Enter a value in this field."),
                            capture(sqliteMessage, QStringLiteral("^NOT NULL constraint failed: (.+)$")));
        return make(ValidationRule);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return make(CurrentlyLocked);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return make(ReadOnly);
    case SQLITE_NOTADB:
        return unrecognizedFormat(path);
    case SQLITE_CORRUPT:
        return corruptDatabase(path);
    case SQLITE_CANTOPEN:
        return cannotOpenFile(path);
    case SQLITE_FULL:
        return make(DiskFull);
    case SQLITE_IOERR:
        return make(DiskError);
    case SQLITE_NOMEM:
        return platform::RuntimeError(platform::OutOfMemory);
    case SQLITE_ERROR:
        return fromSqliteMessage(resultCode, sqliteMessage, statement);
    default:
        return platform::RuntimeError(3000,
                                      QStringLiteral("Reserved error (%1); %2.").arg(resultCode).arg(sqliteMessage));
    }
}

} // namespace store::engineError
