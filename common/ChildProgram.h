#pragma once

#include <QString>

// The outside programs a program starts from its own folder (the explorer's database utility and
// invoicing program, ...) and waits for, as child processes.
namespace common::childProgram {

// The running program's folder + "\" + fileName ("Dbrefit.exe").
QString besideProgram(const QString& fileName);

// Whether the program is there: the file itself, or, as the platform starts programs, the same
// name without its ".exe".
bool exists(const QString& programPath);

// Starts the command line as the platform does and waits, without a time limit, until that
// process has ended (the utility object's WaitForShell). Raises 53 when no program is found.
void runAndWait(const QString& commandLine);

} // namespace common::childProgram
