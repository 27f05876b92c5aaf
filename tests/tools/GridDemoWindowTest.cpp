// GridDemo's window, offscreen: every command from its key, through Grivola and the grid bridge,
// editing in place, the names a screen reader reads.
#include "tools/GridDemo/GridDemoWindow.h"

#include <functional>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "interaction/ScriptedClipboard.h"
#include "tests/support/AccessibleControls.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/ScriptedSeams.h"
#include "tests/support/grid/GrivolaWorkstation.h"

namespace {

using namespace Qt::StringLiterals;
using automation::Variant;
using griddemo::GridDemoWindow;

// The table cases reach the fixture from outside: its members are public.
class GridDemoTest : public testing::Test {
public:
    GridDemoTest()
    {
        m_window.show();
        m_window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_table = m_window.findChild<QTableWidget*>(u"GrdPezzi"_s);
        m_box = m_window.findChild<QLineEdit*>(u"TxtCella"_s);
    }
    ~GridDemoTest() override { m_seams.prompter.verifyDone(); }

    void select(int row, int col, int rowSel, int colSel)
    {
        const automation::ObjectRef& grid = m_window.grid();
        grid->set(u"Row"_s, Variant::fromLong(row));
        grid->set(u"Col"_s, Variant::fromLong(col));
        grid->set(u"RowSel"_s, Variant::fromLong(rowSel));
        grid->set(u"ColSel"_s, Variant::fromLong(colSel));
    }
    void setText(int row, int col, const QString& text)
    {
        m_window.grid()->set(u"TextMatrix"_s, {Variant::fromLong(row), Variant::fromLong(col)}, Variant(text));
    }
    QString text(int row, int col) const { return m_window.text(row, col); }
    void press(QKeyCombination key)
    {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }

    const gridtest::GrivolaWorkstation m_workstation;
    ScriptedSeams m_seams{u"GridDemo"_s};
    interaction::ScriptedClipboard m_clipboard;
    GridDemoWindow m_window;
    QTableWidget* m_table = nullptr;
    QLineEdit* m_box = nullptr;
};

struct KeyCase {
    const char* name;
    QKeyCombination key;
    std::function<void(GridDemoTest&)> before;
    std::function<void(GridDemoTest&)> after;
};

class GridDemoKeyTest : public GridDemoTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(GridDemoKeyTest, RunsItsCommand)
{
    GetParam().before(*this);
    press(GetParam().key);
    GetParam().after(*this);
}

constexpr auto ctrl = Qt::ControlModifier;
constexpr auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;

QString rowOf(GridDemoTest& test, int row)
{
    QStringList cells;
    for (int c = 1; c <= 5; ++c)
        cells.append(test.text(row, c));
    return cells.join(u'\t');
}

INSTANTIATE_TEST_SUITE_P(
    Commands, GridDemoKeyTest,
    testing::Values(
        KeyCase{"Copy", ctrl | Qt::Key_C, [](auto& t) { t.select(2, 2, 1, 1); },
                [](auto& t) { EXPECT_EQ(t.m_clipboard.text(), u"DAV\tDavanti\rDIE\tDietro"_s); }},
        KeyCase{"CopyOfEmptyCellsLeavesTheClipboard", ctrl | Qt::Key_C,
                [](auto& t) {
                    t.m_clipboard.hold(u"prima"_s);
                    t.select(14, 1, 14, 1);
                },
                [](auto& t) { EXPECT_EQ(t.m_clipboard.calls(), QStringList()); }},
        KeyCase{"Paste", ctrl | Qt::Key_V,
                [](auto& t) {
                    t.m_clipboard.hold(u"X\tY\nZ"_s);
                    t.select(3, 1, 3, 1);
                },
                [](auto& t) {
                    EXPECT_EQ(t.text(3, 1), u"X"_s);
                    EXPECT_EQ(t.text(3, 2), u"Y"_s);
                    EXPECT_EQ(t.text(4, 1), u"Z"_s);
                    EXPECT_EQ(t.text(4, 2), u"Manica sopra"_s);
                }},
        KeyCase{"Cut", ctrl | Qt::Key_X, [](auto& t) { t.select(1, 2, 1, 3); },
                [](auto& t) {
                    EXPECT_EQ(t.m_clipboard.text(), u"Davanti\tLana fredda"_s);
                    EXPECT_EQ(rowOf(t, 1), u"DAV\t\t\t2\t"_s);
                }},
        KeyCase{"FillWithTheCurrentCell", ctrl | Qt::Key_D, [](auto& t) { t.select(2, 5, 4, 5); },
                [](auto& t) {
                    for (int r = 2; r <= 4; ++r)
                        EXPECT_EQ(t.text(r, 5), u"Cucitura al centro"_s) << r;
                    EXPECT_EQ(t.text(1, 5), QString());
                }},
        KeyCase{"WriteIntoTheCells", ctrl | Qt::Key_E,
                [](auto& t) {
                    t.m_seams.prompter.expectInput("Inserisci il valore da inserire nelle caselle", u"Seta"_s);
                    t.select(1, 3, 2, 3);
                },
                [](auto& t) {
                    EXPECT_EQ(t.text(1, 3), u"Seta"_s);
                    EXPECT_EQ(t.text(2, 3), u"Seta"_s);
                    EXPECT_EQ(t.text(3, 3), u"Lana fredda"_s);
                }},
        KeyCase{"SelectionMadeBackwards", ctrl | Qt::Key_P,
                [](auto& t) {
                    t.m_seams.prompter.expectMessage(
                        "Selezione: dalla riga 2 alla riga 4, dalla colonna 1 alla colonna 3", interaction::Answer::Ok);
                    t.select(4, 3, 2, 1);
                },
                [](auto&) {}},
        KeyCase{"CutRows", ctrlShift | Qt::Key_X, [](auto& t) { t.select(2, 3, 2, 3); },
                [](auto& t) {
                    EXPECT_EQ(t.m_clipboard.text(), u"DIE\tDietro\tLana fredda\t2\tCucitura al centro"_s);
                    EXPECT_EQ(t.m_table->rowCount(), 15);
                    EXPECT_EQ(t.text(2, 1), u"FIA"_s);
                }},
        KeyCase{"CopyRows", ctrlShift | Qt::Key_C, [](auto& t) { t.select(1, 1, 2, 1); },
                [](auto& t) {
                    EXPECT_EQ(t.m_clipboard.text(),
                              u"DAV\tDavanti\tLana fredda\t2\t\rDIE\tDietro\tLana fredda\t2\tCucitura al centro"_s);
                    EXPECT_EQ(t.m_table->rowCount(), 16);
                }},
        KeyCase{"PasteRows", ctrlShift | Qt::Key_V,
                [](auto& t) {
                    t.m_clipboard.hold(u"A\tB\rC\tD"_s);
                    t.select(2, 1, 2, 1);
                },
                [](auto& t) {
                    EXPECT_EQ(t.m_table->rowCount(), 18);
                    EXPECT_EQ(rowOf(t, 2), u"A\tB\t\t\t"_s);
                    EXPECT_EQ(rowOf(t, 3), u"C\tD\t\t\t"_s);
                    EXPECT_EQ(t.text(4, 1), u"DIE"_s);
                }},
        KeyCase{"DeleteRows", ctrl | Qt::Key_Delete, [](auto& t) { t.select(1, 1, 2, 4); },
                [](auto& t) {
                    EXPECT_EQ(t.m_table->rowCount(), 14);
                    EXPECT_EQ(t.text(1, 1), u"FIA"_s);
                }},
        KeyCase{"DeleteTheEmptyRowsAtTheEnd", ctrlShift | Qt::Key_Delete, [](auto&) {},
                [](auto& t) {
                    EXPECT_EQ(t.m_table->rowCount(), 14);
                    EXPECT_EQ(t.text(13, 0), u"NP"_s);
                }},
        KeyCase{"Renumber", ctrl | Qt::Key_R,
                [](auto& t) {
                    t.setText(1, 0, u"np"_s);
                    t.setText(2, 0, u"7"_s);
                },
                [](auto& t) {
                    EXPECT_EQ(t.text(1, 0), u"1"_s);
                    EXPECT_EQ(t.text(2, 0), u"2"_s);
                    EXPECT_EQ(t.text(13, 0), u"NP"_s);
                    EXPECT_EQ(t.text(16, 0), u"16"_s);
                }},
        KeyCase{"EveryRowAsHighAsTheCurrentOne", ctrl | Qt::Key_H,
                [](auto& t) {
                    t.m_table->setRowHeight(2, 41);
                    t.select(3, 1, 3, 1);
                },
                [](auto& t) {
                    for (int r = 0; r < t.m_table->rowCount(); ++r)
                        EXPECT_EQ(t.m_table->rowHeight(r), 41) << r;
                }},
        KeyCase{"UpperCase", ctrlShift | Qt::Key_U, [](auto& t) { t.select(1, 2, 2, 2); },
                [](auto& t) {
                    EXPECT_EQ(t.text(1, 2), u"DAVANTI"_s);
                    EXPECT_EQ(t.text(2, 2), u"DIETRO"_s);
                }},
        KeyCase{"LowerCase", ctrlShift | Qt::Key_L, [](auto& t) { t.select(1, 1, 1, 2); },
                [](auto& t) { EXPECT_EQ(rowOf(t, 1), u"dav\tdavanti\tLana fredda\t2\t"_s); }},
        KeyCase{"FirstLetterUpperCase", ctrlShift | Qt::Key_I,
                [](auto& t) {
                    t.setText(1, 5, u"mARIO rossi"_s);
                    t.select(1, 5, 1, 5);
                },
                [](auto& t) { EXPECT_EQ(t.text(1, 5), u"Mario rossi"_s); }},
        KeyCase{"Empty", Qt::Key_Delete, [](auto& t) { t.select(1, 1, 2, 5); },
                [](auto& t) {
                    EXPECT_EQ(rowOf(t, 1), u"\t\t\t\t"_s);
                    EXPECT_EQ(rowOf(t, 2), u"\t\t\t\t"_s);
                    EXPECT_EQ(t.text(3, 1), u"FIA"_s);
                }},
        KeyCase{"TrimBlanks", ctrlShift | Qt::Key_T,
                [](auto& t) {
                    t.setText(1, 5, u"  a  b  "_s);
                    t.select(1, 5, 1, 5);
                },
                [](auto& t) { EXPECT_EQ(t.text(1, 5), u"a  b"_s); }},
        KeyCase{"HighlightTheRow", ctrlShift | Qt::Key_R, [](auto& t) { t.select(3, 2, 3, 2); },
                [](auto& t) {
                    for (int c = 0; c < 5; ++c)
                        EXPECT_EQ(t.m_table->item(2, c)->background().color(), QColor(255, 255, 160)) << c;
                    EXPECT_EQ(t.m_table->item(1, 0)->background().style(), Qt::NoBrush);
                    EXPECT_EQ(t.m_table->verticalHeaderItem(2)->background().style(), Qt::NoBrush);
                }},
        KeyCase{"HighlightTheCell", ctrlShift | Qt::Key_K, [](auto& t) { t.select(3, 2, 3, 2); },
                [](auto& t) {
                    EXPECT_EQ(t.m_table->item(2, 1)->background().color(), QColor(255, 255, 160));
                    EXPECT_EQ(t.m_table->item(2, 0)->background().style(), Qt::NoBrush);
                    EXPECT_EQ(t.m_table->item(2, 2)->background().style(), Qt::NoBrush);
                }},
        KeyCase{"HighlightTheHeaderCellsText", ctrlShift | Qt::Key_K, [](auto& t) { t.select(3, 0, 3, 0); },
                [](auto& t) {
                    EXPECT_EQ(t.m_table->verticalHeaderItem(2)->foreground().color(), QColor(255, 255, 160));
                    EXPECT_EQ(t.m_table->item(2, 0)->background().style(), Qt::NoBrush);
                }},
        KeyCase{"TakeTheHighlightAway", ctrlShift | Qt::Key_N, [](auto& t) { t.select(3, 2, 3, 2); },
                [](auto& t) { EXPECT_EQ(t.m_table->item(2, 4)->background().color(), QColor(Qt::white)); }}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(GridDemoTest, TheTextBoxEditsTheCurrentCellInPlace)
{
    select(3, 2, 3, 2);
    press(QKeyCombination(Qt::Key_F2));
    ASSERT_TRUE(m_box->isVisible());
    EXPECT_TRUE(m_box->hasFocus());
    EXPECT_EQ(m_box->text(), u"Fianchetto"_s);
    const QRect cell = m_table->visualItemRect(m_table->item(2, 1));
    const QPoint cellCorner = m_table->viewport()->mapTo(m_box->parentWidget(), cell.topLeft());
    // One pixel in from the cell's corner, with the grid's border.
    EXPECT_LE((m_box->pos() - cellCorner).manhattanLength(), 4);
    EXPECT_EQ(m_box->size(), cell.size());

    QTest::keyClicks(m_box, u"Fianco"_s);
    press(QKeyCombination(Qt::Key_Return));
    EXPECT_FALSE(m_box->isVisible());
    EXPECT_TRUE(m_table->hasFocus());
    EXPECT_EQ(text(3, 2), u"Fianco"_s);

    // Enter on the grid starts editing too; Esc drops what was typed.
    press(QKeyCombination(Qt::Key_Return));
    ASSERT_TRUE(m_box->isVisible());
    QTest::keyClicks(m_box, u"altro"_s);
    press(QKeyCombination(Qt::Key_Escape));
    EXPECT_FALSE(m_box->isVisible());
    EXPECT_EQ(text(3, 2), u"Fianco"_s);
}

TEST_F(GridDemoTest, LeavingTheTextBoxKeepsItsText)
{
    // The note row's empty cell, which has no item of its own.
    const QPoint cell = m_table->visualRect(m_table->model()->index(12, 3)).center();
    // A user's double click: QTest's alone lacks the first click.
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(m_table->viewport(), Qt::LeftButton, {}, cell);
    ASSERT_TRUE(m_box->isVisible());
    QTest::keyClicks(m_box, u"3"_s);
    m_table->setFocus();
    EXPECT_FALSE(m_window.isEditing());
    EXPECT_EQ(text(13, 4), u"3"_s);
}

TEST_F(GridDemoTest, AnErrorOfTheCommandIsShown)
{
    m_seams.prompter.expectMessage("Errore 13: Type mismatch", interaction::Answer::Ok);
    EXPECT_TRUE(m_window.call(u"Grid_Text_Move"_s, {Variant(u"TxtCella"_s)}).empty());
}

TEST_F(GridDemoTest, EveryControlHasANameAndEveryCommandAKey)
{
    EXPECT_EQ(unnamedControls(m_window), QStringList());
    EXPECT_EQ(unreachableControls(m_window), QStringList());
    for (QAction* menu : m_window.menuBar()->actions())
        EXPECT_FALSE(menu->menu()->accessibleName().isEmpty()) << menu->text().toStdString();
    int commands = 0;
    for (QAction* action : m_window.menuBar()->findChildren<QAction*>()) {
        if (action->isSeparator() || action->menu() || action->objectName().isEmpty())
            continue;
        ++commands;
        EXPECT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();
        EXPECT_TRUE(action->text().contains(u'&')) << action->text().toStdString();
    }
    EXPECT_EQ(commands, 23);
}

TEST(GridDemoWithoutGrivola, CannotStart)
{
    const TestWorkstation workstation;
    EXPECT_EQ(RUNTIME_ERROR_OF(GridDemoWindow window), 429);
}

} // namespace
