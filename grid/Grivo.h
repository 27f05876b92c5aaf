#pragma once

#include <cstdint>

#include <QString>

#include "automation/DispatchObject.h"
#include "automation/Variant.h"

namespace grid {

using automation::ObjectRef;
using automation::Variant;

// The dual interface _Grivo of Grivola, in slot order (after the seven standard slots). Every
// parameter is by reference; the optional Variants receive Variant::missing() when left out.
class _Grivo : public virtual automation::DispatchObject {
public:
    virtual void Grid_Text_Move(ObjectRef& NomeGriglia, ObjectRef& TextBox) = 0;    // 1
    virtual void GridSelCopy(ObjectRef& NomeGriglia) = 0;                           // 2
    virtual void GridSelPaste(ObjectRef& NomeGriglia) = 0;                          // 3
    virtual void IncollaMultiplo(ObjectRef& NomeGriglia, QString& ContCasella) = 0; // 4
    virtual void RinumeraGriglia(ObjectRef& NomeGriglia) = 0;                       // 5
    virtual void GridLineDelete(ObjectRef& Griglia) = 0;                            // 6
    virtual void GridLineCut(ObjectRef& Griglia) = 0;                               // 7
    virtual void GridLinePaste(ObjectRef& Griglia) = 0;                             // 8
    virtual void GridLineCopy(ObjectRef& Griglia) = 0;                              // 9
    virtual void GridSelCut(ObjectRef& Griglia) = 0;                                // 10
    virtual void GridSelFormat(ObjectRef& Griglia, std::int16_t& FormatType) = 0;   // 11
    virtual void DimensionaRigaGriglia(ObjectRef& Griglia, float& NRowRif) = 0;     // 12
    virtual void GetSelPos(ObjectRef& Griglia, std::int16_t& Row1, std::int16_t& Col1, std::int16_t& Row2,
                           std::int16_t& Col2) = 0;                                                             // 13
    virtual void MultiEdit(ObjectRef& Griglia, Variant& MaxLen) = 0;                                            // 14
    virtual void CancellaLineeVuote(ObjectRef& Griglia) = 0;                                                    // 15
    virtual void GridCellColor(ObjectRef& Griglia, float& BColor, std::int16_t& GridRow, Variant& GridCol) = 0; // 16
};

// Identity of the class, for binding by class id.
inline constexpr char16_t GrivoClassId[] = u"{26E7EA85-8CA2-11D3-97EB-0000E8740307}";
inline constexpr char16_t GrivoProgId[] = u"Grivola.Grivo";

} // namespace grid
