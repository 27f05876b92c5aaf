#include "tests/support/grid/GrivoCases.h"

#include <initializer_list>

namespace gridtest {

namespace {

using automation::Variant;
using Cells = QList<QStringList>;

struct CellText {
    int row;
    int col;
    const char16_t* text;
};

QString str(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QStringList texts(std::initializer_list<const char16_t*> values)
{
    QStringList list;
    for (const char16_t* value : values)
        list.append(str(value));
    return list;
}

// The header "", A, B, C and rows 1 to count holding r, a<r>, b<r>, c<r>.
Cells letters(int count = 3)
{
    Cells cells{texts({u"", u"A", u"B", u"C"})};
    for (int r = 1; r <= count; ++r) {
        const QString n = QString::number(r);
        cells.append(QStringList{n, QStringLiteral("a") + n, QStringLiteral("b") + n, QStringLiteral("c") + n});
    }
    return cells;
}

Cells changed(Cells cells, std::initializer_list<CellText> changes)
{
    for (const CellText& change : changes)
        cells[change.row][change.col] = str(change.text);
    return cells;
}

GridPlan gridOf(const Cells& cells, Selection selection)
{
    GridPlan plan;
    plan.cells = cells;
    plan.selection = selection;
    return plan;
}

// A grid with more rows than a 16-bit Integer counts.
constexpr int tallRows = 40001;

GridPlan tallGrid(Selection selection)
{
    Cells cells;
    for (int r = 0; r < tallRows; ++r)
        cells.append(QStringList{QString(), QStringLiteral("x")});
    return gridOf(cells, selection);
}

// Columns 300, 1005, 1200, 900 twips wide; rows 255, 240, 300, 270 twips high; at 105, 195.
GridPlan laidOut(Selection selection, int borderStyle, int topRow, int leftCol)
{
    GridPlan plan = gridOf(letters(), selection);
    plan.colWidths = {300, 1005, 1200, 900};
    plan.rowHeights = {255, 240, 300, 270};
    plan.left = 105;
    plan.top = 195;
    plan.borderStyle = borderStyle;
    plan.topRow = topRow;
    plan.leftCol = leftCol;
    return plan;
}

Variant integer(int value)
{
    return Variant::fromInteger(std::int16_t(value));
}

std::vector<Variant> integers(std::initializer_list<int> values)
{
    std::vector<Variant> list;
    for (int value : values)
        list.push_back(integer(value));
    return list;
}

Variant single(float value)
{
    return Variant::fromSingle(value);
}

void addSelectionCases(std::vector<GrivoCase>& cases)
{
    const Cells abc = letters();
    cases.push_back({.name = "GetSelPos_MadeFromTopLeft",
                     .grid = gridOf(abc, {1, 1, 2, 3}),
                     .method = str(u"GetSelPos"),
                     .arguments = integers({0, 0, 0, 0}),
                     .argumentsAfter = integers({1, 1, 2, 3})});
    cases.push_back({.name = "GetSelPos_MadeFromBottomRightGivesTheSameNumbers",
                     .grid = gridOf(abc, {2, 3, 1, 1}),
                     .method = str(u"GetSelPos"),
                     .arguments = integers({0, 0, 0, 0}),
                     .selection = Selection{2, 3, 1, 1},
                     .argumentsAfter = integers({1, 1, 2, 3})});
    cases.push_back({.name = "GetSelPos_RowPast32767IsNotWritten",
                     .grid = tallGrid({40000, 1, 5, 1}),
                     .method = str(u"GetSelPos"),
                     .arguments = integers({9, 9, 9, 9}),
                     .argumentsAfter = integers({5, 1, 9, 1})});
    cases.push_back(
        {.name = "IncollaMultiplo_FillsEveryCellOfTheSelection",
         .grid = gridOf(abc, {1, 1, 2, 3}),
         .method = str(u"IncollaMultiplo"),
         .arguments = {Variant(u"x")},
         .cells = changed(abc, {{1, 1, u"x"}, {1, 2, u"x"}, {1, 3, u"x"}, {2, 1, u"x"}, {2, 2, u"x"}, {2, 3, u"x"}})});
    const Cells mario = changed(abc, {{1, 1, u"mARIO rossi"}, {1, 2, u"straße"}});
    cases.push_back({.name = "GridSelFormat_Code3CapitalizesTheFirstCharacterOnly",
                     .grid = gridOf(mario, {1, 1, 1, 1}),
                     .method = str(u"GridSelFormat"),
                     .arguments = integers({3}),
                     .cells = changed(mario, {{1, 1, u"Mario rossi"}})});
    cases.push_back({.name = "GridSelFormat_Code6ChangesNothing",
                     .grid = gridOf(mario, {1, 1, 2, 2}),
                     .method = str(u"GridSelFormat"),
                     .arguments = integers({6}),
                     .cells = mario});
    cases.push_back(
        {.name = "GridSelFormat_UpperCaseKeepsEveryLength",
         .grid = gridOf(mario, {2, 2, 1, 1}),
         .method = str(u"GridSelFormat"),
         .arguments = integers({1}),
         .cells = changed(mario, {{1, 1, u"MARIO ROSSI"}, {1, 2, u"STRAßE"}, {2, 1, u"A2"}, {2, 2, u"B2"}})});
    cases.push_back({.name = "MultiEdit_WritesTheAnswerCutToMaxLenAndFocusesTheGrid",
                     .grid = gridOf(abc, {2, 2, 1, 1}),
                     .method = str(u"MultiEdit"),
                     .arguments = integers({3}),
                     .answer = str(u"ABCDE"),
                     .cells = changed(abc, {{1, 1, u"ABC"}, {1, 2, u"ABC"}, {2, 1, u"ABC"}, {2, 2, u"ABC"}}),
                     .focused = true,
                     .argumentsAfter = integers({3})});
    cases.push_back({.name = "MultiEdit_EmptyAnswerChangesNothing",
                     .grid = gridOf(abc, {1, 1, 2, 2}),
                     .method = str(u"MultiEdit"),
                     .arguments = integers({3}),
                     .answer = QString(),
                     .cells = abc,
                     .focused = false});
    cases.push_back({.name = "MultiEdit_WithoutMaxLenWritesTheWholeAnswer",
                     .grid = gridOf(abc, {2, 3, 2, 3}),
                     .method = str(u"MultiEdit"),
                     .answer = str(u"Tessuto blu"),
                     .cells = changed(abc, {{2, 3, u"Tessuto blu"}}),
                     .focused = true});
}

void addClipboardCases(std::vector<GrivoCase>& cases)
{
    const Cells abc = letters();
    cases.push_back({.name = "GridSelCopy_PutsTheSelectionOnTheClipboardWithoutEmptyingIt",
                     .grid = gridOf(abc, {2, 2, 1, 1}),
                     .method = str(u"GridSelCopy"),
                     .cells = abc,
                     .clipboard = str(u"a1\tb1\ra2\tb2"),
                     .clipboardCalls = texts({u"SetText a1\tb1\ra2\tb2"})});
    cases.push_back({.name = "GridSelCopy_EmptySelectionTextLeavesTheClipboard",
                     .grid = gridOf(changed(abc, {{2, 2, u""}}), {2, 2, 2, 2}),
                     .method = str(u"GridSelCopy"),
                     .clipboardBefore = str(u"kept"),
                     .clipboard = str(u"kept"),
                     .clipboardCalls = QStringList()});
    cases.push_back({.name = "GridSelPaste_FillsFromTheTopLeftCellPastTheSelection",
                     .grid = gridOf(abc, {2, 2, 2, 2}),
                     .method = str(u"GridSelPaste"),
                     .clipboardBefore = str(u"X\tY\rZ\tW"),
                     .cells = changed(abc, {{2, 2, u"X"}, {2, 3, u"Y"}, {3, 2, u"Z"}, {3, 3, u"W"}}),
                     .selection = Selection{2, 2, 2, 2}});
    cases.push_back({.name = "GridSelPaste_StopsAtTheGridsEdge",
                     .grid = gridOf(abc, {3, 3, 3, 3}),
                     .method = str(u"GridSelPaste"),
                     .clipboardBefore = str(u"X\tY\rZ\tW"),
                     .cells = changed(abc, {{3, 3, u"X"}})});
    cases.push_back({.name = "GridSelPaste_LeavesTheRestOfALargerSelection",
                     .grid = gridOf(abc, {3, 3, 1, 1}),
                     .method = str(u"GridSelPaste"),
                     .clipboardBefore = str(u"X"),
                     .cells = changed(abc, {{1, 1, u"X"}}),
                     .selection = Selection{3, 3, 1, 1}});
    cases.push_back({.name = "GridSelPaste_TakesEveryLineBreakAndNoRowAfterTheLast",
                     .grid = gridOf(abc, {1, 1, 1, 1}),
                     .method = str(u"GridSelPaste"),
                     .clipboardBefore = str(u"X\r\nY\n"),
                     .cells = changed(abc, {{1, 1, u"X"}, {2, 1, u"Y"}})});
    cases.push_back({.name = "GridSelPaste_EmptyClipboardChangesNothing",
                     .grid = gridOf(abc, {1, 1, 2, 2}),
                     .method = str(u"GridSelPaste"),
                     .clipboardBefore = QString(),
                     .cells = abc});
    cases.push_back({.name = "GridSelPaste_UnreachableClipboardChangesNothing",
                     .grid = gridOf(abc, {1, 1, 2, 2}),
                     .method = str(u"GridSelPaste"),
                     .clipboardBefore = str(u"X"),
                     .clipboardUnreachable = true,
                     .cells = abc});
    cases.push_back({.name = "GridSelCut_CopiesAndEmptiesTheSelection",
                     .grid = gridOf(abc, {1, 2, 1, 1}),
                     .method = str(u"GridSelCut"),
                     .cells = changed(abc, {{1, 1, u""}, {1, 2, u""}}),
                     .clipboard = str(u"a1\tb1"),
                     .clipboardCalls = texts({u"SetText a1\tb1"})});
    cases.push_back({.name = "GridSelCut_KeepsTheCellsWhenTheClipboardIsUnreachable",
                     .grid = gridOf(abc, {1, 2, 1, 1}),
                     .method = str(u"GridSelCut"),
                     .clipboardUnreachable = true,
                     .cells = abc});
    cases.push_back({.name = "GridLineCopy_SelectsAndCopiesTheWholeRows",
                     .grid = gridOf(abc, {1, 2, 2, 2}),
                     .method = str(u"GridLineCopy"),
                     .clipboardBefore = str(u"old"),
                     .cells = abc,
                     .selection = Selection{2, 3, 1, 1},
                     .clipboard = str(u"a1\tb1\tc1\ra2\tb2\tc2"),
                     .clipboardCalls = texts({u"Clear", u"SetText a1\tb1\tc1\ra2\tb2\tc2"})});
    cases.push_back({.name = "GridLineCut_CopiesAndRemovesTheRows",
                     .grid = gridOf(abc, {1, 1, 2, 1}),
                     .method = str(u"GridLineCut"),
                     .cells = Cells{abc[0], abc[3]},
                     .clipboard = str(u"a1\tb1\tc1\ra2\tb2\tc2")});
    cases.push_back({.name = "GridLineCut_OnTwoRowsCopiesRow1AndRemovesNothing",
                     .grid = gridOf(letters(1), {1, 2, 1, 2}),
                     .method = str(u"GridLineCut"),
                     .cells = letters(1),
                     .clipboard = str(u"a1\tb1\tc1")});
    cases.push_back({.name = "GridLineCut_KeepsTheRowsWhenTheClipboardIsUnreachable",
                     .grid = gridOf(abc, {1, 1, 2, 1}),
                     .method = str(u"GridLineCut"),
                     .clipboardUnreachable = true,
                     .cells = abc});
    const Cells pasted{abc[0],
                       abc[1],
                       texts({u"", u"x1", u"y1", u""}),
                       texts({u"", u"x2", u"y2", u""}),
                       texts({u"", u"x3", u"y3", u""}),
                       abc[2],
                       abc[3]};
    cases.push_back({.name = "GridLinePaste_InsertsThreeRowsBeforeTheCurrentRowAndFillsThem",
                     .grid = gridOf(abc, {2, 1, 2, 1}),
                     .method = str(u"GridLinePaste"),
                     .clipboardBefore = str(u"x1\ty1\rx2\ty2\rx3\ty3"),
                     .cells = pasted,
                     .selection = Selection{2, 3, 5, 1}});
    cases.push_back({.name = "GridLinePaste_EmptyClipboardInsertsOneEmptyRow",
                     .grid = gridOf(abc, {2, 1, 2, 1}),
                     .method = str(u"GridLinePaste"),
                     .clipboardBefore = QString(),
                     .cells = Cells{abc[0], abc[1], texts({u"", u"", u"", u""}), abc[2], abc[3]}});
}

void addRowCases(std::vector<GrivoCase>& cases)
{
    const Cells abc = letters();
    const Cells numbered = changed(abc, {{1, 0, u"NP"}, {2, 0, u"np"}, {3, 0, u"7"}});
    cases.push_back({.name = "RinumeraGriglia_KeepsNPAndNumbersTheOtherRows",
                     .grid = gridOf(numbered, {3, 2, 3, 2}),
                     .method = str(u"RinumeraGriglia"),
                     .cells = changed(numbered, {{2, 0, u"2"}, {3, 0, u"3"}}),
                     .selection = Selection{3, 2, 3, 2},
                     .redraw = true,
                     .quiet = true});
    cases.push_back({.name = "RinumeraGriglia_RowsPast32767NumberNothing",
                     .grid = tallGrid({1, 1, 1, 1}),
                     .method = str(u"RinumeraGriglia"),
                     .cells = tallGrid({1, 1, 1, 1}).cells,
                     .redraw = true});
    cases.push_back({.name = "GridLineDelete_OnThreeRowsKeepsTwo",
                     .grid = gridOf(letters(2), {1, 1, 2, 1}),
                     .method = str(u"GridLineDelete"),
                     .cells = letters(1)});
    const Cells four = letters(4);
    cases.push_back({.name = "GridLineDelete_RemovesTheSelectedRows",
                     .grid = gridOf(four, {3, 2, 2, 2}),
                     .method = str(u"GridLineDelete"),
                     .cells = Cells{four[0], four[1], four[4]}});
    cases.push_back({.name = "GridLineDelete_RowPast32767RemovesNothing",
                     .grid = tallGrid({40000, 1, 39999, 1}),
                     .method = str(u"GridLineDelete"),
                     .rowCount = tallRows});
    const Cells gaps{texts({u"", u"A", u"B"}), texts({u"1", u"A", u""}), texts({u"2", u"", u""}),
                     texts({u"3", u"  ", u""}), texts({u"4", u"last", u""})};
    const Cells closed{gaps[0], gaps[1], gaps[4]};
    cases.push_back({.name = "CancellaLineeVuote_RemovesTheBlankRowsAboveTheLastRow",
                     .grid = gridOf(gaps, {1, 1, 1, 1}),
                     .method = str(u"CancellaLineeVuote"),
                     .cells = closed,
                     .redraw = true,
                     .quiet = true});
    GridPlan notRedrawing = gridOf(gaps, {1, 1, 1, 1});
    notRedrawing.redraw = false;
    cases.push_back({.name = "CancellaLineeVuote_PutsBackRedrawAsItFoundIt",
                     .grid = notRedrawing,
                     .method = str(u"CancellaLineeVuote"),
                     .cells = closed,
                     .redraw = false});
    GridPlan heights = gridOf(abc, {1, 1, 1, 1});
    heights.rowHeights = {300, 240, 480, 240};
    cases.push_back({.name = "DimensionaRigaGriglia_GivesEveryRowTheHeightOfTheReference",
                     .grid = heights,
                     .method = str(u"DimensionaRigaGriglia"),
                     .arguments = {single(2)},
                     .rowHeights = std::vector<int>{300, 480, 480, 480},
                     .redraw = true,
                     .quiet = true});
    GridPlan tallRow = heights;
    tallRow.rowHeights = {300, 240, 40005, 240};
    cases.push_back({.name = "DimensionaRigaGriglia_HeightPast32767ChangesNoRow",
                     .grid = tallRow,
                     .method = str(u"DimensionaRigaGriglia"),
                     .arguments = {single(2)},
                     .rowHeights = std::vector<int>{300, 240, 40005, 240},
                     .redraw = true});
}

void addColourCases(std::vector<GrivoCase>& cases)
{
    const Cells abc = letters();
    const std::optional<std::int32_t> none;
    cases.push_back(
        {.name = "GridCellColor_WithoutGridColColoursTheRowFromColumn1",
         .grid = gridOf(abc, {1, 2, 1, 2}),
         .method = str(u"GridCellColor"),
         .arguments = {single(255), integer(2)},
         .selection = Selection{1, 2, 1, 2},
         .colours = {{2, 0, none, none}, {2, 1, 255, none}, {2, 2, 255, none}, {2, 3, 255, none}, {1, 2, none, none}},
         .redraw = true,
         .quiet = true});
    cases.push_back({.name = "GridCellColor_WithGridColColoursThatCell",
                     .grid = gridOf(abc, {1, 2, 1, 2}),
                     .method = str(u"GridCellColor"),
                     .arguments = {single(65280), integer(2), integer(3)},
                     .selection = Selection{1, 2, 1, 2},
                     .colours = {{2, 3, 65280, none}, {2, 1, none, none}, {2, 2, none, none}}});
    cases.push_back({.name = "GridCellColor_GridCol0ColoursTheHeaderCellsText",
                     .grid = gridOf(abc, {1, 2, 1, 2}),
                     .method = str(u"GridCellColor"),
                     .arguments = {single(255), integer(2), integer(0)},
                     .colours = {{2, 0, none, 255}, {2, 1, none, none}}});
    GridPlan notRedrawing = gridOf(abc, {1, 1, 1, 1});
    notRedrawing.redraw = false;
    cases.push_back({.name = "GridCellColor_KeepsWhiteExactAndRedrawAsItFoundIt",
                     .grid = notRedrawing,
                     .method = str(u"GridCellColor"),
                     .arguments = {single(16777215), integer(3), integer(1)},
                     .colours = {{3, 1, 16777215, none}},
                     .redraw = false});
}

void addTextBoxCases(std::vector<GrivoCase>& cases)
{
    cases.push_back({.name = "Grid_Text_Move_PutsTheBoxOverTheCurrentCellInsideTheBorder",
                     .grid = laidOut({2, 3, 2, 3}, 1, 1, 1),
                     .method = str(u"Grid_Text_Move"),
                     .textBoxAt = QPointF(105 + 15 + 300 + 1005 + 1200 + 15, 195 + 15 + 255 + 240 + 15)});
    cases.push_back({.name = "Grid_Text_Move_WithoutBorder",
                     .grid = laidOut({2, 3, 2, 3}, 0, 1, 1),
                     .method = str(u"Grid_Text_Move"),
                     .textBoxAt = QPointF(105 + 300 + 1005 + 1200 + 15, 195 + 255 + 240 + 15)});
    cases.push_back({.name = "Grid_Text_Move_CountsOnlyTheVisibleRowsAndColumnsAfterScrolling",
                     .grid = laidOut({3, 3, 3, 3}, 1, 2, 2),
                     .method = str(u"Grid_Text_Move"),
                     .textBoxAt = QPointF(105 + 15 + 300 + 1200 + 15, 195 + 15 + 255 + 300 + 15)});
    cases.push_back({.name = "Grid_Text_Move_ReportsAMissingMember",
                     .grid = laidOut({2, 3, 2, 3}, 1, 1, 1),
                     .method = str(u"Grid_Text_Move"),
                     .hiddenMembers = texts({u"ColWidth"}),
                     .error = 438,
                     .errorDescription = str(u"Object doesn't support this property or method"),
                     .textBoxAt = QPointF(0, 0)});
    cases.push_back({.name = "Grid_Text_Move_ReportsARowPast32767",
                     .grid = tallGrid({40000, 1, 40000, 1}),
                     .method = str(u"Grid_Text_Move"),
                     .error = 6,
                     .errorDescription = str(u"Overflow"),
                     .textBoxAt = QPointF(0, 0)});
}

// A grid that lacks a member: the command does the rest of its work and raises nothing, and
// never loses a cell or a row over what it could not do.
void addMissingMemberCases(std::vector<GrivoCase>& cases)
{
    const Cells abc = letters();
    cases.push_back({.name = "WithoutRedraw_RinumeraGrigliaStillNumbers",
                     .grid = gridOf(changed(abc, {{1, 0, u""}}), {1, 1, 1, 1}),
                     .method = str(u"RinumeraGriglia"),
                     .hiddenMembers = texts({u"Redraw"}),
                     .cells = abc});
    cases.push_back({.name = "WithoutRedraw_GridCellColorStillColours",
                     .grid = gridOf(abc, {1, 1, 1, 1}),
                     .method = str(u"GridCellColor"),
                     .arguments = {single(255), integer(1), integer(2)},
                     .hiddenMembers = texts({u"Redraw"}),
                     .selection = Selection{1, 1, 1, 1},
                     .colours = {{1, 2, 255, std::nullopt}}});
    cases.push_back({.name = "WithoutClip_GridSelCopyLeavesTheClipboard",
                     .grid = gridOf(abc, {1, 1, 2, 2}),
                     .method = str(u"GridSelCopy"),
                     .hiddenMembers = texts({u"Clip"}),
                     .clipboardBefore = str(u"kept"),
                     .clipboard = str(u"kept")});
    cases.push_back({.name = "WithoutClip_GridSelCutKeepsTheCells",
                     .grid = gridOf(abc, {1, 1, 2, 2}),
                     .method = str(u"GridSelCut"),
                     .hiddenMembers = texts({u"Clip"}),
                     .cells = abc});
    cases.push_back({.name = "WithoutClip_GridLineCutKeepsTheRows",
                     .grid = gridOf(abc, {1, 1, 2, 1}),
                     .method = str(u"GridLineCut"),
                     .hiddenMembers = texts({u"Clip"}),
                     .cells = abc});
    cases.push_back({.name = "WithoutAddItem_GridLinePasteOverwritesNoRow",
                     .grid = gridOf(abc, {1, 1, 1, 1}),
                     .method = str(u"GridLinePaste"),
                     .hiddenMembers = texts({u"AddItem"}),
                     .clipboardBefore = str(u"x1\rx2"),
                     .cells = abc});
    cases.push_back({.name = "WithoutTextMatrix_CancellaLineeVuoteRemovesNoRow",
                     .grid = gridOf(changed(abc, {{2, 1, u""}, {2, 2, u""}, {2, 3, u""}}), {1, 1, 1, 1}),
                     .method = str(u"CancellaLineeVuote"),
                     .hiddenMembers = texts({u"TextMatrix"}),
                     .rowCount = 4,
                     .redraw = true});
    cases.push_back({.name = "WithoutSetFocus_MultiEditStillWrites",
                     .grid = gridOf(abc, {1, 1, 1, 1}),
                     .method = str(u"MultiEdit"),
                     .hiddenMembers = texts({u"SetFocus"}),
                     .answer = str(u"v"),
                     .cells = changed(abc, {{1, 1, u"v"}}),
                     .focused = false});
    cases.push_back({.name = "WithoutRowSel_GridLineDeleteRemovesNothing",
                     .grid = gridOf(abc, {1, 1, 2, 1}),
                     .method = str(u"GridLineDelete"),
                     .hiddenMembers = texts({u"RowSel"}),
                     .cells = abc});
}

} // namespace

std::vector<GrivoCase> grivoCases()
{
    std::vector<GrivoCase> cases;
    addSelectionCases(cases);
    addClipboardCases(cases);
    addRowCases(cases);
    addColourCases(cases);
    addTextBoxCases(cases);
    addMissingMemberCases(cases);
    return cases;
}

} // namespace gridtest
