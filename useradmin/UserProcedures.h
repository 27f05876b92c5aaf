#pragma once

#include <QString>
#include <QStringList>

#include "useradmin/UserFields.h"

// The window's work on the table Operatori of the configuration database at `path`. Each opens
// the database shared for writing with every user, works and closes everything; every error goes
// to the error dialog (and so to the error log) under the procedure's name, and the answer
// decides whether the failing statement is retried, skipped or the procedure left. A login is
// found with "Login = '...'", an apostrophe inside it doubled.
namespace useradmin {

// The logins of every user in the order the table gives them; those read before the procedure
// was left.
QStringList FillLstUtenti(const QString& path);

// Reads the user with this login into `fields`: every column read replaces what the window
// showed, and the confirmation box gets the password too. A login that is not there is told to
// the user and changes nothing.
void LeggiDatiUtente(const QString& path, const QString& login, UserFields& fields);

// Writes the twelve columns from `fields` into the row of `selectedLogin` (which may change its
// login), or into a new row when nothing is selected or the row is gone. True once the row is
// stored; false when the table refused it or the procedure was left before.
bool ArchiviaUtente(const QString& path, const QString& selectedLogin, const UserFields& fields);

// Deletes the user with this login, when there is one.
void CancellaUtente(const QString& path, const QString& login);

} // namespace useradmin
