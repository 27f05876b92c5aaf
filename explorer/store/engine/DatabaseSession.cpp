#include "explorer/store/engine/DatabaseSession.h"

namespace store {

void DatabaseSession::close()
{
    recordset.Close();
    database.Close();
    workspace.Close();
}

void DatabaseSession::reset()
{
    recordset = Recordset();
    database = Database();
    workspace = Workspace();
}

} // namespace store
