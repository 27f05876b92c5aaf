#pragma once

namespace bench {

// The file syncs (fsync and fdatasync) this process has asked for so far, SQLite's and the
// project's alike: the calls are counted on their way to the C library.
long syncCount();

} // namespace bench
