#include "automation/ComponentServer.h"

#include <dlfcn.h>

#include <QFileInfo>

#include "automation/Registry.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace automation {

namespace {

class CreatorFactory : public ClassFactory {
public:
    explicit CreatorFactory(ComponentServer::Creator creator) : m_creator(std::move(creator)) {}
    ObjectRef createInstance() override { return m_creator(); }

private:
    ComponentServer::Creator m_creator;
};

Registration registrationOf(const LibraryInfo& library, const ClassInfo& info, const QString& serverPath)
{
    Registration registration;
    registration.clsid = info.clsid;
    registration.progId = info.progId;
    registration.className = info.name;
    registration.libid = library.libid;
    registration.libraryName = library.name;
    registration.libraryVersion = QStringLiteral("%1.%2").arg(library.majorVersion).arg(library.minorVersion);
    if (info.defaultInterface) {
        registration.iid = info.defaultInterface->iid;
        registration.interfaceName = info.defaultInterface->name;
    }
    registration.threading = info.threading;
    registration.serverPath = serverPath;
    return registration;
}

} // namespace

ComponentServer::ComponentServer(const LibraryInfo& library, std::map<QUuid, Creator> creators) : m_library(library)
{
    for (auto& [clsid, creator] : creators)
        m_factories.emplace(clsid, std::make_unique<CreatorFactory>(std::move(creator)));
}

HRESULT ComponentServer::registerServer(const QString& libraryHostPath)
{
    if (libraryHostPath.isEmpty())
        return SELFREG_E_CLASS;
    try {
        const QString serverPath = platform::windowsPath::fromHost(libraryHostPath);
        for (const ClassInfo& info : m_library.classes)
            if (info.creatable)
                registry::add(registrationOf(m_library, info, serverPath));
        return S_OK;
    } catch (const platform::RuntimeError&) {
        return SELFREG_E_CLASS;
    }
}

HRESULT ComponentServer::unregisterServer()
{
    try {
        for (const ClassInfo& info : m_library.classes)
            if (info.creatable)
                registry::remove(info.clsid);
        return S_OK;
    } catch (const platform::RuntimeError&) {
        return SELFREG_E_CLASS;
    }
}

HRESULT ComponentServer::getClassObject(const QUuid& clsid, ClassFactory** factory)
{
    if (!factory)
        return E_FAIL;
    *factory = nullptr;
    const auto found = m_factories.find(clsid);
    if (found == m_factories.end())
        return CLASS_E_CLASSNOTAVAILABLE;
    *factory = found->second.get();
    return S_OK;
}

QString libraryPathOf(const void* address)
{
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname)
        return QString();
    const QFileInfo file(QString::fromLocal8Bit(info.dli_fname));
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

} // namespace automation
