#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "automation/Variant.h"
#include "platform/RuntimeError.h"
#include "utilex/UtilexClass.h"

// The methods of _UtilexClass in slot order, as clients bind to them.
inline constexpr const char16_t* utilexMethodsInSlotOrder[] = {
    u"GetTmpPath", u"Wait", u"GetDiskSerialNumber", u"PlayWav", u"GetWindowsDir", u"GetSystemDir",
    u"ComputerName", u"ShowTaskBar", u"GetPrivateProfileString", u"WritePrivateProfileString", u"IsAttr",
    u"DirExists", u"ExitWin", u"LeftString", u"CambiaSfondoDeskTop", u"NomeUtente", u"MakeDir",
    u"PrinterPrintAt", u"Replicate", u"TogliCarattere", u"QuanteVolte", u"FileExists", u"Capitalize",
    u"MySplit", u"WaitForShell", u"ReverseString", u"AppClose", u"GetMDIChildCount", u"RightString",
    u"GetCapsLock", u"GetNumLock", u"SetCapsLock", u"SetNumLock", u"GetOnlineDisks", u"CenterForm",
    u"AlwaysOnTop", u"TileBkgd", u"LoadFormPosition", u"SaveFormPosition", u"FillComboDir",
    u"GetDiskFreeSpaceA", u"SelText", u"SaveAllFormValueControlToIni", u"LoadAllFormValueControlFromIni",
    u"InsStr", u"GetMouseKey", u"DisableControl", u"IsPrinterInstalled", u"LoadOneControlValueFromIni",
    u"SaveOneControlValue2Ini", u"GetAppPath",
};

// A fresh workstation with Utilex4 registered: drive C (ready), removable drive A (ready),
// removable drive D (not ready), Z on the host root; Windows folder C:\WINDOWS.
class UtilexTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static QString binFolder();
    static QString libraryFile();

    QString root() const { return m_root.path(); }
    // Host path of a path on drive C, e.g. hostOfC(u"data/a.txt").
    QString hostOfC(const QString& relative) const;
    void writeHostFile(const QString& hostPath, const QByteArray& bytes) const;
    void makeHostFolder(const QString& hostPath) const;

    // Early binding and late binding on one instance.
    std::shared_ptr<utilex::_UtilexClass> m_utilex;
    automation::ObjectRef m_object;

    automation::Variant call(const char16_t* method, std::vector<automation::Variant> arguments = {});
    automation::Variant callByRef(const char16_t* method, std::vector<automation::Variant>& arguments);

private:
    QTemporaryDir m_root;
};

namespace automation {
// Readable values in test failures.
inline void PrintTo(const Variant& value, std::ostream* out)
{
    if (!value.isArray()) {
        *out << value.displayText().toStdString();
        return;
    }
    *out << "(";
    for (const Variant& element : value.arrayData().elements)
        *out << '"' << element.displayText().toStdString() << "\" ";
    *out << ")";
}
} // namespace automation

// Runs a call and gives the runtime error number it raised; 0 when it raised none.
template <class Call>
int errorNumberOf(Call&& call)
{
    try {
        call();
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}
