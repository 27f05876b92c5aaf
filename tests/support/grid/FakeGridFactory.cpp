#include "tests/support/grid/FakeGridFactory.h"

#include "tests/support/grid/FakeGrid.h"
#include "tests/support/grid/FakeTextBox.h"

namespace gridtest {

namespace {

class FakeGridUnderTest : public GridUnderTest {
public:
    explicit FakeGridUnderTest(const GridPlan& plan)
        : m_grid(std::make_shared<FakeGrid>(plan)), m_textBox(std::make_shared<FakeTextBox>())
    {
    }

    automation::ObjectRef grid() override { return m_grid; }
    automation::ObjectRef textBox() override { return m_textBox; }
    QList<QStringList> cells() const override { return m_grid->cells(); }
    Selection selection() const override { return m_grid->selection(); }
    std::optional<std::int32_t> backColor(int row, int col) const override { return m_grid->backColor(row, col); }
    std::optional<std::int32_t> foreColor(int row, int col) const override { return m_grid->foreColor(row, col); }
    std::vector<int> rowHeights() const override { return m_grid->rowHeights(); }
    bool redraw() const override { return m_grid->redraw(); }
    int changesWhileRedrawing() const override { return m_grid->changesWhileRedrawing(); }
    bool hasFocus() const override { return m_grid->hasFocus(); }
    QPointF textBoxPosition() const override { return m_textBox->position(); }

private:
    std::shared_ptr<FakeGrid> m_grid;
    std::shared_ptr<FakeTextBox> m_textBox;
};

} // namespace

std::unique_ptr<GridUnderTest> FakeGridFactory::make(const GridPlan& plan)
{
    return std::make_unique<FakeGridUnderTest>(plan);
}

} // namespace gridtest
