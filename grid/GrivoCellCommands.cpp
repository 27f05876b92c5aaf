#include <optional>

#include "grid/GridText.h"
#include "grid/GrivoObject.h"
#include "grid/LateBoundObject.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "interaction/SkipFailingSteps.h"
#include "platform/RuntimeError.h"

namespace grid {

namespace {

constexpr std::int32_t defaultMaxLen = 64000;
// Texts handed to the host are copied out of the library, which may be unloaded while the host
// still holds them.
constexpr char16_t prompt[] = u"Inserisci il valore da inserire nelle caselle";
constexpr int invalidArgument = 5;

// One pair of GetSelPos: three tests in turn, each reading the two properties afresh.
void orderPair(interaction::SkipFailingSteps& procedure, const LateBoundObject& grid, QStringView current,
               QStringView other, std::int16_t& smaller, std::int16_t& larger)
{
    procedure.step([&] {
        if (grid.number(current) > grid.number(other)) {
            procedure.step([&] { smaller = grid.integer(other); });
            procedure.step([&] { larger = grid.integer(current); });
        }
    });
    procedure.step([&] {
        if (grid.number(current) < grid.number(other)) {
            procedure.step([&] { smaller = grid.integer(current); });
            procedure.step([&] { larger = grid.integer(other); });
        }
    });
    procedure.step([&] {
        if (grid.number(current) == grid.number(other)) {
            procedure.step([&] { smaller = grid.integer(current); });
            procedure.step([&] { larger = grid.integer(other); });
        }
    });
}

// The runtime's Left: 5 for a negative length.
QString leftText(const QString& text, const Variant& length)
{
    const std::int32_t characters = length.toLong();
    if (characters < 0)
        throw platform::RuntimeError(invalidArgument);
    return text.left(characters);
}

} // namespace

void GrivoObject::GetSelPos(ObjectRef& Griglia, std::int16_t& Row1, std::int16_t& Col1, std::int16_t& Row2,
                            std::int16_t& Col2)
{
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    orderPair(procedure, grid, u"Col", u"ColSel", Col1, Col2);
    orderPair(procedure, grid, u"Row", u"RowSel", Row1, Row2);
}

void GrivoObject::IncollaMultiplo(ObjectRef& NomeGriglia, QString& ContCasella)
{
    const LateBoundObject grid(NomeGriglia);
    interaction::SkipFailingSteps procedure;
    std::optional<std::int16_t> startRow;
    std::optional<std::int16_t> endRow;
    procedure.step([&] { startRow = grid.integer(u"SelStartRow"); });
    procedure.step([&] { endRow = grid.integer(u"SelEndRow"); });
    if (!startRow || !endRow)
        return;
    for (int r = *startRow; r <= *endRow; ++r)
        procedure.step([&] {
            grid.set(u"Row", index(r));
            const std::int16_t startCol = grid.integer(u"SelStartCol");
            const std::int16_t endCol = grid.integer(u"SelEndCol");
            for (int c = startCol; c <= endCol; ++c)
                procedure.step([&] {
                    grid.set(u"Col", index(c));
                    grid.set(u"Text", Variant(ContCasella));
                });
        });
}

void GrivoObject::RinumeraGriglia(ObjectRef& NomeGriglia)
{
    const LateBoundObject grid(NomeGriglia);
    interaction::SkipFailingSteps procedure;
    std::optional<std::int16_t> row;
    procedure.step([&] { grid.set(u"Redraw", Variant::fromBoolean(false)); });
    procedure.step([&] { row = grid.integer(u"Row"); });
    procedure.step([&] {
        const std::int16_t lastRow = toInteger(grid.number(u"Rows") - 1);
        for (int r = 1; r <= lastRow; ++r)
            procedure.step([&] {
                if (grid.get(u"TextMatrix", {index(r), index(0)}).toString() != QLatin1String("NP"))
                    grid.set(u"TextMatrix", {index(r), index(0)}, Variant(QString::number(r)));
            });
    });
    if (row)
        procedure.step([&] { grid.set(u"Row", index(*row)); });
    procedure.step([&] { grid.set(u"Redraw", Variant::fromBoolean(true)); });
}

void GrivoObject::GridSelFormat(ObjectRef& Griglia, std::int16_t& FormatType)
{
    std::int16_t row1 = notRead, col1 = notRead, row2 = notRead, col2 = notRead;
    self().GetSelPos(Griglia, row1, col1, row2, col2);
    if (row1 == notRead || col1 == notRead || row2 == notRead || col2 == notRead)
        return;
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    const auto formatCell = [&](int r, int c) {
        const QString text = grid.get(u"TextMatrix", {index(r), index(c)}).toString();
        grid.set(u"TextMatrix", {index(r), index(c)}, Variant(formattedText(text, FormatType)));
    };
    // A step small enough for std::function to hold without allocating: there is one per cell.
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2; ++c)
            procedure.step([&formatCell, r, c] { formatCell(r, c); });
}

void GrivoObject::MultiEdit(ObjectRef& Griglia, Variant& MaxLen)
{
    const Variant length = MaxLen.isMissing() ? Variant::fromLong(defaultMaxLen) : MaxLen;
    interaction::SkipFailingSteps procedure;
    QString answer;
    procedure.step(
        [&] { answer = interaction::Seams::prompter().input(QString::fromUtf16(prompt), QString(), QString()); });
    if (answer.isEmpty())
        return;
    std::int16_t row1 = notRead, col1 = notRead, row2 = notRead, col2 = notRead;
    self().GetSelPos(Griglia, row1, col1, row2, col2);
    const LateBoundObject grid(Griglia);
    if (row1 != notRead && col1 != notRead && row2 != notRead && col2 != notRead)
        for (int r = row1; r <= row2; ++r)
            for (int c = col1; c <= col2; ++c)
                procedure.step([&] {
                    grid.set(u"TextMatrix", {index(r), index(c)}, Variant(leftText(answer, length)));
                });
    procedure.step([&] { grid.call(u"SetFocus"); });
}

void GrivoObject::GridCellColor(ObjectRef& Griglia, float& BColor, std::int16_t& GridRow, Variant& GridCol)
{
    const LateBoundObject grid(Griglia);
    interaction::SkipFailingSteps procedure;
    const Variant colour = Variant::fromSingle(BColor);
    std::optional<bool> redraw;
    std::optional<std::int16_t> row;
    std::optional<std::int16_t> col;
    procedure.step([&] { redraw = grid.get(u"Redraw").toBoolean(); });
    procedure.step([&] { row = grid.integer(u"Row"); });
    procedure.step([&] { col = grid.integer(u"Col"); });
    procedure.step([&] { grid.set(u"Redraw", Variant::fromBoolean(false)); });
    procedure.step([&] {
        grid.set(u"Row", index(GridRow));
        if (GridCol.isMissing()) {
            const std::int16_t lastCol = toInteger(grid.number(u"Cols") - 1);
            const auto colourCell = [&](int c) {
                grid.set(u"Col", index(c));
                grid.set(u"CellBackColor", colour);
            };
            for (int c = 1; c <= lastCol; ++c)
                procedure.step([&colourCell, c] { colourCell(c); });
        } else {
            grid.set(u"Col", GridCol);
            if (GridCol.toDouble() > 0)
                grid.set(u"CellBackColor", colour);
            else
                grid.set(u"CellForeColor", colour);
        }
    });
    if (row)
        procedure.step([&] { grid.set(u"Row", index(*row)); });
    if (col)
        procedure.step([&] { grid.set(u"Col", index(*col)); });
    if (redraw)
        procedure.step([&] { grid.set(u"Redraw", Variant::fromBoolean(*redraw)); });
}

} // namespace grid
