#include "automation/TypeInfo.h"

namespace automation {

int InterfaceInfo::indexOf(const QString& name) const
{
    for (std::size_t i = 0; i < methods.size(); ++i)
        if (methods[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

} // namespace automation
