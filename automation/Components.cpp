#include "automation/Components.h"

#include <dlfcn.h>

#include <QFile>
#include <QFileInfo>

#include "automation/LoadedLibraries.h"
#include "automation/Registry.h"
#include "automation/TypeInfo.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace automation {

namespace {

// Loads the library registered for the class; 429 for any failure on the way.
std::pair<Registration, LoadedLibraries::Library*> loadRegisteredLibrary(const QString& progIdOrClsid)
{
    const auto registration = registry::find(progIdOrClsid);
    if (!registration)
        throw platform::RuntimeError(platform::CannotCreateObject);
    try {
        const QString hostPath = platform::windowsPath::toHost(registration->serverPath);
        return {*registration, LoadedLibraries::instance().acquire(hostPath)};
    } catch (const platform::RuntimeError&) {
        throw platform::RuntimeError(platform::CannotCreateObject);
    }
}

ObjectRef createInstance(LoadedLibraries::Library& library, const QUuid& clsid)
{
    ClassFactory* factory = nullptr;
    if (library.getClassObject(clsid, &factory) != S_OK || !factory)
        return nullptr;
    try {
        return factory->createInstance();
    } catch (...) {
        return nullptr;
    }
}

void callRegistrationEntryPoint(const QString& libraryHostPath, const char* name)
{
    // An absolute path, so that the loader never searches its library path for a bare name.
    const QString path = QFileInfo(libraryHostPath).absoluteFilePath();
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw platform::RuntimeError(platform::ErrorInLoadingDll,
                                     QStringLiteral("The module \"%1\" failed to load: %2")
                                         .arg(libraryHostPath, QString::fromLocal8Bit(dlerror())));
    const auto entryPoint = reinterpret_cast<HRESULT (*)()>(dlsym(handle, name));
    const HRESULT result = entryPoint ? entryPoint() : S_OK;
    dlclose(handle);
    if (!entryPoint)
        throw platform::RuntimeError(
            platform::DllEntryPointNotFound,
            QStringLiteral("The module \"%1\" was loaded but the entry-point %2 was not found.")
                .arg(libraryHostPath, QLatin1String(name)));
    if (result != S_OK)
        throw platform::RuntimeError(
            result, QStringLiteral("The module \"%1\" was loaded but the call to %2 failed with error code 0x%3.")
                        .arg(libraryHostPath, QLatin1String(name))
                        .arg(std::uint32_t(result), 8, 16, QLatin1Char('0')));
}

} // namespace

ObjectRef createObject(const QString& progIdOrClsid)
{
    auto [registration, library] = loadRegisteredLibrary(progIdOrClsid);
    ObjectRef inner = createInstance(*library, registration.clsid);
    if (!inner) {
        LoadedLibraries::instance().release(library);
        throw platform::RuntimeError(platform::CannotCreateObject);
    }
    // The deleter is this library's code, so it can still run after the component is unloaded:
    // it destroys the object first and then lets the library go.
    DispatchObject* object = inner.get();
    return ObjectRef(object, [inner = std::move(inner), library = library](DispatchObject*) mutable {
        inner.reset();
        LoadedLibraries::instance().release(library);
    });
}

std::shared_ptr<const LibraryInfo> loadTypeLibrary(const QString& progIdOrClsid)
{
    auto [registration, library] = loadRegisteredLibrary(progIdOrClsid);
    const LibraryInfo* info = library->getTypeLibrary ? library->getTypeLibrary() : nullptr;
    if (!info) {
        LoadedLibraries::instance().release(library);
        throw platform::RuntimeError(platform::DllEntryPointNotFound,
                                     QStringLiteral("The library of %1 has no type information.").arg(progIdOrClsid));
    }
    return std::shared_ptr<const LibraryInfo>(
        info, [library = library](const LibraryInfo*) { LoadedLibraries::instance().release(library); });
}

void registerLibrary(const QString& libraryHostPath)
{
    callRegistrationEntryPoint(libraryHostPath, "DllRegisterServer");
}

void unregisterLibrary(const QString& libraryHostPath)
{
    callRegistrationEntryPoint(libraryHostPath, "DllUnregisterServer");
}

bool isLibraryLoaded(const QString& libraryHostPath)
{
    return LoadedLibraries::instance().isLoaded(libraryHostPath);
}

} // namespace automation
