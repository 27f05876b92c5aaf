#pragma once

#include "automation/SystemServices.h"
#include "automation/TypedDispatch.h"
#include "utilex/FirstUtilexClass.h"
#include "utilex/UtilexClass.h"

namespace utilex {

// The library an instance belongs to: Utilex4, or Utilex, the first version, which differs in a
// few methods and has a table of its own.
enum class Library { Utilex, Utilex4 };

// An instance of the automation class UtilexClass of either library: the methods of its
// _UtilexClass for early-bound callers, and the same methods by name for late-bound ones through
// the typed dispatcher, which knows only the library's own table.
// The methods are defined by group in UtilexProfileMethods.cpp, UtilexFolderMethods.cpp,
// UtilexDiskMethods.cpp, UtilexSystemMethods.cpp, UtilexDeviceMethods.cpp, UtilexTextMethods.cpp,
// UtilexFormMethods.cpp and UtilexControlValueMethods.cpp.
// Results never point into the library's own data: a caller may outlive the loaded library.
class UtilexClassObject final : public _UtilexClass, public first::_UtilexClass, public automation::TypedDispatch {
public:
    explicit UtilexClassObject(Library library);
    // Sends what PrinterPrintAt printed.
    ~UtilexClassObject() override;
    UtilexClassObject(const UtilexClassObject&) = delete;
    UtilexClassObject& operator=(const UtilexClassObject&) = delete;

    Variant GetTmpPath() override;
    void Wait(std::int32_t& Millisecondi) override;
    std::int32_t GetDiskSerialNumber(QString& strDrive) override;
    void PlayWav(QString& FileWav) override;
    QString GetWindowsDir() override;
    QString GetSystemDir() override;
    QString ComputerName() override;
    void ShowTaskBar(Boolean& x) override;
    QString GetPrivateProfileString(QString& psAppName, QString& psKeyName, Variant& pvsDefault,
                                    Variant& pvsFileName) override;
    Boolean WritePrivateProfileString(QString& psApplicationName, QString& psKeyName, QString& psValue,
                                      QString& psFilename) override;
    Boolean IsAttr(QString& strFile, std::int32_t& lngAttr) override;
    Variant DirExists(QString& MyDir) override;
    void ExitWin(Variant nExitOption) override;
    QString LeftString(QString& Stringa, QString& Carattere) override;
    void CambiaSfondoDeskTop(QString& fILEnAME) override;
    QString NomeUtente() override;
    void MakeDir(QString& sDirName) override;
    void PrinterPrintAt(QString& DatoDaStampare, float& NPX, float& NPY) override;
    Variant Replicate(QString& Carattere, std::int32_t& NumeroVolte) override;
    Variant TogliCarattere(QString& Stringa, QString& Carattere) override;
    std::int16_t QuanteVolte(QString& TmpString, QString& CarTemp) override;
    std::int16_t FileExists(QString& fILEnAME) override;
    QString Capitalize(QString& Varia) override;
    Variant MySplit(QString& StringToSplit, QString& Separa) override;
    void WaitForShell(std::int32_t& pid) override;
    QString ReverseString(QString& Stringa) override;
    Boolean AppClose(QString& Title) override;
    std::int16_t GetMDIChildCount() override;
    QString RightString(QString& Stringa, QString& Carattere, Boolean& PartoDallInizio) override;
    Boolean GetCapsLock() override;
    Boolean GetNumLock() override;
    void SetCapsLock(Boolean& Attivo) override;
    void SetNumLock(Boolean& Attivo) override;
    Variant GetOnlineDisks() override;
    void CenterForm(ObjectRef& frmIN) override;
    void AlwaysOnTop(ObjectRef& x, Boolean& Y) override;
    void TileBkgd(ObjectRef& Frm, ObjectRef& picholder, QString& bkgdfile) override;
    void LoadFormPosition(ObjectRef& FormToLoad, QString& IniFile, Boolean& NoPosition, Boolean& NoDimension) override;
    void SaveFormPosition(ObjectRef& FormToSave, QString& IniFile) override;
    void FillComboDir(ObjectRef& ComboB, QString& StrPath) override;
    std::int32_t GetDiskFreeSpaceA(QString lpRootPathName, std::int32_t& lpSectorsPerCluster,
                                   std::int32_t& lpBytesPerSector, std::int32_t& lpNumberOfFreeClusters,
                                   std::int32_t& lpTotalNumberOfClusters) override;
    void SelText(ObjectRef& TextB) override;
    void SaveAllFormValueControlToIni(ObjectRef FormToSave, QString IniName, Boolean& SaveCMD,
                                      Boolean& SaveLBL) override;
    void LoadAllFormValueControlFromIni(ObjectRef FormToLoad, QString IniName, Boolean& LoadCMD,
                                        Boolean& LoadLBL) override;
    QString InsStr(QString& StringMain, QString& StringToIns, std::int16_t& Pos) override;
    std::uint8_t GetMouseKey() override;
    Boolean DisableControl(ObjectRef& ControlName, Boolean& Enable, Variant& Clean_Value) override;
    Boolean IsPrinterInstalled() override;
    void LoadOneControlValueFromIni(ObjectRef& FormName, ObjectRef& ObjName, QString& IniName) override;
    void SaveOneControlValue2Ini(ObjectRef& FormName, ObjectRef& ObjName, QString& IniName) override;
    QString GetAppPath() override;

    // Utilex only.
    std::int16_t Valdir(QString& sIncoming) override;
    Variant Split(QString& StringToSplit, QString& Separa) override;
    Variant RunningOnIDE() override;

private:
    void setToggle(int virtualKey, Boolean on);

    Library m_library;
    automation::SystemServices::KeyboardState m_keyboardState{};
    bool m_printed = false;
};

} // namespace utilex
