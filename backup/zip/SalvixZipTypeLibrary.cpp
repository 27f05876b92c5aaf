#include "backup/zip/SalvixZipTypeLibrary.h"

#include "automation/TypeLibraryRows.h"
#include "backup/zip/SalvixZip.h"

namespace salvixzip {

namespace {

using automation::ClassInfo;
using automation::InterfaceInfo;
using automation::LibraryInfo;
using automation::MethodInfo;
using automation::ParameterInfo;
using automation::VarType;
using namespace automation::typeLibraryRows;

ClassInfo creatableClass(const char16_t* name, const char16_t* clsid, const char16_t* progId,
                         const InterfaceInfo& interface)
{
    return ClassInfo{QString::fromUtf16(name),
                     QUuid(QString::fromUtf16(clsid)),
                     QString::fromUtf16(progId),
                     true,
                     false,
                     QStringLiteral("Apartment"),
                     &interface};
}

} // namespace

const automation::InterfaceInfo& compressorInterface()
{
    static const InterfaceInfo info{
        QStringLiteral("_Compressor"),
        QUuid(QStringLiteral("{43387DB5-DDAE-11D3-97EC-0000E8740307}")),
        true,
        {
            procedure(u"SetArchive", {byRef(u"Path", VarType::String)}),
            procedure(u"SetSpanning", {byRef(u"Value", VarType::Long)}),
            procedure(u"AddFile", {byRef(u"Path", VarType::String)}),
            function(u"Finish", {}, VarType::Long),
            function(u"ErrorText", {}, VarType::String),
        },
    };
    return info;
}

const automation::InterfaceInfo& decompressorInterface()
{
    static const InterfaceInfo info{
        QStringLiteral("_Decompressor"),
        QUuid(QStringLiteral("{43387DB0-DDAE-11D3-97EC-0000E8740307}")),
        true,
        {
            procedure(u"SetArchive", {byRef(u"Path", VarType::String)}),
            procedure(u"SetOverwrite", {byRef(u"Value", VarType::Boolean)}),
            procedure(u"SetRestoreFolders", {byRef(u"Value", VarType::Boolean)}),
            procedure(u"SetBaseFolder", {byRef(u"Path", VarType::String)}),
            function(u"Extract", {byRef(u"Include", VarType::String), byRef(u"Exclude", VarType::String)},
                     VarType::Long),
            function(u"ErrorText", {}, VarType::String),
        },
    };
    return info;
}

const automation::LibraryInfo& salvixZipLibrary()
{
    static const LibraryInfo info{
        QStringLiteral("SalvixZip"),
        1,
        0,
        1033,
        QUuid(QStringLiteral("{43387DB9-DDAE-11D3-97EC-0000E8740307}")),
        QStringLiteral("1.0"),
        {
            creatableClass(u"Compressor", CompressorClassId, CompressorProgId, compressorInterface()),
            creatableClass(u"Decompressor", DecompressorClassId, DecompressorProgId, decompressorInterface()),
        },
    };
    return info;
}

} // namespace salvixzip
