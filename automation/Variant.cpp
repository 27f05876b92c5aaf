#include "automation/Variant.h"
