#pragma once

#include <QByteArray>

namespace platform {

// Writes all bytes to a host file descriptor, going on after interruptions and short writes.
// Raises 61 when the disk is full, 57 for other failures.
void writeFully(int descriptor, const QByteArray& bytes);

} // namespace platform
