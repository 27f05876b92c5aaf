#pragma once

#include <QString>
#include <QStringList>

namespace bench {

// The sqlite3 command-line shell, the baseline of the engine's figures. Its output is thrown
// away; a failure (a statement refused, the program missing) raises std::runtime_error.
class SqliteShell {
public:
    // Runs "sqlite3 ARGUMENTS..." and waits for it.
    static void run(const QStringList& arguments);
    // Runs the shell on the commands of a script file given on its standard input.
    static void runScript(const QString& scriptFile);
};

} // namespace bench
