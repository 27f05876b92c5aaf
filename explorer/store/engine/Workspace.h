#pragma once

#include <memory>

#include <QString>

#include "explorer/store/engine/Database.h"

namespace store {

struct WorkspaceState;

// A session of the engine: the databases opened in it share its transactions. Closing it, or
// dropping its last handle, rolls back what is not committed and closes its databases. A
// default-constructed handle refers to nothing (error 91 on use).
class Workspace {
public:
    Workspace() = default;

    // path is a Windows path; one without extension gets ".mdb". exclusive fails (3045) while
    // anyone has the file open; a shared open fails while someone holds it exclusively.
    Database OpenDatabase(const QString& path, bool exclusive = false, bool readOnly = false);

    // Transactions nest; CommitTrans and Rollback act on the innermost one (3034 without one).
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    void Close();

    QString Name() const;
    QString UserName() const;

private:
    friend class Engine;
    explicit Workspace(std::shared_ptr<WorkspaceState> state);
    WorkspaceState& state() const;

    std::shared_ptr<WorkspaceState> m_state;
};

} // namespace store
