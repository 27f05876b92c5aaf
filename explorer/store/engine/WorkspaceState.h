#pragma once

#include <memory>
#include <vector>

#include <QString>

namespace store {

struct DatabaseState;

// What the handles of one workspace share.
struct WorkspaceState {
    QString name;
    QString userName;
    bool open = true;
    int transactionLevel = 0; // nested BeginTrans calls not yet committed or rolled back
    std::vector<std::weak_ptr<DatabaseState>> databases;

    // The SQLite statements that begin, commit and roll back one transaction level.
    static QString beginStatement(int level);
    static QString commitStatement(int level);
    static QString rollbackStatement(int level);
};

} // namespace store
