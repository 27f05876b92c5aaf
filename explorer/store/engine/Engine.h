#pragma once

#include <QString>

#include "explorer/store/engine/Workspace.h"

namespace store {

// The database engine of the process, created at its first use.
class Engine {
public:
    static Engine& instance();

    // A fresh workspace with its own transaction scope. The engine knows one account: "admin"
    // with an empty password (3029 for any other).
    Workspace CreateWorkspace(const QString& name = QString(), const QString& user = QStringLiteral("admin"),
                              const QString& password = QString());

    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

private:
    Engine() = default;
    ~Engine() = default;
};

} // namespace store
