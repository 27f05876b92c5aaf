#pragma once

#include <cstdint>

#include <QString>
#include <QUuid>

#include "automation/Boolean.h"
#include "automation/DispatchObject.h"
#include "automation/Variant.h"

// The dual interface of the test components, in slot order.
class _TestClass : public virtual automation::DispatchObject {
public:
    virtual QString Which() = 0;
    virtual QString Concat(QString& Target, QString Suffix) = 0;
    virtual std::int32_t Add(std::int16_t& First, std::int16_t& Second) = 0;
    virtual automation::Boolean IsLeftOut(automation::Variant& Value) = 0;
    virtual std::int32_t Twice(std::int32_t& Number) = 0;
    virtual automation::Variant Pieces(QString& Text) = 0;
    virtual void Fail(std::int32_t& Number) = 0;
    virtual void Mark(automation::Boolean& Flag) = 0;
};

// Two libraries built from the same source, each with a class named UtilexClass.
struct TestIdentity {
    const char16_t* libraryName;
    const char16_t* progId;
    QUuid libid;
    QUuid clsid;
    QUuid iid;
};

constexpr QUuid testGuid(unsigned kind, unsigned char library)
{
    return QUuid(0x7C0A1000u + kind, 0, 0x4000, 0x80, 0, 0, 0, 0, 0, 0, library);
}

constexpr TestIdentity testIdentities[] = {
    {u"TestLibA", u"TestLibA.UtilexClass", testGuid(0, 0xA), testGuid(1, 0xA), testGuid(2, 0xA)},
    {u"TestLibB", u"TestLibB.UtilexClass", testGuid(0, 0xB), testGuid(1, 0xB), testGuid(2, 0xB)},
};
