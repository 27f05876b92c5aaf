#include "interaction/Procedure.h"

namespace interaction {

Procedure::~Procedure() = default;

} // namespace interaction
