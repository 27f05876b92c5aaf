#include "explorer/CardListModel.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QPixmap>
#include <QTest>

#include "tests/support/QtTestMain.h"

using namespace Qt::StringLiterals;
using explorer::CardListModel;
using explorer::CardRows;

namespace {

CardRows rowsOf(const QList<CardRows::Texts>& cards)
{
    CardRows rows;
    rows.reserve(cards.size());
    for (const CardRows::Texts& card : cards)
        rows.append(card);
    return rows;
}

// Keys whose texts compare differently as UTF-16 (QString's order) and as code points: the
// emoji's surrogates come before U+FF21.
const QList<CardRows::Texts> cards{
    {u"K1"_s, u"Zeta"_s, u"Blu"_s, u"Capo é"_s, u"42"_s, u"38,40"_s},
    {u"K2"_s, u"alfa"_s, QString(), u"Capo e"_s, u"40"_s, QString()},
    {u"K3"_s, u"Alfa"_s, u"Blu"_s, u"Capo f"_s, u"42"_s, u"36"_s},
    {u"K4"_s, QString(), u"\U0001F600"_s, u"Capo ê"_s, u"38"_s, u"\uFF21"_s},
    {u"K5"_s, u"Zeta"_s, u"\uFF21"_s, QString(), u"42"_s, u"\U0001F600"_s},
};

QStringList column(const CardListModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, column)).toString());
    return texts;
}

QList<int> ghosted(const CardListModel& model)
{
    QList<int> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.isRowGhosted(row))
            rows.append(row);
    }
    return rows;
}

} // namespace

class CardListModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_model = std::make_unique<CardListModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_model->append(rowsOf(cards));
    }
    void cleanup()
    {
        m_tester.reset();
        m_model.reset();
    }

    void cellsReadBackAsListed_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("keys") << 0 << QStringList{"K1", "K2", "K3", "K4", "K5"};
        QTest::newRow("empty and Null texts") << 1 << QStringList{"Zeta", "alfa", "Alfa", "", "Zeta"};
        QTest::newRow("outside the BMP and above the surrogates")
            << 2 << QStringList{"Blu", "", "Blu", u"\U0001F600"_s, u"\uFF21"_s};
        QTest::newRow("accented") << 3 << QStringList{u"Capo é"_s, "Capo e", "Capo f", u"Capo ê"_s, ""};
        QTest::newRow("last column") << 5 << QStringList{"38,40", "", "36", u"\uFF21"_s, u"\U0001F600"_s};
    }
    void cellsReadBackAsListed()
    {
        QFETCH(int, column);
        QFETCH(QStringList, texts);
        QCOMPARE(::column(*m_model, column), texts);
    }

    // As the list always sorted: QString's case-sensitive order, equal texts keeping the order
    // they stood in, whichever the direction.
    void sortingOrdersByTheColumnsText_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("key ascending") << 0 << Qt::AscendingOrder << QStringList{"K1", "K2", "K3", "K4", "K5"};
        QTest::newRow("key descending") << 0 << Qt::DescendingOrder << QStringList{"K5", "K4", "K3", "K2", "K1"};
        QTest::newRow("collection: empty first, capitals before small letters, ties in place")
            << 1 << Qt::AscendingOrder << QStringList{"K4", "K3", "K1", "K5", "K2"};
        QTest::newRow("collection descending, ties in place")
            << 1 << Qt::DescendingOrder << QStringList{"K2", "K1", "K5", "K3", "K4"};
        QTest::newRow("variant: the emoji's surrogates before U+FF21")
            << 2 << Qt::AscendingOrder << QStringList{"K2", "K1", "K3", "K4", "K5"};
        QTest::newRow("variant descending") << 2 << Qt::DescendingOrder << QStringList{"K5", "K4", "K1", "K3", "K2"};
        QTest::newRow("garment: accents after plain letters")
            << 3 << Qt::AscendingOrder << QStringList{"K5", "K2", "K3", "K1", "K4"};
        QTest::newRow("garment descending") << 3 << Qt::DescendingOrder << QStringList{"K4", "K1", "K3", "K2", "K5"};
        QTest::newRow("base size") << 4 << Qt::AscendingOrder << QStringList{"K4", "K2", "K1", "K3", "K5"};
        QTest::newRow("base size descending") << 4 << Qt::DescendingOrder << QStringList{"K1", "K3", "K5", "K2", "K4"};
        QTest::newRow("size range") << 5 << Qt::AscendingOrder << QStringList{"K2", "K3", "K1", "K5", "K4"};
        QTest::newRow("size range descending") << 5 << Qt::DescendingOrder << QStringList{"K4", "K5", "K1", "K3", "K2"};
    }
    void sortingOrdersByTheColumnsText()
    {
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(QStringList, keys);
        m_model->sort(column, order);
        QCOMPARE(::column(*m_model, 0), keys);
        QCOMPARE(sortedAsQStringDoes(column, order), keys);
    }

    void sortingAgainStartsFromTheOrderShown()
    {
        m_model->sort(1, Qt::DescendingOrder);
        m_model->sort(4, Qt::AscendingOrder);
        QCOMPARE(::column(*m_model, 0), (QStringList{"K4", "K2", "K1", "K5", "K3"}));
    }

    void persistentIndexesFollowTheirRowsThroughASort()
    {
        const QPersistentModelIndex k2(m_model->index(1, 3));
        const QPersistentModelIndex k4(m_model->index(3, 0));
        m_model->sort(1, Qt::AscendingOrder);
        QCOMPARE(k2.row(), 4);
        QCOMPARE(k2.column(), 3);
        QCOMPARE(k4.row(), 0);
        QCOMPARE(k4.data().toString(), QStringLiteral("K4"));
    }

    void ghostedRows_data()
    {
        QTest::addColumn<QList<int>>("ghost");
        QTest::addColumn<QList<int>>("unghost");
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<QList<int>>("ghostedAfterSort");
        QTest::newRow("cut rows follow a sort") << QList<int>{0, 2} << QList<int>{} << 1 << QList<int>{1, 2};
        QTest::newRow("copied rows lose the mark") << QList<int>{0, 2, 3} << QList<int>{2} << 2 << QList<int>{1, 3};
        QTest::newRow("rows out of range are left alone") << QList<int>{-1, 5} << QList<int>{} << 0 << QList<int>{};
    }
    void ghostedRows()
    {
        QFETCH(QList<int>, ghost);
        QFETCH(QList<int>, unghost);
        QFETCH(int, sortColumn);
        QFETCH(QList<int>, ghostedAfterSort);
        const QBrush dimmed(Qt::gray);
        m_model->setGhostBrush(dimmed);
        for (const int row : ghost)
            m_model->setRowGhosted(row, true);
        for (const int row : unghost)
            m_model->setRowGhosted(row, false);
        m_model->sort(sortColumn, Qt::AscendingOrder);
        QCOMPARE(::ghosted(*m_model), ghostedAfterSort);
        for (int row = 0; row < m_model->rowCount(); ++row) {
            for (int column = 0; column < m_model->columnCount(); ++column) {
                const QVariant foreground = m_model->data(m_model->index(row, column), Qt::ForegroundRole);
                QCOMPARE(foreground.isValid(), ghostedAfterSort.contains(row));
                if (foreground.isValid())
                    QCOMPARE(foreground.value<QBrush>(), dimmed);
            }
        }
    }

    void aRefillClearsTheGhostsAndAddingRowsKeepsThem_data()
    {
        QTest::addColumn<bool>("clearFirst");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("ghostedAfter");
        QTest::newRow("cleared and filled again") << true << QStringList{"N1", "N2"} << QList<int>{};
        QTest::newRow("rows added after")
            << false << QStringList{"K1", "K2", "K3", "K4", "K5", "N1", "N2"} << QList<int>{1};
    }
    void aRefillClearsTheGhostsAndAddingRowsKeepsThem()
    {
        QFETCH(bool, clearFirst);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, ghostedAfter);
        m_model->setRowGhosted(1, true);
        if (clearFirst)
            m_model->clear();
        m_model->append(rowsOf({{u"N1"_s, u"Uno"_s}, {u"N2"_s, u"Due"_s}}));
        QCOMPARE(::column(*m_model, 0), keys);
        QCOMPARE(::ghosted(*m_model), ghostedAfter);
        QCOMPARE(m_model->text(m_model->rowCount() - 1, 1), QStringLiteral("Due"));
        QCOMPARE(m_model->text(m_model->rowCount() - 1, 2), QString());
    }

    // Texts held once however often they repeat, lengths needing one to three bytes, and columns
    // with more distinct texts than are looked up for repeats.
    void manyRowsReadBackAndSort_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("distinct");
        QTest::addColumn<int>("length");
        QTest::newRow("one text in every row") << 300 << 1 << 16;
        QTest::newRow("a few repeating texts") << 1000 << 7 << 30;
        QTest::newRow("every text different, past the repeats looked up") << 6000 << 6000 << 12;
        QTest::newRow("repeats past the bound") << 10000 << 5000 << 8;
        QTest::newRow("lengths over 127 bytes") << 50 << 5 << 200;
        QTest::newRow("lengths over 16383 bytes") << 3 << 2 << 9000;
    }
    void manyRowsReadBackAndSort()
    {
        QFETCH(int, rows);
        QFETCH(int, distinct);
        QFETCH(int, length);
        const auto text = [&](int row, int column) {
            const QString value = QString::number((row * 7919 + column) % distinct);
            return value + QString(length - value.size(), column % 2 ? QChar(u'\u00E9') : QChar(u'x'));
        };
        QList<CardRows::Texts> generated;
        for (int row = 0; row < rows; ++row) {
            CardRows::Texts texts;
            texts[0] = QStringLiteral("K%1").arg(row, 5, 10, QLatin1Char('0'));
            for (int column = 1; column < CardRows::columnCount; ++column)
                texts[std::size_t(column)] = text(row, column);
            generated.append(texts);
        }
        CardListModel model;
        model.append(rowsOf(generated.mid(0, rows / 2)));
        model.append(rowsOf(generated.mid(rows / 2)));
        QCOMPARE(model.rowCount(), rows);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < CardRows::columnCount; ++column)
                QCOMPARE(model.text(row, column), generated[row][std::size_t(column)]);
        }
        model.sort(3, Qt::DescendingOrder);
        QList<int> order(rows);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int left, int right) { return generated[right][3] < generated[left][3]; });
        for (int row = 0; row < rows; ++row)
            QCOMPARE(model.text(row, 0), generated[order[row]][0]);
    }

    void theIconShowsInTheFirstColumnOnly()
    {
        QPixmap image(16, 16);
        image.fill(Qt::red);
        m_model->setCardIcon(QIcon(image));
        for (int column = 0; column < m_model->columnCount(); ++column) {
            const QVariant decoration = m_model->data(m_model->index(2, column), Qt::DecorationRole);
            QCOMPARE(decoration.isValid(), column == 0);
        }
        QVERIFY(!m_model->data(m_model->index(2, 0), Qt::DecorationRole).value<QIcon>().isNull());
    }

    void captionsAndFlags()
    {
        m_model->setHeaderLabels({"Codice", "Collezione", "Variante", "Capo", "Taglia", "Gamma"});
        QCOMPARE(m_model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Capo"));
        QCOMPARE(m_model->columnCount(), 6);
        const Qt::ItemFlags flags = m_model->flags(m_model->index(0, 4));
        QVERIFY(flags.testFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled));
        QVERIFY(!flags.testFlag(Qt::ItemIsEditable));
        QCOMPARE(m_model->rowCount(m_model->index(0, 0)), 0);
    }

private:
    // The order QString::compare gives the rows listed, sorted stably.
    QStringList sortedAsQStringDoes(int column, Qt::SortOrder order) const
    {
        QList<int> rows(cards.size());
        std::iota(rows.begin(), rows.end(), 0);
        std::stable_sort(rows.begin(), rows.end(), [&](int left, int right) {
            const int compared = cards[left][std::size_t(column)].compare(cards[right][std::size_t(column)]);
            return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
        });
        QStringList keys;
        for (const int row : rows)
            keys.append(cards[row][0]);
        return keys;
    }

    std::unique_ptr<CardListModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

TRAMEX_QT_TEST(CardListModelTest);

#include "CardListModelTest.moc"
