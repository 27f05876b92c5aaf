#include "BridgeGridFactory.h"

#include <stdexcept>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include "interaction/Twips.h"
#include "ui/ColourValue.h"
#include "ui/GridBridge.h"
#include "ui/GridCells.h"
#include "ui/GridLayout.h"
#include "ui/GridState.h"
#include "ui/WidgetBridge.h"
#include "ui/WidgetTwips.h"

namespace {

using automation::Variant;
using gridtest::GridPlan;
using gridtest::Selection;
using interaction::twips::fromPixels;
using interaction::twips::toPixels;

std::optional<std::int32_t> valueOf(const std::optional<QColor>& colour)
{
    if (!colour)
        return std::nullopt;
    return ui::colourValue::of(*colour);
}

class BridgeGridUnderTest : public gridtest::GridUnderTest {
public:
    explicit BridgeGridUnderTest(const GridPlan& plan)
    {
        if (plan.cells.isEmpty() || plan.fixedRows != 1 || plan.fixedCols != 1)
            throw std::invalid_argument("the bridge's grid has one header row and one header column");
        m_window.setObjectName(QStringLiteral("FrmGriglia"));
        m_textBox = new QLineEdit(&m_window);
        m_textBox->setObjectName(QStringLiteral("TxtCella"));
        m_table = new QTableWidget(int(plan.cells.size()) - 1, int(plan.cells.first().size()) - 1, &m_window);
        m_table->setObjectName(QStringLiteral("GrdPezzi"));
        m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_table->setGeometry(toPixels(plan.left), toPixels(plan.top), 120, 60);
        m_window.resize(400, 300);
        ui::gridLayout::setBorderStyle(*m_table, plan.borderStyle);
        layOut(plan);
        fill(plan);
        m_grid = ui::gridBridge::grid(*m_table);
        m_grid->set(QStringLiteral("Row"), Variant::fromLong(plan.selection.row));
        m_grid->set(QStringLiteral("Col"), Variant::fromLong(plan.selection.col));
        m_grid->set(QStringLiteral("RowSel"), Variant::fromLong(plan.selection.rowSel));
        m_grid->set(QStringLiteral("ColSel"), Variant::fromLong(plan.selection.colSel));
        m_window.show();
        QApplication::processEvents();
        m_textBox->setFocus();
        m_grid->set(QStringLiteral("TopRow"), Variant::fromLong(plan.topRow));
        m_grid->set(QStringLiteral("LeftCol"), Variant::fromLong(plan.leftCol));
        m_grid->set(QStringLiteral("Redraw"), Variant::fromBoolean(plan.redraw));
        countChanges();
    }

    automation::ObjectRef grid() override { return m_grid; }
    automation::ObjectRef textBox() override { return ui::widgetBridge::control(*m_textBox); }

    QList<QStringList> cells() const override
    {
        const ui::GridCells cells(*m_table);
        QList<QStringList> all;
        for (int r = 0; r < cells.rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < cells.colCount(); ++c)
                row.append(cells.text({r, c}));
            all.append(row);
        }
        return all;
    }

    Selection selection() const override
    {
        const ui::GridState& state = ui::GridState::of(*m_table);
        return {state.current().row, state.current().col, state.far().row, state.far().col};
    }

    std::optional<std::int32_t> backColor(int row, int col) const override
    {
        return valueOf(ui::GridCells(*m_table).backColour({row, col}));
    }

    std::optional<std::int32_t> foreColor(int row, int col) const override
    {
        return valueOf(ui::GridCells(*m_table).foreColour({row, col}));
    }

    std::vector<int> rowHeights() const override
    {
        std::vector<int> heights;
        for (int r = 0; r <= m_table->rowCount(); ++r)
            heights.push_back(fromPixels(ui::gridLayout::rowHeight(*m_table, r)));
        return heights;
    }

    bool redraw() const override { return m_table->updatesEnabled(); }
    int changesWhileRedrawing() const override { return m_changes; }
    bool hasFocus() const override { return m_window.focusWidget() == m_table; }
    QPointF textBoxPosition() const override
    {
        return QPointF(ui::widgetTwips::left(*m_textBox), ui::widgetTwips::top(*m_textBox));
    }

private:
    void layOut(const GridPlan& plan)
    {
        const auto height = [&](std::size_t row) {
            return toPixels(plan.rowHeights.empty() ? GridPlan::defaultRowHeight : plan.rowHeights.at(row));
        };
        const auto width = [&](std::size_t col) {
            return toPixels(plan.colWidths.empty() ? GridPlan::defaultColWidth : plan.colWidths.at(col));
        };
        m_table->verticalHeader()->setMinimumSectionSize(1);
        m_table->verticalHeader()->setDefaultSectionSize(height(1));
        m_table->horizontalHeader()->setDefaultSectionSize(width(1));
        ui::gridLayout::setRowHeight(*m_table, 0, height(0));
        ui::gridLayout::setColWidth(*m_table, 0, width(0));
        if (!plan.rowHeights.empty())
            for (int r = 1; r <= m_table->rowCount(); ++r)
                ui::gridLayout::setRowHeight(*m_table, r, height(std::size_t(r)));
        if (!plan.colWidths.empty())
            for (int c = 1; c <= m_table->columnCount(); ++c)
                ui::gridLayout::setColWidth(*m_table, c, width(std::size_t(c)));
    }

    void fill(const GridPlan& plan)
    {
        ui::GridCells cells(*m_table);
        for (int r = 0; r < plan.cells.size(); ++r) {
            if (plan.cells[r].size() != plan.cells.first().size())
                throw std::invalid_argument("every row needs as many cells as the header row");
            for (int c = 0; c < plan.cells[r].size(); ++c)
                if (r == 0 || c == 0 || !plan.cells[r][c].isEmpty())
                    cells.setText({r, c}, plan.cells[r][c]);
        }
    }

    void countChanges()
    {
        const auto count = [this] {
            if (m_table->updatesEnabled())
                ++m_changes;
        };
        QAbstractItemModel* model = m_table->model();
        QObject::connect(model, &QAbstractItemModel::dataChanged, m_table, count);
        QObject::connect(model, &QAbstractItemModel::headerDataChanged, m_table, count);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, m_table, count);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, m_table, count);
        QObject::connect(m_table->verticalHeader(), &QHeaderView::sectionResized, m_table, count);
    }

    QWidget m_window;
    QLineEdit* m_textBox = nullptr;
    QTableWidget* m_table = nullptr;
    automation::ObjectRef m_grid;
    int m_changes = 0;
};

} // namespace

std::unique_ptr<gridtest::GridUnderTest> BridgeGridFactory::make(const GridPlan& plan)
{
    return std::make_unique<BridgeGridUnderTest>(plan);
}
