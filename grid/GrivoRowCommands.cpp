#include <algorithm>
#include <optional>

#include "grid/GridText.h"
#include "grid/GrivoObject.h"
#include "grid/LateBoundObject.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/Twips.h"

namespace grid {

namespace {

// The width and height of one screen pixel in twips.
constexpr float pixelWidth = interaction::twips::perPixel;
constexpr float pixelHeight = interaction::twips::perPixel;

// Whether every cell of the row from column 1 on holds nothing but blanks. A cell that cannot be
// read raises, so that it is never taken for a blank one.
bool isBlankRow(const LateBoundObject& grid, int row)
{
    const std::int16_t lastCol = toInteger(grid.number(u"Cols") - 1);
    for (int c = 1; c <= lastCol; ++c)
        if (!trimmedBlanks(grid.get(u"TextMatrix", {index(row), index(c)}).toString()).isEmpty())
            return false;
    return true;
}

// Adds the sizes of the rows or columns first to last, in twips, one at a time.
void addSizes(float& total, const LateBoundObject& grid, QStringView size, int first, int last)
{
    for (int i = first; i <= last; ++i)
        total += grid.get(size, {index(i)}).toSingle();
}

} // namespace

// Lets every failure reach the caller.
void GrivoObject::Grid_Text_Move(ObjectRef& NomeGriglia, ObjectRef& TextBox)
{
    const LateBoundObject grid(NomeGriglia);
    float x = grid.get(u"Left").toSingle();
    float y = grid.get(u"Top").toSingle();
    if (grid.get(u"BorderStyle").toLong() == 1) {
        x += pixelWidth;
        y += pixelHeight;
    }
    addSizes(x, grid, u"ColWidth", 0, toInteger(grid.number(u"FixedCols") - 1));
    addSizes(y, grid, u"RowHeight", 0, toInteger(grid.number(u"FixedRows") - 1));
    const std::int16_t leftCol = grid.integer(u"LeftCol");
    addSizes(x, grid, u"ColWidth", leftCol, toInteger(grid.number(u"Col") - 1));
    const std::int16_t topRow = grid.integer(u"TopRow");
    addSizes(y, grid, u"RowHeight", topRow, toInteger(grid.number(u"Row") - 1));
    LateBoundObject(TextBox).call(u"Move", {Variant::fromSingle(x + pixelWidth), Variant::fromSingle(y + pixelHeight)});
}

void GrivoObject::GridLineDelete(ObjectRef& Griglia)
{
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    procedure.step([&] {
        const std::int16_t row = grid.integer(u"Row");
        const std::int16_t rowSel = grid.integer(u"RowSel");
        for (int r = std::max(row, rowSel); r >= std::min(row, rowSel); --r)
            procedure.step([&] {
                if (grid.number(u"Rows") > 2)
                    grid.call(u"RemoveItem", {index(r)});
            });
    });
}

// A row is removed only when all its cells could be read as blank: a grid that cannot show its
// cells loses none of its rows.
void GrivoObject::CancellaLineeVuote(ObjectRef& Griglia)
{
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    std::optional<bool> redraw;
    procedure.step([&] { redraw = grid.get(u"Redraw").toBoolean(); });
    procedure.step([&] { grid.set(u"Redraw", Variant::fromBoolean(false)); });
    procedure.step([&] {
        const std::int16_t lastExamined = toInteger(grid.number(u"Rows") - 2);
        for (int r = lastExamined; r >= 1; --r) {
            bool blank = false;
            procedure.step([&] { blank = isBlankRow(grid, r); });
            if (!blank)
                break;
            procedure.step([&] { grid.call(u"RemoveItem", {index(r)}); });
        }
    });
    if (redraw)
        procedure.step([&] { grid.set(u"Redraw", Variant::fromBoolean(*redraw)); });
}

// The rows keep their heights when the reference row's height cannot be read.
void GrivoObject::DimensionaRigaGriglia(ObjectRef& Griglia, float& NRowRif)
{
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    procedure.step([&] { grid.set(u"Redraw", Variant::fromBoolean(false)); });
    procedure.step([&] {
        const std::int16_t height = grid.integer(u"RowHeight", {Variant::fromSingle(NRowRif)});
        const std::int16_t lastRow = toInteger(grid.number(u"Rows") - 1);
        for (int r = 1; r <= lastRow; ++r)
            procedure.step([&] { grid.set(u"RowHeight", {index(r)}, Variant::fromInteger(height)); });
    });
    procedure.step([&] { grid.set(u"Redraw", Variant::fromBoolean(true)); });
}

} // namespace grid
