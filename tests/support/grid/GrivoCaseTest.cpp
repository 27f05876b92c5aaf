#include "tests/support/grid/GrivoCaseTest.h"

#include "automation/Components.h"
#include "platform/RuntimeError.h"
#include "tests/support/grid/HiddenMembers.h"

namespace gridtest {

namespace {

using automation::Variant;

std::string text(const QString& value)
{
    return value.toStdString();
}

} // namespace

void GrivoCaseTest::SetUp()
{
    m_grivo = automation::createObject(QStringLiteral("Grivola.Grivo"));
    m_seams.setPrompter(m_prompter);
}

void GrivoCaseTest::TearDown()
{
    m_grivo.reset();
    m_prompter.verifyDone();
}

void GrivoCaseTest::run()
{
    const GrivoCase& grivoCase = GetParam();
    const std::unique_ptr<GridUnderTest> made = factory().make(grivoCase.grid);
    automation::ObjectRef grid = made->grid();
    if (!grivoCase.hiddenMembers.isEmpty())
        grid = std::make_shared<HiddenMembers>(grid, grivoCase.hiddenMembers);
    if (grivoCase.clipboardBefore)
        m_clipboard.hold(*grivoCase.clipboardBefore);
    m_clipboard.setUnreachable(grivoCase.clipboardUnreachable);
    if (grivoCase.answer)
        m_prompter.expectInput(QStringLiteral("Inserisci il valore da inserire nelle caselle"), *grivoCase.answer);

    std::vector<Variant> arguments{Variant(grid)};
    if (grivoCase.method == QLatin1String("Grid_Text_Move"))
        arguments.push_back(Variant(made->textBox()));
    const std::size_t given = arguments.size();
    arguments.insert(arguments.end(), grivoCase.arguments.begin(), grivoCase.arguments.end());

    int error = 0;
    QString description;
    try {
        m_grivo->callByRef(grivoCase.method, arguments);
    } catch (const platform::RuntimeError& raised) {
        error = raised.number();
        description = raised.description();
    }
    EXPECT_EQ(error, grivoCase.error) << text(description);
    if (!grivoCase.errorDescription.isEmpty()) {
        EXPECT_EQ(text(description), text(grivoCase.errorDescription));
    }
    if (grivoCase.answer) {
        for (const auto& prompt : m_prompter.prompts())
            EXPECT_TRUE(prompt.title.isEmpty() && prompt.defaultText.isEmpty()) << text(prompt.title);
    }
    m_clipboard.setUnreachable(false);
    check(grivoCase, *made, std::vector<Variant>(arguments.begin() + std::ptrdiff_t(given), arguments.end()));
}

void GrivoCaseTest::check(const GrivoCase& expected, const GridUnderTest& grid, const std::vector<Variant>& after)
{
    if (expected.cells) {
        EXPECT_EQ(grid.cells(), *expected.cells);
    }
    if (expected.rowCount) {
        EXPECT_EQ(grid.cells().size(), *expected.rowCount);
    }
    if (expected.selection) {
        const Selection selection = grid.selection();
        EXPECT_EQ(selection, *expected.selection) << "Row " << selection.row << ", Col " << selection.col << ", RowSel "
                                                  << selection.rowSel << ", ColSel " << selection.colSel;
    }
    if (expected.clipboard) {
        EXPECT_EQ(text(m_clipboard.text()), text(*expected.clipboard));
    }
    if (expected.clipboardCalls) {
        EXPECT_EQ(m_clipboard.calls(), *expected.clipboardCalls);
    }
    for (const ColourCheck& colour : expected.colours) {
        EXPECT_EQ(grid.backColor(colour.row, colour.col), colour.back)
            << "back colour of " << colour.row << ", " << colour.col;
        EXPECT_EQ(grid.foreColor(colour.row, colour.col), colour.fore)
            << "text colour of " << colour.row << ", " << colour.col;
    }
    if (expected.rowHeights) {
        EXPECT_EQ(grid.rowHeights(), *expected.rowHeights);
    }
    if (expected.redraw) {
        EXPECT_EQ(grid.redraw(), *expected.redraw);
    }
    if (expected.quiet) {
        EXPECT_EQ(grid.changesWhileRedrawing(), 0);
    }
    if (expected.focused) {
        EXPECT_EQ(grid.hasFocus(), *expected.focused);
    }
    if (expected.textBoxAt) {
        EXPECT_EQ(grid.textBoxPosition(), *expected.textBoxAt);
    }
    if (expected.argumentsAfter) {
        ASSERT_EQ(after.size(), expected.argumentsAfter->size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(text(after[i].displayText()), text((*expected.argumentsAfter)[i].displayText()))
                << "argument " << i + 1;
        }
    }
}

std::string caseName(const testing::TestParamInfo<GrivoCase>& info)
{
    return info.param.name;
}

} // namespace gridtest
