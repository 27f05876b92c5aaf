#include "explorer/store/CardTransaction.h"

#include <utility>

#include "explorer/store/CardSchema.h"
#include "explorer/store/CardStore.h"
#include "explorer/store/engine/Engine.h"
#include "interaction/TrapAndAsk.h"
#include "platform/RuntimeError.h"

namespace store {

CardTransaction::CardTransaction(QString archivePath) : m_archivePath(std::move(archivePath))
{
    try {
        m_workspace = Engine::instance().CreateWorkspace();
        m_database = m_workspace.OpenDatabase(m_archivePath);
        m_workspace.BeginTrans();
        m_open = true;
    } catch (const platform::RuntimeError&) {
        // Each statement opens the archive itself and reports the failure in its own dialog.
        close();
    }
}

CardTransaction::~CardTransaction()
{
    close();
}

void CardTransaction::close()
{
    m_open = false;
    try {
        m_database = Database();
        m_workspace.Close();
    } catch (const platform::RuntimeError&) {
        // Never opened, or closed already.
    }
    m_workspace = Workspace();
}

void CardTransaction::deleteCard(const QString& key)
{
    for (const QLatin1String table : cardSchema::CardTables) {
        if (m_open)
            EseguiSql(m_database, cardSchema::deleteCardRows(table, key));
        else
            EseguiSql(m_archivePath, cardSchema::deleteCardRows(table, key));
    }
}

bool CardTransaction::copyCard(const QString& sourcePath, const QString& key)
{
    const QString condition = cardSchema::cardCondition(key);
    bool whole = true;
    for (const QLatin1String table : cardSchema::CardTables) {
        whole = (m_open ? CopyTableSucceeded(m_workspace, sourcePath, table, m_archivePath, table, condition)
                        : CopyTableSucceeded(sourcePath, table, m_archivePath, table, condition)) &&
                whole;
    }
    return whole;
}

bool CardTransaction::commit(const QString& procedureName)
{
    if (!m_open)
        return true;
    bool committed = false;
    interaction::TrapAndAsk procedure(procedureName);
    procedure.step([&] {
        m_workspace.CommitTrans();
        committed = true;
    });
    close();
    return committed;
}

} // namespace store
