#pragma once

#include "automation/TypedDispatch.h"
#include "grid/Grivo.h"

namespace grid {

// An instance of the automation class Grivo: the sixteen grid commands of _Grivo for early-bound
// callers, and the same by name for late-bound ones. It keeps nothing between calls. Every command
// but Grid_Text_Move skips a failing statement and goes on; Grid_Text_Move lets the first failure
// reach its caller. The commands are defined by group in GrivoClipboardCommands.cpp,
// GrivoCellCommands.cpp and GrivoRowCommands.cpp.
class GrivoObject final : public _Grivo, public automation::TypedDispatch {
public:
    GrivoObject();
    ~GrivoObject() override;
    GrivoObject(const GrivoObject&) = delete;
    GrivoObject& operator=(const GrivoObject&) = delete;

    void Grid_Text_Move(ObjectRef& NomeGriglia, ObjectRef& TextBox) override;
    void GridSelCopy(ObjectRef& NomeGriglia) override;
    void GridSelPaste(ObjectRef& NomeGriglia) override;
    void IncollaMultiplo(ObjectRef& NomeGriglia, QString& ContCasella) override;
    void RinumeraGriglia(ObjectRef& NomeGriglia) override;
    void GridLineDelete(ObjectRef& Griglia) override;
    void GridLineCut(ObjectRef& Griglia) override;
    void GridLinePaste(ObjectRef& Griglia) override;
    void GridLineCopy(ObjectRef& Griglia) override;
    void GridSelCut(ObjectRef& Griglia) override;
    void GridSelFormat(ObjectRef& Griglia, std::int16_t& FormatType) override;
    void DimensionaRigaGriglia(ObjectRef& Griglia, float& NRowRif) override;
    void GetSelPos(ObjectRef& Griglia, std::int16_t& Row1, std::int16_t& Col1, std::int16_t& Row2,
                   std::int16_t& Col2) override;
    void MultiEdit(ObjectRef& Griglia, Variant& MaxLen) override;
    void CancellaLineeVuote(ObjectRef& Griglia) override;
    void GridCellColor(ObjectRef& Griglia, float& BColor, std::int16_t& GridRow, Variant& GridCol) override;

private:
    // What the commands start GetSelPos's outputs at, so that a selection that cannot be read is
    // never taken for the header cell.
    static constexpr std::int16_t notRead = -1;

    // GridLineCopy's selection of the whole rows Row1 to Row2 and their copy; true when every
    // step went through and the rows' text reached the clipboard.
    bool copyWholeRows(ObjectRef& Griglia, std::int16_t Row1, std::int16_t Row2);
    // The class's own interface, through which the commands call GetSelPos and GridSelFormat.
    _Grivo& self() { return *this; }
};

} // namespace grid
