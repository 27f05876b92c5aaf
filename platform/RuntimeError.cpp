#include "platform/RuntimeError.h"
