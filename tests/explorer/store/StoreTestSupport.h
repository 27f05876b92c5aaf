#pragma once

#include "explorer/store/engine/Engine.h"
#include "explorer/store/engine/TableDefinition.h"
#include "platform/RuntimeError.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Runs a statement and gives the number of the RuntimeError it raised, 0 for none.
#define ENGINE_ERROR_OF(statement)                                                                                     \
    [&]() {                                                                                                            \
        try {                                                                                                          \
            statement;                                                                                                 \
        } catch (const platform::RuntimeError& error) {                                                                \
            return error.number();                                                                                     \
        }                                                                                                              \
        return 0;                                                                                                      \
    }()

// The description of the RuntimeError a statement raised, empty for none.
#define ENGINE_MESSAGE_OF(statement)                                                                                   \
    [&]() {                                                                                                            \
        try {                                                                                                          \
            statement;                                                                                                 \
        } catch (const platform::RuntimeError& error) {                                                                \
            return error.description();                                                                                \
        }                                                                                                              \
        return QString();                                                                                              \
    }()

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The built program of that name, beside the tests.
QString builtProgram(const QString& name);

// Another process holding a database open, started with the test's workstation.
class LockHolder {
public:
    // mode: "shared", "exclusive", "readonly" (shared and read-only) or "churn" (keeps writing rows).
    LockHolder(const QString& workstation, const QString& windowsPath, const QString& mode);
    ~LockHolder();
    // The holder's first line: "open" once the database is open, "error N" when the open failed.
    QString status() const { return m_status; }
    void kill();

private:
    QProcess m_process;
    QString m_status;
};

// A fresh temporary workstation with the folder C:\Schede, for each test.
class StoreTest : public ::testing::Test {
protected:
    StoreTest();

    static const QString folder; // "C:\Schede\"

    QString root() const { return m_root.path(); }
    static QString hostPath(const QString& windowsPath);
    static QString path(const QString& name) { return folder + name + QStringLiteral(".mdb"); }

    // An empty card archive C:\Schede\<name>.mdb; returns its path.
    static QString cardArchive(const QString& name);
    // A card: its Modelli row and `pieces` SchedaModello rows numbered from 1, each with Digit = row number.
    static void addCard(const QString& archivePath, const QString& key, int pieces = 0);
    // The values of the first column of a select, read through the engine, as text ("Null" for Null).
    static QStringList values(const QString& archivePath, const QString& select);
    static void execute(const QString& archivePath, const QString& statement);
    // A value as SQLite stores it, read past the engine ("NULL", "integer:-1", "text:abc", ...).
    static QString stored(const QString& archivePath, const QString& select);
    static QString integrityOf(const QString& archivePath);
    // Runs SQL past the engine, as another program would.
    static void executePastTheEngine(const QString& archivePath, const QString& sql);

    static store::Workspace workspace() { return store::Engine::instance().CreateWorkspace(); }
    std::unique_ptr<LockHolder> holder(const QString& windowsPath, const QString& mode) const;

private:
    QTemporaryDir m_root;
};
