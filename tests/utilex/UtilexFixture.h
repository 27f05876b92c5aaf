#pragma once

#include <memory>
#include <vector>

#include <QString>

#include <gtest/gtest.h>

#include "automation/Variant.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/Printers.h"
#include "tests/support/TestWorkstation.h"
#include "utilex/UtilexClass.h"

// The methods of _UtilexClass in slot order, as clients bind to them.
inline constexpr const char16_t* utilexMethodsInSlotOrder[] = {
    u"GetTmpPath",
    u"Wait",
    u"GetDiskSerialNumber",
    u"PlayWav",
    u"GetWindowsDir",
    u"GetSystemDir",
    u"ComputerName",
    u"ShowTaskBar",
    u"GetPrivateProfileString",
    u"WritePrivateProfileString",
    u"IsAttr",
    u"DirExists",
    u"ExitWin",
    u"LeftString",
    u"CambiaSfondoDeskTop",
    u"NomeUtente",
    u"MakeDir",
    u"PrinterPrintAt",
    u"Replicate",
    u"TogliCarattere",
    u"QuanteVolte",
    u"FileExists",
    u"Capitalize",
    u"MySplit",
    u"WaitForShell",
    u"ReverseString",
    u"AppClose",
    u"GetMDIChildCount",
    u"RightString",
    u"GetCapsLock",
    u"GetNumLock",
    u"SetCapsLock",
    u"SetNumLock",
    u"GetOnlineDisks",
    u"CenterForm",
    u"AlwaysOnTop",
    u"TileBkgd",
    u"LoadFormPosition",
    u"SaveFormPosition",
    u"FillComboDir",
    u"GetDiskFreeSpaceA",
    u"SelText",
    u"SaveAllFormValueControlToIni",
    u"LoadAllFormValueControlFromIni",
    u"InsStr",
    u"GetMouseKey",
    u"DisableControl",
    u"IsPrinterInstalled",
    u"LoadOneControlValueFromIni",
    u"SaveOneControlValue2Ini",
    u"GetAppPath",
};

// The methods of the first library Utilex, in its slot order.
inline constexpr const char16_t* firstUtilexMethodsInSlotOrder[] = {
    u"GetTmpPath",
    u"Wait",
    u"GetDiskSerialNumber",
    u"PlayWav",
    u"GetWindowsDir",
    u"GetSystemDir",
    u"ComputerName",
    u"ShowTaskBar",
    u"GetPrivateProfileString",
    u"WritePrivateProfileString",
    u"IsAttr",
    u"DirExists",
    u"ExitWin",
    u"LeftString",
    u"CambiaSfondoDeskTop",
    u"NomeUtente",
    u"MakeDir",
    u"Valdir",
    u"PrinterPrintAt",
    u"Replicate",
    u"TogliCarattere",
    u"QuanteVolte",
    u"FileExists",
    u"Capitalize",
    u"Split",
    u"WaitForShell",
    u"ReverseString",
    u"AppClose",
    u"GetMDIChildCount",
    u"RightString",
    u"GetCapsLock",
    u"GetNumLock",
    u"SetCapsLock",
    u"SetNumLock",
    u"RunningOnIDE",
    u"GetOnlineDisks",
    u"CenterForm",
    u"AlwaysOnTop",
    u"TileBkgd",
    u"LoadFormPosition",
    u"SaveFormPosition",
    u"FillComboDir",
    u"GetDiskFreeSpaceA",
    u"SelText",
};

// A fresh workstation with Utilex4 and Utilex registered side by side: drive C (ready), removable drive A (ready),
// removable drive D (not ready), Z on the host root; Windows folder C:\WINDOWS.
class UtilexTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static QString libraryFile() { return TestWorkstation::builtProgram(QStringLiteral("Utilex4.dll")); }
    static QString firstLibraryFile() { return TestWorkstation::builtProgram(QStringLiteral("Utilex.dll")); }

    QString root() const { return m_station->root(); }
    // Host path of a path on drive C, e.g. hostOfC(u"data/a.txt").
    QString hostOfC(const QString& relative) const { return m_station->inRoot(QStringLiteral("drive_c/") + relative); }
    static void writeHostFile(const QString& hostPath, const QByteArray& bytes)
    {
        TestWorkstation::writeHostFile(hostPath, bytes);
    }
    static void makeHostFolder(const QString& hostPath) { TestWorkstation::makeHostFolder(hostPath); }

    // Early binding and late binding on one instance.
    std::shared_ptr<utilex::_UtilexClass> m_utilex;
    automation::ObjectRef m_object;

    // An instance of the first library, Utilex, made on first use.
    automation::DispatchObject& first();

    automation::Variant call(const char16_t* method, std::vector<automation::Variant> arguments = {});
    automation::Variant callByRef(const char16_t* method, std::vector<automation::Variant>& arguments);

private:
    std::unique_ptr<TestWorkstation> m_station;
    automation::ObjectRef m_first;
};
