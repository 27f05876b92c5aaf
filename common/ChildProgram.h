#pragma once

#include <QString>

// The outside programs the explorer starts from its own folder (the database utility, the
// invoicing program) and waits for, as child processes.
namespace explorer::childProgram {

// The program folder + "\" + fileName ("Dbrefit.exe").
QString besideExplorer(const QString& fileName);

// Whether the program is there: the file itself, or, as the platform starts programs, the same
// name without its ".exe".
bool exists(const QString& programPath);

// Starts the command line as the platform does and waits, without a time limit, until that
// process has ended (the utility object's WaitForShell). Raises 53 when no program is found.
void runAndWait(const QString& commandLine);

} // namespace explorer::childProgram
