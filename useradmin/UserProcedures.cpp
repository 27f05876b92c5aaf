#include "useradmin/UserProcedures.h"

#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/store/engine/SqlText.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "interaction/TrapAndAsk.h"
#include "useradmin/configdb/OperatoriColumns.h"

namespace useradmin {

namespace {

using automation::Variant;

QString criteriaFor(const QString& login)
{
    return operatori::Login + QStringLiteral(" = ") + store::sqlText(login);
}

// The configuration database opened shared for writing, with every user. False when the
// procedure is to be left.
bool openUsers(interaction::Procedure& procedure, store::DatabaseSession& session, const QString& path)
{
    auto& [workspace, database, rows] = session;
    return procedure.step([&] { workspace = store::Engine::instance().CreateWorkspace(); }) &&
           procedure.step([&] { database = workspace.OpenDatabase(path, false, false); }) &&
           procedure.step([&] { rows = database.OpenRecordset(QStringLiteral("Select * from Operatori;")); });
}

void closeAll(interaction::Procedure& procedure, store::DatabaseSession& session)
{
    auto& [workspace, database, rows] = session;
    if (procedure.step([&] { rows.Close(); }) && procedure.step([&] { database.Close(); }))
        procedure.step([&] { workspace.Close(); });
}

// Moves to the user's row; false when there is none or the procedure is to be left.
bool findUser(interaction::Procedure& procedure, store::Recordset& rows, const QString& login)
{
    bool found = false;
    return procedure.step([&] {
        rows.FindFirst(criteriaFor(login));
        found = !rows.NoMatch();
    }) && found;
}

QString textOf(const store::Recordset& rows, const QString& column)
{
    const Variant value = rows.Fields(column).Value();
    return value.isNull() ? QString() : value.toString();
}

bool isChecked(const store::Recordset& rows, const QString& column)
{
    const Variant value = rows.Fields(column).Value();
    return !value.isNull() && value.toDouble() != 0;
}

// A check box's value, 0 or 1.
Variant checkBoxValue(bool checked)
{
    return Variant::fromInteger(checked ? 1 : 0);
}

} // namespace

QStringList FillLstUtenti(const QString& path)
{
    interaction::TrapAndAsk procedure(QStringLiteral("Proc:FillLstUtenti_Error"));
    store::DatabaseSession session;
    QStringList logins;
    if (!openUsers(procedure, session, path))
        return logins;
    store::Recordset& rows = session.recordset;
    for (;;) {
        bool atEnd = true;
        if (!procedure.step([&] { atEnd = rows.Eof(); }))
            return logins;
        if (atEnd)
            break;
        if (!procedure.step([&] { logins.append(textOf(rows, operatori::Login)); }) ||
            !procedure.step([&] { rows.MoveNext(); }))
            return logins;
    }
    closeAll(procedure, session);
    return logins;
}

void LeggiDatiUtente(const QString& path, const QString& login, UserFields& fields)
{
    interaction::TrapAndAsk procedure(QStringLiteral("Proc:LeggiDatiUtente_Error"));
    store::DatabaseSession session;
    if (!openUsers(procedure, session, path))
        return;
    store::Recordset& rows = session.recordset;
    if (!findUser(procedure, rows, login)) {
        if (procedure.left())
            return;
        interaction::Seams::prompter().message(
            QStringLiteral("Utente non presente nel database, esci e ricarica il programma"), interaction::Buttons::Ok,
            interaction::Icon::Critical, interaction::DefaultButton::First, interaction::Seams::programTitle());
        closeAll(procedure, session);
        return;
    }
    using namespace operatori;
    const bool read = procedure.step([&] { fields.Login = textOf(rows, Login); }) &&
                      procedure.step([&] { fields.Nome = textOf(rows, Nome); }) &&
                      procedure.step([&] { fields.Cognome = textOf(rows, Cognome); }) && procedure.step([&] {
                          fields.Password = textOf(rows, Password);
                          fields.ConfermaPWD = fields.Password;
                      }) &&
                      procedure.step([&] { fields.SoloLettura = isChecked(rows, SoloLettura); }) &&
                      procedure.step([&] { fields.Stampa = isChecked(rows, Stampa); });
    if (!read)
        return;
    for (std::size_t right = 0; right < Rights.size(); ++right) {
        if (!procedure.step([&] { fields.Autorizza[right] = isChecked(rows, Rights[right]); }))
            return;
    }
    closeAll(procedure, session);
}

bool ArchiviaUtente(const QString& path, const QString& selectedLogin, const UserFields& fields)
{
    interaction::TrapAndAsk procedure(QStringLiteral("Proc:ArchiviaUtente_Error"));
    store::DatabaseSession session;
    if (!openUsers(procedure, session, path))
        return false;
    store::Recordset& rows = session.recordset;
    const bool found = !selectedLogin.isEmpty() && findUser(procedure, rows, selectedLogin);
    if (procedure.left() || !procedure.step([&] {
            if (found)
                rows.Edit();
            else
                rows.AddNew();
        }))
        return false;

    using namespace operatori;
    const auto write = [&](const QString& column, const Variant& value) {
        return procedure.step([&] { rows.Fields(column).SetValue(value); });
    };
    if (!write(Login, fields.Login) || !write(Nome, fields.Nome) || !write(Cognome, fields.Cognome) ||
        !write(Password, fields.Password) || !write(SoloLettura, checkBoxValue(fields.SoloLettura)) ||
        !write(Stampa, checkBoxValue(fields.Stampa)))
        return false;
    for (std::size_t right = 0; right < Rights.size(); ++right) {
        if (!write(Rights[right], Variant::fromBoolean(fields.Autorizza[right])))
            return false;
    }
    bool stored = false;
    if (!procedure.step([&] {
            rows.Update();
            stored = true;
        }))
        return false;
    closeAll(procedure, session);
    return stored;
}

void CancellaUtente(const QString& path, const QString& login)
{
    interaction::TrapAndAsk procedure(QStringLiteral("Proc:CancellaUtente_Error"));
    store::DatabaseSession session;
    if (!openUsers(procedure, session, path))
        return;
    store::Recordset& rows = session.recordset;
    if (findUser(procedure, rows, login) && !procedure.step([&] { rows.Delete(); }))
        return;
    if (!procedure.left())
        closeAll(procedure, session);
}

} // namespace useradmin
