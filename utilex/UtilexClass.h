#pragma once

#include <cstdint>

#include <QString>

#include "automation/Boolean.h"
#include "automation/DispatchObject.h"
#include "automation/Variant.h"

namespace utilex {

using automation::Boolean;
using automation::ObjectRef;
using automation::Variant;

// The dual interface _UtilexClass of Utilex4, in slot order (after the seven standard slots).
// Parameters are by reference unless marked by value; optional ones receive Variant::missing()
// (Variant parameters) or their default when the caller leaves them out through dispatch.
class _UtilexClass : public virtual automation::DispatchObject {
public:
    virtual Variant GetTmpPath() = 0;                                // 1
    virtual void Wait(std::int32_t& Millisecondi) = 0;               // 2
    virtual std::int32_t GetDiskSerialNumber(QString& strDrive) = 0; // 3
    virtual void PlayWav(QString& FileWav) = 0;                      // 4
    virtual QString GetWindowsDir() = 0;                             // 5
    virtual QString GetSystemDir() = 0;                              // 6
    virtual QString ComputerName() = 0;                              // 7
    virtual void ShowTaskBar(Boolean& x) = 0;                        // 8
    virtual QString GetPrivateProfileString(QString& psAppName, QString& psKeyName, Variant& pvsDefault,
                                            Variant& pvsFileName) = 0; // 9
    virtual Boolean WritePrivateProfileString(QString& psApplicationName, QString& psKeyName, QString& psValue,
                                              QString& psFilename) = 0;                              // 10
    virtual Boolean IsAttr(QString& strFile, std::int32_t& lngAttr) = 0;                             // 11
    virtual Variant DirExists(QString& MyDir) = 0;                                                   // 12
    virtual void ExitWin(Variant nExitOption) = 0;                                                   // 13
    virtual QString LeftString(QString& Stringa, QString& Carattere) = 0;                            // 14
    virtual void CambiaSfondoDeskTop(QString& fILEnAME) = 0;                                         // 15
    virtual QString NomeUtente() = 0;                                                                // 16
    virtual void MakeDir(QString& sDirName) = 0;                                                     // 17
    virtual void PrinterPrintAt(QString& DatoDaStampare, float& NPX, float& NPY) = 0;                // 18
    virtual Variant Replicate(QString& Carattere, std::int32_t& NumeroVolte) = 0;                    // 19
    virtual Variant TogliCarattere(QString& Stringa, QString& Carattere) = 0;                        // 20
    virtual std::int16_t QuanteVolte(QString& TmpString, QString& CarTemp) = 0;                      // 21
    virtual std::int16_t FileExists(QString& fILEnAME) = 0;                                          // 22
    virtual QString Capitalize(QString& Varia) = 0;                                                  // 23
    virtual Variant MySplit(QString& StringToSplit, QString& Separa) = 0;                            // 24
    virtual void WaitForShell(std::int32_t& pid) = 0;                                                // 25
    virtual QString ReverseString(QString& Stringa) = 0;                                             // 26
    virtual Boolean AppClose(QString& Title) = 0;                                                    // 27
    virtual std::int16_t GetMDIChildCount() = 0;                                                     // 28
    virtual QString RightString(QString& Stringa, QString& Carattere, Boolean& PartoDallInizio) = 0; // 29
    virtual Boolean GetCapsLock() = 0;                                                               // 30
    virtual Boolean GetNumLock() = 0;                                                                // 31
    virtual void SetCapsLock(Boolean& Attivo) = 0;                                                   // 32
    virtual void SetNumLock(Boolean& Attivo) = 0;                                                    // 33
    virtual Variant GetOnlineDisks() = 0;                                                            // 34
    virtual void CenterForm(ObjectRef& frmIN) = 0;                                                   // 35
    virtual void AlwaysOnTop(ObjectRef& x, Boolean& Y) = 0;                                          // 36
    virtual void TileBkgd(ObjectRef& Frm, ObjectRef& picholder, QString& bkgdfile) = 0;              // 37
    virtual void LoadFormPosition(ObjectRef& FormToLoad, QString& IniFile, Boolean& NoPosition,
                                  Boolean& NoDimension) = 0;                    // 38
    virtual void SaveFormPosition(ObjectRef& FormToSave, QString& IniFile) = 0; // 39
    virtual void FillComboDir(ObjectRef& ComboB, QString& StrPath) = 0;         // 40
    virtual std::int32_t GetDiskFreeSpaceA(QString lpRootPathName, std::int32_t& lpSectorsPerCluster,
                                           std::int32_t& lpBytesPerSector, std::int32_t& lpNumberOfFreeClusters,
                                           std::int32_t& lpTotalNumberOfClusters) = 0; // 41
    virtual void SelText(ObjectRef& TextB) = 0;                                        // 42
    virtual void SaveAllFormValueControlToIni(ObjectRef FormToSave, QString IniName, Boolean& SaveCMD,
                                              Boolean& SaveLBL) = 0; // 43
    virtual void LoadAllFormValueControlFromIni(ObjectRef FormToLoad, QString IniName, Boolean& LoadCMD,
                                                Boolean& LoadLBL) = 0;                                      // 44
    virtual QString InsStr(QString& StringMain, QString& StringToIns, std::int16_t& Pos) = 0;               // 45
    virtual std::uint8_t GetMouseKey() = 0;                                                                 // 46
    virtual Boolean DisableControl(ObjectRef& ControlName, Boolean& Enable, Variant& Clean_Value) = 0;      // 47
    virtual Boolean IsPrinterInstalled() = 0;                                                               // 48
    virtual void LoadOneControlValueFromIni(ObjectRef& FormName, ObjectRef& ObjName, QString& IniName) = 0; // 49
    virtual void SaveOneControlValue2Ini(ObjectRef& FormName, ObjectRef& ObjName, QString& IniName) = 0;    // 50
    virtual QString GetAppPath() = 0;                                                                       // 51
};

// Identity of the class, for binding by class id.
inline constexpr char16_t UtilexClassId[] = u"{26D6ED80-0326-4D1E-8725-483965E7A67D}";
inline constexpr char16_t UtilexProgId[] = u"Utilex4.UtilexClass";

} // namespace utilex
