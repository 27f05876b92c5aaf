#include "automation/Registry.h"

#include "platform/ErrorNumber.h"
#include "platform/Profile.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace automation::registry {

namespace {

const QString progIdSection = QStringLiteral("ProgID");
const QString progIdKey = QStringLiteral("ProgID");
const QString classKey = QStringLiteral("Class");
const QString serverKey = QStringLiteral("InprocServer32");
const QString threadingKey = QStringLiteral("ThreadingModel");
const QString libidKey = QStringLiteral("TypeLib");
const QString libraryNameKey = QStringLiteral("TypeLibName");
const QString libraryVersionKey = QStringLiteral("TypeLibVersion");
const QString iidKey = QStringLiteral("Interface");
const QString interfaceNameKey = QStringLiteral("InterfaceName");

QString registryFile()
{
    return platform::windowsPath::fromHost(platform::Workstation::current().registryFile());
}

QString guidText(const QUuid& id)
{
    return id.toString(QUuid::WithBraces).toUpper();
}

QString read(const QString& section, const QString& key)
{
    return platform::profile::readString(section, key, QStringLiteral(""), registryFile());
}

void write(const QString& section, const QString& key, const QString& value)
{
    if (!platform::profile::writePrivateProfileString(section, key, value, registryFile()))
        throw platform::RuntimeError(platform::PathFileAccessError);
}

// A null key deletes the section, a null value the key. Deleting what is not there may report
// failure, so success is judged by reading back.
void erase(const QString& section, const QString& key)
{
    platform::profile::writePrivateProfileString(section, key, QString(), registryFile());
    if (!read(section, key.isNull() ? serverKey : key).isEmpty())
        throw platform::RuntimeError(platform::PathFileAccessError);
}

void removeProgIdOf(const QString& classSection)
{
    const QString progId = read(classSection, progIdKey);
    if (!progId.isEmpty() && read(progIdSection, progId).compare(classSection, Qt::CaseInsensitive) == 0)
        erase(progIdSection, progId);
}

std::optional<Registration> readClass(const QUuid& clsid)
{
    const QString section = guidText(clsid);
    Registration registration;
    registration.serverPath = read(section, serverKey);
    if (registration.serverPath.isEmpty())
        return std::nullopt;
    registration.clsid = clsid;
    registration.progId = read(section, progIdKey);
    registration.className = read(section, classKey);
    registration.libid = QUuid::fromString(read(section, libidKey));
    registration.libraryName = read(section, libraryNameKey);
    registration.libraryVersion = read(section, libraryVersionKey);
    registration.iid = QUuid::fromString(read(section, iidKey));
    registration.interfaceName = read(section, interfaceNameKey);
    registration.threading = read(section, threadingKey);
    return registration;
}

} // namespace

void add(const Registration& registration)
{
    const QString section = guidText(registration.clsid);
    removeProgIdOf(section);
    write(section, progIdKey, registration.progId);
    write(section, classKey, registration.className);
    write(section, serverKey, registration.serverPath);
    write(section, threadingKey, registration.threading);
    write(section, libidKey, guidText(registration.libid));
    write(section, libraryNameKey, registration.libraryName);
    write(section, libraryVersionKey, registration.libraryVersion);
    write(section, iidKey, guidText(registration.iid));
    write(section, interfaceNameKey, registration.interfaceName);
    if (!registration.progId.isEmpty())
        write(progIdSection, registration.progId, section);
}

void remove(const QUuid& clsid)
{
    const QString section = guidText(clsid);
    removeProgIdOf(section);
    erase(section, QString());
}

std::optional<Registration> find(const QString& progIdOrClsid)
{
    const QString name = progIdOrClsid.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    if (name.startsWith(QLatin1Char('{'))) {
        const QUuid clsid = QUuid::fromString(name);
        return clsid.isNull() ? std::nullopt : readClass(clsid);
    }
    const QUuid clsid = QUuid::fromString(read(progIdSection, name));
    return clsid.isNull() ? std::nullopt : readClass(clsid);
}

} // namespace automation::registry
