#include "automation/LoadedLibraries.h"

#include <dlfcn.h>

#include <QFile>
#include <QFileInfo>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace automation {

namespace {

QString canonicalPath(const QString& hostPath)
{
    return QFileInfo(hostPath).canonicalFilePath();
}

template <class Function> Function entryPoint(void* handle, const char* name)
{
    return reinterpret_cast<Function>(dlsym(handle, name));
}

} // namespace

LoadedLibraries& LoadedLibraries::instance()
{
    // Never destroyed: objects held in a program's globals release their library after the
    // static objects of this library are gone.
    static auto* libraries = new LoadedLibraries;
    return *libraries;
}

LoadedLibraries::Library* LoadedLibraries::acquire(const QString& hostPath)
{
    const QString path = canonicalPath(hostPath);
    if (path.isEmpty())
        throw platform::RuntimeError(platform::ErrorInLoadingDll,
                                     QStringLiteral("The module \"%1\" was not found.").arg(hostPath));
    const std::lock_guard lock(m_mutex);
    auto found = m_libraries.find(path);
    if (found == m_libraries.end()) {
        void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            throw platform::RuntimeError(platform::ErrorInLoadingDll,
                                         QStringLiteral("The module \"%1\" failed to load: %2")
                                             .arg(hostPath, QString::fromLocal8Bit(dlerror())));
        auto library = std::make_unique<Library>();
        library->path = path;
        library->handle = handle;
        library->getClassObject = entryPoint<decltype(Library::getClassObject)>(handle, "DllGetClassObject");
        library->canUnloadNow = entryPoint<decltype(Library::canUnloadNow)>(handle, "DllCanUnloadNow");
        library->getTypeLibrary = entryPoint<decltype(Library::getTypeLibrary)>(handle, "DllGetTypeLibrary");
        if (!library->getClassObject || !library->canUnloadNow) {
            dlclose(handle);
            throw platform::RuntimeError(
                platform::DllEntryPointNotFound,
                QStringLiteral("The module \"%1\" is no component library (no DllGetClassObject or DllCanUnloadNow).")
                    .arg(hostPath));
        }
        found = m_libraries.emplace(path, std::move(library)).first;
    }
    ++found->second->users;
    return found->second.get();
}

void LoadedLibraries::release(Library* library)
{
    const std::lock_guard lock(m_mutex);
    if (--library->users > 0 || library->canUnloadNow() != S_OK)
        return;
    dlclose(library->handle);
    m_libraries.erase(library->path);
}

bool LoadedLibraries::isLoaded(const QString& hostPath)
{
    const QString path = canonicalPath(hostPath);
    const std::lock_guard lock(m_mutex);
    return m_libraries.count(path) > 0;
}

} // namespace automation
