#pragma once

#include "automation/DispatchObject.h"

#include <QString>
#include <memory>

namespace automation {

// Creates an object by programmatic name or class id text, as the runtime's CreateObject and
// New do: reads the registry, loads the library, asks its class factory. 429 (ActiveX component
// can't create object) when the class is not registered or cannot be created. The library is
// unloaded when its last instance is gone.
ObjectRef createObject(const QString& progIdOrClsid);

// Early binding: the object's dual interface as its C++ abstract class; 13 when the object does
// not implement it.
template <class Interface>
std::shared_ptr<Interface> createObjectAs(const QString& progIdOrClsid);

// Loads a library and calls its DllRegisterServer / DllUnregisterServer (regsvr).
void registerLibrary(const QString& libraryHostPath);
void unregisterLibrary(const QString& libraryHostPath);

// Whether the library at that host path is currently loaded by this process (tests of unloading).
bool isLibraryLoaded(const QString& libraryHostPath);

} // namespace automation

#include "automation/Components.inl"
