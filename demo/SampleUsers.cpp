#include "demo/SampleUsers.h"

#include <array>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "platform/WindowsPath.h"
#include "useradmin/configdb/ConfigDatabaseSchema.h"
#include "useradmin/configdb/OperatoriColumns.h"

namespace demo {

namespace {

struct User {
    const char* login;
    const char* nome;
    const char* cognome;
    const char* password;
    bool soloLettura;
    bool stampa;
    std::array<bool, 6> rights;
};

constexpr std::array<User, 4> users{{
    {"mbianchi", "Maria", "Bianchi", "Taglio2026", false, true, {true, true, true, true, true, true}},
    {"lverdi", "Luca", "Verdi", "cartamodello", false, true, {true, true, false, false, false, true}},
    {"gesposito", "Giulia", "Esposito", "piazzati", false, false, {false, true, false, false, false, false}},
    {"arusso", "Anna", "Russo", "tirocinio", true, false, {false, false, false, false, false, false}},
}};

void writeUsers(const QString& path)
{
    using namespace useradmin::operatori;
    using automation::Variant;
    store::DatabaseSession session;
    auto& [workspace, database, rows] = session;
    workspace = store::Engine::instance().CreateWorkspace();
    database = workspace.OpenDatabase(path);
    rows = database.OpenRecordset(Table);
    workspace.BeginTrans();
    for (const User& user : users) {
        rows.AddNew();
        rows.Fields(Login).SetValue(QString::fromLatin1(user.login));
        rows.Fields(Nome).SetValue(QString::fromLatin1(user.nome));
        rows.Fields(Cognome).SetValue(QString::fromLatin1(user.cognome));
        rows.Fields(Password).SetValue(QString::fromLatin1(user.password));
        rows.Fields(SoloLettura).SetValue(Variant::fromInteger(user.soloLettura ? 1 : 0));
        rows.Fields(Stampa).SetValue(Variant::fromInteger(user.stampa ? 1 : 0));
        for (std::size_t right = 0; right < Rights.size(); ++right)
            rows.Fields(Rights[right]).SetValue(Variant::fromBoolean(user.rights[right]));
        rows.Update();
    }
    workspace.CommitTrans();
    session.close();
}

} // namespace

void SampleUsers::layOut(const QString& folder)
{
    const QString target = platform::windowsPath::toHost(folder + useradmin::ConfigDatabaseSchema::fileName);
    if (QFileInfo::exists(target))
        return;
    QDir().mkpath(platform::windowsPath::toHost(folder));
    const QString partial = folder + QStringLiteral("Tramex Config.part");
    const QString partialHost = platform::windowsPath::toHost(partial);
    QFile::remove(partialHost);
    try {
        useradmin::ConfigDatabaseSchema::createEmpty(partial);
        writeUsers(partial);
    } catch (...) {
        QFile::remove(partialHost);
        throw;
    }
    if (!QFile::rename(partialHost, target))
        throw std::runtime_error("cannot make " + target.toStdString());
}

} // namespace demo
