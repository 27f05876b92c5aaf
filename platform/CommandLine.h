#pragma once

#include <QString>

namespace platform {

// A command line split as the platform's start-a-program call splits it: a quoted first token
// names the program, else the longest blank-separated prefix that names an existing file
// (".exe" optional, names matched ignoring case); the rest after the one separating blank is
// the child's argument, whole.
class CommandLine {
public:
    // Raises 53 when no program is found.
    explicit CommandLine(const QString& line);

    const QString& program() const { return m_program; } // host path
    const QString& argument() const { return m_argument; }

private:
    QString m_program;
    QString m_argument;
};

} // namespace platform
