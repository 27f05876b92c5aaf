#pragma once

#include <map>
#include <memory>
#include <mutex>

#include <QString>

#include "automation/ComponentServer.h"

namespace automation {

// The process-wide table of component libraries loaded for their objects and type information.
// A library stays loaded while it has users and is closed when its last user is gone and its
// DllCanUnloadNow agrees.
class LoadedLibraries {
public:
    struct Library {
        QString path;
        void* handle = nullptr;
        int users = 0;
        HRESULT (*getClassObject)(const QUuid&, ClassFactory**) = nullptr;
        HRESULT (*canUnloadNow)() = nullptr;
        const LibraryInfo* (*getTypeLibrary)() = nullptr; // optional
    };

    static LoadedLibraries& instance();

    // Loads the library (or finds it loaded) and counts one user. Raises 48 when it cannot be
    // loaded, 453 when it lacks DllGetClassObject or DllCanUnloadNow.
    Library* acquire(const QString& hostPath);
    void release(Library* library);
    bool isLoaded(const QString& hostPath);

private:
    std::mutex m_mutex;
    std::map<QString, std::unique_ptr<Library>> m_libraries;
};

} // namespace automation
