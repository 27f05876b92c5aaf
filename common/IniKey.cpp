#include "common/IniKey.h"

namespace common {

IniKey IniKey::numbered(int number) const
{
    return {file, section, name + QString::number(number), defaultValue};
}

IniKey IniKey::in(const QString& otherFile) const
{
    return {otherFile, section, name, defaultValue};
}

IniKey IniKey::defaultingTo(const QString& value) const
{
    return {file, section, name, value};
}

} // namespace common
