#include "grid/GrivolaTypeLibrary.h"

#include "automation/TypeLibraryRows.h"
#include "grid/Grivo.h"

namespace grid {

namespace {

using automation::ClassInfo;
using automation::InterfaceInfo;
using automation::LibraryInfo;
using automation::MethodInfo;
using automation::ParameterInfo;
using automation::VarType;
using namespace automation::typeLibraryRows;

constexpr auto Object = VarType::Object;
constexpr auto Integer = VarType::Integer;

std::vector<MethodInfo> methodsInSlotOrder()
{
    return {
        procedure(u"Grid_Text_Move", {byRef(u"NomeGriglia", Object), byRef(u"TextBox", Object)}),
        procedure(u"GridSelCopy", {byRef(u"NomeGriglia", Object)}),
        procedure(u"GridSelPaste", {byRef(u"NomeGriglia", Object)}),
        procedure(u"IncollaMultiplo", {byRef(u"NomeGriglia", Object), byRef(u"ContCasella", VarType::String)}),
        procedure(u"RinumeraGriglia", {byRef(u"NomeGriglia", Object)}),
        procedure(u"GridLineDelete", {byRef(u"Griglia", Object)}),
        procedure(u"GridLineCut", {byRef(u"Griglia", Object)}),
        procedure(u"GridLinePaste", {byRef(u"Griglia", Object)}),
        procedure(u"GridLineCopy", {byRef(u"Griglia", Object)}),
        procedure(u"GridSelCut", {byRef(u"Griglia", Object)}),
        procedure(u"GridSelFormat", {byRef(u"Griglia", Object), byRef(u"FormatType", Integer)}),
        procedure(u"DimensionaRigaGriglia", {byRef(u"Griglia", Object), byRef(u"NRowRif", VarType::Single)}),
        procedure(u"GetSelPos", {byRef(u"Griglia", Object), byRef(u"Row1", Integer), byRef(u"Col1", Integer),
                                 byRef(u"Row2", Integer), byRef(u"Col2", Integer)}),
        procedure(u"MultiEdit", {byRef(u"Griglia", Object), optional(u"MaxLen")}),
        procedure(u"CancellaLineeVuote", {byRef(u"Griglia", Object)}),
        procedure(u"GridCellColor", {byRef(u"Griglia", Object), byRef(u"BColor", VarType::Single),
                                     byRef(u"GridRow", Integer), optional(u"GridCol")}),
    };
}

} // namespace

const automation::InterfaceInfo& grivoInterface()
{
    static const InterfaceInfo info{
        QStringLiteral("_Grivo"),
        QUuid(QStringLiteral("{26E7EA84-8CA2-11D3-97EB-0000E8740307}")),
        true,
        methodsInSlotOrder(),
    };
    return info;
}

const automation::ClassInfo& grivoClassInfo()
{
    return grivolaLibrary().classes.front();
}

const automation::LibraryInfo& grivolaLibrary()
{
    static const LibraryInfo info{
        QStringLiteral("Grivola"),
        1,
        0,
        1033,
        QUuid(QStringLiteral("{26E7EA86-8CA2-11D3-97EB-0000E8740307}")),
        QStringLiteral("1.0"),
        {ClassInfo{
            QStringLiteral("Grivo"),
            QUuid(QString::fromUtf16(GrivoClassId)),
            QString::fromUtf16(GrivoProgId),
            true,
            true,
            QStringLiteral("Apartment"),
            &grivoInterface(),
        }},
    };
    return info;
}

} // namespace grid
