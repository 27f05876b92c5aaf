#include <optional>

#include "automation/Clipboard.h"
#include "grid/GridText.h"
#include "grid/GrivoObject.h"
#include "grid/LateBoundObject.h"
#include "interaction/SkipFailingSteps.h"

namespace grid {

namespace {

using automation::Clipboard;

const QString carriageReturn(QChar(u'\r'));
// An empty row: copied out of the library, which may be unloaded while the grid still holds it.
const QChar tab(u'\t');

} // namespace

void GrivoObject::GridSelCopy(ObjectRef& NomeGriglia)
{
    const LateBoundObject grid(NomeGriglia);
    interaction::SkipFailingSteps procedure;
    procedure.step([&] {
        const QString clip = grid.get(u"Clip").toString();
        if (!clip.isEmpty())
            Clipboard::setText(clip);
    });
}

// An empty clipboard leaves the selection as it is: pasting nothing must not empty its first cell.
void GrivoObject::GridSelPaste(ObjectRef& NomeGriglia)
{
    const LateBoundObject grid(NomeGriglia);
    interaction::SkipFailingSteps procedure;
    procedure.step([&] {
        const QString text = Clipboard::getText();
        if (!text.isEmpty())
            grid.set(u"Clip", Variant(text));
    });
}

// The cells are emptied only when their text reached the clipboard (or was empty), so a cut never
// loses what it could not copy.
void GrivoObject::GridSelCut(ObjectRef& Griglia)
{
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    bool kept = false;
    procedure.step([&] {
        const QString clip = grid.get(u"Clip").toString();
        if (!clip.isEmpty())
            Clipboard::setText(clip);
        kept = true;
    });
    if (!kept)
        return;
    std::int16_t emptyText = 4;
    self().GridSelFormat(Griglia, emptyText);
}

bool GrivoObject::copyWholeRows(ObjectRef& Griglia, std::int16_t Row1, std::int16_t Row2)
{
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    int done = 0;
    procedure.step([&] {
        grid.set(u"Row", index(Row2));
        ++done;
    });
    procedure.step([&] {
        grid.set(u"Col", Variant::fromLong(grid.number(u"Cols") - 1));
        ++done;
    });
    procedure.step([&] {
        grid.set(u"RowSel", index(Row1));
        ++done;
    });
    procedure.step([&] {
        grid.set(u"ColSel", index(1));
        ++done;
    });
    procedure.step([&] {
        Clipboard::clear();
        ++done;
    });
    procedure.step([&] {
        Clipboard::setText(grid.get(u"Clip").toString());
        ++done;
    });
    return done == 6;
}

void GrivoObject::GridLineCopy(ObjectRef& Griglia)
{
    std::int16_t row1 = notRead, col1 = notRead, row2 = notRead, col2 = notRead;
    self().GetSelPos(Griglia, row1, col1, row2, col2);
    if (row1 != notRead && row2 != notRead)
        copyWholeRows(Griglia, row1, row2);
}

// Rows go only when the whole rows reached the clipboard, so a cut never loses what it could not
// copy.
void GrivoObject::GridLineCut(ObjectRef& Griglia)
{
    std::int16_t row1 = notRead, col1 = notRead, row2 = notRead, col2 = notRead;
    self().GetSelPos(Griglia, row1, col1, row2, col2);
    if (row1 == notRead || row2 == notRead || !copyWholeRows(Griglia, row1, row2))
        return;
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    for (int r = row2; r >= row1; --r)
        procedure.step([&] {
            if (grid.number(u"Rows") > 2 || r > 1)
                grid.call(u"RemoveItem", {index(r)});
        });
}

// The clipboard's rows fill the new rows only when all of them went in, so a grid that refuses
// new rows never has its existing rows overwritten.
void GrivoObject::GridLinePaste(ObjectRef& Griglia)
{
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    std::optional<std::int16_t> firstRow;
    std::optional<std::int16_t> count;
    procedure.step([&] { firstRow = grid.integer(u"Row"); });
    procedure.step([&] { count = toInteger(CountText(Clipboard::getText(), carriageReturn) + 1); });
    if (!count)
        return;
    int inserted = 0;
    for (int i = 0; i < *count; ++i)
        procedure.step([&] {
            grid.call(u"AddItem", {Variant(QString(tab)), grid.get(u"Row")});
            ++inserted;
        });
    if (!firstRow || inserted != *count)
        return;
    procedure.step([&] { grid.set(u"Row", index(*firstRow)); });
    procedure.step([&] { grid.set(u"Col", Variant::fromLong(grid.number(u"Cols") - 1)); });
    procedure.step([&] { grid.set(u"RowSel", index(toInteger(*firstRow + *count))); });
    procedure.step([&] { grid.set(u"ColSel", index(1)); });
    procedure.step([&] { grid.set(u"Clip", Variant(Clipboard::getText())); });
}

} // namespace grid
