#pragma once

#include <optional>

#include <QString>
#include <QUuid>

namespace automation {

// One class registration in the workstation's registry.ini.
struct Registration {
    QUuid clsid;
    QString progId;
    QString className;
    QUuid libid;
    QString libraryName;
    QString libraryVersion;
    QUuid iid;
    QString interfaceName;
    QString threading;
    QString serverPath; // the library file, in Windows form
};

// The component registrations of the current workstation (platform::Workstation), in its
// registry.ini: one section per class named by its class id "{...}" with the keys ProgID, Class,
// InprocServer32, ThreadingModel, TypeLib, TypeLibName, TypeLibVersion, Interface and
// InterfaceName, and the section [ProgID] mapping each programmatic name to its class id.
// Failing writes raise 75.
namespace registry {
void add(const Registration& registration);
void remove(const QUuid& clsid);
// By programmatic name (ignoring case) or by class id text "{...}".
std::optional<Registration> find(const QString& progIdOrClsid);
} // namespace registry

} // namespace automation
