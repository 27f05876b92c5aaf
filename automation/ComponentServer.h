#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include <QUuid>

#include "automation/DispatchObject.h"
#include "automation/TypeInfo.h"

namespace automation {

using HRESULT = std::int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_FAIL = std::int32_t(0x80004005);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = std::int32_t(0x80040111);
inline constexpr HRESULT SELFREG_E_CLASS = std::int32_t(0x80040201);

class ClassFactory {
public:
    virtual ~ClassFactory() = default;
    virtual ObjectRef createInstance() = 0;
};

// The in-process server side of a component library: its type library, its class factories
// and its count of live instances. A library defines one and exports the four entry points with
// AUTOMATION_COMPONENT_ENTRY_POINTS.
class ComponentServer {
public:
    using Creator = std::function<ObjectRef()>;

    ComponentServer(const LibraryInfo& library, std::map<QUuid, Creator> creators);

    const LibraryInfo& library() const { return m_library; }

    // Writes (removes) the registrations of the library's creatable classes; SELFREG_E_CLASS when
    // the registry cannot be written.
    HRESULT registerServer(const QString& libraryHostPath);
    HRESULT unregisterServer();
    // The factory stays the server's own; the caller does not delete it.
    HRESULT getClassObject(const QUuid& clsid, ClassFactory** factory);
    HRESULT canUnloadNow() const { return m_liveObjects.load() == 0 ? S_OK : S_FALSE; }

    // Instances count themselves here for the library's life.
    void objectCreated() { ++m_liveObjects; }
    void objectDestroyed() { --m_liveObjects; }

private:
    const LibraryInfo& m_library;
    std::map<QUuid, std::unique_ptr<ClassFactory>> m_factories;
    std::atomic<int> m_liveObjects{0};
};

// Host path of the shared object that holds the given address.
QString libraryPathOf(const void* address);

} // namespace automation

// The four entry points of a component library, forwarding to its ComponentServer, and a fifth,
// DllGetTypeLibrary, that hands out the library's type information (autocall --typelib).
#define AUTOMATION_COMPONENT_ENTRY_POINTS(serverExpression)                                                            \
    extern "C" __attribute__((visibility("default"))) automation::HRESULT DllRegisterServer()                          \
    {                                                                                                                  \
        static const char anchor = 0;                                                                                  \
        return (serverExpression).registerServer(automation::libraryPathOf(&anchor));                                  \
    }                                                                                                                  \
    extern "C" __attribute__((visibility("default"))) automation::HRESULT DllUnregisterServer()                        \
    {                                                                                                                  \
        return (serverExpression).unregisterServer();                                                                  \
    }                                                                                                                  \
    extern "C" __attribute__((visibility("default"))) automation::HRESULT DllGetClassObject(                           \
        const QUuid& clsid, automation::ClassFactory** factory)                                                        \
    {                                                                                                                  \
        return (serverExpression).getClassObject(clsid, factory);                                                      \
    }                                                                                                                  \
    extern "C" __attribute__((visibility("default"))) automation::HRESULT DllCanUnloadNow()                            \
    {                                                                                                                  \
        return (serverExpression).canUnloadNow();                                                                      \
    }                                                                                                                  \
    extern "C" __attribute__((visibility("default"))) const automation::LibraryInfo* DllGetTypeLibrary()               \
    {                                                                                                                  \
        return &(serverExpression).library();                                                                          \
    }
