#include "explorer/store/CardStore.h"

#include <utility>

#include <QStringBuilder>

#include "explorer/store/CardSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "interaction/BusyPointer.h"
#include "interaction/TrapAndAsk.h"

namespace store {

namespace {

// Opens the file in the workspace, runs the statement and closes the file again; false when the
// procedure was left.
bool executeIn(interaction::Procedure& procedure, Workspace& workspace, const QString& path, bool readOnly,
               const QString& statement)
{
    Database database;
    return procedure.step([&] { database = workspace.OpenDatabase(path, false, readOnly); }) &&
           procedure.step([&] { database.Execute(statement); }) && procedure.step([&] { database.Close(); });
}

void executeAlone(interaction::Procedure& procedure, const QString& path, bool readOnly, const QString& statement)
{
    Workspace workspace;
    if (!procedure.step([&] { workspace = Engine::instance().CreateWorkspace(); }))
        return;
    if (!executeIn(procedure, workspace, path, readOnly, statement))
        return;
    procedure.step([&] { workspace.Close(); });
}

// Asks like TrapAndAsk and remembers whether any step was given up.
class RecordingTrapAndAsk : public interaction::Procedure {
public:
    explicit RecordingTrapAndAsk(QString procedureName) : m_inner(std::move(procedureName)) {}

    bool step(const std::function<void()>& statement) override
    {
        bool ranThrough = false;
        const bool goOn = m_inner.step([&] {
            ranThrough = false;
            statement();
            ranThrough = true;
        });
        if (!ranThrough)
            m_allRanThrough = false;
        return goOn;
    }

    bool allRanThrough() const { return m_allRanThrough; }

private:
    interaction::TrapAndAsk m_inner;
    bool m_allRanThrough = true;
};

QString copyStatement(const QString& sourceTable, const QString& targetPath, const QString& targetTable,
                      const QString& whereClause)
{
    // Built in one allocation: a copy of many cards makes one for each card and table.
    return QStringLiteral("INSERT INTO  ") % targetTable % QStringLiteral(" IN \"") % targetPath %
           QStringLiteral("\" SELECT * FROM ") % sourceTable % QLatin1Char(' ') % whereClause;
}

} // namespace

void CopyTable(const QString& sourcePath, const QString& sourceTable, const QString& targetPath,
               const QString& targetTable, const QString& whereClause)
{
    interaction::TrapAndAsk procedure(QStringLiteral("ModMain_CopyTable"));
    executeAlone(procedure, sourcePath, true, copyStatement(sourceTable, targetPath, targetTable, whereClause));
}

bool CopyTableSucceeded(const QString& sourcePath, const QString& sourceTable, const QString& targetPath,
                        const QString& targetTable, const QString& whereClause)
{
    RecordingTrapAndAsk procedure(QStringLiteral("ModMain_CopyTable"));
    executeAlone(procedure, sourcePath, true, copyStatement(sourceTable, targetPath, targetTable, whereClause));
    return procedure.allRanThrough();
}

bool CopyTableSucceeded(Workspace& workspace, const QString& sourcePath, const QString& sourceTable,
                        const QString& targetPath, const QString& targetTable, const QString& whereClause)
{
    RecordingTrapAndAsk procedure(QStringLiteral("ModMain_CopyTable"));
    executeIn(procedure, workspace, sourcePath, true, copyStatement(sourceTable, targetPath, targetTable, whereClause));
    return procedure.allRanThrough();
}

void EseguiSql(const QString& databasePath, const QString& statement)
{
    interaction::BusyPointer hourglass;
    interaction::TrapAndAsk procedure(QStringLiteral("EseguiSql"));
    executeAlone(procedure, databasePath, false, statement);
}

void EseguiSql(Database& database, const QString& statement)
{
    interaction::BusyPointer hourglass;
    interaction::TrapAndAsk procedure(QStringLiteral("EseguiSql"));
    procedure.step([&] { database.Execute(statement); });
}

bool CardExists(const QString& key)
{
    DatabaseSession session;
    auto& [workspace, database, header] = session;
    workspace = Engine::instance().CreateWorkspace();
    database = workspace.OpenDatabase(explorerState().currentArchivePath(false));
    header = database.OpenRecordset(cardSchema::selectCardHeader(key));
    const bool exists = header.RecordCount() >= 1;
    session.close();
    return exists;
}

void CreateCardHeader(const QString& key)
{
    DatabaseSession session;
    auto& [workspace, database, header] = session;
    workspace = Engine::instance().CreateWorkspace();
    database = workspace.OpenDatabase(explorerState().currentArchivePath(false));
    header = database.OpenRecordset(cardSchema::selectCardHeader(key));
    if (header.Eof()) {
        header.AddNew();
        header.Fields(QStringLiteral("PCMTV")).SetValue(key);
        header.Fields(QStringLiteral("DescCollezione")).SetValue(QString());
        header.Fields(QStringLiteral("DescCapo")).SetValue(QString());
        header.Fields(QStringLiteral("DescVariante")).SetValue(QString());
        header.Fields(QStringLiteral("TagliaBase")).SetValue(QString(cardSchema::DefaultTagliaBase));
        header.Fields(QStringLiteral("GammaTaglie")).SetValue(QString(cardSchema::DefaultGammaTaglie));
        header.Update();
    }
    session.close();
}

} // namespace store
