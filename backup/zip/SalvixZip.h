#pragma once

#include <cstdint>

#include <QString>

#include "automation/DispatchObject.h"

namespace salvixzip {

// The dual interfaces of SalvixZip in slot order (after the seven standard slots). Every
// parameter is by reference; Booleans travel as Integer (-1 true, 0 false). Finish and Extract
// answer 0, or the runtime's number for the failure (5 spanning asked for, 52 a refused entry
// name, 53 a missing file, 57 a damaged archive, 61 disk full, 70 a file in use, ...), whose
// text ErrorText then gives.
class _Compressor : public virtual automation::DispatchObject {
public:
    virtual void SetArchive(QString& Path) = 0;        // 1
    virtual void SetSpanning(std::int32_t& Value) = 0; // 2
    virtual void AddFile(QString& Path) = 0;           // 3
    virtual std::int32_t Finish() = 0;                 // 4
    virtual QString ErrorText() = 0;                   // 5
};

class _Decompressor : public virtual automation::DispatchObject {
public:
    virtual void SetArchive(QString& Path) = 0;                           // 1
    virtual void SetOverwrite(std::int16_t& Value) = 0;                   // 2
    virtual void SetRestoreFolders(std::int16_t& Value) = 0;              // 3
    virtual void SetBaseFolder(QString& Path) = 0;                        // 4
    virtual std::int32_t Extract(QString& Include, QString& Exclude) = 0; // 5
    virtual QString ErrorText() = 0;                                      // 6
};

// Identity of the classes, for binding by class id or programmatic name.
inline constexpr char16_t CompressorClassId[] = u"{43387DB6-DDAE-11D3-97EC-0000E8740307}";
inline constexpr char16_t CompressorProgId[] = u"SalvixZip.Compressor";
inline constexpr char16_t DecompressorClassId[] = u"{43387DB1-DDAE-11D3-97EC-0000E8740307}";
inline constexpr char16_t DecompressorProgId[] = u"SalvixZip.Decompressor";

} // namespace salvixzip
