#include "explorer/store/engine/FileLock.h"

#include "explorer/store/engine/EngineError.h"

namespace store {

FileLock FileLock::acquire(const QString& hostPath, Mode mode, const QString& displayPath)
{
    platform::ShareLock lock = platform::ShareLock::tryAcquire(
        hostPath, mode == Mode::Exclusive ? platform::ShareLock::Mode::Exclusive : platform::ShareLock::Mode::Shared);
    switch (lock.state()) {
    case platform::ShareLock::State::Held:
        return FileLock(std::move(lock));
    case platform::ShareLock::State::Missing:
        throw engineError::fileNotFound(displayPath);
    case platform::ShareLock::State::InUse:
        throw engineError::fileInUse(displayPath);
    case platform::ShareLock::State::Unopenable:
        break;
    }
    throw engineError::cannotOpenFile(displayPath);
}

} // namespace store
