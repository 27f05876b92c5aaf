#pragma once

#include <cstdint>

#include <QString>

namespace platform::process {

// Starts a command line as the platform does: the program is the longest blank-separated
// prefix that names an existing file (".exe" optional, quotes allowed), the child gets the rest
// of the line whole as its one argument. Returns the process id; raises 53 when no program is found.
std::int64_t start(const QString& commandLine);

// Waits without limit for the process to end. Returns false at once when it cannot be opened
// (already ended and reaped, or not a valid id).
bool waitFor(std::int64_t pid);

void sleepMilliseconds(std::uint32_t milliseconds);

} // namespace platform::process
