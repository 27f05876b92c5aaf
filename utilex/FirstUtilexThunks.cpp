#include "utilex/FirstUtilexThunks.h"

#include "automation/MethodThunk.h"
#include "utilex/FirstUtilexTypeLibrary.h"

namespace utilex::first {

std::vector<automation::TypedDispatch::Thunk> utilexThunks(_UtilexClass& object)
{
    const auto& methods = utilexInterface().methods;
    std::size_t slot = 0;
    // Braced lists evaluate in order, so each thunk meets its own row of the type table.
    const auto next = [&](auto method) { return automation::methodThunk(object, methods.at(slot++), method); };
    return {
        next(&_UtilexClass::GetTmpPath),
        next(&_UtilexClass::Wait),
        next(&_UtilexClass::GetDiskSerialNumber),
        next(&_UtilexClass::PlayWav),
        next(&_UtilexClass::GetWindowsDir),
        next(&_UtilexClass::GetSystemDir),
        next(&_UtilexClass::ComputerName),
        next(&_UtilexClass::ShowTaskBar),
        next(&_UtilexClass::GetPrivateProfileString),
        next(&_UtilexClass::WritePrivateProfileString),
        next(&_UtilexClass::IsAttr),
        next(&_UtilexClass::DirExists),
        next(&_UtilexClass::ExitWin),
        next(&_UtilexClass::LeftString),
        next(&_UtilexClass::CambiaSfondoDeskTop),
        next(&_UtilexClass::NomeUtente),
        next(&_UtilexClass::MakeDir),
        next(&_UtilexClass::Valdir),
        next(&_UtilexClass::PrinterPrintAt),
        next(&_UtilexClass::Replicate),
        next(&_UtilexClass::TogliCarattere),
        next(&_UtilexClass::QuanteVolte),
        next(&_UtilexClass::FileExists),
        next(&_UtilexClass::Capitalize),
        next(&_UtilexClass::Split),
        next(&_UtilexClass::WaitForShell),
        next(&_UtilexClass::ReverseString),
        next(&_UtilexClass::AppClose),
        next(&_UtilexClass::GetMDIChildCount),
        next(&_UtilexClass::RightString),
        next(&_UtilexClass::GetCapsLock),
        next(&_UtilexClass::GetNumLock),
        next(&_UtilexClass::SetCapsLock),
        next(&_UtilexClass::SetNumLock),
        next(&_UtilexClass::RunningOnIDE),
        next(&_UtilexClass::GetOnlineDisks),
        next(&_UtilexClass::CenterForm),
        next(&_UtilexClass::AlwaysOnTop),
        next(&_UtilexClass::TileBkgd),
        next(&_UtilexClass::LoadFormPosition),
        next(&_UtilexClass::SaveFormPosition),
        next(&_UtilexClass::FillComboDir),
        next(&_UtilexClass::GetDiskFreeSpaceA),
        next(&_UtilexClass::SelText),
    };
}

} // namespace utilex::first
