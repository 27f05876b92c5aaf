// Grivola's commands that touch many cells on a piece list of 10,000 rows by 20 columns, a
// QTableWidget handed over by the grid bridge in a window shown offscreen: RinumeraGriglia,
// GridSelFormat (upper case over every cell) and GridCellColor on every row, as a host colours
// its rows. Baseline: the same changes made directly on the table, with its repainting off where
// Grivola turns it off. Each round starts from fresh tables, not timed; the two sides take turns.
// The first round and the median of five are printed.
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "automation/Components.h"
#include "bench/BenchWorkstation.h"
#include "bench/Figure.h"
#include "ui/GridBridge.h"

namespace {

using namespace Qt::StringLiterals;
using automation::Variant;

constexpr int rowCount = 10000;
constexpr int colCount = 20;
constexpr int rounds = 5;
constexpr int notePeriod = 50;
const QColor highlight(255, 255, 160);

// Every row has its header item, every fiftieth a note row marked "NP".
std::unique_ptr<QTableWidget> freshTable(QWidget& window)
{
    auto table = std::make_unique<QTableWidget>(rowCount, colCount, &window);
    for (int r = 0; r < rowCount; ++r) {
        table->setVerticalHeaderItem(r, new QTableWidgetItem(r % notePeriod == 0 ? u"NP"_s : QString()));
        for (int c = 0; c < colCount; ++c)
            table->setItem(r, c, new QTableWidgetItem(u"pezzo %1 tela %2"_s.arg(r).arg(c)));
    }
    window.layout()->addWidget(table.get());
    table->show();
    QCoreApplication::processEvents();
    return table;
}

void throughGrivola(automation::DispatchObject& grivo, QTableWidget& table)
{
    const automation::ObjectRef grid = ui::gridBridge::grid(table);
    std::vector<Variant> arguments{Variant(grid)};
    grivo.callByRef(u"RinumeraGriglia"_s, arguments);

    grid->set(u"Row"_s, Variant::fromLong(1));
    grid->set(u"Col"_s, Variant::fromLong(1));
    grid->set(u"RowSel"_s, Variant::fromLong(rowCount));
    grid->set(u"ColSel"_s, Variant::fromLong(colCount));
    arguments = {Variant(grid), Variant::fromInteger(1)};
    grivo.callByRef(u"GridSelFormat"_s, arguments);

    const float colour = float(highlight.red() + 256 * highlight.green() + 65536 * highlight.blue());
    for (int r = 1; r <= rowCount; ++r) {
        arguments = {Variant(grid), Variant::fromSingle(colour), Variant::fromInteger(std::int16_t(r))};
        grivo.callByRef(u"GridCellColor"_s, arguments);
    }
}

void directly(QTableWidget& table)
{
    table.setUpdatesEnabled(false);
    for (int r = 0; r < rowCount; ++r) {
        QTableWidgetItem* header = table.verticalHeaderItem(r);
        if (header->text() != u"NP"_s)
            header->setText(QString::number(r + 1));
    }
    table.setUpdatesEnabled(true);

    for (int r = 0; r < rowCount; ++r)
        for (int c = 0; c < colCount; ++c) {
            QTableWidgetItem* item = table.item(r, c);
            item->setText(item->text().toUpper());
        }

    for (int r = 0; r < rowCount; ++r) {
        table.setUpdatesEnabled(false);
        for (int c = 0; c < colCount; ++c)
            table.item(r, c)->setBackground(highlight);
        table.setUpdatesEnabled(true);
    }
}

// Both sides must have made the same changes.
void expectSame(const QTableWidget& grivola, const QTableWidget& direct)
{
    for (int r = 0; r < rowCount; ++r) {
        if (grivola.verticalHeaderItem(r)->text() != direct.verticalHeaderItem(r)->text())
            throw std::runtime_error("the row numbers differ");
        for (int c = 0; c < colCount; ++c) {
            const QTableWidgetItem* mine = grivola.item(r, c);
            const QTableWidgetItem* theirs = direct.item(r, c);
            if (mine->text() != theirs->text() || mine->background() != theirs->background())
                throw std::runtime_error("the cells differ");
        }
    }
    if (direct.verticalHeaderItem(1)->text() != u"2"_s || direct.item(3, 4)->text() != u"PEZZO 3 TELA 4"_s ||
        direct.item(9, 9)->background().color() != highlight)
        throw std::runtime_error("the changes were not made");
}

int run()
{
    bench::BenchWorkstation workstation;
    automation::registerLibrary(QCoreApplication::applicationDirPath() + u"/Grivola.dll"_s);
    const automation::ObjectRef grivo = automation::createObject(u"Grivola.Grivo"_s);

    QWidget window;
    window.setLayout(new QVBoxLayout);
    window.resize(900, 600);
    window.show();

    std::vector<double> grivola;
    std::vector<double> direct;
    for (int round = 0; round < rounds; ++round) {
        auto first = freshTable(window);
        auto second = freshTable(window);
        // Taking turns: the side that runs first may find the caches colder.
        QTableWidget& viaGrivola = round % 2 == 0 ? *first : *second;
        QTableWidget& onTable = round % 2 == 0 ? *second : *first;
        const auto measureGrivola = [&] {
            grivola.push_back(bench::millisecondsOf([&] { throughGrivola(*grivo, viaGrivola); }));
        };
        const auto measureDirect = [&] { direct.push_back(bench::millisecondsOf([&] { directly(onTable); })); };
        if (round % 2 == 0) {
            measureGrivola();
            measureDirect();
        } else {
            measureDirect();
            measureGrivola();
        }
        expectSame(viaGrivola, onTable);
    }

    const QString name = u"renumbering, upper-casing and colouring 10000 x 20 cells through Grivola"_s;
    const bench::Figure figure{
        u"renumbering, upper-casing and colouring 10000 x 20 cells through Grivola (%1 rounds)"_s.arg(rounds), grivola,
        direct, 2};
    figure.print();
    return figure.met() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return bench::runProgram(run);
}
