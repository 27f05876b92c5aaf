#include "utilex/UtilexTypeLibrary.h"

#include "automation/TypeLibraryRows.h"
#include "utilex/UtilexClass.h"

namespace utilex {

namespace {

using automation::ClassInfo;
using automation::InterfaceInfo;
using automation::LibraryInfo;
using automation::MethodInfo;
using automation::ParameterInfo;
using automation::VarType;
using namespace automation::typeLibraryRows;

constexpr auto String = VarType::String;
constexpr auto Long = VarType::Long;
constexpr auto Integer = VarType::Integer;
constexpr auto Single = VarType::Single;
constexpr auto Bool = VarType::Boolean;
constexpr auto Var = VarType::Variant;
constexpr auto Object = VarType::Object;
constexpr auto Byte = VarType::Byte;
constexpr std::optional<VarType> none = std::nullopt;

std::vector<MethodInfo> methodsInSlotOrder()
{
    return {
        method(u"GetTmpPath", {}, Var),
        method(u"Wait", {byRef(u"Millisecondi", Long)}, none),
        method(u"GetDiskSerialNumber", {byRef(u"strDrive", String)}, Long),
        method(u"PlayWav", {byRef(u"FileWav", String)}, none),
        method(u"GetWindowsDir", {}, String),
        method(u"GetSystemDir", {}, String),
        method(u"ComputerName", {}, String),
        method(u"ShowTaskBar", {byRef(u"x", Bool)}, none),
        method(u"GetPrivateProfileString",
               {byRef(u"psAppName", String), byRef(u"psKeyName", String), optional(u"pvsDefault", Var),
                optional(u"pvsFileName", Var)},
               String),
        method(u"WritePrivateProfileString",
               {byRef(u"psApplicationName", String), byRef(u"psKeyName", String), byRef(u"psValue", String),
                byRef(u"psFilename", String)},
               Bool),
        method(u"IsAttr", {byRef(u"strFile", String), byRef(u"lngAttr", Long)}, Bool),
        method(u"DirExists", {byRef(u"MyDir", String)}, Var),
        method(u"ExitWin", {byValue(u"nExitOption", Var)}, none),
        method(u"LeftString", {byRef(u"Stringa", String), byRef(u"Carattere", String)}, String),
        method(u"CambiaSfondoDeskTop", {byRef(u"fILEnAME", String)}, none),
        method(u"NomeUtente", {}, String),
        method(u"MakeDir", {byRef(u"sDirName", String)}, none),
        method(u"PrinterPrintAt", {byRef(u"DatoDaStampare", String), byRef(u"NPX", Single), byRef(u"NPY", Single)},
               none),
        method(u"Replicate", {byRef(u"Carattere", String), byRef(u"NumeroVolte", Long)}, Var),
        method(u"TogliCarattere", {byRef(u"Stringa", String), byRef(u"Carattere", String)}, Var),
        method(u"QuanteVolte", {byRef(u"TmpString", String), byRef(u"CarTemp", String)}, Integer),
        method(u"FileExists", {byRef(u"fILEnAME", String)}, Integer),
        method(u"Capitalize", {byRef(u"Varia", String)}, String),
        method(u"MySplit", {byRef(u"StringToSplit", String), byRef(u"Separa", String)}, Var),
        method(u"WaitForShell", {byRef(u"pid", Long)}, none),
        method(u"ReverseString", {byRef(u"Stringa", String)}, String),
        method(u"AppClose", {byRef(u"Title", String)}, Bool),
        method(u"GetMDIChildCount", {}, Integer),
        method(u"RightString",
               {byRef(u"Stringa", String), byRef(u"Carattere", String), optional(u"PartoDallInizio", Bool)}, String),
        method(u"GetCapsLock", {}, Bool),
        method(u"GetNumLock", {}, Bool),
        method(u"SetCapsLock", {byRef(u"Attivo", Bool)}, none),
        method(u"SetNumLock", {byRef(u"Attivo", Bool)}, none),
        method(u"GetOnlineDisks", {}, Var),
        method(u"CenterForm", {byRef(u"frmIN", Object)}, none),
        method(u"AlwaysOnTop", {byRef(u"x", Object), byRef(u"Y", Bool)}, none),
        method(u"TileBkgd", {byRef(u"Frm", Object), byRef(u"picholder", Object), byRef(u"bkgdfile", String)}, none),
        method(u"LoadFormPosition",
               {byRef(u"FormToLoad", Object), byRef(u"IniFile", String), optional(u"NoPosition", Bool),
                optional(u"NoDimension", Bool)},
               none),
        method(u"SaveFormPosition", {byRef(u"FormToSave", Object), byRef(u"IniFile", String)}, none),
        method(u"FillComboDir", {byRef(u"ComboB", Object), byRef(u"StrPath", String)}, none),
        method(u"GetDiskFreeSpaceA",
               {byValue(u"lpRootPathName", String), byRef(u"lpSectorsPerCluster", Long),
                byRef(u"lpBytesPerSector", Long), byRef(u"lpNumberOfFreeClusters", Long),
                byRef(u"lpTotalNumberOfClusters", Long)},
               Long),
        method(u"SelText", {byRef(u"TextB", Object)}, none),
        method(u"SaveAllFormValueControlToIni",
               {byValue(u"FormToSave", Object), byValue(u"IniName", String),
                optional(u"SaveCMD", Bool, Variant::fromBoolean(false)),
                optional(u"SaveLBL", Bool, Variant::fromBoolean(false))},
               none),
        method(u"LoadAllFormValueControlFromIni",
               {byValue(u"FormToLoad", Object), byValue(u"IniName", String),
                optional(u"LoadCMD", Bool, Variant::fromBoolean(false)),
                optional(u"LoadLBL", Bool, Variant::fromBoolean(false))},
               none),
        method(u"InsStr", {byRef(u"StringMain", String), byRef(u"StringToIns", String), byRef(u"Pos", Integer)},
               String),
        method(u"GetMouseKey", {}, Byte),
        method(u"DisableControl",
               {byRef(u"ControlName", Object), optional(u"Enable", Bool, Variant::fromBoolean(false)),
                optional(u"Clean_Value", Var, Variant::fromBoolean(true))},
               Bool),
        method(u"IsPrinterInstalled", {}, Bool),
        method(u"LoadOneControlValueFromIni",
               {byRef(u"FormName", Object), byRef(u"ObjName", Object), byRef(u"IniName", String)}, none),
        method(u"SaveOneControlValue2Ini",
               {byRef(u"FormName", Object), byRef(u"ObjName", Object), byRef(u"IniName", String)}, none),
        method(u"GetAppPath", {}, String),
    };
}

} // namespace

const automation::InterfaceInfo& utilexInterface()
{
    static const InterfaceInfo info{
        QStringLiteral("_UtilexClass"),
        QUuid(QStringLiteral("{C206809D-BCB2-48C4-A5C6-91080F4397A3}")),
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
    static const LibraryInfo info{
        QStringLiteral("Utilex4"),
        1,
        0,
        1033,
        QUuid(QStringLiteral("{EAA9A4EE-4C8C-4F2B-9CEC-85572921528A}")),
        QStringLiteral("4.0.0.1"),
        {ClassInfo{
            QStringLiteral("UtilexClass"),
            QUuid(QString::fromUtf16(UtilexClassId)),
            QString::fromUtf16(UtilexProgId),
            true,
            true,
            QStringLiteral("Apartment"),
            &utilexInterface(),
        }},
    };
    return info;
}

} // namespace utilex
