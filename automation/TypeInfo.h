#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QUuid>

#include "automation/Variant.h"

namespace automation {

// Type information as data: what the dispatcher and autocall --typelib read.
struct ParameterInfo {
    QString name;
    VarType type = VarType::Variant;
    bool byRef = true;
    bool optional = false;
    std::optional<Variant> defaultValue;
};

struct MethodInfo {
    QString name;
    std::vector<ParameterInfo> parameters;
    std::optional<VarType> result; // none for a procedure without result
};

// The methods follow the seven standard dispatch slots: method i (from 0) has slot 7 + i and
// dispatch id firstDispatchId + i.
struct InterfaceInfo {
    static constexpr int standardSlots = 7;
    static constexpr int firstDispatchId = 0x60030000;

    QString name;
    QUuid iid;
    bool dual = true;
    std::vector<MethodInfo> methods;

    int slotOf(int methodIndex) const { return standardSlots + methodIndex; }
    int dispatchIdOf(int methodIndex) const { return firstDispatchId + methodIndex; }
    // Index of the method with that name, ignoring case; -1 when there is none.
    int indexOf(const QString& name) const;
};

struct ClassInfo {
    QString name;
    QUuid clsid;
    QString progId;
    bool creatable = true;
    bool appObject = false;
    QString threading = QStringLiteral("Apartment");
    const InterfaceInfo* defaultInterface = nullptr;
};

struct LibraryInfo {
    QString name;
    int majorVersion = 1;
    int minorVersion = 0;
    int locale = 0;
    QUuid libid;
    QString fileVersion;
    std::vector<ClassInfo> classes;
};

} // namespace automation
