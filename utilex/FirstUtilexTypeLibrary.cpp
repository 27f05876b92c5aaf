#include "utilex/FirstUtilexTypeLibrary.h"

#include "utilex/FirstUtilexClass.h"
#include "utilex/UtilexTypeLibrary.h"

namespace utilex::first {

namespace {

using automation::MethodInfo;
using automation::VarType;

MethodInfo sharedRow(const char16_t* name)
{
    const automation::InterfaceInfo& current = utilex::utilexInterface();
    return current.methods.at(std::size_t(current.indexOf(QString::fromUtf16(name))));
}

// Split is the same method as Utilex4's MySplit under its first name.
MethodInfo splitRow()
{
    MethodInfo split = sharedRow(u"MySplit");
    split.name = QStringLiteral("Split");
    return split;
}

std::vector<MethodInfo> methodsInSlotOrder()
{
    const MethodInfo valdir{
        QStringLiteral("Valdir"),
        {automation::ParameterInfo{QStringLiteral("sIncoming"), VarType::String, true, false, std::nullopt}},
        VarType::Integer};
    const MethodInfo runningOnIde{QStringLiteral("RunningOnIDE"), {}, VarType::Variant};
    return {
        sharedRow(u"GetTmpPath"),
        sharedRow(u"Wait"),
        sharedRow(u"GetDiskSerialNumber"),
        sharedRow(u"PlayWav"),
        sharedRow(u"GetWindowsDir"),
        sharedRow(u"GetSystemDir"),
        sharedRow(u"ComputerName"),
        sharedRow(u"ShowTaskBar"),
        sharedRow(u"GetPrivateProfileString"),
        sharedRow(u"WritePrivateProfileString"),
        sharedRow(u"IsAttr"),
        sharedRow(u"DirExists"),
        sharedRow(u"ExitWin"),
        sharedRow(u"LeftString"),
        sharedRow(u"CambiaSfondoDeskTop"),
        sharedRow(u"NomeUtente"),
        sharedRow(u"MakeDir"),
        valdir,
        sharedRow(u"PrinterPrintAt"),
        sharedRow(u"Replicate"),
        sharedRow(u"TogliCarattere"),
        sharedRow(u"QuanteVolte"),
        sharedRow(u"FileExists"),
        sharedRow(u"Capitalize"),
        splitRow(),
        sharedRow(u"WaitForShell"),
        sharedRow(u"ReverseString"),
        sharedRow(u"AppClose"),
        sharedRow(u"GetMDIChildCount"),
        sharedRow(u"RightString"),
        sharedRow(u"GetCapsLock"),
        sharedRow(u"GetNumLock"),
        sharedRow(u"SetCapsLock"),
        sharedRow(u"SetNumLock"),
        runningOnIde,
        sharedRow(u"GetOnlineDisks"),
        sharedRow(u"CenterForm"),
        sharedRow(u"AlwaysOnTop"),
        sharedRow(u"TileBkgd"),
        sharedRow(u"LoadFormPosition"),
        sharedRow(u"SaveFormPosition"),
        sharedRow(u"FillComboDir"),
        sharedRow(u"GetDiskFreeSpaceA"),
        sharedRow(u"SelText"),
    };
}

} // namespace

const automation::InterfaceInfo& utilexInterface()
{
    static const automation::InterfaceInfo info{
        QStringLiteral("_UtilexClass"),
        QUuid(QStringLiteral("{3222AC07-8CA2-11D3-97EB-0000E8740307}")),
        true,
        methodsInSlotOrder(),
    };
    return info;
}

const automation::ClassInfo& utilexClassInfo()
{
    return utilexLibrary().classes.front();
}

const automation::LibraryInfo& utilexLibrary()
{
    static const automation::LibraryInfo info{
        QStringLiteral("Utilex"),
        1,
        0,
        0,
        QUuid(QStringLiteral("{3222AC09-8CA2-11D3-97EB-0000E8740307}")),
        QStringLiteral("1.0.0.0"),
        {automation::ClassInfo{
            QStringLiteral("UtilexClass"),
            QUuid(QString::fromUtf16(UtilexClassId)),
            QString::fromUtf16(UtilexProgId),
            true,
            false,
            QStringLiteral("Apartment"),
            &utilexInterface(),
        }},
    };
    return info;
}

} // namespace utilex::first
