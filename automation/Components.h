#pragma once

#include <memory>

#include <QString>

#include "automation/DispatchObject.h"

namespace automation {

struct LibraryInfo;

// Creates an object by programmatic name or class id text, as the runtime's CreateObject and
// New do: reads the registry, loads the library, asks its class factory. 429 (ActiveX component
// can't create object) when the class is not registered or cannot be created. The library is
// unloaded when its last instance is gone.
ObjectRef createObject(const QString& progIdOrClsid);

// Early binding: the object's dual interface as its C++ abstract class; 13 when the object does
// not implement it.
template <class Interface> std::shared_ptr<Interface> createObjectAs(const QString& progIdOrClsid);

// The type information of a registered class's library (its DllGetTypeLibrary); the library stays
// loaded while the pointer lives. 429 as createObject; 453 when the library exports none.
std::shared_ptr<const LibraryInfo> loadTypeLibrary(const QString& progIdOrClsid);

// Loads a library and calls its DllRegisterServer / DllUnregisterServer (regsvr). Raises 48 when it
// cannot be loaded, 453 when it lacks the entry point, and the HRESULT as the number when the call
// fails; the description says which.
void registerLibrary(const QString& libraryHostPath);
void unregisterLibrary(const QString& libraryHostPath);

// Whether the library at that host path is currently loaded by this process (tests of unloading).
bool isLibraryLoaded(const QString& libraryHostPath);

} // namespace automation

#include "automation/Components.inl"
