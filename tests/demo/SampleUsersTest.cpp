#include "demo/SampleUsers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/Printers.h"

namespace {

const QString folder = QStringLiteral("C:\\Tramex\\");
const QString database = QStringLiteral("C:\\Tramex\\Tramex Config.mdb");

// Each user as "login password" and one digit per truth-valued column (1 true, 0 false).
QStringList users()
{
    store::DatabaseSession session;
    auto& [workspace, file, rows] = session;
    workspace = store::Engine::instance().CreateWorkspace();
    file = workspace.OpenDatabase(database, false, true);
    rows = file.OpenRecordset(QStringLiteral("Operatori"));
    QStringList result;
    for (; !rows.Eof(); rows.MoveNext()) {
        QString user = rows.Fields(QStringLiteral("Login")).Value().toString() + u' ' +
                       rows.Fields(QStringLiteral("Password")).Value().toString() + u' ';
        for (int column = 4; column < rows.FieldCount(); ++column)
            user += rows.Fields(column).Value().toDouble() != 0 ? u'1' : u'0';
        result.append(user);
    }
    session.close();
    return result;
}

class SampleUsersTest : public ::testing::Test {
protected:
    SampleUsersTest()
    {
        platform::Workstation::layOutDefault(m_root.path());
        platform::Workstation::use(m_root.path());
    }

    QTemporaryDir m_root;
};

} // namespace

TEST_F(SampleUsersTest, MakesTheMissingDatabaseWithUsersOfDifferentRightsAndKeepsAnExistingOne)
{
    demo::SampleUsers::layOut(folder);
    EXPECT_EQ(users(), (QStringList{"mbianchi Taglio2026 01111111", "lverdi cartamodello 01110001",
                                    "gesposito piazzati 00010000", "arusso tirocinio 10000000"}));
    EXPECT_EQ(QDir(platform::windowsPath::toHost(folder)).entryList(QDir::Files),
              QStringList{QStringLiteral("Tramex Config.mdb")});

    store::DatabaseSession session;
    auto& [workspace, file, rows] = session;
    workspace = store::Engine::instance().CreateWorkspace();
    file = workspace.OpenDatabase(database);
    rows = file.OpenRecordset(QStringLiteral("Operatori"));
    rows.AddNew();
    rows.Fields(QStringLiteral("Login")).SetValue(QStringLiteral("LVerdi"));
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.Update()), 3022) << "the login is the table's key";
    rows.CancelUpdate();
    file.Execute(QStringLiteral("DELETE * FROM Operatori WHERE Login = 'arusso'"));
    session.close();

    demo::SampleUsers::layOut(folder);
    EXPECT_EQ(users().size(), 3);
}
