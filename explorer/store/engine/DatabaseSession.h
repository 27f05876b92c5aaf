#pragma once

#include "explorer/store/engine/Workspace.h"

namespace store {

// A workspace, a database opened in it and a recordset on that database, as a procedure holds
// them. A procedure binds them by name:
//     store::DatabaseSession session;
//     auto& [workspace, database, rows] = session;
struct DatabaseSession {
    Workspace workspace;
    Database database;
    Recordset recordset;

    // Closes the recordset, the database and the workspace, in that order; the first failing
    // Close reaches the caller.
    void close();
    // Lets go of the recordset, the database and the workspace, in that order: what is not
    // committed rolls back. What a procedure does when it is left.
    void reset();
};

} // namespace store
