#include "utilex/CallerObjects.h"

#include "platform/RuntimeError.h"

namespace utilex::callerObjects {

automation::DispatchObject& required(const automation::ObjectRef& object)
{
    if (!object)
        throw platform::RuntimeError(91);
    return *object;
}

QString readIni(_UtilexClass& utilex, QString section, QString key, const QString& defaultValue, const QString& file)
{
    Variant defaultText(defaultValue);
    Variant fileName(file);
    return utilex.GetPrivateProfileString(section, key, defaultText, fileName);
}

void writeIni(_UtilexClass& utilex, QString section, QString key, QString value, QString file)
{
    if (!utilex.WritePrivateProfileString(section, key, value, file))
        throw platform::RuntimeError(75);
}

} // namespace utilex::callerObjects
