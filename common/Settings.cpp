#include "common/Settings.h"

#include <cmath>
#include <limits>

#include "automation/Boolean.h"
#include "automation/Variant.h"
#include "common/IniKey.h"
#include "common/Utility.h"
#include "common/Val.h"
#include "platform/RuntimeError.h"

namespace common::settings {

// The methods take their arguments by reference, so each call gets its own variables.
QString read(const QString& section, const QString& key, const QString& defaultValue, const QString& file)
{
    QString appName = section;
    QString keyName = key;
    automation::Variant defaultArgument(defaultValue);
    automation::Variant fileArgument(file);
    return utility().GetPrivateProfileString(appName, keyName, defaultArgument, fileArgument);
}

double readNumber(const QString& section, const QString& key, const QString& defaultValue, const QString& file)
{
    try {
        return Val(read(section, key, defaultValue, file));
    } catch (const platform::RuntimeError&) {
        return Val(defaultValue);
    }
}

float readSingle(const QString& section, const QString& key, const QString& defaultValue, const QString& file)
{
    const double value = readNumber(section, key, defaultValue, file);
    if (std::abs(value) > double(std::numeric_limits<float>::max()))
        return float(Val(defaultValue));
    return float(value);
}

bool write(const QString& section, const QString& key, const QString& value, const QString& file)
{
    QString appName = section;
    QString keyName = key;
    QString valueArgument = value;
    QString fileArgument = file;
    return utility().WritePrivateProfileString(appName, keyName, valueArgument, fileArgument) != automation::False;
}

QString read(const IniKey& key)
{
    return read(key.section, key.name, key.defaultValue, key.file);
}

double readNumber(const IniKey& key)
{
    return readNumber(key.section, key.name, key.defaultValue, key.file);
}

bool write(const IniKey& key, const QString& value)
{
    return write(key.section, key.name, value, key.file);
}

} // namespace common::settings
