#pragma once

#include <cstdint>

#include <QString>

#include "automation/Boolean.h"
#include "automation/DispatchObject.h"
#include "automation/Variant.h"

// Utilex, the first version of the library, kept for the clients built against it.
namespace utilex::first {

using automation::Boolean;
using automation::ObjectRef;
using automation::Variant;

// The dual interface _UtilexClass of Utilex, in slot order (after the seven standard slots).
// The methods it shares with Utilex4 take the same parameters.
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
    virtual std::int16_t Valdir(QString& sIncoming) = 0;                                             // 18
    virtual void PrinterPrintAt(QString& DatoDaStampare, float& NPX, float& NPY) = 0;                // 19
    virtual Variant Replicate(QString& Carattere, std::int32_t& NumeroVolte) = 0;                    // 20
    virtual Variant TogliCarattere(QString& Stringa, QString& Carattere) = 0;                        // 21
    virtual std::int16_t QuanteVolte(QString& TmpString, QString& CarTemp) = 0;                      // 22
    virtual std::int16_t FileExists(QString& fILEnAME) = 0;                                          // 23
    virtual QString Capitalize(QString& Varia) = 0;                                                  // 24
    virtual Variant Split(QString& StringToSplit, QString& Separa) = 0;                              // 25
    virtual void WaitForShell(std::int32_t& pid) = 0;                                                // 26
    virtual QString ReverseString(QString& Stringa) = 0;                                             // 27
    virtual Boolean AppClose(QString& Title) = 0;                                                    // 28
    virtual std::int16_t GetMDIChildCount() = 0;                                                     // 29
    virtual QString RightString(QString& Stringa, QString& Carattere, Boolean& PartoDallInizio) = 0; // 30
    virtual Boolean GetCapsLock() = 0;                                                               // 31
    virtual Boolean GetNumLock() = 0;                                                                // 32
    virtual void SetCapsLock(Boolean& Attivo) = 0;                                                   // 33
    virtual void SetNumLock(Boolean& Attivo) = 0;                                                    // 34
    virtual Variant RunningOnIDE() = 0;                                                              // 35
    virtual Variant GetOnlineDisks() = 0;                                                            // 36
    virtual void CenterForm(ObjectRef& frmIN) = 0;                                                   // 37
    virtual void AlwaysOnTop(ObjectRef& x, Boolean& Y) = 0;                                          // 38
    virtual void TileBkgd(ObjectRef& Frm, ObjectRef& picholder, QString& bkgdfile) = 0;              // 39
    virtual void LoadFormPosition(ObjectRef& FormToLoad, QString& IniFile, Boolean& NoPosition,
                                  Boolean& NoDimension) = 0;                    // 40
    virtual void SaveFormPosition(ObjectRef& FormToSave, QString& IniFile) = 0; // 41
    virtual void FillComboDir(ObjectRef& ComboB, QString& StrPath) = 0;         // 42
    virtual std::int32_t GetDiskFreeSpaceA(QString lpRootPathName, std::int32_t& lpSectorsPerCluster,
                                           std::int32_t& lpBytesPerSector, std::int32_t& lpNumberOfFreeClusters,
                                           std::int32_t& lpTotalNumberOfClusters) = 0; // 43
    virtual void SelText(ObjectRef& TextB) = 0;                                        // 44
};

// Identity of the class, for binding by class id.
inline constexpr char16_t UtilexClassId[] = u"{3222AC08-8CA2-11D3-97EB-0000E8740307}";
inline constexpr char16_t UtilexProgId[] = u"Utilex.UtilexClass";

} // namespace utilex::first
