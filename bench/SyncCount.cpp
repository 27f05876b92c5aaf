#include "bench/SyncCount.h"

#include <atomic>
#include <dlfcn.h>

namespace {

std::atomic<long> syncs{0};

template <typename Function> Function next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

// The benchmark programs export these (ENABLE_EXPORTS), so every library of the process calls
// them instead of the C library's.
extern "C" int fsync(int descriptor)
{
    static const auto real = next<int (*)(int)>("fsync");
    ++syncs;
    return real(descriptor);
}

extern "C" int fdatasync(int descriptor)
{
    static const auto real = next<int (*)(int)>("fdatasync");
    ++syncs;
    return real(descriptor);
}

namespace bench {

long syncCount()
{
    return syncs.load();
}

} // namespace bench
