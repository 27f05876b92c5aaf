#pragma once

#include <QString>

#include "automation/DispatchObject.h"
#include "utilex/UtilexClass.h"

// The caller's forms and controls as the form methods drive them: by member name, late-bound;
// and the INI files they are kept in, through the class's own profile methods.
namespace utilex::callerObjects {

// The object the caller passed; 91 when it passed Nothing.
automation::DispatchObject& required(const automation::ObjectRef& object);
// A Boolean flag as the methods test it: anything but False is set.
inline bool isSet(Boolean flag)
{
    return flag != automation::False;
}

QString readIni(_UtilexClass& utilex, QString section, QString key, const QString& defaultValue, const QString& file);
// A value the platform refuses to write raises 75 (Path/File access error) rather than pass
// for saved.
void writeIni(_UtilexClass& utilex, QString section, QString key, QString value, QString file);

} // namespace utilex::callerObjects
