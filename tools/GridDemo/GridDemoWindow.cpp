#include "tools/GridDemo/GridDemoWindow.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "automation/Components.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "platform/RuntimeError.h"
#include "tools/GridDemo/GridDemoMenus.h"
#include "tools/GridDemo/PieceList.h"
#include "ui/AccessibleWindow.h"
#include "ui/GridBridge.h"
#include "ui/WidgetBridge.h"

namespace griddemo {

namespace {

using namespace Qt::StringLiterals;
using automation::Variant;

Variant number(int value)
{
    return Variant::fromLong(value);
}

} // namespace

GridDemoWindow::GridDemoWindow(QWidget* parent)
    : QMainWindow(parent), m_grivo(automation::createObject(u"Grivola.Grivo"_s))
{
    setObjectName(u"FrmGriglia"_s);
    setWindowTitle(u"Grivola - Distinta dei pezzi"_s);

    auto* central = new QWidget(this);
    central->setObjectName(u"PicFondo"_s);
    central->setAccessibleName(u"Fondo"_s);
    m_table = new QTableWidget(central);
    m_table->setObjectName(u"GrdPezzi"_s);
    m_table->setAccessibleName(u"Distinta dei pezzi"_s);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fillPieceList(*m_table);
    m_table->installEventFilter(this);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &GridDemoWindow::editCell);

    // Grid_Text_Move places the box in the grid's container: it floats over the table, out of
    // the layout.
    m_textBox = new QLineEdit(central);
    m_textBox->setObjectName(u"TxtCella"_s);
    m_textBox->setAccessibleName(u"Testo della casella"_s);
    m_textBox->setContextMenuPolicy(Qt::NoContextMenu);
    m_textBox->hide();
    m_textBox->installEventFilter(this);
    connect(m_textBox, &QLineEdit::returnPressed, this, [this] { finishEditing(true); });
    connect(m_textBox, &QLineEdit::editingFinished, this, [this] { finishEditing(true); });

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_table);
    setCentralWidget(central);

    m_grid = ui::gridBridge::grid(*m_table);
    addMenus(*this);
    ui::accessibleWindow::adoptAccessibility(*this);
    m_table->setCurrentCell(0, 0);
    m_table->setFocus();
    resize(760, 480);
}

std::vector<Variant> GridDemoWindow::call(const QString& method, std::vector<Variant> arguments)
{
    arguments.insert(arguments.begin(), Variant(m_grid));
    try {
        m_grivo->callByRef(method, arguments);
    } catch (const platform::RuntimeError& error) {
        interaction::Seams::prompter().message(u"Errore %1: %2"_s.arg(error.number()).arg(error.description()),
                                               interaction::Buttons::Ok, interaction::Icon::Exclamation,
                                               interaction::DefaultButton::First, QString());
        return {};
    }
    return arguments;
}

int GridDemoWindow::row() const
{
    return m_grid->get(u"Row"_s).toLong();
}

int GridDemoWindow::col() const
{
    return m_grid->get(u"Col"_s).toLong();
}

QString GridDemoWindow::text(int row, int col) const
{
    return m_grid->get(u"TextMatrix"_s, {number(row), number(col)}).toString();
}

void GridDemoWindow::editCell()
{
    if (m_editing)
        return;
    const int row = this->row();
    const int col = this->col();
    if (row < 1 || col < 1)
        return;
    // An empty cell may have no item: its place in the model is always there.
    const QModelIndex cell = m_table->model()->index(row - 1, col - 1);
    m_table->scrollTo(cell);
    m_textBox->resize(m_table->visualRect(cell).size());
    if (call(u"Grid_Text_Move"_s, {Variant(ui::widgetBridge::control(*m_textBox))}).empty())
        return;
    m_editing = true;
    m_editRow = row;
    m_editCol = col;
    m_textBox->setText(text(row, col));
    m_textBox->selectAll();
    m_textBox->show();
    m_textBox->raise();
    m_textBox->setFocus();
}

void GridDemoWindow::finishEditing(bool keep)
{
    if (!m_editing)
        return;
    m_editing = false;
    if (keep)
        m_grid->set(u"TextMatrix"_s, {number(m_editRow), number(m_editCol)}, Variant(m_textBox->text()));
    m_textBox->hide();
    m_table->setFocus();
}

bool GridDemoWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == m_textBox && key == Qt::Key_Escape) {
        finishEditing(false);
        return true;
    }
    if (watched == m_table && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        editCell();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace griddemo
