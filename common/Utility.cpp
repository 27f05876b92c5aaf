#include "common/Utility.h"

#include <memory>

#include "automation/Components.h"

namespace common {

namespace {

std::shared_ptr<utilex::_UtilexClass>& instance()
{
    static std::shared_ptr<utilex::_UtilexClass> utilityObject;
    return utilityObject;
}

} // namespace

utilex::_UtilexClass& utility()
{
    if (!instance())
        instance() = automation::createObjectAs<utilex::_UtilexClass>(QString::fromUtf16(utilex::UtilexClassId));
    return *instance();
}

void releaseUtility()
{
    instance().reset();
}

} // namespace common
