#include "interaction/CopyProgress.h"

namespace interaction {

CopyProgress::~CopyProgress() = default;

} // namespace interaction
