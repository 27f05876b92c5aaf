// The grid bridge's own rules, on a real QTableWidget: what the view shows of the grid's state,
// headers, sizes, colours, Clip's line breaks and the errors.
#include "ui/GridBridge.h"

#include <functional>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "automation/Components.h"
#include "automation/DefaultMember.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/grid/GrivoCase.h"
#include "tests/support/grid/GrivolaWorkstation.h"
#include "ui/WidgetBridge.h"

namespace {

using namespace Qt::StringLiterals;
using automation::Variant;

Variant number(int value)
{
    return Variant::fromLong(value);
}

// Four rows of three cells "r,c" below the headers, in a window shown offscreen.
class GridBridgeTest : public testing::Test {
protected:
    GridBridgeTest()
    {
        m_window.resize(600, 400);
        m_table = new QTableWidget(4, 3, &m_window);
        m_table->setGeometry(30, 45, 500, 300);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                m_table->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1,%2").arg(r + 1).arg(c + 1)));
        m_window.show();
        QApplication::processEvents();
        m_grid = ui::gridBridge::grid(*m_table);
    }

    Variant get(const QString& member, std::vector<Variant> indices = {})
    {
        return m_grid->get(member, std::move(indices));
    }
    void set(const QString& member, const Variant& value) { m_grid->set(member, value); }
    void select(int row, int col, int rowSel, int colSel)
    {
        set(QStringLiteral("Row"), number(row));
        set(QStringLiteral("Col"), number(col));
        set(QStringLiteral("RowSel"), number(rowSel));
        set(QStringLiteral("ColSel"), number(colSel));
    }
    QString text(int row, int col) { return get(QStringLiteral("TextMatrix"), {number(row), number(col)}).toString(); }

    QWidget m_window;
    QTableWidget* m_table = nullptr;
    automation::ObjectRef m_grid;
};

TEST_F(GridBridgeTest, HeadersAreRowAndColumnZero)
{
    EXPECT_EQ(get(QStringLiteral("Rows")).toLong(), 5);
    EXPECT_EQ(get(QStringLiteral("Cols")).toLong(), 4);
    EXPECT_EQ(get(QStringLiteral("FixedRows")).toLong(), 1);
    EXPECT_EQ(get(QStringLiteral("FixedCols")).toLong(), 1);
    EXPECT_EQ(text(1, 1), QStringLiteral("1,1"));
    EXPECT_EQ(text(4, 3), QStringLiteral("4,3"));
    // Headers without items of their own show their numbers.
    EXPECT_EQ(text(0, 2), QStringLiteral("2"));
    EXPECT_EQ(text(3, 0), QStringLiteral("3"));

    m_grid->set(QStringLiteral("TextMatrix"), {number(0), number(2)}, Variant(u"Descrizione"));
    m_grid->set(QStringLiteral("TextMatrix"), {number(3), number(0)}, Variant(u"NP"));
    m_grid->set(QStringLiteral("TextMatrix"), {number(0), number(0)}, Variant(u"Pezzo"));
    EXPECT_EQ(m_table->horizontalHeaderItem(1)->text(), QStringLiteral("Descrizione"));
    EXPECT_EQ(m_table->verticalHeaderItem(2)->text(), QStringLiteral("NP"));
    EXPECT_EQ(text(0, 0), QStringLiteral("Pezzo"));
    EXPECT_EQ(m_table->item(0, 0)->text(), QStringLiteral("1,1"));

    std::vector<Variant> row{Variant(u"7\ta\tb\tc\td")};
    m_grid->callByRef(QStringLiteral("AddItem"), row);
    EXPECT_EQ(m_table->rowCount(), 5);
    EXPECT_EQ(m_table->verticalHeaderItem(4)->text(), QStringLiteral("7"));
    EXPECT_EQ(m_table->item(4, 2)->text(), QStringLiteral("c"));
}

TEST_F(GridBridgeTest, TheViewShowsTheSelectionAndItsFarCorner)
{
    select(3, 3, 1, 2);
    const QList<QTableWidgetSelectionRange> ranges = m_table->selectedRanges();
    ASSERT_EQ(ranges.size(), 1);
    EXPECT_EQ(ranges[0].topRow(), 0);
    EXPECT_EQ(ranges[0].bottomRow(), 2);
    EXPECT_EQ(ranges[0].leftColumn(), 1);
    EXPECT_EQ(ranges[0].rightColumn(), 2);
    EXPECT_EQ(m_table->currentRow(), 0);
    EXPECT_EQ(m_table->currentColumn(), 1);

    // The current cell moves inside the selection and leaves it as it is.
    set(QStringLiteral("Row"), number(2));
    EXPECT_EQ(m_table->selectedRanges().size(), 1);
    EXPECT_EQ(get(QStringLiteral("SelEndRow")).toLong(), 3);

    // A header cell is part of the grid's selection, not of the view's.
    select(2, 0, 2, 2);
    ASSERT_EQ(m_table->selectedRanges().size(), 1);
    EXPECT_EQ(m_table->selectedRanges()[0].leftColumn(), 0);
    EXPECT_EQ(m_table->selectedRanges()[0].rightColumn(), 1);
    EXPECT_EQ(get(QStringLiteral("SelStartCol")).toLong(), 0);
}

TEST_F(GridBridgeTest, WhatTheUserSelectsComesBack)
{
    m_table->setFocus();
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualItemRect(m_table->item(1, 0)).center());
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      m_table->visualItemRect(m_table->item(3, 2)).center());
    EXPECT_EQ(get(QStringLiteral("Row")).toLong(), 2);
    EXPECT_EQ(get(QStringLiteral("Col")).toLong(), 1);
    EXPECT_EQ(get(QStringLiteral("RowSel")).toLong(), 4);
    EXPECT_EQ(get(QStringLiteral("ColSel")).toLong(), 3);
    EXPECT_EQ(get(QStringLiteral("Clip")).toString(), QStringLiteral("2,1\t2,2\t2,3\r3,1\t3,2\t3,3\r4,1\t4,2\t4,3"));

    QTest::keyClick(m_table, Qt::Key_Up);
    EXPECT_EQ(get(QStringLiteral("Row")).toLong(), 3);
    EXPECT_EQ(get(QStringLiteral("Col")).toLong(), 3);
    EXPECT_EQ(get(QStringLiteral("SelStartRow")).toLong(), 3);
    EXPECT_EQ(get(QStringLiteral("SelEndRow")).toLong(), 3);
}

struct ClipCase {
    const char* name;
    QString text;
    QStringList rows; // rows 1 to 3 afterwards, cells joined by "|"
};

class GridBridgeClipTest : public GridBridgeTest, public testing::WithParamInterface<ClipCase> {};

TEST_P(GridBridgeClipTest, RowsBreakAtEveryKindOfLineBreak)
{
    select(1, 1, 1, 1);
    set(QStringLiteral("Clip"), Variant(GetParam().text));
    QStringList rows;
    for (int r = 1; r <= 3; ++r)
        rows.append(QStringList{text(r, 1), text(r, 2), text(r, 3)}.join(u'|'));
    EXPECT_EQ(rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, GridBridgeClipTest,
    testing::Values(
        ClipCase{"CarriageReturn", QStringLiteral("a\tb\rc\td"), {u"a|b|1,3"_s, u"c|d|2,3"_s, u"3,1|3,2|3,3"_s}},
        ClipCase{
            "LineFeedFromASpreadsheet", QStringLiteral("a\tb\nc\td\n"), {u"a|b|1,3"_s, u"c|d|2,3"_s, u"3,1|3,2|3,3"_s}},
        ClipCase{"CarriageReturnLineFeed",
                 QStringLiteral("a\tb\r\nc\td\r\ne\tf\r\n"),
                 {u"a|b|1,3"_s, u"c|d|2,3"_s, u"e|f|3,3"_s}},
        ClipCase{"EmptyLineInsideStaysARow", QStringLiteral("a\n\nc"), {u"a|1,2|1,3"_s, u"|2,2|2,3"_s, u"c|3,2|3,3"_s}},
        ClipCase{"WiderThanTheGridIsCut",
                 QStringLiteral("a\tb\tc\td\te"),
                 {u"a|b|c"_s, u"2,1|2,2|2,3"_s, u"3,1|3,2|3,3"_s}}),
    [](const testing::TestParamInfo<ClipCase>& info) { return std::string(info.param.name); });

TEST_F(GridBridgeTest, SizesAreTwipsAndHeadersHaveFixedOnes)
{
    m_table->setColumnWidth(1, 80);
    m_table->setRowHeight(2, 30);
    EXPECT_EQ(get(QStringLiteral("ColWidth"), {number(2)}).toLong(), 1200);
    EXPECT_EQ(get(QStringLiteral("RowHeight"), {number(3)}).toLong(), 450);
    EXPECT_EQ(get(QStringLiteral("RowHeight"), {number(0)}).toLong(), m_table->horizontalHeader()->height() * 15);
    EXPECT_EQ(get(QStringLiteral("ColWidth"), {number(0)}).toLong(), m_table->verticalHeader()->width() * 15);

    m_grid->set(QStringLiteral("RowHeight"), {number(1)}, number(360));
    m_grid->set(QStringLiteral("RowHeight"), {number(0)}, number(300));
    m_grid->set(QStringLiteral("ColWidth"), {number(0)}, number(600));
    QApplication::processEvents();
    EXPECT_EQ(m_table->rowHeight(0), 24);
    EXPECT_EQ(m_table->horizontalHeader()->height(), 20);
    EXPECT_EQ(m_table->verticalHeader()->width(), 40);
    EXPECT_EQ(RUNTIME_ERROR_OF(m_grid->set(QStringLiteral("RowHeight"), {number(1)}, number(-15))), 380);

    EXPECT_EQ(get(QStringLiteral("Left")).toLong(), 450);
    EXPECT_EQ(get(QStringLiteral("Top")).toLong(), 675);
    set(QStringLiteral("BorderStyle"), Variant::fromInteger(1));
    EXPECT_EQ(m_table->frameWidth(), 1);
    set(QStringLiteral("BorderStyle"), Variant::fromInteger(0));
    EXPECT_EQ(m_table->frameWidth(), 0);
    EXPECT_EQ(RUNTIME_ERROR_OF(set(QStringLiteral("BorderStyle"), Variant::fromInteger(2))), 380);
}

TEST_F(GridBridgeTest, TheTextBoxLandsOverTheCurrentCell)
{
    const gridtest::GrivolaWorkstation workstation;
    auto* box = new QLineEdit(&m_window);
    // Short enough to scroll row 2 to the top: scrolled to its end the view aligns its last row
    // with the bottom instead.
    m_table->resize(500, 150);
    m_table->setColumnWidth(0, 70);
    for (int r = 0; r < 4; ++r)
        m_table->setRowHeight(r, 50);
    set(QStringLiteral("BorderStyle"), Variant::fromInteger(1));
    set(QStringLiteral("TopRow"), number(2));
    QApplication::processEvents();
    ASSERT_EQ(get(QStringLiteral("TopRow")).toLong(), 2);
    select(3, 2, 3, 2);
    std::vector<Variant> arguments{Variant(m_grid), Variant(ui::widgetBridge::control(*box))};
    automation::createObject(QStringLiteral("Grivola.Grivo"))->callByRef(QStringLiteral("Grid_Text_Move"), arguments);
    const QRect cell = m_table->visualItemRect(m_table->item(2, 1));
    EXPECT_EQ(box->pos(), m_table->viewport()->mapTo(&m_window, cell.topLeft()) + QPoint(1, 1));
}

TEST_F(GridBridgeTest, ColoursAreRedGreenBlueValues)
{
    select(2, 3, 2, 3);
    set(QStringLiteral("CellBackColor"), number(0x0080FF));
    set(QStringLiteral("CellForeColor"), number(0xFF0000));
    EXPECT_EQ(m_table->item(1, 2)->background().color(), QColor(255, 128, 0));
    EXPECT_EQ(m_table->item(1, 2)->foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(get(QStringLiteral("CellBackColor")).toLong(), 0x0080FF);

    set(QStringLiteral("Col"), number(0));
    set(QStringLiteral("CellForeColor"), number(255));
    EXPECT_EQ(m_table->verticalHeaderItem(1)->foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(text(2, 0), QStringLiteral("2"));
    EXPECT_EQ(RUNTIME_ERROR_OF(set(QStringLiteral("CellBackColor"), number(0x1000000))), 380);
    EXPECT_EQ(RUNTIME_ERROR_OF(set(QStringLiteral("CellBackColor"), number(-1))), 380);
}

TEST_F(GridBridgeTest, ACommandThatPutsTheCellBackLeavesTheViewsSelectionAlone)
{
    const gridtest::GrivolaWorkstation workstation;
    select(2, 2, 2, 2);
    const QSignalSpy selecting(m_table->selectionModel(), &QItemSelectionModel::selectionChanged);
    std::vector<Variant> arguments{Variant(m_grid), Variant::fromSingle(255), Variant::fromInteger(4)};
    automation::createObject(QStringLiteral("Grivola.Grivo"))->callByRef(QStringLiteral("GridCellColor"), arguments);
    EXPECT_EQ(m_table->item(3, 1)->background().color(), QColor(255, 0, 0));
    EXPECT_EQ(selecting.count(), 0);
    EXPECT_EQ(m_table->currentRow(), 1);

    // Once rows came in, the view no longer shows the grid's cell where it was seen to.
    m_table->insertRow(0);
    ASSERT_EQ(m_table->currentRow(), 2);
    set(QStringLiteral("Row"), number(2));
    EXPECT_EQ(m_table->currentRow(), 1);
}

TEST_F(GridBridgeTest, RedrawFalseStopsRepainting)
{
    set(QStringLiteral("Redraw"), Variant::fromBoolean(false));
    EXPECT_FALSE(m_table->updatesEnabled());
    EXPECT_FALSE(get(QStringLiteral("Redraw")).toBoolean());
    // The view catches up with the selection once it repaints.
    select(4, 3, 4, 3);
    EXPECT_NE(m_table->currentRow(), 3);
    set(QStringLiteral("Redraw"), Variant::fromBoolean(true));
    EXPECT_TRUE(m_table->updatesEnabled());
    EXPECT_EQ(m_table->currentRow(), 3);
    EXPECT_EQ(m_table->currentColumn(), 2);
}

struct ErrorCase {
    const char* name;
    std::function<void(automation::DispatchObject&)> call;
    int error;
};

class GridBridgeErrorTest : public GridBridgeTest, public testing::WithParamInterface<ErrorCase> {};

TEST_P(GridBridgeErrorTest, RaisesTheRuntimesError)
{
    EXPECT_EQ(errorNumberOf([&] { GetParam().call(*m_grid); }), GetParam().error);
    EXPECT_EQ(m_table->rowCount(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    BadCalls, GridBridgeErrorTest,
    testing::Values(ErrorCase{"RowPastTheGrid", [](auto& grid) { grid.set(u"Row"_s, number(5)); }, 381},
                    ErrorCase{"NegativeCol", [](auto& grid) { grid.set(u"Col"_s, number(-1)); }, 381},
                    ErrorCase{"TextMatrixPastTheGrid",
                              [](auto& grid) {
                                  grid.get(u"TextMatrix"_s, {number(1), number(4)});
                              },
                              381},
                    ErrorCase{"RowHeightPastTheGrid", [](auto& grid) { grid.get(u"RowHeight"_s, {number(5)}); }, 381},
                    ErrorCase{"RemoveTheHeaderRow", [](auto& grid) { grid.call(u"RemoveItem"_s, {number(0)}); }, 381},
                    ErrorCase{"AddItemPastTheEnd",
                              [](auto& grid) {
                                  grid.call(u"AddItem"_s, {Variant(u"x"), number(6)});
                              },
                              381},
                    ErrorCase{"SetRows", [](auto& grid) { grid.set(u"Rows"_s, number(3)); }, 383},
                    ErrorCase{"UnknownMember", [](auto& grid) { grid.get(u"Picture"_s); }, 438},
                    ErrorCase{"TextMatrixWithOneIndex", [](auto& grid) { grid.get(u"TextMatrix"_s, {number(1)}); },
                              450}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

TEST_F(GridBridgeTest, TheLastRowStaysAndAGoneTableRaises364)
{
    for (int r = 4; r > 1; --r)
        m_grid->call(QStringLiteral("RemoveItem"), {number(r)});
    EXPECT_EQ(RUNTIME_ERROR_OF(m_grid->call(QStringLiteral("RemoveItem"), {number(1)})), 30015);
    EXPECT_EQ(m_table->rowCount(), 1);
    EXPECT_EQ(text(1, 1), QStringLiteral("1,1"));

    delete m_table;
    EXPECT_EQ(RUNTIME_ERROR_OF(get(QStringLiteral("Rows"))), 364);
}

TEST_F(GridBridgeTest, MembersAreFoundIgnoringCase)
{
    EXPECT_EQ(m_grid->idOfName(QStringLiteral("textmatrix")), m_grid->idOfName(QStringLiteral("TextMatrix")));
    EXPECT_EQ(m_grid->idOfName(QStringLiteral("TEXT")), automation::defaultMemberId);
    EXPECT_EQ(m_grid->idOfName(QStringLiteral("TextMatrixes")), automation::DispatchObject::unknownName);
}

} // namespace
