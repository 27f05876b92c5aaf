#include "platform/HostError.h"

#include <cerrno>

namespace platform::hostError {

int numberFor(int errnoValue, int whenMissing)
{
    switch (errnoValue) {
    case ENOENT:
        return whenMissing;
    case ENOTDIR:
        return 76;
    case ENAMETOOLONG:
        return 52;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
    case ETXTBSY:
    case ENOTEMPTY:
    case EEXIST:
        return 75;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 61;
    case EMFILE:
    case ENFILE:
        return 67;
    case EXDEV:
        return 74;
    default:
        return 57;
    }
}

void raise(int errnoValue, int whenMissing)
{
    throw RuntimeError(numberFor(errnoValue, whenMissing));
}

} // namespace platform::hostError
