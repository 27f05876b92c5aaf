#pragma once

#include <QString>

#include "platform/RuntimeError.h"

// The engine's numbered errors with its own descriptions. Every SQLite result code becomes one
// of them in fromSqlite, and nowhere else.
namespace store::engineError {

enum Number : int {
    UpdateWithoutEdit = 3020,
    NoCurrentRecord = 3021,
    DuplicateKey = 3022,
    FileNotFound = 3024,
    DiskFull = 3026,
    ReadOnly = 3027,
    InvalidAccount = 3029,
    NoTransaction = 3034,
    DiskError = 3043,
    InvalidPath = 3044,
    FileInUse = 3045,
    CorruptDatabase = 3049,
    CannotOpenFile = 3051,
    TooFewParameters = 3061,
    SelectNotExecutable = 3065,
    SyntaxError = 3075,
    TableNotFound = 3078,
    UndefinedFunction = 3085,
    UnknownInsertField = 3127,
    InvalidStatement = 3129,
    FromClauseError = 3131,
    CharactersAfterEnd = 3142,
    FieldTooSmall = 3163,
    FieldNotUpdatable = 3164,
    RecordDeleted = 3167,
    DatabaseExists = 3204,
    CurrentlyLocked = 3218,
    InvalidOperation = 3219,
    ItemNotFound = 3265,
    RequiredField = 3314,
    ValidationRule = 3317,
    UnrecognizedFormat = 3343,
    ObjectClosed = 3420,
    ConversionError = 3421,
};

platform::RuntimeError make(Number number);
platform::RuntimeError fileNotFound(const QString& path);
platform::RuntimeError invalidPath(const QString& folder);
platform::RuntimeError fileInUse(const QString& path);
platform::RuntimeError cannotOpenFile(const QString& path);
platform::RuntimeError unrecognizedFormat(const QString& path);
platform::RuntimeError corruptDatabase(const QString& path);
platform::RuntimeError databaseExists(const QString& path);
platform::RuntimeError tableNotFound(const QString& name);
platform::RuntimeError unknownInsertField(const QString& name);
platform::RuntimeError syntaxError(const QString& expression);
platform::RuntimeError stringSyntaxError(const QString& expression);
platform::RuntimeError dateSyntaxError(const QString& expression);

// The one boundary between SQLite and the engine's callers. path names the database file in
// its Windows form, statement the caller's own text.
platform::RuntimeError fromSqlite(int resultCode, const QString& sqliteMessage, const QString& path,
                                  const QString& statement);

} // namespace store::engineError
